# The manual travels inside the program: its pages (src/janelas/ajuda/*.html)
# and the screenshots of docs/imagens that they show, as the resource "ajuda".
# The resource list is written from the pages, so a page names its pictures
# once; a picture that does not exist yet is left out (the window tests
# report it).
file(GLOB CIFRA_PAGINAS_AJUDA CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/janelas/ajuda/*.html)
file(GLOB CIFRA_IMAGENS_DOCS CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/imagens/*.png)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CIFRA_PAGINAS_AJUDA})

set(CIFRA_QRC_AJUDA "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n  <qresource prefix=\"/ajuda\">\n")
set(CIFRA_FIGURAS_AJUDA)
foreach(pagina ${CIFRA_PAGINAS_AJUDA})
  get_filename_component(nome ${pagina} NAME)
  string(APPEND CIFRA_QRC_AJUDA "    <file alias=\"${nome}\">${pagina}</file>\n")
  file(READ ${pagina} html)
  string(REGEX MATCHALL "imagens/[A-Za-z0-9_.-]+\\.png" figuras "${html}")
  list(APPEND CIFRA_FIGURAS_AJUDA ${figuras})
endforeach()
list(REMOVE_DUPLICATES CIFRA_FIGURAS_AJUDA)
foreach(figura ${CIFRA_FIGURAS_AJUDA})
  if(EXISTS ${PROJECT_SOURCE_DIR}/docs/${figura})
    string(APPEND CIFRA_QRC_AJUDA "    <file alias=\"${figura}\">${PROJECT_SOURCE_DIR}/docs/${figura}</file>\n")
  endif()
endforeach()
string(APPEND CIFRA_QRC_AJUDA "  </qresource>\n</RCC>\n")
file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/ajuda/ajuda.qrc CONTENT "${CIFRA_QRC_AJUDA}")

qt_add_resources(CIFRA_RECURSOS_AJUDA ${PROJECT_BINARY_DIR}/ajuda/ajuda.qrc)
# The generated source must belong to a target of this folder.
add_library(cifra_ajuda OBJECT ${CIFRA_RECURSOS_AJUDA})
target_link_libraries(cifra_ajuda PRIVATE Qt6::Core)
target_sources(cifra_janelas PRIVATE $<TARGET_OBJECTS:cifra_ajuda>)
