# Builds the Debian package with CPack from the build's install rules and checks it: its name
# and control fields, that it holds every file of the working directory the build assembled
# (and nothing of a user's), the desktop entry, listing, manual page, copyright and change log,
# and that its launcher answers --help and --version without a window.
#
#   -DBUILD=<build directory>  -DRUNTIME=<build/runtime>  -DWORK=<scratch directory>
#   -DVERSION=<project version>  -DCPACK=<cpack>
cmake_minimum_required(VERSION 3.25)

foreach(var BUILD RUNTIME WORK VERSION CPACK)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "package_test.cmake needs -D${var}=")
    endif()
endforeach()
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(failures "")

function(run out_var)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out
                    ERROR_VARIABLE err TIMEOUT 600)
    if(NOT status STREQUAL "0")
        message(FATAL_ERROR "${ARGN}: status ${status}\n${out}\n${err}")
    endif()
    set(${out_var} "${out}" PARENT_SCOPE)
endfunction()

run(arch dpkg --print-architecture)
string(STRIP "${arch}" arch)
run(log "${CPACK}" -G DEB --config "${BUILD}/CPackConfig.cmake" -B "${WORK}")
set(deb "${WORK}/velmoria_${VERSION}_${arch}.deb")
if(NOT EXISTS "${deb}")
    file(GLOB made "${WORK}/*.deb")
    message(FATAL_ERROR "no ${deb}; cpack made: ${made}\n${log}")
endif()

# Control fields, and the dependencies: by hand those the program loads by name, computed the
# libraries it links (when dpkg-shlibdeps is there to compute them).
run(control dpkg-deb -f "${deb}")
set(expected_fields "Package: velmoria" "Version: ${VERSION}" "Architecture: ${arch}"
                    "Section: science" "Maintainer: [^\n]+<[^@\n]+@[^>\n]+>")
find_program(shlibdeps dpkg-shlibdeps)
find_program(file_command file)
if(shlibdeps AND file_command)
    list(APPEND expected_fields "Depends: [^\n]*libqt6widgets6" "Depends: [^\n]*libc6"
                                "Depends: [^\n]*liberfa1" "Depends: [^\n]*libqt6multimedia6")
endif()
foreach(dep gstreamer1.0-plugins-base gstreamer1.0-plugins-good fonts-dejavu-core)
    list(APPEND expected_fields "Depends: [^\n]*${dep}")
endforeach()
foreach(field IN LISTS expected_fields)
    if(NOT control MATCHES "(^|\n)${field}")
        string(APPEND failures "control: no line matching \"${field}\"\n")
    endif()
endforeach()

# The file list: every entry owned by root, everything under /usr.
run(listing dpkg-deb -c "${deb}")
string(REPLACE "\n" ";" lines "${listing}")
set(packaged "")
foreach(line IN LISTS lines)
    if(NOT line MATCHES "^([-dl])[^ ]+ ([^ ]+) +[0-9]+ [^ ]+ [^ ]+ \\./([^ ]*)")
        continue()
    endif()
    set(path "${CMAKE_MATCH_3}")
    if(NOT CMAKE_MATCH_2 STREQUAL "root/root")
        string(APPEND failures "owned by ${CMAKE_MATCH_2}: ${path}\n")
    endif()
    if(CMAKE_MATCH_1 STREQUAL "d")
        continue()
    endif()
    if(NOT path MATCHES "^usr/")
        string(APPEND failures "installed outside /usr: ${path}\n")
    endif()
    list(APPEND packaged "${path}")
endforeach()

# Where each file of the working directory goes: the program and its media module to libexec, the
# credits to the documentation, the rest to the data folder (a place ending in / keeps the file's
# own path); a user's options go nowhere.
set(places
    "^velmoria$=usr/libexec/velmoria/velmoria"
    "^velmoria_media\\.so$=usr/libexec/velmoria/velmoria_media.so"
    "^(CREDITS\\.md|licenses/.*)$=usr/share/doc/velmoria/"
    "^(Velmoria\\.cfg|.*\\.tmp)$="
    "^=usr/share/velmoria/")
file(GLOB_RECURSE runtime_files RELATIVE "${RUNTIME}" LIST_DIRECTORIES false "${RUNTIME}/*")
set(expected "")
foreach(file IN LISTS runtime_files)
    foreach(place IN LISTS places)
        string(REGEX MATCH "^[^=]*" pattern "${place}")
        string(REGEX REPLACE "^[^=]*=" "" where "${place}")
        if(file MATCHES "${pattern}")
            if(where MATCHES "/$")
                string(APPEND where "${file}")
            endif()
            list(APPEND expected "${where}")
            break()
        endif()
    endforeach()
endforeach()
list(REMOVE_ITEM expected "")
list(APPEND expected
     usr/bin/velmoria
     usr/share/applications/io.velmoria.Velmoria.desktop
     usr/share/metainfo/io.velmoria.Velmoria.metainfo.xml
     usr/share/man/man1/velmoria.1.gz
     usr/share/doc/velmoria/copyright
     usr/share/doc/velmoria/changelog.gz
     usr/share/doc/velmoria/CREDITS.md
     usr/share/icons/hicolor/48x48/apps/velmoria.png
     usr/share/icons/hicolor/256x256/apps/velmoria.png)
