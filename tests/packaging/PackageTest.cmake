# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the .deb, unpacks it into a scratch root as dpkg would install it, checks its
# files and declared dependencies, then starts the unpacked program on the offscreen
# platform with the start-up probe and requires it to come up with its help page.
#
# Variables: BUILD_DIR, WORK_DIR, CPACK, PROBE_PLUGIN_DIR, HELP_TEXT, METAINFO_ID.
cmake_minimum_required(VERSION 3.25)

function(fail what)
  message(FATAL_ERROR "package test: ${what}")
endfunction()

find_program(DPKG_DEB dpkg-deb)
if(NOT DPKG_DEB)
  message("SKIPPED: dpkg-deb is not available")
  return()
endif()

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR}/packages ${WORK_DIR}/root ${WORK_DIR}/elsewhere ${WORK_DIR}/data)

execute_process(
  COMMAND ${CPACK} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${WORK_DIR}/packages
  WORKING_DIRECTORY ${BUILD_DIR}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  fail("cpack failed:\n${out}")
endif()
file(GLOB debs ${WORK_DIR}/packages/*.deb)
list(LENGTH debs count)
if(NOT count EQUAL 1)
  fail("expected one .deb, found: ${debs}")
endif()

execute_process(COMMAND ${DPKG_DEB} --field ${debs} Package Depends
  RESULT_VARIABLE rc OUTPUT_VARIABLE fields ERROR_VARIABLE fields)
if(NOT rc EQUAL 0)
  fail("dpkg-deb --field failed: ${fields}")
endif()
message("${fields}")
foreach(needed IN ITEMS "Package: orvanta" libqt6widgets6 libqt6charts6 libqt6concurrent6 libqt6gui6 qt6-qpa-plugins
    fonts-liberation2)
  string(FIND "${fields}" "${needed}" at)
  if(at EQUAL -1)
    fail("the package does not declare ${needed}")
  endif()
endforeach()

execute_process(COMMAND ${DPKG_DEB} -x ${debs} ${WORK_DIR}/root
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  fail("dpkg-deb -x failed: ${out}")
endif()

set(root ${WORK_DIR}/root/usr)
foreach(file IN ITEMS
    bin/orvanta
    share/orvanta/help.rtf
    share/applications/orvanta.desktop
    share/metainfo/${METAINFO_ID}.metainfo.xml
    share/icons/hicolor/48x48/apps/orvanta.png
    share/icons/hicolor/64x64/apps/orvanta.png
    share/icons/hicolor/128x128/apps/orvanta.png
    share/icons/hicolor/256x256/apps/orvanta.png)
  if(NOT EXISTS ${root}/${file})
    fail("the package lacks usr/${file}")
  endif()
endforeach()
# The help must come from share/orvanta, not from a stray copy beside the program.
if(EXISTS ${root}/bin/help.rtf)
  fail("the package puts help.rtf beside the program")
endif()

# Started from an unrelated folder, so that nothing is found through the current one.
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env
    QT_QPA_PLATFORM=offscreen
    XDG_DATA_HOME=${WORK_DIR}/data
    XDG_CONFIG_HOME=${WORK_DIR}/config
    QT_PLUGIN_PATH=${PROBE_PLUGIN_DIR}
    QT_QPA_GENERIC_PLUGINS=orvantaprobe
    "ORVANTA_PROBE_HELP_TEXT=${HELP_TEXT}"
    ORVANTA_PROBE_SHOT=${WORK_DIR}/help-page.png
    ${root}/bin/orvanta
  WORKING_DIRECTORY ${WORK_DIR}/elsewhere
  TIMEOUT 120
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
message("${out}")
if(NOT rc EQUAL 0)
  fail("the installed program did not come up as expected (exit ${rc})")
endif()
string(FIND "${out}" "probe: ok: help page shown" shown)
if(shown EQUAL -1 OR NOT EXISTS ${WORK_DIR}/help-page.png)
  fail("the probe did not see the help page")
endif()
message("package test: installed program came up with its help page; picture in ${WORK_DIR}/help-page.png")
