# Read by cpack when it runs: without dpkg-shlibdeps (Debian package dpkg-dev) or `file`, the
# package is still built, with a warning that its library dependencies are missing.
if(CPACK_GENERATOR STREQUAL "DEB" AND CPACK_DEBIAN_PACKAGE_SHLIBDEPS)
    find_program(VELMORIA_SHLIBDEPS dpkg-shlibdeps)
    find_program(VELMORIA_FILE file)
    if(NOT VELMORIA_SHLIBDEPS OR NOT VELMORIA_FILE)
        message(WARNING "dpkg-shlibdeps or file is missing (Debian packages dpkg-dev and file): "
                        "the package does not name the libraries it needs")
        set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
    endif()
endif()
