# The Debian package: "cpack -G DEB" in a build folder writes telvara_3.0_amd64.deb from the install
# rules of the "deb" component (programs in bin, shipped files in share/telvara, menu entry, icon and
# metainfo). Its library dependencies are found by dpkg-shlibdeps; what no library names is listed here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME telvara)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Clienti, chiamate, vendite e appuntamenti di un piccolo call center")
set(CPACK_PACKAGE_DESCRIPTION
    "Archivio dei clienti, registri delle chiamate e delle vendite, scadenzario, magazzino e personale, con ricerche, elenchi, stampe, PDF ed esportazione in fogli di calcolo.")
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
include(CPack)
