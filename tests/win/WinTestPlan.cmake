# The Windows tests of one build, added when ctest runs rather than when the
# project is configured or built: listing the suite means running it under
# Wine, which building never does, and which tests the 32-bit build can run
# depends on the machine the tests run on (see scripts/32bit-path).
#
# Set by the generated file that includes this one:
#   VELMORA_CMAKE        the cmake program
#   VELMORA_SOURCE_DIR   the source tree
#   VELMORA_TESTS_DIR    the build folder of the suite
#   VELMORA_SUITE        the suite's executable
#   VELMORA_CHECKER      the environment check's executable
#   VELMORA_BITS         32 or 64
#   VELMORA_PROGRAM      the build's Velmora.exe
#   VELMORA_OBSERVER_DIR where the 64-bit build keeps its suite (32-bit only)

set(velmora_wine_exec ${VELMORA_SOURCE_DIR}/scripts/wine-exec)
set(velmora_session_script ${VELMORA_SOURCE_DIR}/scripts/wine-session)

# A Wine session <name> in a prefix of its own under the build folder:
# started, checked by the environment check and stopped again, as a fixture.
function(velmora_session name checker dpi frame)
    set(prefix ${VELMORA_TESTS_DIR}/${name})
    add_test(${name}.start ${velmora_session_script} start ${prefix} ${dpi} ${frame})
    add_test(${name}.environment ${velmora_wine_exec} ${checker})
    add_test(${name}.stop ${velmora_session_script} stop ${prefix})
    # Starting may have to make the prefix that every session copies.
    set_tests_properties(${name}.start PROPERTIES FIXTURES_SETUP ${name} TIMEOUT 600)
    set_tests_properties(${name}.environment PROPERTIES
        FIXTURES_SETUP ${name} DEPENDS ${name}.start ENVIRONMENT WINEPREFIX=${prefix} TIMEOUT 120)
    set_tests_properties(${name}.stop PROPERTIES FIXTURES_CLEANUP ${name} TIMEOUT 60)
endfunction()

# The names of the suite's tests ("Suite.Test"), listed under Wine once per
# build of the suite and kept beside it. The listing runs in the prefix of
# the session `listing_session`, before that session starts.
function(velmora_list_suite suite listing_session out)
    set(list ${suite}.tests)
    if(NOT EXISTS ${list} OR ${suite} IS_NEWER_THAN ${list})
        # Into files, not pipes: Wine's services outlive the listing and
        # would hold a pipe open.
        execute_process(
            COMMAND ${VELMORA_CMAKE} -E env WINEPREFIX=${VELMORA_TESTS_DIR}/${listing_session}
                ${velmora_wine_exec} ${suite} --gtest_list_tests
            OUTPUT_FILE ${list}.tmp ERROR_FILE ${list}.err
            RESULT_VARIABLE status TIMEOUT 600)
        if(NOT status EQUAL 0)
            file(READ ${list}.err error)
            message(FATAL_ERROR "Listing ${suite} failed (${status}):\n${error}")
        endif()
        file(RENAME ${list}.tmp ${list})
    endif()
    file(STRINGS ${list} lines)
    set(names)
    foreach(line IN LISTS lines)
        if(line MATCHES "^([^ ]+)\\.( .*)?$")
            set(group ${CMAKE_MATCH_1})
        elseif(line MATCHES "^  ([^ ]+)")
            list(APPEND names ${group}.${CMAKE_MATCH_1})
        endif()
    endforeach()
    set(${out} ${names} PARENT_SCOPE)
endfunction()

# Each name matching `pattern` as a ctest test <session>.<name> of its own,
# run by `suite` inside the session, with the extra environment `env`.
function(velmora_session_tests session suite names pattern timeout)
    foreach(name IN LISTS names)
        if(NOT name MATCHES "${pattern}")
            continue()
        endif()
        add_test(${session}.${name} ${velmora_wine_exec} ${suite} --gtest_filter=${name})
        # A test that skips itself (GTEST_SKIP) shows as skipped, not passed.
        set_tests_properties(${session}.${name} PROPERTIES
            FIXTURES_REQUIRED ${session} WORKING_DIRECTORY ${VELMORA_TESTS_DIR} TIMEOUT ${timeout}
            SKIP_REGULAR_EXPRESSION "\\[  SKIPPED \\]"
            ENVIRONMENT "WINEPREFIX=${VELMORA_TESTS_DIR}/${session};${ARGN}")
    endforeach()
