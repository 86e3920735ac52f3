# Builds the Debian package with cpack, unpacks it into a fresh root with
# dpkg -x and checks what a pupil's machine would get: the program starts
# from there, the desktop entry, icon and description are in place, the
# description passes appstreamcli, and the dependencies were found.
#
#   cmake -DBUILD_DIR=... -DWORK_DIR=... -DVERSION=... -DSCREENSHOT_SCRIPT=... -P DebianPackage.cmake
foreach(tool dpkg-deb dpkg-shlibdeps appstreamcli)
  find_program(found_${tool} ${tool})
  if(NOT found_${tool})
    message("SKIPPED: ${tool} is missing (scripts/setup.sh installs it)")
    return()
  endif()
endforeach()

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${ARGN} failed (${result}):\n${out}\n${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
run(${CMAKE_CPACK_COMMAND} --config ${BUILD_DIR}/CPackConfig.cmake -G DEB -B ${WORK_DIR})

run(dpkg --print-architecture)
string(STRIP "${out}" arch)
set(deb ${WORK_DIR}/velotra_${VERSION}_${arch}.deb)
if(NOT EXISTS ${deb})
  file(GLOB made ${WORK_DIR}/*.deb)
  message(FATAL_ERROR "no ${deb}; cpack made: ${made}")
endif()

run(dpkg-deb --field ${deb} Package Version Depends)
message("${out}")
foreach(expected "Package: velotra" "Version: ${VERSION}" "libqt6widgets6" "libjpeg62-turbo" "fonts-dejavu-core")
  string(FIND "${out}" "${expected}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the package's fields lack \"${expected}\"")
  endif()
endforeach()

set(root ${WORK_DIR}/root)
run(dpkg-deb -x ${deb} ${root})
foreach(file bin/velotra share/applications/velotra.desktop share/icons/hicolor/scalable/apps/velotra.svg
             share/metainfo/org.velotra.velotra.metainfo.xml)
  if(NOT EXISTS ${root}/usr/${file})
    message(FATAL_ERROR "the package lacks /usr/${file}")
  endif()
endforeach()
run(appstreamcli validate --no-net ${root}/usr/share/metainfo/org.velotra.velotra.metainfo.xml)

run(${root}/usr/bin/velotra --version)
if(NOT out STREQUAL "Velotra ${VERSION}\n")
  message(FATAL_ERROR "velotra --version printed \"${out}\"")
endif()
# The installed program draws its start page (designs, pictures, fonts).
run(${CMAKE_COMMAND} -E chdir ${WORK_DIR} ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
    ${root}/usr/bin/velotra --play ${SCREENSHOT_SCRIPT})
if(NOT EXISTS ${WORK_DIR}/startseite.png)
  message(FATAL_ERROR "the installed program took no picture of the start page")
endif()
