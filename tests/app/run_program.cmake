# Runs the built program from its entry to its exit handlers in a scratch working directory,
# with its real sound, pressing the keys of KEYS itself (VELMORIA_AUTOKEYS), and checks how it
# ended: its exit status, the configuration file it left and the windows the keys reached.
#
#   -DPROGRAM=<velmoria>  -DRUNTIME=<build/runtime>  -DWORK=<scratch directory>
#   -DKEYS="Return Alt+X"
#   -DSETUP=fresh | readonly-file | readonly-dir
#       fresh: no configuration file; readonly-file: a 40-byte file the program may not write;
#       readonly-dir: a writable 40-byte file in a directory where no file can be created
#   -DEXPECT_CONFIG=none | 31 | unchanged
#   -DEXPECT_OUTPUT=<regular expression the program's output must match> (optional)
cmake_minimum_required(VERSION 3.25)

foreach(var PROGRAM RUNTIME WORK KEYS SETUP EXPECT_CONFIG)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "run_program.cmake needs -D${var}=")
    endif()
endforeach()

if(EXISTS "${WORK}")
    file(CHMOD "${WORK}" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
    file(REMOVE_RECURSE "${WORK}")
endif()
file(MAKE_DIRECTORY "${WORK}")
foreach(name Data Bitmap Sound Velmoria.hlp)
    file(CREATE_LINK "${RUNTIME}/${name}" "${WORK}/${name}" SYMBOLIC)
endforeach()

# A valid record (every flag 1, a tiny magnitude, 1 degree 1 minute 1 second) and nine more
# bytes: a file the program reads from its first 33 bytes and rewrites with exactly 33.
string(ASCII 1 one)
string(REPEAT "${one}" 40 old)
set(cfg "${WORK}/Velmoria.cfg")
if(SETUP STREQUAL "readonly-file")
    file(WRITE "${cfg}" "${old}")
    file(CHMOD "${cfg}" PERMISSIONS OWNER_READ GROUP_READ WORLD_READ)
elseif(SETUP STREQUAL "readonly-dir")
    file(WRITE "${cfg}" "${old}")
    file(CHMOD "${WORK}" DIRECTORY_PERMISSIONS OWNER_READ OWNER_EXECUTE GROUP_READ
         GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
elseif(NOT SETUP STREQUAL "fresh")
    message(FATAL_ERROR "unknown SETUP ${SETUP}")
endif()

set(ENV{QT_QPA_PLATFORM} offscreen)
set(ENV{VELMORIA_AUTOKEYS} "${KEYS}")
execute_process(COMMAND "${PROGRAM}" WORKING_DIRECTORY "${WORK}" TIMEOUT 120
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
file(CHMOD "${WORK}" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)

set(failures "")
if(NOT status STREQUAL "0")
    string(APPEND failures "exit status ${status}, expected 0\n")
endif()
if(EXPECT_CONFIG STREQUAL "none")
    if(EXISTS "${cfg}")
        string(APPEND failures "Velmoria.cfg was created\n")
    endif()
elseif(NOT EXISTS "${cfg}")
    string(APPEND failures "no Velmoria.cfg\n")
else()
    file(SIZE "${cfg}" size)
    file(READ "${cfg}" now HEX)
    string(HEX "${old}" old_hex)
    if(EXPECT_CONFIG STREQUAL "unchanged")
        if(NOT now STREQUAL old_hex)
            string(APPEND failures "Velmoria.cfg changed: ${now}\n")
        endif()
    elseif(NOT size EQUAL EXPECT_CONFIG)
        string(APPEND failures "Velmoria.cfg holds ${size} bytes, expected ${EXPECT_CONFIG}\n")
    endif()
endif()
if(DEFINED EXPECT_OUTPUT AND NOT out MATCHES "${EXPECT_OUTPUT}")
    string(APPEND failures "the output does not match ${EXPECT_OUTPUT}\n")
endif()

if(failures)
    message(FATAL_ERROR "${failures}--- program output ---\n${out}")
endif()
file(REMOVE_RECURSE "${WORK}")
message(STATUS "status 0\n${out}")
