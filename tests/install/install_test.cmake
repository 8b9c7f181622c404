# Installs the build under a scratch prefix, then starts the installed launcher twice with a
# scratch XDG data folder, the program pressing its own keys (VELMORIA_AUTOKEYS) from the
# title screen to Alt+X. Checks the installed tree, the user's working directory the launcher
# made, the options written there and the exit status.
#
#   -DBUILD=<build directory>  -DWORK=<scratch directory>
cmake_minimum_required(VERSION 3.25)

foreach(var BUILD WORK)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "install_test.cmake needs -D${var}=")
    endif()
endforeach()
file(REMOVE_RECURSE "${WORK}")
set(prefix "${WORK}/prefix")
set(xdg "${WORK}/xdg")
file(MAKE_DIRECTORY "${xdg}")

execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${prefix}"
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status STREQUAL "0")
    message(FATAL_ERROR "cmake --install failed (${status}):\n${out}")
endif()

set(failures "")
foreach(path bin/velmoria libexec/velmoria/velmoria libexec/velmoria/velmoria_media.so
             share/velmoria/Data/Stars.dat
             share/velmoria/Bitmap/Title.bmp share/velmoria/Sound/Main.wav
             share/velmoria/Velmoria.hlp share/applications/io.velmoria.Velmoria.desktop
             share/icons/hicolor/48x48/apps/velmoria.png
             share/icons/hicolor/256x256/apps/velmoria.png)
    if(NOT EXISTS "${prefix}/${path}")
        string(APPEND failures "not installed: ${path}\n")
    endif()
endforeach()
# The credits and the licence texts they need travel with the binaries: in the working
# directory the build assembles and in the installed documentation.
foreach(name CREDITS.md licenses/d3-celestial-BSD-3-Clause.txt licenses/CC-BY-4.0.txt
             licenses/Velmoria-MIT.txt licenses/CC-BY-3.0.txt licenses/CC-BY-SA-3.0.txt)
    foreach(dir "${BUILD}/runtime" "${prefix}/share/doc/velmoria")
        if(NOT EXISTS "${dir}/${name}")
            string(APPEND failures "no ${name} in ${dir}\n")
        endif()
    endforeach()
endforeach()
foreach(name velmoria velmoria_media.so Velmoria.cfg)
    if(EXISTS "${prefix}/share/velmoria/${name}")
        string(APPEND failures "${name} was installed with the data\n")
    endif()
endforeach()
file(READ "${prefix}/share/applications/io.velmoria.Velmoria.desktop" entry)
if(NOT entry MATCHES "\nExec=${prefix}/bin/velmoria\n")
    string(APPEND failures "the desktop entry does not start the installed launcher:\n${entry}\n")
endif()

set(ENV{QT_QPA_PLATFORM} offscreen)
set(ENV{XDG_DATA_HOME} "${xdg}")
set(ENV{VELMORIA_AUTOKEYS} "Return Alt+X")
set(work "${xdg}/velmoria")
foreach(run first second)
    execute_process(COMMAND "${prefix}/bin/velmoria" WORKING_DIRECTORY "${WORK}" TIMEOUT 120
                    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT status STREQUAL "0")
        string(APPEND failures "${run} start: exit status ${status}\n${out}\n")
    endif()
    # The title screen's music loads the media module from beside the installed program.
    if(out MATCHES "velmoria: no sound")
        string(APPEND failures "${run} start: the media module was not loaded:\n${out}\n")
    endif()
    if(NOT EXISTS "${work}/Velmoria.cfg")
        string(APPEND failures "${run} start: no Velmoria.cfg in ${work}\n")
    else()
        file(SIZE "${work}/Velmoria.cfg" size)
        if(NOT size EQUAL 33)
            string(APPEND failures "${run} start: Velmoria.cfg holds ${size} bytes\n")
        endif()
    endif()
    foreach(name Data Bitmap Sound Velmoria.hlp)
        file(READ_SYMLINK "${work}/${name}" target)
        if(NOT target STREQUAL "${prefix}/share/velmoria/${name}")
            string(APPEND failures "${run} start: ${name} is not linked to the installed data\n")
        endif()
    endforeach()
endforeach()

if(failures)
    message(FATAL_ERROR "${failures}")
endif()
file(REMOVE_RECURSE "${WORK}")
