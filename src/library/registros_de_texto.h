#pragma once
// The text files of the library (interpretations, descriptions, titles) hold
// one text per record; the record size follows from the file's name. The
// program and the build step that writes the defaults share this rule.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/texto.h"

namespace cifra {

inline constexpr size_t kRegistroTexto = 5120;
inline constexpr size_t kRegistroTitulo = 120;
// No text file of the library has more records than this (the furthest
// read is record 119 of "DESVIDA.DAT", the challenges' linking texts); a
// reader never reads past it.
inline constexpr int64_t kRegistrosDeTexto = 120;
inline constexpr const char* kArquivoDescricoes = "CDATA.DAT";
inline constexpr const char* kArquivoTitulos = "Header.DAT";

// 120 bytes for the titles (a name that contains "HEADER.DAT" in any case),
// 5120 for every other text file.
inline size_t TamanhoDoRegistroDe(std::string_view arquivo) {
  return MaiusculasAscii(arquivo).find("HEADER.DAT") != std::string::npos ? kRegistroTitulo
                                                                           : kRegistroTexto;
}

}  // namespace cifra
