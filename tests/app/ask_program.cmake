# Runs the built program with one command-line argument and no display at all (neither
# DISPLAY, WAYLAND_DISPLAY nor QT_QPA_PLATFORM), in a scratch working directory, and checks its
# exit status, what it wrote on standard output and on standard error, and that it left no
# file behind.
#
#   -DPROGRAM=<velmoria>  -DWORK=<scratch directory>  -DARG=<the argument>
#   -DEXPECT_STATUS=<number>, or "nonzero"
#   -DEXPECT_OUT=<regular expression for standard output>; "" for nothing at all
#   -DEXPECT_ERR=<regular expression for standard error>; "" for nothing at all
#   (in both, the two characters \n stand for a line break)
cmake_minimum_required(VERSION 3.25)

foreach(var PROGRAM WORK ARG EXPECT_STATUS EXPECT_OUT EXPECT_ERR)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "ask_program.cmake needs -D${var}=")
    endif()
endforeach()

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})
unset(ENV{QT_QPA_PLATFORM})
unset(ENV{VELMORIA_AUTOKEYS})
execute_process(COMMAND "${PROGRAM}" "${ARG}" WORKING_DIRECTORY "${WORK}" TIMEOUT 30
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)

set(failures "")
if(EXPECT_STATUS STREQUAL "nonzero")
    if(NOT status MATCHES "^[1-9][0-9]*$")
        string(APPEND failures "exit status ${status}, expected a non-zero number\n")
    endif()
elseif(NOT status STREQUAL EXPECT_STATUS)
    string(APPEND failures "exit status ${status}, expected ${EXPECT_STATUS}\n")
endif()
foreach(stream out err)
    string(TOUPPER "EXPECT_${stream}" expected)
    if(${expected} STREQUAL "")
        if(NOT ${stream} STREQUAL "")
            string(APPEND failures "unexpected standard ${stream}put\n")
        endif()
    else()
        string(REPLACE "\\n" "\n" pattern "${${expected}}")
        if(NOT ${stream} MATCHES "${pattern}")
            string(APPEND failures "standard ${stream}put does not match ${${expected}}\n")
        endif()
    endif()
endforeach()
file(GLOB left RELATIVE "${WORK}" "${WORK}/*")
if(left)
    string(APPEND failures "files left in the working directory: ${left}\n")
endif()

if(failures)
    message(FATAL_ERROR "velmoria ${ARG}:\n${failures}--- stdout ---\n${out}--- stderr ---\n${err}")
endif()
file(REMOVE_RECURSE "${WORK}")
