# cmake -D SOURCE=<source dir> -D BINARY=<binary dir> -D EXE=<Velmora.exe>
#       -D WORK=<scratch folder> -P Reproduce.cmake
#
# Builds Velmora.exe a second time and compares it with the build's own,
# byte for byte: the sources are copied to another folder (another path, of
# another length), configured with the build's toolchain, generator and
# build type into a binary folder outside that copy, and only the Velmora
# target is built. Any difference means a folder, a time or an order of the
# build machine has reached the executable. On a difference the second build
# stays in WORK for `cmp -l`.
cmake_minimum_required(VERSION 3.25)
foreach(var SOURCE BINARY EXE WORK)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "Reproduce.cmake needs -D ${var}=...")
    endif()
endforeach()
if(NOT EXISTS "${EXE}")
    message(FATAL_ERROR "${EXE} does not exist: build the Velmora target first.")
endif()

# The settings the first build was configured with.
load_cache("${BINARY}" READ_WITH_PREFIX first_
    CMAKE_GENERATOR CMAKE_TOOLCHAIN_FILE CMAKE_BUILD_TYPE)
cmake_path(IS_PREFIX SOURCE "${first_CMAKE_TOOLCHAIN_FILE}" NORMALIZE inside)
if(NOT inside)
    message(FATAL_ERROR "The toolchain file ${first_CMAKE_TOOLCHAIN_FILE} is not one of the project's.")
endif()
cmake_path(RELATIVE_PATH first_CMAKE_TOOLCHAIN_FILE BASE_DIRECTORY "${SOURCE}" OUTPUT_VARIABLE toolchain)

file(REMOVE_RECURSE "${WORK}")
set(copy "${WORK}/sources-in-another-folder")
set(build "${WORK}/b")
file(MAKE_DIRECTORY "${copy}")

# The working tree as it was built, without build folders and Git's data.
file(GLOB entries LIST_DIRECTORIES true "${SOURCE}/*" "${SOURCE}/.*")
foreach(entry IN LISTS entries)
    cmake_path(GET entry FILENAME name)
    if(name STREQUAL "build" OR name STREQUAL ".git" OR entry STREQUAL BINARY)
        continue()
    endif()
    file(COPY "${entry}" DESTINATION "${copy}")
endforeach()

function(run what)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${what} failed (${status}):\n${out}")
    endif()
endfunction()
run("Configuring the second build"
    "${CMAKE_COMMAND}" -S "${copy}" -B "${build}" -G "${first_CMAKE_GENERATOR}"
    "-DCMAKE_TOOLCHAIN_FILE=${copy}/${toolchain}" "-DCMAKE_BUILD_TYPE=${first_CMAKE_BUILD_TYPE}")
run("Building the second Velmora.exe"
    "${CMAKE_COMMAND}" --build "${build}" --target Velmora --parallel 2)

set(second "${build}/ui/main/Velmora.exe")
file(SHA256 "${EXE}" first_sum)
file(SHA256 "${second}" second_sum)
if(NOT first_sum STREQUAL second_sum)
    message(FATAL_ERROR "Velmora.exe is not reproducible: a second build in another folder differs.\n"
        "  ${first_sum}  ${EXE}\n  ${second_sum}  ${second}\n"
        "Compare them with: cmp -l ${EXE} ${second}\n"
        "(A build of sources changed since the first build differs too: build the Velmora target again first.)")
endif()
file(REMOVE_RECURSE "${WORK}")
message(STATUS "Velmora.exe built again in another folder is byte-identical: ${first_sum}")
