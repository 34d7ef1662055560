# Installing Rusk as a desktop application (GNU directory layout), and the Debian package built
# from the same rules with CPack (scripts/package.sh).
include(GNUInstallDirs)

# --version of every program.
foreach(target rusk rusk-cli rusk-server rusk-mdb-dump rusk_sim_lib)
  if(TARGET ${target})
    target_compile_definitions(${target} PRIVATE RUSK_VERSION="${PROJECT_VERSION}")
  endif()
endforeach()

# The Access helper is not a command of its own: it lives in libexecdir. The programs look for it
# beside themselves first (the build folder), then there, by the path from bindir to it.
set(RUSK_HELPER_DIR ${CMAKE_INSTALL_LIBEXECDIR}/rusk)
file(RELATIVE_PATH helper_from_bin ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_PREFIX}/${RUSK_HELPER_DIR})
set_property(SOURCE src/storage/MdbReader.cpp APPEND PROPERTY
  COMPILE_DEFINITIONS RUSK_HELPER_FROM_BIN="${helper_from_bin}")

foreach(program rusk rusk-cli rusk-server rusk-sim)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()
install(TARGETS rusk-mdb-dump RUNTIME DESTINATION ${RUSK_HELPER_DIR})

set(app_id io.github.rusk.Rusk)
install(FILES data/${app_id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/${app_id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES data/icons/${app_id}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES data/icons/${app_id}-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${app_id}.png)
endforeach()

# Manual pages, compressed as Debian keeps them; the documents of the package.
set(man_pages rusk rusk-cli rusk-server rusk-sim)
set(compressed)
foreach(page ${man_pages})
  set(out ${PROJECT_BINARY_DIR}/man/${page}.1.gz)
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
    COMMAND sh -c "gzip -9n -c '${PROJECT_SOURCE_DIR}/data/man/${page}.1' > '${out}'"
    DEPENDS data/man/${page}.1 VERBATIM)
  list(APPEND compressed ${out})
endforeach()
set(changelog ${PROJECT_BINARY_DIR}/doc/changelog.gz)
add_custom_command(OUTPUT ${changelog}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/doc
  COMMAND sh -c "gzip -9n -c '${PROJECT_SOURCE_DIR}/data/changelog' > '${changelog}'"
  DEPENDS data/changelog VERBATIM)
add_custom_target(rusk_install_data ALL DEPENDS ${compressed} ${changelog})
install(FILES ${compressed} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES data/copyright ${changelog} DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The Debian package: dependencies found by dpkg-shlibdeps from the installed programs.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rusk)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Rusk developers <rusk@rusk-project.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "setting utility for F805/F800 load-cell weighing indicators")
# The long description under the summary; CPack indents it and marks the empty line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Rusk reads, checks and writes the setting values and the 100 product
records of F805 and F800 weighing indicators over RS-232C or a serial
device server, shows live weights and status, sends the indicator's
commands and keeps data sets in files. Operator text is Japanese.

The package holds the window (rusk), the command line (rusk-cli) and a
simulated indicator for training without hardware (rusk-sim).")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads the SQLite driver of the data files and the journal as a plugin, which dpkg-shlibdeps
# cannot see.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-ipafont-gothic")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)

# Checks of what is installed: the desktop entry and the metainfo validate; the package installs
# and its programs run (skipped without dpkg-deb).
add_test(NAME packaging/desktop_data
  COMMAND sh ${PROJECT_SOURCE_DIR}/tests/packaging/validate_data.sh ${PROJECT_SOURCE_DIR}/data)
set_tests_properties(packaging/desktop_data PROPERTIES SKIP_RETURN_CODE 77 LABELS packaging)
add_test(NAME packaging/deb_package
  COMMAND sh ${PROJECT_SOURCE_DIR}/tests/packaging/install_package.sh ${PROJECT_BINARY_DIR}
          ${PROJECT_SOURCE_DIR}/tests/storage/fixtures/node-adodb.mdb
          $<IF:$<BOOL:${RUSK_HARDENED}>,hardened,plain>)
set_tests_properties(packaging/deb_package PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 300
                     LABELS "packaging;slow")

# rusk-server's systemd unit: installed, never enabled by the package.
if(TARGET rusk-server)
  install(FILES data/systemd/rusk-server.service DESTINATION lib/systemd/system)
endif()