foreach(path IN LISTS expected)
    if(NOT path IN_LIST packaged)
        string(APPEND failures "missing from the package: ${path}\n")
    endif()
endforeach()
foreach(path IN LISTS packaged)
    if(path MATCHES "^usr/share/velmoria/" AND NOT path MATCHES "^usr/share/velmoria/screenshots/"
       AND NOT path IN_LIST expected)
        string(APPEND failures "in the data folder but not in the working directory: ${path}\n")
    endif()
    if(path MATCHES "(^|/)Velmoria\\.cfg$")
        string(APPEND failures "a user's options are packaged: ${path}\n")
    endif()
endforeach()

# The installed files that name one another, and the version wherever it is written.
set(root "${WORK}/root")
run(ignored dpkg-deb -x "${deb}" "${root}")
file(READ "${root}/usr/share/applications/io.velmoria.Velmoria.desktop" entry)
file(READ "${root}/usr/share/metainfo/io.velmoria.Velmoria.metainfo.xml" metainfo)
run(changelog gzip -dc "${root}/usr/share/doc/velmoria/changelog.gz")
file(READ "${root}/usr/share/doc/velmoria/copyright" copyright)
set(contents
    "desktop entry=entry=\nExec=/usr/bin/velmoria\n"
    "listing=metainfo=<launchable type=\"desktop-id\">io.velmoria.Velmoria.desktop</launchable>"
    "listing=metainfo=<release version=\"${VERSION}\""
    "change log=changelog=^velmoria \\(${VERSION}\\) "
    "copyright=copyright=\nLicense: CC-BY-4.0\n Attribution 4.0 International"
    "copyright=copyright=\nLicense: BSD-3-clause\n[^\n]*\n[^\n]*\n \\.\n Copyright \\(c\\) 2015, Olaf Frohn"
    "copyright=copyright=\nLicense: BSD-3-clause-ERFA\n[^\n]*\n[^\n]*\n[^\n]*\n \\.\n Copyright \\(c\\) 2013, NumFOCUS")
foreach(check IN LISTS contents)
    string(REGEX MATCH "^[^=]*=[^=]*=" head "${check}")
    string(LENGTH "${head}" length)
    string(SUBSTRING "${check}" ${length} -1 pattern)
    string(REGEX MATCHALL "[^=]+" names "${head}")
    list(GET names 0 what)
    list(GET names 1 var)
    if(NOT "${${var}}" MATCHES "${pattern}")
        string(APPEND failures "the ${what} does not match \"${pattern}\"\n")
    endif()
endforeach()
foreach(screenshot IN ITEMS main starmap solarsystem)
    if(NOT metainfo MATCHES "/${screenshot}\\.png</image>"
       OR NOT EXISTS "${root}/usr/share/velmoria/screenshots/${screenshot}.png")
        string(APPEND failures "screenshot ${screenshot}.png not both named and shipped\n")
    endif()
endforeach()

# The listing and the entry as the software centres and menus read them, where their checkers
# are installed (Debian packages appstream and desktop-file-utils).
foreach(checker "appstreamcli validate --no-net usr/share/metainfo/io.velmoria.Velmoria.metainfo.xml"
                "desktop-file-validate usr/share/applications/io.velmoria.Velmoria.desktop")
    separate_arguments(command UNIX_COMMAND "${checker}")
    list(POP_FRONT command tool)
    unset(tool_path)
    find_program(tool_path ${tool} NO_CACHE)
    if(tool_path)
        execute_process(COMMAND ${tool_path} ${command} WORKING_DIRECTORY "${root}"
                        RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
        if(NOT status STREQUAL "0")
            string(APPEND failures "${checker}: status ${status}\n${out}\n")
        endif()
    endif()
endforeach()

# The launcher answers without a window: with no display to open, a started program would fail.
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})
set(ENV{QT_QPA_PLATFORM} xcb)
set(ENV{XDG_DATA_HOME} "${WORK}/xdg")
set(answers "--version=^velmoria ${VERSION}\n$" "-V=^velmoria ${VERSION}\n$"
            "--help=^Usage: velmoria .*Velmoria.cfg" "-h=^Usage: velmoria ")
foreach(answer IN LISTS answers)
    string(REGEX MATCH "^[^=]*" arg "${answer}")
    string(REGEX REPLACE "^[^=]*=" "" pattern "${answer}")
    execute_process(COMMAND "${root}/usr/bin/velmoria" ${arg} TIMEOUT 30
                    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT status STREQUAL "0" OR NOT out MATCHES "${pattern}" OR NOT err STREQUAL "")
        string(APPEND failures "velmoria ${arg}: status ${status}, output:\n${out}${err}\n")
    endif()
endforeach()
if(EXISTS "${WORK}/xdg/velmoria")
    string(APPEND failures "--help or --version made the user's folder\n")
endif()

if(failures)
    message(FATAL_ERROR "${deb}:\n${failures}")
endif()
list(LENGTH packaged count)
message(STATUS "${deb}: ${count} files, all present")
file(REMOVE_RECURSE "${WORK}")
