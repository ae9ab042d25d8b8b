#pragma once
// A record described once: a table of fields (where each starts, what member
// of the program's structure it holds, in what form) drives both the reading
// and the writing, so the two can never disagree about an offset.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <type_traits>
#include <variant>

#include "arquivo_registros.h"
#include "catalogo.h"
#include "pasta_dados.h"

namespace cifra {

// Bytes kept as they were read (parts of a record the program does not use).
template <size_t N>
using BytesReservados = std::array<uint8_t, N>;

// The forms a field can take in a record:
//   bool              a flag, int16 -1/0 (any non-zero reads as true)
//   int16_t           a little-endian 16-bit integer
//   float             a little-endian 32-bit IEEE float
//   std::string       a fixed text of `tamanho` bytes, Windows-1252, blank-padded,
//                     trimmed of blanks at both ends when read
//   PorTopico<bool>   one flag per slot, element 0 included
//   BytesReservados<6> raw bytes, kept as read
template <class R>
using MembroDoRegistro = std::variant<bool R::*, int16_t R::*, float R::*, std::string R::*,
                                      PorTopico<bool> R::*, BytesReservados<6> R::*>;

template <class R>
struct Campo {
  size_t posicao;
  MembroDoRegistro<R> membro;
  size_t tamanho = 0;  // texts only: the field's length in bytes
};

// Bytes a field of a fixed form takes (texts take their own length).
template <class T>
constexpr size_t TamanhoFixo() {
  if constexpr (std::is_same_v<T, bool> || std::is_same_v<T, int16_t>) return 2;
  if constexpr (std::is_same_v<T, float>) return 4;
  if constexpr (std::is_same_v<T, PorTopico<bool>>) return 2 * std::tuple_size_v<T>;
  if constexpr (std::is_same_v<T, BytesReservados<6>>) return std::tuple_size_v<T>;
  return 0;
}

// Bytes a field takes in the record.
template <class R>
constexpr size_t TamanhoDoCampo(const Campo<R>& c) {
  return std::visit(
      [&](auto m) -> size_t {
        using T = std::remove_cvref_t<decltype(std::declval<R>().*m)>;
        if constexpr (std::is_same_v<T, bool> || std::is_same_v<T, int16_t>) return 2;
        if constexpr (std::is_same_v<T, float>) return 4;
        if constexpr (std::is_same_v<T, std::string>) return c.tamanho;
        if constexpr (std::is_same_v<T, PorTopico<bool>>) return 2 * std::tuple_size_v<T>;
        if constexpr (std::is_same_v<T, BytesReservados<6>>) return std::tuple_size_v<T>;
      },
      c.membro);
}

// Where the last field ends: the bytes a table covers.
template <class R>
constexpr size_t FimDosCampos(std::span<const Campo<R>> campos) {
  size_t fim = 0;
  for (const Campo<R>& c : campos) fim = std::max(fim, c.posicao + TamanhoDoCampo(c));
  return fim;
}

// Fields in order of position, none overlapping another.
template <class R>
constexpr bool CamposEmOrdem(std::span<const Campo<R>> campos) {
  size_t fim = 0;
  for (const Campo<R>& c : campos) {
    if (c.posicao < fim) return false;
    fim = c.posicao + TamanhoDoCampo(c);
  }
  return true;
}

// Fills the members of `destino` from the record's bytes, the table shifted
// by `base` bytes (a structure repeated inside one record). A field the
// bytes do not hold whole (a record cut short) keeps the value `destino`
// already has, normally its default: half a path or half a number is never
// taken for a value.
template <class R>
void LeCampos(std::span<const uint8_t> r, std::span<const Campo<R>> campos, R& destino,
              size_t base = 0) {
  for (const Campo<R>& c : campos) {
    const size_t p = base + c.posicao;
    std::visit(
        [&](auto m) {
          auto& v = destino.*m;
          using T = std::remove_cvref_t<decltype(v)>;
          if (p + (std::is_same_v<T, std::string> ? c.tamanho : TamanhoFixo<T>()) > r.size()) return;
          if constexpr (std::is_same_v<T, bool>) v = LeFlag(r, p);
          if constexpr (std::is_same_v<T, int16_t>) v = LeInt16(r, p);
          if constexpr (std::is_same_v<T, float>) v = LeFloat(r, p);
          if constexpr (std::is_same_v<T, std::string>) v = LeTextoFixo(r, p, c.tamanho);
          if constexpr (std::is_same_v<T, PorTopico<bool>>) {
            for (size_t i = 0; i < v.size(); ++i) v[i] = LeFlag(r, p + 2 * i);
          }
          if constexpr (std::is_same_v<T, BytesReservados<6>>) {
            for (size_t i = 0; i < v.size(); ++i) v[i] = r[p + i];
          }
        },
        c.membro);
  }
}

// Writes the members of `origem` into the record's bytes (which must cover
// every field); bytes no field covers keep what they held.
template <class R>
void GravaCampos(std::span<uint8_t> r, std::span<const Campo<R>> campos, const R& origem,
                 size_t base = 0) {
  for (const Campo<R>& c : campos) {
    const size_t p = base + c.posicao;
    std::visit(
        [&](auto m) {
          const auto& v = origem.*m;
          using T = std::remove_cvref_t<decltype(v)>;
          if constexpr (std::is_same_v<T, bool>) GravaFlag(r, p, v);
          if constexpr (std::is_same_v<T, int16_t>) GravaInt16(r, p, v);
          if constexpr (std::is_same_v<T, float>) GravaFloat(r, p, v);
          if constexpr (std::is_same_v<T, std::string>) GravaTextoFixo(r, p, c.tamanho, v);
          if constexpr (std::is_same_v<T, PorTopico<bool>>) {
            for (size_t i = 0; i < v.size(); ++i) GravaFlag(r, p + 2 * i, v[i]);
          }
          if constexpr (std::is_same_v<T, BytesReservados<6>>) {
            for (size_t i = 0; i < v.size(); ++i) r[p + i] = v[i];
          }
        },
        c.membro);
  }
}

// Record 1 of a settings file that holds one record. A missing or empty file
// is first given the default record, so that the folder always shows what
// the program uses. A file cut short gives only the bytes it holds (the
// reader's LeCampos keeps the defaults of the fields missing) and, when it
// ends before the first `usados` bytes (those its fields cover), is said
// once to be damaged. Anything past the record is never read.
inline std::vector<uint8_t> LeRegistroUnico(const PastaDeDados& pasta, std::string_view arquivo,
                                            size_t tamanho, std::span<const uint8_t> padrao,
                                            size_t usados = SIZE_MAX) {
  const auto caminho = pasta.Arquivo(arquivo);
  // Put in place whole, and only when still missing: another program
  // starting now may be doing the same.
  InstalaSeAusente(caminho, std::string_view(reinterpret_cast<const char*>(padrao.data()), padrao.size()));
  ArquivoDeRegistros f(caminho, tamanho, 1);
  if (f.Vazio()) f.Grava(1, padrao);
  std::vector<uint8_t> r = f.LePresente(1);
  if (r.size() < std::min(usados, tamanho)) {
    AvisaSobreArquivo("Ao ler o arquivo \"" + caminho.string() + "\": está danificado (tem " +
                      std::to_string(r.size()) + " bytes, e o registro tem " +
                      std::to_string(tamanho) +
                      "). O que falta fica com os valores iniciais até ser gravado de novo.");
  }
  return r;
}

inline void GravaRegistroUnico(const PastaDeDados& pasta, std::string_view arquivo,
                               size_t tamanho, std::span<const uint8_t> bytes) {
  ArquivoDeRegistros(pasta.Arquivo(arquivo), tamanho, 1).Grava(1, bytes);
}

}  // namespace cifra
