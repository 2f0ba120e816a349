# Builds the Debian package from the test build, checks what it holds and declares, runs lintian on it,
# validates its menu entry and metainfo, and starts its companion once as a user would, in a home of its
# own.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE failed OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  if(failed)
    message(FATAL_ERROR "${ARGN} failed:\n${output}\n${errors}")
  endif()
  set(output "${output}" PARENT_SCOPE)
endfunction()

run(cpack -G DEB --config "${BUILD}/CPackConfig.cmake" -B "${WORK}")
set(deb "${WORK}/telvara_3.0_amd64.deb")
if(NOT EXISTS "${deb}")
  message(FATAL_ERROR "cpack wrote no telvara_3.0_amd64.deb")
endif()

run(dpkg-deb --contents "${deb}")
foreach(path ./usr/bin/telvara ./usr/bin/telvara-cli ./usr/share/applications/telvara.desktop
             ./usr/share/icons/hicolor/scalable/apps/telvara.svg
             ./usr/share/metainfo/it.telvara.telvara.metainfo.xml ./usr/share/telvara/unins000.dll
             ./usr/share/telvara/Guida.pdf ./usr/share/telvara/qtbase_it.qm
             ./usr/share/doc/telvara/copyright ./usr/share/doc/telvara/changelog.gz
             ./usr/share/man/man1/telvara.1.gz ./usr/share/man/man1/telvara-cli.1.gz)
  string(FIND "${output}" " ${path}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the package lacks ${path}:\n${output}")
  endif()
endforeach()

run(dpkg-deb --field "${deb}" Depends)
foreach(dependency libqt6widgets6 libqt6core6 fonts-liberation)
  string(FIND "${output}" "${dependency}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the package does not depend on ${dependency}: ${output}")
  endif()
endforeach()

# Debian's own checks find nothing to complain of: no error, no warning.
run(lintian --fail-on error,warning --tag-display-limit 0 "${deb}")
if(output MATCHES "(^|\n)[EW]: ")
  message(FATAL_ERROR "lintian complains:\n${output}")
endif()

set(root "${WORK}/root")
run(dpkg-deb -x "${deb}" "${root}")
run(desktop-file-validate "${root}/usr/share/applications/telvara.desktop")
run(appstreamcli validate --no-net "${root}/usr/share/metainfo/it.telvara.telvara.metainfo.xml")

# First start: the user's folder is made and receives the shipped password file, byte for byte.
set(home "${WORK}/home")
run(${CMAKE_COMMAND} -E env --unset=TELVARA_CARTELLA --unset=XDG_DATA_HOME HOME=${home}
    "${root}/usr/bin/telvara-cli" verifica)
file(READ "${home}/.local/share/Telvara/unins000.dll" furnished HEX)
file(READ "${ASSETS}/unins000.dll" shipped HEX)
if(NOT furnished STREQUAL shipped)
  message(FATAL_ERROR "the user's folder did not receive the initial password file")
endif()
file(REMOVE_RECURSE "${WORK}")
