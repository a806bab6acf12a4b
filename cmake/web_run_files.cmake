# SPDX-License-Identifier: GPL-3.0-or-later
# Run files in the browser build: zlib compiled from its own sources (ZEPHRA_WEB_ZLIB_SOURCE, fetched by
# `make web-batch`; emscripten would otherwise download its zlib), nlohmann's JSON headers taken from the
# machine's folder as fast_float's are, and no threads (a build without them packs the histories in turn).
set(ZEPHRA_WEB_ZLIB_SOURCE "" CACHE PATH "zlib's C sources, for run files and zephra-batch in the browser build")
if(NOT ZEPHRA_WEB_ZLIB_SOURCE)
  return()
elseif(NOT EXISTS ${ZEPHRA_WEB_ZLIB_SOURCE}/zlib.h)
  message(WARNING "No zlib sources in ${ZEPHRA_WEB_ZLIB_SOURCE}: zephra-batch is left out (make web-batch fetches them)")
  return()
endif()
enable_language(C)
set(zlib_sources)
foreach(file adler32 compress crc32 deflate inffast inflate inftrees trees uncompr zutil)
  list(APPEND zlib_sources ${ZEPHRA_WEB_ZLIB_SOURCE}/${file}.c)
endforeach()
add_library(zephra_web_zlib STATIC ${zlib_sources})
target_include_directories(zephra_web_zlib SYSTEM PUBLIC ${ZEPHRA_WEB_ZLIB_SOURCE})
target_compile_options(zephra_web_zlib PRIVATE -w)
add_library(ZLIB::ZLIB ALIAS zephra_web_zlib)

set(json_include ${CMAKE_BINARY_DIR}/nlohmann_json_include)
file(MAKE_DIRECTORY ${json_include})
file(CREATE_LINK /usr/include/nlohmann ${json_include}/nlohmann SYMBOLIC)
add_library(zephra_web_json INTERFACE)
target_include_directories(zephra_web_json SYSTEM INTERFACE ${json_include})
add_library(nlohmann_json::nlohmann_json ALIAS zephra_web_json)

add_library(Threads::Threads INTERFACE IMPORTED)

# Run files report a bad field by throwing; WebAssembly's own exceptions catch it at no cost to the calls
# that throw nothing, which the tick's are.
function(zephra_web_catches_exceptions)
  foreach(target ${ARGN})
    target_compile_options(${target} PRIVATE -fwasm-exceptions)
    target_link_options(${target} PRIVATE -fwasm-exceptions)
  endforeach()
endfunction()
