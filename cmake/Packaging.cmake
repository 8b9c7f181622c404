# The Debian package, built by CPack from the install rules (desktop/CMakeLists.txt):
#   cpack -G DEB --config <build>/CPackConfig.cmake   ->   velmoria_<version>_<arch>.deb
# scripts/package.sh runs it and checks the result with lintian.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmoria)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Velmoria developers")
set(CPACK_PACKAGE_CONTACT "${VELMORIA_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "astronomy program for schools: Solar System, sky map, data cards")
# Debian wraps the extended description by hand, at most 80 columns.
string(JOIN "\n" CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Velmoria is an educational astronomy program for the desktop. Students and"
    "teachers watch the Solar System turn (the Sun, the nine planets and the comets"
    "Halley and Encke on their orbits, in real time or stepped by seconds up to"
    "years), see the sky over their place at any date from 1901 to 2999 (690 bright"
    "stars, constellation figures, a coordinate grid, 33 NGC and Messier objects,"
    "the Sun and the Moon), and browse data cards of the Sun, planets, moons and"
    "rings, with charts that compare the planets, pictures and short films."
    "."
    "Every view plays its own music, which can be switched off; the help explains"
    "every window.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${VELMORIA_HOMEPAGE}")
# The libraries the program links are found by dpkg-shlibdeps. What it loads by name at run
# time is not in its links, so it is listed here: Qt Multimedia plays the music (and films of
# other codecs than Motion-JPEG) through GStreamer, whose player and audio converters are in the
# "base" plugins and whose WAV and AVI readers and sound outputs are in the "good" ones; the
# windows' lettering is looked up by family name through fontconfig, and the windows were laid
# out with DejaVu Sans.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/PackagingChecks.cmake)
include(CPack)