endfunction()

# The whole suite in the normal session; the layouts and the changes of DPI
# once more on a screen of 144 DPI and under the thicker window frames of
# Windows 10 and 11.
function(velmora_whole_suite)
    velmora_list_suite(${VELMORA_SUITE} wine names)
    velmora_session(wine ${VELMORA_CHECKER} 96 classic)
    velmora_session_tests(wine ${VELMORA_SUITE} "${names}" "." 120)
    velmora_session(wine144 ${VELMORA_CHECKER} 144 classic)
    set(dpi_changes "^DpiChangeTest\\.|^StartedProgramTest\\.EachWindowFollowsAChangeOfDpi")
    velmora_session_tests(wine144 ${VELMORA_SUITE} "${names}" "^(LayoutTest|AboutDialogTest)\\.|${dpi_changes}" 120)
    velmora_session(winframes ${VELMORA_CHECKER} 96 win10)
    velmora_session_tests(winframes ${VELMORA_SUITE} "${names}" "^LayoutTest\\.|${dpi_changes}" 120)
endfunction()

# A test that only reports why the build's tests do not run.
function(velmora_not_run reason)
    add_test(win32.not-run ${VELMORA_CMAKE} -E echo "${reason}")
    set_tests_properties(win32.not-run PROPERTIES DISABLED TRUE)
endfunction()

# Where the 32-bit program runs only under emulation, every program start
# costs seconds of emulated CPU. The 64-bit build's suite then observes the
# shipped 32-bit Velmora.exe from outside, as another program would, through
# the tests of the started program: they read it only through messages that
# carry no pointer into its memory, which emulation keeps from other
# processes.
function(velmora_emulated_program_tests)
    set(observer ${VELMORA_OBSERVER_DIR}/velmora_win_tests.exe)
    set(checker ${VELMORA_OBSERVER_DIR}/velmora_check_environment.exe)
    execute_process(COMMAND ${VELMORA_SOURCE_DIR}/scripts/i386-emulator registered RESULT_VARIABLE unregistered)
    if(unregistered)
        add_test(win32.emulator ${VELMORA_CMAKE} -E echo
            "No emulator is registered for 32-bit programs: scripts/install-deps registers it.")
        set_tests_properties(win32.emulator PROPERTIES WILL_FAIL TRUE)
        return()
    endif()
    if(NOT EXISTS ${observer} OR NOT EXISTS ${checker})
        add_test(win32.observer ${VELMORA_CMAKE} -E echo
            "The 64-bit build observes the 32-bit program under emulation: build it first (cmake --build --preset win64).")
        set_tests_properties(win32.observer PROPERTIES WILL_FAIL TRUE)
        return()
    endif()
    velmora_list_suite(${observer} wine names)
    velmora_session(wine ${checker} 96 classic)
    velmora_session_tests(wine ${observer} "${names}" "StartedProgram" 600
        VELMORA_PROGRAM=${VELMORA_PROGRAM} VELMORA_PROGRAM_EMULATED=1)
endfunction()

if(VELMORA_BITS EQUAL 64)
    velmora_whole_suite()
else()
    execute_process(COMMAND ${VELMORA_SOURCE_DIR}/scripts/32bit-path
        OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        velmora_not_run("This machine cannot take the 32-bit path that VELMORA_32BIT asks for.")
    elseif(path STREQUAL "native")
        velmora_whole_suite()
    elseif(path STREQUAL "emulate")
        velmora_emulated_program_tests()
    else()
        velmora_not_run("This machine runs no 32-bit programs: the 32-bit build's tests do not run.")
    endif()
endif()
