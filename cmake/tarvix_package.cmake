# The Debian package: `cpack -G DEB` in the build folder gives packages/tarvix_<version>_<arch>.deb,
# installed with `apt-get install ./tarvix_*.deb`. It holds what `cmake --install` installs, under
# /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvix)
set(CPACK_PACKAGE_VENDOR "Tarvix")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "weight calculator for bars, tubes, solids and steel sections")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Tarvix computes the volume, the weight of one part and the total weight of a quantity of\n"
    "parts for twenty shapes (bars, tubing, solids and rolled steel sections) in 81 materials or\n"
    "a typed density. An assembly tracker collects parts into a list with totals. tarvix-calc\n"
    "runs the same calculator on the command line. Licensed under the Apache License 2.0.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/packages)
set(CPACK_STRIP_FILES ON)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tarvix developers")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The window needs the X11/Wayland platform plug-ins, and the stand-in faces for Tahoma come from
# DejaVu (the condensed one is in the extra set). GUIDE hands the help page to xdg-open.
set(TARVIX_RUNTIME_DEPENDS "qt6-qpa-plugins, fonts-dejavu-core, fonts-dejavu-extra")
find_program(TARVIX_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(TARVIX_DPKG_SHLIBDEPS)
    # The libraries the programs link with, with the versions this build needs.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "${TARVIX_RUNTIME_DEPENDS}")
else()
    message(STATUS "dpkg-shlibdeps not found (package dpkg-dev): library dependencies listed by name")
    set(CPACK_DEBIAN_PACKAGE_DEPENDS
        "libc6, libstdc++6, libqt6core6, libqt6gui6, libqt6widgets6, libqt6printsupport6, ${TARVIX_RUNTIME_DEPENDS}")
endif()
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")

include(CPack)
