#include "configuracao.h"

#include <QStandardPaths>
#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include "library/arquivo_registros.h"
#include "library/padroes.h"

namespace cifra {

std::string EscolhePastaDeDados(const std::optional<std::string>& pastaPedida) {
  if (pastaPedida && !pastaPedida->empty()) return *pastaPedida;
  if (const char* ambiente = std::getenv("CIFRALUMINA_PASTA"); ambiente && *ambiente) {
    return ambiente;
  }
  // Without a home, Qt would guess a folder at the root of the disk.
  const char* casa = std::getenv("HOME");
  const char* dados = std::getenv("XDG_DATA_HOME");
  if ((!casa || !*casa) && (!dados || !*dados)) {
    throw ErroDeArquivo(
        "Não foi possível escolher a pasta de dados: a variável HOME não está definida. "
        "Informe a pasta com --pasta PASTA ou na variável CIFRALUMINA_PASTA.");
  }
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
}

Configuracao CarregarConfiguracao(const std::string& raiz, ProblemasDoInicio* problemas) {
  Configuracao e{PastaDeDados(raiz), OrdemPadrao(), {}, {}, {}, {}, {}, {}};
  // Each step keeps its first-run value when its file fails and problemas
  // collects the failure. A folder where the file should be is a failure
  // too, even for a reader that would take it for an empty file.
  auto passo = [&](const char* arquivo, auto&& le) {
    try {
      if (arquivo) {
        const std::filesystem::path caminho = e.pasta.Arquivo(arquivo);
        std::error_code ec;
        if (std::filesystem::exists(caminho, ec) && !std::filesystem::is_regular_file(caminho, ec)) {
          throw ErroDeArquivo(MensagemDeFalha(
              "ler", caminho, std::filesystem::is_directory(caminho, ec) ? EISDIR : kNaoEhArquivoComum));
        }
      }
      le();
      return true;
    } catch (const ErroDeArquivo& erro) {
      if (!problemas) throw;
      problemas->mensagens.emplace_back(erro.what());
      return false;
    }
  };
  // A default that cannot be installed (a read-only folder) is not needed
  // in the folder: its readers fall back on the program's own copy. Said
  // once, whatever the number of files.
  // What a save killed midway left behind (a copy of the data, perhaps the
  // whole register) goes before anything is read.
  std::vector<std::string> nossos = ArquivosPadrao();
  nossos.insert(nossos.end(), {"cifralumina.dat", "extras.dat", "fontes.dat", "margens.dat",
                               "ordem.dat", "rodape.dat", "caduser.dat", "DEFUSERA.CFG",
                               "DEFUSERB.CFG"});
  RemoveProvisoriosAbandonados(e.pasta.Raiz(), nossos, kIdadeDeProvisorioAbandonado);
  std::vector<std::string> naoInstalados;
  InstalarPadroes(e.pasta, &naoInstalados);
  if (!naoInstalados.empty()) {
    std::string aviso = naoInstalados.front();
    if (naoInstalados.size() > 1) {
      aviso += " O mesmo aconteceu com mais " + std::to_string(naoInstalados.size() - 1) +
               (naoInstalados.size() == 2 ? " arquivo padrão." : " arquivos padrão.");
    }
    aviso += " Enquanto faltarem na pasta de dados, o programa usa as cópias que traz consigo.";
    (problemas ? problemas->mensagens : e.avisos).push_back(aviso);
  }
  passo("ordem.dat", [&] { e.ordem = LerOrdemTopicos(e.pasta); });
  passo("Header.DAT", [&] { e.titulos = LerTitulos(e.pasta); });
  passo("fontes.dat", [&] { e.fontes = LerFontes(e.pasta); });
  if (!passo("cifralumina.dat", [&] { e.opcoes = CarregarEstadoPrograma(e.pasta); })) {
    problemas->opcoesIlegiveis = true;
  }
  passo("rodape.dat", [&] { e.linhas = LerLinhasRodape(e.pasta); });
  passo("margens.dat", [&] { e.margens = LerMargens(e.pasta); });
  // Files read only in part (too large, cut short) are said with the rest.
  for (std::string& aviso : TomaAvisosSobreArquivos()) {
    (problemas ? problemas->mensagens : e.avisos).push_back(std::move(aviso));
  }
  return e;
}

}  // namespace cifra
