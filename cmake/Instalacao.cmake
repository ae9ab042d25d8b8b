# Desktop integration: `cmake --install` puts the program, its menu entry and
# its icon where a Linux desktop looks for them; `cpack` (in the build folder)
# wraps the same files in a Debian package.
include(GNUInstallDirs)

install(TARGETS cifralumina RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(CIFRA_JANELAS)
  install(TARGETS cifralumina-janelas RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/cifralumina)
endif()
install(FILES ${PROJECT_SOURCE_DIR}/data/cifralumina.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/imagens/produto.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME cifralumina.svg)

# The maker's addresses live in one header; the package takes them from there.
file(READ ${PROJECT_SOURCE_DIR}/src/settings/contato.h CIFRA_CONTATO)
string(REGEX MATCH "kEmailDeSuporte = \"([^\"]+)\"" _ "${CIFRA_CONTATO}")
set(CIFRA_EMAIL_DE_SUPORTE ${CMAKE_MATCH_1})
string(REGEX MATCH "kSiteDoFabricante = \"([^\"]+)\"" _ "${CIFRA_CONTATO}")
set(CIFRA_SITE ${CMAKE_MATCH_1})

# What Debian asks of a package besides the program: the copyright and the
# changelog in its documentation folder. The sources are in
# data/empacotamento; the maker's addresses are filled in from the header
# above.
set(CIFRA_EMPACOTAMENTO ${PROJECT_SOURCE_DIR}/data/empacotamento)
set(CIFRA_PASTA_EMPACOTAMENTO ${PROJECT_BINARY_DIR}/empacotamento)
foreach(arquivo copyright changelog)
  configure_file(${CIFRA_EMPACOTAMENTO}/${arquivo}.in ${CIFRA_PASTA_EMPACOTAMENTO}/${arquivo} @ONLY)
endforeach()
# Debian wants the changelog compressed with no name or time inside, so that
# the same sources give the same file.
execute_process(COMMAND gzip -9n -c ${CIFRA_PASTA_EMPACOTAMENTO}/changelog
                OUTPUT_FILE ${CIFRA_PASTA_EMPACOTAMENTO}/changelog.gz COMMAND_ERROR_IS_FATAL ANY)
install(FILES ${CIFRA_PASTA_EMPACOTAMENTO}/copyright ${CIFRA_PASTA_EMPACOTAMENTO}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/cifralumina)

# The long description quotes a command: without this, CPack would take its
# quotation marks for the ends of the string.
set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME cifralumina)
set(CPACK_PACKAGE_VENDOR Cifralumina)
set(CPACK_PACKAGE_CONTACT "Cifralumina <${CIFRA_EMAIL_DE_SUPORTE}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "estação de trabalho de numerologia, em português")
# CPack copies the long description as it is: its lines are kept under 80
# columns by hand in the file, and a blank line there starts a paragraph.
file(READ ${CIFRA_EMPACOTAMENTO}/descricao.txt CPACK_PACKAGE_DESCRIPTION)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CIFRA_EMPACOTAMENTO}/descricao.txt)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://${CIFRA_SITE}/")
# The Qt libraries are found from the program itself; the fonts of the pages
# and the Wayland platform are welcome but not required.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own dialogs and boxes speak Portuguese through its translations.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, qt6-wayland")
include(CPack)

if(CIFRA_TESTES AND CIFRA_JANELAS)
  add_test(NAME Instalacao.ProgramaMenuEIcone
           COMMAND bash ${PROJECT_SOURCE_DIR}/tests/instalacao.sh ${PROJECT_BINARY_DIR})
endif()
