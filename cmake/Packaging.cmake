# The Debian package: "cpack -G DEB" in a build folder writes telvara_3.0_amd64.deb from the install
# rules of the "deb" component (programs in bin, shipped files in share/telvara, menu entry, icon and
# metainfo). Its library dependencies are found by dpkg-shlibdeps; what no library names is listed here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME telvara)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Clienti, chiamate, vendite e appuntamenti di un piccolo call center")
# Lines of the extended description stay within 80 columns.
set(CPACK_PACKAGE_DESCRIPTION
    "Archivio dei clienti, registri delle chiamate e delle vendite, scadenzario,\nmagazzino e personale, con ricerche, elenchi, stampe, PDF ed esportazione\nin fogli di calcolo.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL deb)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_DEBIAN_PACKAGE_NAME telvara)
set(CPACK_DEBIAN_FILE_NAME telvara_${PROJECT_VERSION}_amd64.deb)
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE amd64)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Telvara <assistenza@telvara.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The fonts the page layouts name, and Qt's platform plugins, which no library links.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-dejavu-core, qt6-qpa-plugins")

# What Debian asks of a package beside its programs: the copyright, the changelog (compressed, as a
# native package's) and a manual page for each program, written at build time from its own --help so
# that it never says otherwise.
find_program(TELVARA_HELP2MAN help2man REQUIRED)
find_program(TELVARA_GZIP gzip REQUIRED)
set(TELVARA_DEBIAN_DOCS ${PROJECT_BINARY_DIR}/debian)
set(TELVARA_MANUAL_telvara "clienti, chiamate, vendite e appuntamenti di un piccolo call center")
set(TELVARA_MANUAL_telvara-cli "gli archivi di Telvara 3.0 dalla riga di comando")
foreach(program telvara telvara-cli)
  add_custom_command(
    OUTPUT ${TELVARA_DEBIAN_DOCS}/${program}.1.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${TELVARA_DEBIAN_DOCS}
    COMMAND ${TELVARA_HELP2MAN} --no-info --section=1 "--manual=Comandi utente" "--source=Telvara 3.0"
            "--name=${TELVARA_MANUAL_${program}}"
            --output=${TELVARA_DEBIAN_DOCS}/${program}.1 $<TARGET_FILE:${program}>
    COMMAND ${TELVARA_GZIP} -9nf ${TELVARA_DEBIAN_DOCS}/${program}.1
    DEPENDS ${program}
    COMMENT "Writing the manual page of ${program}"
    VERBATIM)
  list(APPEND TELVARA_MANUALS ${TELVARA_DEBIAN_DOCS}/${program}.1.gz)
endforeach()
add_custom_command(
  OUTPUT ${TELVARA_DEBIAN_DOCS}/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/assets/debian/changelog ${TELVARA_DEBIAN_DOCS}/changelog
  COMMAND ${TELVARA_GZIP} -9nf ${TELVARA_DEBIAN_DOCS}/changelog
  DEPENDS ${PROJECT_SOURCE_DIR}/assets/debian/changelog
  VERBATIM)
add_custom_target(telvara-debian-docs ALL DEPENDS ${TELVARA_MANUALS} ${TELVARA_DEBIAN_DOCS}/changelog.gz)
install(FILES ${TELVARA_MANUALS} DESTINATION share/man/man1 COMPONENT deb EXCLUDE_FROM_ALL)
install(FILES ${PROJECT_SOURCE_DIR}/assets/debian/copyright ${TELVARA_DEBIAN_DOCS}/changelog.gz
        DESTINATION share/doc/telvara COMPONENT deb EXCLUDE_FROM_ALL)

include(CPack)
