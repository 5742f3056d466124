# The game's code comes in four layers, each a library that links only the ones below it:
# velquan_services <- velquan_desktop <- velquan_controls <- velquan_game. A layer's include
# root holds a link to its own folder and nothing else, so a source of a lower layer that
# includes a higher one's header ("desktop/...", "controls/...", "game/...") fails to compile. A header is compiled only by its includers: scripts/lint rejects
# a wrong-way include there too.
function(velquan_layer_include_root target layer)
  set(root ${CMAKE_CURRENT_BINARY_DIR}/include-root)
  if(NOT IS_SYMLINK ${root}/${layer})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${layer} SYMBOLIC)
  endif()
  target_include_directories(${target} PUBLIC ${root})
endfunction()
