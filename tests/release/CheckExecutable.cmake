# cmake -D EXE=<Velmora.exe> -D BITS=32|64 -D OBJDUMP=<objdump> -D NM=<nm>
#       -D IMPORT_LIB_DIR=<folder of the MinGW import libraries>
#       -D SOURCE_DIR=<source dir> -D BINARY_DIR=<binary dir> -P CheckExecutable.cmake
#
# Checks what a user gets from the shipped executable, from its bytes alone
# (no Windows, no Wine):
#   - the PE header: the target's machine, time stamp 0 (a build at another
#     time gives the same bytes), and the DllCharacteristics that make
#     Windows load it at a random address and refuse to run its data
#     (DYNAMIC_BASE, NX_COMPAT; HIGH_ENTROPY_VA too in the 64-bit build)
#   - the imports: only Windows' own DLLs (the MinGW runtime is linked in),
#     and no SetDefaultDllDirectories, which a Windows 7 without KB2533623
#     lacks: imported, it would keep the program from starting there; the
#     program looks it up by name instead (its library search is cut down
#     at start), with SetDllDirectoryW as the fallback
#   - text through the W entry points only: no import of an A function of
#     user32, kernel32, shell32, comdlg32 or gdi32 that has a W twin (an A
#     call narrows a name to the ANSI code page, and a name that the code
#     page cannot hold is lost), and ToolHelp looked up by its W names
#   - the per-monitor DPI functions looked up by name, not imported: Windows
#     before 10 (1607) or 8.1 lacks them, and an import would keep the
#     program from starting there
#   - the manifest's DPI awareness: PerMonitorV2, then PerMonitor, then
#     true/pm for systems that read only the older element
#   - no folder of the build machine in the file's text
cmake_minimum_required(VERSION 3.25)
foreach(var EXE BITS OBJDUMP NM IMPORT_LIB_DIR SOURCE_DIR BINARY_DIR)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "CheckExecutable.cmake needs -D ${var}=...")
    endif()
endforeach()
if(NOT EXISTS "${EXE}")
    message(FATAL_ERROR "${EXE} does not exist: build the Velmora target first.")
endif()

set(failures)
macro(fail text)
    list(APPEND failures "${text}")
endmacro()

# The little-endian unsigned number of `size` bytes at `offset` of the file.
function(read_number out offset size)
    file(READ "${EXE}" hex OFFSET ${offset} LIMIT ${size} HEX)
    string(LENGTH "${hex}" length)
    math(EXPR want "${size} * 2")
    if(NOT length EQUAL want)
        message(FATAL_ERROR "${EXE} ends before offset ${offset} + ${size}: not a PE file.")
    endif()
    set(value "")
    foreach(at RANGE 0 ${want} 2)
        if(at LESS want)
            string(SUBSTRING "${hex}" ${at} 2 byte)
            string(PREPEND value "${byte}")
        endif()
    endforeach()
    math(EXPR value "0x${value}")
    set(${out} ${value} PARENT_SCOPE)
endfunction()

function(hex out value)
    math(EXPR value "${value}" OUTPUT_FORMAT HEXADECIMAL)
    set(${out} ${value} PARENT_SCOPE)
endfunction()

# The PE header: "MZ", then at 0x3c the offset of "PE\0\0", the file header
# (machine at +4, time stamp at +8) and the optional header at +24 (magic at
# +0, DllCharacteristics at +70 in both the 32- and the 64-bit layout).
read_number(mz 0 2)
read_number(pe 60 4)
read_number(signature ${pe} 4)
if(NOT mz EQUAL 0x5a4d OR NOT signature EQUAL 0x4550)
    message(FATAL_ERROR "${EXE} is not a PE file.")
endif()
math(EXPR at "${pe} + 4")
read_number(machine ${at} 2)
math(EXPR at "${pe} + 8")
read_number(timestamp ${at} 4)
math(EXPR optional "${pe} + 24")
read_number(magic ${optional} 2)
math(EXPR at "${optional} + 70")
read_number(characteristics ${at} 2)

if(BITS EQUAL 64)
    set(want_machine 0x8664)
    set(want_magic 0x20b)
    set(want_flags DYNAMIC_BASE NX_COMPAT HIGH_ENTROPY_VA)
else()
    set(want_machine 0x14c)
    set(want_magic 0x10b)
    set(want_flags DYNAMIC_BASE NX_COMPAT)
endif()
if(NOT machine EQUAL want_machine OR NOT magic EQUAL want_magic)
    hex(machine ${machine})
    hex(magic ${magic})
    fail("machine ${machine} and optional header magic ${magic}: not the ${BITS}-bit executable")
endif()
if(NOT timestamp EQUAL 0)
    fail("the PE header carries the time stamp ${timestamp} instead of 0")
endif()
set(flag_HIGH_ENTROPY_VA 0x20)
set(flag_DYNAMIC_BASE 0x40)
set(flag_NX_COMPAT 0x100)
foreach(flag IN LISTS want_flags)
    math(EXPR set "${characteristics} & ${flag_${flag}}")
    if(set EQUAL 0)
        hex(shown ${characteristics})
        fail("DllCharacteristics ${shown} lack ${flag}")
    endif()
endforeach()

# The imports, as objdump lists them.
execute_process(COMMAND "${OBJDUMP}" -p "${EXE}"
    OUTPUT_VARIABLE dump RESULT_VARIABLE status ERROR_VARIABLE error)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${OBJDUMP} -p failed: ${error}")
