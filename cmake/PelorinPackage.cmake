# The Debian package, built by CPack from the install tree (scripts/package.sh).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pelorin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Pelorin developers <pelorin@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration tool for a dual-mode gaming mouse")
set(CPACK_PACKAGE_DESCRIPTION
    "Pelorin keeps the five profiles of a dual-mode gaming mouse (on its USB
cable or through its 2.4 GHz receiver) in step with the mouse: button
assignments, DPI levels, polling rate, lighting, power saving and macros.

The package holds the window program, the pelorinctl command for scripts
and the udev rule that lets the user at the seat reach the mouse.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The runtime libraries the programs link, as dpkg-shlibdeps finds them; nothing else.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The bash completion file is read only where the bash-completion package loads it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS bash-completion)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${PROJECT_SOURCE_DIR}/packaging/linux/postinst ${PROJECT_SOURCE_DIR}/packaging/linux/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
