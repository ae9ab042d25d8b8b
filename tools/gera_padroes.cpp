// Build step: turns the readable sources of the default library into the
// binary files of a fresh installation and embeds them in the program.
//
//   gera_padroes PASTA_SAIDA ARQUIVO_CPP [--texto ARQ.txt]... [--binario ARQ]...
//
// A text source holds records introduced by a line "[N]" (anything after the
// bracket is a comment); the record's text is the following lines joined by
// CR LF, without leading and trailing empty lines. "Header.txt" becomes
// "Header.DAT" with 120-byte records; every other source CODE.txt becomes
// CODE.DAT with 5120-byte records. Records between the listed ones are blank.
// The build fails when a text does not fit its record or has a character
// that Windows-1252 cannot hold.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

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

std::map<int, std::string> LeRegistros(const fs::path& fonte) {
  std::map<int, std::string> registros;
  std::istringstream entrada(LeArquivo(fonte));
  std::string linha;
  int atual = 0;
  std::vector<std::string> linhas;
  auto fecha = [&] {
    if (atual == 0) return;
    while (!linhas.empty() && linhas.back().empty()) linhas.pop_back();
    size_t inicio = 0;
    while (inicio < linhas.size() && linhas[inicio].empty()) ++inicio;
    std::string texto;
    for (size_t i = inicio; i < linhas.size(); ++i) texto += (i > inicio ? "\r\n" : "") + linhas[i];
    if (registros.count(atual)) Falha(fonte.string() + ": registro repetido " + std::to_string(atual));
    registros[atual] = texto;
    linhas.clear();
  };
  int numeroDaLinha = 0;
  while (std::getline(entrada, linha)) {
    ++numeroDaLinha;
    if (!linha.empty() && linha.back() == '\r') linha.pop_back();
    if (linha.size() > 2 && linha[0] == '[' && linha.find(']') != std::string::npos &&
        std::isdigit(static_cast<unsigned char>(linha[1]))) {
      fecha();
      atual = std::stoi(linha.substr(1));
      if (atual < 1) Falha(fonte.string() + ":" + std::to_string(numeroDaLinha) + ": registro inválido");
      continue;
    }
    if (atual == 0) {
      if (!linha.empty()) Falha(fonte.string() + ":" + std::to_string(numeroDaLinha) + ": texto antes do primeiro registro");
      continue;
    }
    // Paragraph lines may carry trailing blanks from an editor; they mean nothing.
    while (!linha.empty() && linha.back() == ' ') linha.pop_back();
    linhas.push_back(linha);
  }
  fecha();
  return registros;
}

Arquivo GeraTexto(const fs::path& fonte) {
  const std::string base = fonte.stem().string();
  const bool titulos = base == "Header";
  const size_t tamanho = titulos ? 120 : 5120;
  const auto registros = LeRegistros(fonte);
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
  return {base + ".DAT", bytes};
}

// Bytes as a C++ string literal: printable ASCII as is, the rest as
// three-digit octal escapes (which never swallow a following digit).
void EscreveLiteral(std::ostream& out, const std::string& bytes) {
  out << "\n    \"";
  size_t naLinha = 0;
  for (unsigned char c : bytes) {
    if (naLinha >= 100) {
      out << "\"\n    \"";
      naLinha = 0;
    }
    if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\' && c != '?') {
      out << static_cast<char>(c);
      ++naLinha;
    } else {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\%03o", c);
      out << buf;
      naLinha += 4;
    }
  }
  out << "\"";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) Falha("uso: gera_padroes PASTA_SAIDA ARQUIVO_CPP [--texto ARQ]... [--binario ARQ]...");
  const fs::path saida = argv[1];
  fs::create_directories(saida);
  std::vector<Arquivo> arquivos;
  for (int i = 3; i + 1 < argc; i += 2) {
    const std::string tipo = argv[i];
    const fs::path fonte = argv[i + 1];
    if (tipo == "--texto") {
      arquivos.push_back(GeraTexto(fonte));
    } else if (tipo == "--binario") {
      arquivos.push_back({fonte.filename().string(), LeArquivo(fonte)});
    } else {
      Falha("opção desconhecida " + tipo);
    }
  }
  std::ostringstream cpp;
  cpp << "// Generated by gera_padroes from data/: do not edit.\n"
         "#include \"library/padroes_embutidos.h\"\n\nnamespace cifra {\nnamespace {\n"
         "const ArquivoPadrao kArquivos[] = {\n";
  for (const Arquivo& a : arquivos) {
    std::ofstream bin(saida / a.nome, std::ios::binary | std::ios::trunc);
    bin << a.bytes;
    if (!bin) Falha("não foi possível gravar " + (saida / a.nome).string());
    cpp << "  {\"" << a.nome << "\", std::string_view(";
    EscreveLiteral(cpp, a.bytes);
    cpp << ", " << a.bytes.size() << ")},\n";
  }
  if (arquivos.empty()) cpp << "  {\"\", std::string_view()},\n";
  cpp << "};\n}  // namespace\n\nstd::span<const ArquivoPadrao> ArquivosPadrao() {\n"
      << "  return std::span(kArquivos, " << arquivos.size() << ");\n}\n\n}  // namespace cifra\n";
  const std::string novo = cpp.str();
  // Leave the source untouched when nothing changed, so nothing recompiles.
  if (fs::exists(argv[2]) && LeArquivo(argv[2]) == novo) return 0;
  std::ofstream(argv[2], std::ios::binary | std::ios::trunc) << novo;
  return 0;
}