endif()
set(windows_dlls advapi32 comctl32 comdlg32 gdi32 kernel32 msimg32 msvcrt ole32 oleaut32
    shell32 shlwapi user32 uxtheme version)
string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
if(NOT imports)
    fail("objdump lists no imported DLL")
endif()
foreach(line IN LISTS imports)
    string(REGEX REPLACE "^DLL Name: (.+)\\.[dD][lL][lL]$" "\\1" dll "${line}")
    string(TOLOWER "${dll}" dll)
    if(NOT dll IN_LIST windows_dlls)
        fail("imports ${dll}.dll, which is not one of Windows' own DLLs")
    endif()
endforeach()
if(dump MATCHES "[ \t]SetDefaultDllDirectories\n")
    fail("imports SetDefaultDllDirectories, which Windows 7 without KB2533623 lacks: look it up at run time")
endif()
# The program restricts its library search at start: it looks the function
# up by name, and imports the fallback for Windows without it.
file(STRINGS "${EXE}" lookup REGEX "^SetDefaultDllDirectories$")
if(NOT lookup OR NOT dump MATCHES "[ \t]SetDllDirectoryW\n")
    fail("does not restrict its library search at start (no lookup of SetDefaultDllDirectories, no SetDllDirectoryW)")
endif()

# Text goes to the system and comes back in UTF-16. An imported function
# whose name ends in A counts when its DLL's import library also has the
# name with W in its place. The runtime linked in makes the only such calls
# the program cannot choose, none with a text of ours: the thread library
# (libwinpthread) its unnamed events and semaphores and debugger output,
# and in the 32-bit build the compiler's start-up code (crtbegin.o) looks
# for its unwinder DLL by an ASCII name. The 64-bit check still catches the
# program's own GetModuleHandleA or LoadLibraryA.
set(runtime_ansi CreateEventA CreateSemaphoreA OutputDebugStringA)
if(BITS EQUAL 32)
    list(APPEND runtime_ansi GetModuleHandleA LoadLibraryA)
endif()
foreach(dll IN ITEMS user32 kernel32 shell32 comdlg32 gdi32)
    string(TOUPPER "${dll}" upper)
    string(REGEX MATCH "DLL Name: (${dll}|${upper})\.[dD][lL][lL]\n[^\n]*\n(\t[^\n]+\n)*" block "${dump}")
    string(REGEX MATCHALL "[ \t][A-Za-z_][A-Za-z0-9_]*A\n" ansi "${block}")
    if(NOT ansi)
        continue()
    endif()
    set(library "${IMPORT_LIB_DIR}/lib${dll}.a")
    if(NOT EXISTS "${library}")
        message(FATAL_ERROR "${library} does not exist: cannot tell which A functions have a W twin.")
    endif()
    execute_process(COMMAND "${NM}" "${library}" OUTPUT_VARIABLE symbols RESULT_VARIABLE status ERROR_QUIET)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${NM} ${library} failed")
    endif()
    foreach(name IN LISTS ansi)
        string(STRIP "${name}" name)
        if(name IN_LIST runtime_ansi)
            continue()
        endif()
        string(REGEX REPLACE "A$" "W" twin "${name}")
        if(symbols MATCHES "[ _]${twin}(@[0-9]+)?\n")
            fail("imports ${name} from ${dll}.dll: call ${twin}, text is UTF-16 at the edge")
        endif()
    endforeach()
endforeach()
foreach(function IN ITEMS Process32First Process32Next)
    file(STRINGS "${EXE}" wide REGEX "^${function}W$")
    file(STRINGS "${EXE}" narrow REGEX "^${function}$")
    if(NOT wide OR narrow)
        fail("does not look up ToolHelp's ${function}W alone: process names would be narrowed")
    endif()
endforeach()

foreach(function IN ITEMS GetDpiForWindow GetDpiForMonitor)
    if(dump MATCHES "[ \t]${function}\n")
        fail("imports ${function}, which older Windows lacks: look it up at run time")
    endif()
    file(STRINGS "${EXE}" lookup REGEX "^${function}$")
    if(NOT lookup)
        fail("does not look up ${function}: the windows would not follow their screen's DPI")
    endif()
endforeach()
file(STRINGS "${EXE}" awareness REGEX "dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">PerMonitorV2, PerMonitor</")
file(STRINGS "${EXE}" aware REGEX "dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true/pm</")
if(NOT awareness OR NOT aware)
    fail("the manifest does not declare per-monitor DPI awareness (dpiAwareness PerMonitorV2, PerMonitor; dpiAware true/pm)")
endif()

# Text the file carries that names a folder of the build machine (the
# texts are not listed: binary bytes break CMake lists).
foreach(dir IN ITEMS "${SOURCE_DIR}" "${BINARY_DIR}")
    string(REGEX REPLACE "([][+.*?()^$|\\{}])" "\\\\\\1" pattern "${dir}")
    file(STRINGS "${EXE}" hits REGEX "${pattern}")
    if(hits)
        fail("carries the build machine's folder ${dir} (strings -a ${EXE} | grep -F ${dir})")
    endif()
endforeach()

if(failures)
    list(JOIN failures "\n  " text)
    message(FATAL_ERROR "${EXE}:\n  ${text}")
endif()
hex(shown ${characteristics})
message(STATUS "${EXE}: ${BITS}-bit, time stamp 0, DllCharacteristics ${shown} (${want_flags}), only Windows DLLs imported")
