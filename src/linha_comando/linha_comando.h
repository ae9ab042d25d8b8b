#pragma once
// The command line: `cifralumina analise NOME DATA [opções]`.
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "analysis/analise.h"
#include "engine/data.h"
#include "library/ordem.h"

namespace cifra {

struct PedidoDeAnalise {
  std::string nome;   // as typed
  std::string data;   // as typed
  std::optional<std::string> pasta;
  std::optional<std::string> hoje;
  std::optional<std::string> json;
  std::optional<std::string> texto;
  std::optional<std::string> pdf;
  std::optional<std::string> png;
  std::optional<std::string> quadro;
  std::optional<std::string> odt;
  // The forecast's: the first and last year, and for the whole register the
  // folder the PDFs go to.
  std::optional<std::string> de;
  std::optional<std::string> ate;
  std::optional<std::string> pastaSaida;
  bool cadastro = false;
  bool ajuda = false;    // --help or -h: the usage, nothing else
  bool verboso = false;  // --verbose: Qt's own messages reach standard error
};

// Parses the words after "analise" (or, with previsao, after "previsao");
// on a mistake returns nothing and says why (an option whose value is
// missing is named, an empty value is refused, an option of the other
// command is unknown).
std::optional<PedidoDeAnalise> LePedido(const std::vector<std::string>& argumentos,
                                        std::string& erro, bool previsao = false);

// Whether these words ask for pages (--pdf, --png or --quadro): those need the
// graphics of a QGuiApplication, which the caller creates first.
bool PedeGraficos(const std::vector<std::string>& argumentos, bool previsao = false);

// Runs `analise`; returns the exit status (0 done, 2 refused input, 1 failure).
// --texto writes the exported text (UTF-8, CR LF), "-" being standard output;
// --pdf prints onto an A4 PDF with the stored margins and print options
// (cover, black and white, and chart, analysis or both as TipoImpressao says);
// --quadro writes the numerology chart alone as a one-page A4 PDF;
// --png writes every screen page as PASTA/page-N.png.
int ExecutaAnalise(const std::vector<std::string>& argumentos, std::ostream& saida,
                   std::ostream& erros);

// Runs `previsao NOME DATA [--de AAAA] [--ate AAAA]`: the same refusals and
// exit statuses as `analise`; a range the forecast cannot cover is refused
// with status 2. --json, --texto, --pdf and --odt as for the analysis.
int ExecutaPrevisao(const std::vector<std::string>& argumentos, std::ostream& saida,
                    std::ostream& erros);

// "compatibilidade NOME1 DATA1 NOME2 DATA2": the two people compared, with
// --json, --texto, --pdf and --odt. "nomes DATA NOME [NOME...]": candidate
// names for one date, best harmony with the life path first, as a table or
// --json. Refused words and people exit 2.
int ExecutaCompatibilidade(const std::vector<std::string>& argumentos, std::ostream& saida,
                           std::ostream& erros);
int ExecutaNomes(const std::vector<std::string>& argumentos, std::ostream& saida, std::ostream& erros);
// Whether a first word is one of the commands above ("analise", "previsao",
// "compatibilidade", "nomes").
bool ComandoDaLinha(const std::string& palavra);

inline constexpr const char* kUsoCompatibilidade =
    "Uso: cifralumina compatibilidade NOME1 DATA1 NOME2 DATA2 [--pasta PASTA] [--json ARQ] "
    "[--texto ARQ] [--pdf ARQ] [--odt ARQ]";
inline constexpr const char* kUsoNomes =
    "Uso: cifralumina nomes DATA NOME [NOME...] [--pasta PASTA] [--json ARQ]";
inline constexpr const char* kUsoAnalise =
    "Uso: cifralumina analise NOME DATA [--pasta PASTA] [--hoje DD/MM/AAAA] [--json ARQ] "
    "[--texto ARQ] [--pdf ARQ] [--odt ARQ] [--png PASTA] [--quadro ARQ] [--verbose]";
inline constexpr const char* kUsoPrevisao =
    "Uso: cifralumina previsao NOME DATA [--de AAAA] [--ate AAAA] [--pasta PASTA] [--hoje DD/MM/AAAA] "
    "[--json ARQ] [--texto ARQ] [--pdf ARQ] [--odt ARQ] [--verbose]\n"
    "     cifralumina previsao --cadastro --de AAAA [--ate AAAA] --pasta-saida PASTA [--pasta PASTA]";

// What the program answers before any window or graphics start. --help (or
// -h) and --version, outside "analise", print the usage or the version on
// saida and give the exit status; "analise --help" prints the analysis
// usage. Otherwise returns nothing, having routed Qt's own messages through
// our handler: they reach standard error only when --verbose is given.
// A first word that is neither "analise" nor an option is refused on erros
// with status 2.
std::optional<int> AtendeAntesDasJanelas(int argc, const char* const* argv, std::ostream& saida,
                                         std::ostream& erros);

// The usage of the whole program, of "analise" and of "previsao", in Portuguese.
std::string TextoDeAjudaDaPrevisao();
std::string TextoDeAjuda();
std::string TextoDeAjudaDaAnalise();

}  // namespace cifra
