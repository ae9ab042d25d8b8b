# Desktop integration: `cmake --install` puts the program, its menu entry and
# its icon where a Linux desktop looks for them, with its manual pages and
# documents; `cpack` (in the build folder) wraps the same files in a Debian
# package that lintian accepts.
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
string(REGEX MATCH "kPaginaDeSuporte =[ \n]*\"([^\"]+)\"" _ "${CIFRA_CONTATO}")
set(CIFRA_PAGINA_DE_SUPORTE ${CMAKE_MATCH_1})

# What Debian asks of a package besides the program: the copyright and the
# changelog in its documentation folder, the software centres' description
# (AppStream) and manual pages. The sources are in data/empacotamento; the
# maker's addresses are filled in from the header above.
set(CIFRA_EMPACOTAMENTO ${PROJECT_SOURCE_DIR}/data/empacotamento)
set(CIFRA_PASTA_EMPACOTAMENTO ${PROJECT_BINARY_DIR}/empacotamento)
set(CIFRA_METAINFO br.com.cifralumina.cifralumina.metainfo.xml)
foreach(arquivo copyright changelog ${CIFRA_METAINFO} cifralumina.h2m cifralumina-analise.h2m)
  configure_file(${CIFRA_EMPACOTAMENTO}/${arquivo}.in ${CIFRA_PASTA_EMPACOTAMENTO}/${arquivo} @ONLY)
endforeach()
# Debian wants the changelog compressed with no name or time inside, so that
# the same sources give the same file.
execute_process(COMMAND gzip -9n -c ${CIFRA_PASTA_EMPACOTAMENTO}/changelog
                OUTPUT_FILE ${CIFRA_PASTA_EMPACOTAMENTO}/changelog.gz COMMAND_ERROR_IS_FATAL ANY)
install(FILES ${CIFRA_PASTA_EMPACOTAMENTO}/copyright ${CIFRA_PASTA_EMPACOTAMENTO}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/cifralumina)
install(FILES ${CIFRA_PASTA_EMPACOTAMENTO}/${CIFRA_METAINFO}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The manual pages are made at build time by help2man from the program's own
# --help and --version, so that they never fall behind the program: one for
# the program, one for "cifralumina analise" (from "analise --help"). The
# program speaks Portuguese, so help2man runs in the pt_BR locale (its
# Portuguese section names and date), compiled into the build folder since
# build machines seldom have it. The pages carry the date of the latest
# changelog entry, as Debian's own builds do: same sources, same pages.
# Builds that are never packaged make none: an instrumented program may end
# with a leak report instead of its help.
find_program(CIFRA_HELP2MAN help2man)
find_program(CIFRA_LOCALEDEF localedef)
set(CIFRA_PAGINAS_DE_MANUAL)
if(CMAKE_CROSSCOMPILING OR CIFRA_SANITIZADORES OR CIFRA_FUZZ)
  # no pages
elseif(NOT CIFRA_HELP2MAN OR NOT CIFRA_LOCALEDEF OR NOT EXISTS /usr/share/i18n/locales/pt_BR)
  message(WARNING "help2man or the pt_BR locale sources (package locales) are missing: "
                  "no manual pages, and the Debian package will lack them. "
                  "scripts/preparar.sh installs both.")
else()
  file(STRINGS ${CIFRA_PASTA_EMPACOTAMENTO}/changelog CIFRA_ULTIMA_ENTRADA REGEX "^ -- " LIMIT_COUNT 1)
  string(REGEX REPLACE "^ -- .*>  " "" CIFRA_DATA_DA_ENTRADA "${CIFRA_ULTIMA_ENTRADA}")
  execute_process(COMMAND date -u -d "${CIFRA_DATA_DA_ENTRADA}" +%s
                  OUTPUT_VARIABLE CIFRA_DATA_DAS_PAGINAS OUTPUT_STRIP_TRAILING_WHITESPACE
                  COMMAND_ERROR_IS_FATAL ANY)
  set(CIFRA_LOCALES ${CIFRA_PASTA_EMPACOTAMENTO}/locale)
  add_custom_command(OUTPUT ${CIFRA_LOCALES}/pt_BR.UTF-8/LC_CTYPE
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CIFRA_LOCALES}
    COMMAND ${CIFRA_LOCALEDEF} -i pt_BR -f UTF-8 ${CIFRA_LOCALES}/pt_BR.UTF-8
    COMMENT "Compiling the pt_BR locale for help2man" VERBATIM)
  foreach(pagina cifralumina cifralumina-analise)
    if(pagina STREQUAL cifralumina)
      set(opcao_de_ajuda --help)
    else()
      set(opcao_de_ajuda "analise --help")
    endif()
    set(saida ${CIFRA_PASTA_EMPACOTAMENTO}/${pagina}.1)
    add_custom_command(OUTPUT ${saida}.gz
      COMMAND ${CMAKE_COMMAND} -E env LOCPATH=${CIFRA_LOCALES}
              SOURCE_DATE_EPOCH=${CIFRA_DATA_DAS_PAGINAS}
              ${CIFRA_HELP2MAN} --locale=pt_BR.UTF-8 --no-info --section=1
              --include=${CIFRA_PASTA_EMPACOTAMENTO}/${pagina}.h2m
              "--help-option=${opcao_de_ajuda}" --output=${saida} $<TARGET_FILE:cifralumina>
      COMMAND gzip -9nf ${saida}
      DEPENDS cifralumina ${CIFRA_PASTA_EMPACOTAMENTO}/${pagina}.h2m
              ${CIFRA_PASTA_EMPACOTAMENTO}/changelog
              ${CIFRA_LOCALES}/pt_BR.UTF-8/LC_CTYPE
      COMMENT "Writing the manual page ${pagina}(1)" VERBATIM)
    list(APPEND CIFRA_PAGINAS_DE_MANUAL ${saida}.gz)
  endforeach()
  add_custom_target(cifra_manual ALL DEPENDS ${CIFRA_PAGINAS_DE_MANUAL})
  install(FILES ${CIFRA_PAGINAS_DE_MANUAL} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

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
  add_test(NAME Instalacao.ProgramaMenuIconeEDocumentos
           COMMAND bash ${PROJECT_SOURCE_DIR}/tests/instalacao.sh ${PROJECT_BINARY_DIR})
endif()
