# Installs the desktop entry with the installed executable's path, and with the game's data
# folder as its working folder, where the game looks for its sounds first.
foreach(name BINDIR GAME_DATADIR APPLICATIONSDIR)
  if(IS_ABSOLUTE "${VELQUAN_${name}}")
    set(${name} "${VELQUAN_${name}}")
  else()
    set(${name} "${CMAKE_INSTALL_PREFIX}/${VELQUAN_${name}}")
  endif()
endforeach()
file(READ "${VELQUAN_DESKTOP_SOURCE}" entry)
string(REGEX REPLACE "\nExec=[^\n]*" "\nExec=\"${BINDIR}/velquan\"\nPath=${GAME_DATADIR}" entry "${entry}")
file(WRITE "${VELQUAN_DESKTOP_OUTPUT}" "${entry}")
file(INSTALL DESTINATION "${APPLICATIONSDIR}" TYPE FILE FILES "${VELQUAN_DESKTOP_OUTPUT}")
