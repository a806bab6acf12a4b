# SPDX-License-Identifier: GPL-3.0-or-later
# The browser build (Debian's emscripten, `make web`): compile settings every target of it shares, set before
# the first target so that the model and the toolkit build unchanged.

# This emscripten's C++ library predates std::bit_cast, which the compiler itself provides.
add_compile_options($<$<COMPILE_LANGUAGE:CXX>:-include$<SEMICOLON>${CMAKE_CURRENT_SOURCE_DIR}/src/web/std_bit_cast.h>)
# clang reads the tick's deliberate branch-free ands of comparisons as a slip.
add_compile_options(-Wno-bitwise-instead-of-logical)
# fast_float is a header-only library installed for the machine's own compiler; the browser build takes that
# one folder of it, not the machine's whole include folder, whose C headers are not emscripten's.
set(ZEPHRA_WEB_FAST_FLOAT ${CMAKE_BINARY_DIR}/fast_float_include)
file(MAKE_DIRECTORY ${ZEPHRA_WEB_FAST_FLOAT})
file(CREATE_LINK /usr/include/fast_float ${ZEPHRA_WEB_FAST_FLOAT}/fast_float SYMBOLIC)
include_directories(SYSTEM ${ZEPHRA_WEB_FAST_FLOAT})
# The linker runs emscripten's JavaScript tools, whose parser Debian installs where only its own node
# looks; a node from elsewhere is shown the folder.
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
