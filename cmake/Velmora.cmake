# Shared settings and the one helper every subsystem folder uses.

# velmora_warnings(<target> <scope>)
#
# Warnings and text encoding for our own code: sources and narrow literals
# are UTF-8, whatever the build machine's locale.
function(velmora_warnings target scope)
    target_compile_options(${target} ${scope}
        -Wall -Wextra -Werror -finput-charset=UTF-8 -fexec-charset=UTF-8)
endfunction()

add_library(velmora_options INTERFACE)
velmora_warnings(velmora_options INTERFACE)
target_include_directories(velmora_options INTERFACE ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR}/generated)
# One version number, the project's, for the version block, the manifest,
# the about dialog and the tests; and the product version beside it, in the
# four numbers the version block wants as well as in text.
string(REPLACE "." ", " VELMORA_PRODUCT_VERSION_NUMBERS "${VELMORA_PRODUCT_VERSION}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/Version.h.in ${PROJECT_BINARY_DIR}/generated/Version.h @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/Velmora.manifest.in ${PROJECT_BINARY_DIR}/generated/Velmora.manifest @ONLY)
if(WIN32)
    # UNICODE and _UNICODE: every generic Win32 name (LoadCursor, RT_RCDATA,
    # the ListView_ macros) is its W form. The program speaks UTF-16 to the
    # system and UTF-8 inside (base/Wide_win.h), on any ANSI code page.
    target_compile_definitions(velmora_options INTERFACE
        WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601 UNICODE _UNICODE)
    # The Windows builds are what ships, and the same commit must give the
    # same bytes wherever and whenever it is built: no folder of the build
    # machine in file names the compiler writes (__FILE__, debug info; the
    # build folder maps last so that it wins where it lies inside the
    # sources), and no link time in the PE header (ld writes 0 instead).
    target_compile_options(velmora_options INTERFACE
        -ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
        -ffile-prefix-map=${PROJECT_BINARY_DIR}=./build)
    target_link_options(velmora_options INTERFACE -Wl,--no-insert-timestamp)
endif()
if(VELMORA_SANITIZE)
    target_compile_options(velmora_options INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(velmora_options INTERFACE -fsanitize=address,undefined)
endif()

# velmora_library(<name> [DEPENDS libs...] [WIN_LIBS system-libs...])
#
# A subsystem folder holds portable sources (*.cpp) and, beside them, the
# Win32 side (*_win.cpp). The portable part becomes <name>_core, built
# everywhere; the Win32 part becomes <name>_win, built for Windows only.
# The portable sources are also recorded so that the benchmark can build
# them without sanitizers.
function(velmora_library name)
    cmake_parse_arguments(A "" "" "DEPENDS;WIN_DEPENDS;WIN_LIBS" ${ARGN})
    # GLOB sorts its result, so the link order does not depend on the order
    # in which the file system lists the folder.
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    set(core ${sources})
    list(FILTER core EXCLUDE REGEX "_win\\.cpp$")
    list(FILTER sources EXCLUDE REGEX "Entry_win\\.cpp$")
    set(win ${sources})
    list(FILTER win INCLUDE REGEX "_win\\.cpp$")

    if(core)
        add_library(${name}_core STATIC ${core})
        target_link_libraries(${name}_core PUBLIC velmora_options ${A_DEPENDS})
        set_property(GLOBAL APPEND PROPERTY VELMORA_CORE_SOURCES ${core})
    else()
        add_library(${name}_core INTERFACE)
        target_link_libraries(${name}_core INTERFACE velmora_options ${A_DEPENDS})
    endif()

    if(WIN32 AND win)
        add_library(${name}_win STATIC ${win})
        target_link_libraries(${name}_win PUBLIC ${name}_core ${A_WIN_DEPENDS} ${A_WIN_LIBS})
    endif()
endfunction()
