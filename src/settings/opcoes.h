#pragma once
// Program options and the state kept from one run to the next: the options of
// the thirty-topic analysis in "cifralumina.dat", whose layout older data
// folders share, and the options of what came later in "extras.dat".
#include <array>
#include <cstdint>
#include <string>

#include "library/campos.h"
#include "library/pasta_dados.h"

namespace cifra {

inline constexpr const char* kImagemDosSignos = "[Nulo]";

struct ProgramOptions {
  bool ImprimirDescricao = true;
  bool ImprimirNumero = false;
  bool ImprimirPretoEmBranco = true;
  bool ImprimirFolhaRosto = false;
  bool ImprimirCabecalho = false;
  BytesReservados<6> Reservado{};  // kept as read
  PorTopico<bool> TopicoAtivo = PadraoTopicos();
  bool EscutarSons = true;
  std::string ImagemCabecalho = kImagemDosSignos;  // "[Nulo]": the zodiac signs
  bool ExibirQuadroNumerologico = false;
  int16_t TipoImpressao = 2;
  bool ConsiderarDiaNascimento = false;
  bool NumerosMagicos = false;
  // Kept in "extras.dat".
  bool IncluirMapaCarmico = true;

  static PorTopico<bool> PadraoTopicos() {
    PorTopico<bool> t{};
    for (int i : {1, 23, 25, 26, 27}) t[i] = true;
    return t;
  }
  friend bool operator==(const ProgramOptions&, const ProgramOptions&) = default;
};

// Reads both files, creating the one that is missing.
ProgramOptions CarregarEstadoPrograma(const PastaDeDados& pasta);
void GravarEstadoPrograma(const PastaDeDados& pasta, const ProgramOptions& opcoes);

}  // namespace cifra
