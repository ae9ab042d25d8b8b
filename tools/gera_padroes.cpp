// Build step: turns the readable sources of the default library into the
// binary files of a fresh installation, and lists them (with the sounds) in
// a Qt resource file that the build compiles into the program.
//
//   gera_padroes PASTA_SAIDA ARQUIVO_QRC [--texto ARQ.txt]... [--binario ARQ]...
//
// "Header.txt" becomes
// "Header.DAT" with 120-byte records; every other source CODE.txt becomes
// CODE.DAT with 5120-byte records. Records between the listed ones are blank.
// The build fails when a text does not fit its record or has a character
// that Windows-1252 cannot hold.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "library/fonte_textos.h"
#include "library/registros_de_texto.h"
#include "library/windows1252.h"

namespace fs = std::filesystem;

namespace {

struct Arquivo {
  std::string nome;
  std::string bytes;
};

[[noreturn]] void Falha(const std::string& msg) {
  std::cerr << "gera_padroes: " << msg << "\n";
  std::exit(1);
}

std::string LeArquivo(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  if (!f) Falha("não foi possível ler " + p.string());
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

Arquivo GeraTexto(const fs::path& fonte) {
  const std::string base = fonte.stem().string();
  const std::string nome = base + ".DAT";
  const size_t tamanho = cifra::TamanhoDoRegistroDe(nome);
  std::map<int, std::string> registros;
  try {
    registros = cifra::LeFonteDeTextos(LeArquivo(fonte));
  } catch (const cifra::ErroNaFonte& e) {
    Falha(fonte.string() + ": " + e.what());
  }
  if (registros.empty()) Falha(fonte.string() + ": nenhum registro");
  const int ultimo = registros.rbegin()->first;
  std::string bytes(static_cast<size_t>(ultimo) * tamanho, ' ');
  for (const auto& [n, texto] : registros) {
    int perdas = 0;
    const std::string codificado = cifra::ParaWindows1252(texto, &perdas);
    const std::string onde = fonte.filename().string() + " [" + std::to_string(n) + "]";
    if (perdas) Falha(onde + ": caractere sem lugar em Windows-1252");
    if (codificado.size() > tamanho) {
      Falha(onde + ": " + std::to_string(codificado.size()) + " bytes, mais que o registro de " +
            std::to_string(tamanho));
    }
    bytes.replace(static_cast<size_t>(n - 1) * tamanho, codificado.size(), codificado);
  }
  return {nome, bytes};
}

// Writes a file whole and makes sure it reached the disk: a build that
// cannot write its outputs must fail, not embed a truncated default.
void Grava(const fs::path& destino, const std::string& bytes) {
  std::ofstream f(destino, std::ios::binary | std::ios::trunc);
  f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  f.close();
  if (!f) Falha("não foi possível gravar " + destino.string());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) Falha("uso: gera_padroes PASTA_SAIDA ARQUIVO_QRC [--texto ARQ]... [--binario ARQ]...");
  const fs::path saida = fs::absolute(argv[1]);
  fs::create_directories(saida);
  // The resource list: every default file under its name in the data folder.
  std::ostringstream qrc;
  qrc << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/padroes\">\n";
  for (int i = 3; i + 1 < argc; i += 2) {
    const std::string tipo = argv[i];
    const fs::path fonte = fs::absolute(argv[i + 1]);
    fs::path arquivo;
    if (tipo == "--texto") {
      const Arquivo a = GeraTexto(fonte);
      arquivo = saida / a.nome;
      // Unchanged files keep their time, so the resources are not rebuilt.
      if (!fs::exists(arquivo) || LeArquivo(arquivo) != a.bytes) Grava(arquivo, a.bytes);
    } else if (tipo == "--binario") {
      arquivo = fonte;
    } else {
      Falha("opção desconhecida " + tipo);
    }
    qrc << "  <file alias=\"" << arquivo.filename().string() << "\">" << arquivo.string()
        << "</file>\n";
  }
  qrc << "</qresource>\n</RCC>\n";
  const std::string novo = qrc.str();
  if (fs::exists(argv[2]) && LeArquivo(argv[2]) == novo) return 0;
  Grava(argv[2], novo);
  return 0;
}
