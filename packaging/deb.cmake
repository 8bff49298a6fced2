# SPDX-License-Identifier: MIT
# cpack -G DEB. The dependencies come from the binaries themselves.
set(CPACK_GENERATOR DEB)
# Debian's control file wants the long description in lines of at most 80
# columns, each indented by one space.
set(CPACK_PACKAGE_DESCRIPTION "\
Lumetra takes the records that the handheld MPO optical power meter exports
over its serial cable, shows each as a test report with a PASS/FAIL verdict
per fiber, keeps them in .mrf archives and prints A4 PDF reports.

Includes lumetra-cli, to read archives and receive records in scripts, and the
meter emulator lumetra-meter-sim.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads the records store's SQL drivers as plugins, which shlibdeps cannot see;
# and reads its own translations and the certification report's Chinese font.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt5sql5-sqlite, qttranslations5-l10n, fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libqt5sql5-psql")
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/app/packagechecks.cmake)
