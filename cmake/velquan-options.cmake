# velquan_options: the compiler settings every target of ours links, and nothing else's.
# The stricter warnings are the ones KDE's code builds with; VELQUAN_WERROR (on in the
# sanitizer preset that CI builds) turns any warning into a failed build.
option(VELQUAN_WERROR "Treat compiler warnings as errors" OFF)

add_library(velquan_options INTERFACE)
target_compile_options(velquan_options INTERFACE
  -Wall -Wextra -Wpedantic
  -Wnon-virtual-dtor -Woverloaded-virtual -Wsuggest-override -Wzero-as-null-pointer-constant)
if(VELQUAN_WERROR)
  target_compile_options(velquan_options INTERFACE -Werror)
endif()
# The game's own code: text crosses between bytes and QString only where the code says
# which encoding it means. The tests, the benchmarks and the crash test build without these,
# as their literals are test data.
add_library(velquan_strict_text INTERFACE)
target_compile_definitions(velquan_strict_text INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_CAST_FROM_BYTEARRAY
  QT_NO_URL_CAST_FROM_STRING QT_NO_NARROWING_CONVERSIONS_IN_CONNECT QT_NO_FOREACH)
if(VELQUAN_SANITIZE)
  target_compile_options(velquan_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(velquan_options INTERFACE -fsanitize=address,undefined)
endif()
