# SPDX-License-Identifier: GPL-3.0-or-later
# Installing and packaging: `cmake --install` lays the program out as a desktop expects
# it, and CPack turns the same layout into a .deb. The program looks for its help in
# ../share/orvanta beside its own folder, so bin/ and share/ must stay siblings.

set(orvanta_packaging_dir ${PROJECT_SOURCE_DIR}/packaging)
set(orvanta_metainfo_id org.orvanta.orvanta)

install(TARGETS orvanta RUNTIME DESTINATION bin)
install(FILES ${PROJECT_SOURCE_DIR}/assets/help.rtf DESTINATION share/orvanta)
install(FILES ${orvanta_packaging_dir}/orvanta.desktop DESTINATION share/applications)
install(FILES ${orvanta_packaging_dir}/${orvanta_metainfo_id}.metainfo.xml DESTINATION share/metainfo)
# Orvanta is GPL-3.0-or-later (it links Qt Charts, whose open-source licence is the GPL v3);
# the licence travels with the program where Debian keeps it.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION share/doc/orvanta RENAME copyright)
foreach(size IN ITEMS 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/assets/icon-${size}.png
    DESTINATION share/icons/hicolor/${size}x${size}/apps
    RENAME orvanta.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvanta)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Orvanta")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_CONTACT "Orvanta developers <orvanta@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "record and study the results of a roulette wheel")
set(CPACK_PACKAGE_DESCRIPTION
  "Orvanta records the spins of a single-zero roulette wheel, entered by clicking the
betting table, shows them in a colour-coded grid, charts every classification, searches
the history for earlier runs and carries a scientific calculator.
License: GPL-3.0-or-later.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The Qt libraries by name, so the package says what it needs even where dpkg-shlibdeps
# is missing; the X11/Wayland platform plugins and the layout's font are not linked, so
# only this list can bring them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6charts6 (>= 6.4), libqt6concurrent6 (>= 6.4), qt6-qpa-plugins, fonts-liberation2")
find_program(ORVANTA_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(ORVANTA_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()
include(CPack)
