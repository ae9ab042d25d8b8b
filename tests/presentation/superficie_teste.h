#pragma once
// A surface with exact metrics that no font affects: a character is a tenth
// of the font size wide (1 mm at 10 points), a line half the size high (5 mm
// at 10 points). It records what is drawn.
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/numerologia.h"
#include "presentation/compositor.h"

namespace cifra::teste {

struct Desenhado {
  double x, y, largura, altura;  // a text: largura and altura are 0
  std::string texto;             // the text, or the picture's name
  Fonte fonte;
  double claridade = 0;          // a grey rectangle's grey; a bar's is 0
};

class SuperficieDeTeste : public SuperficieDeDesenho {
 public:
  explicit SuperficieDeTeste(double largura = 210, double altura = 297)
      : largura_(largura), altura_(altura) {}
  void Barra(double x1, double y1, double x2, double y2) override {
    barras.push_back({x1, y1, x2 - x1, y2 - y1, "", fonte_});
  }
  void RetanguloCinza(double x1, double y1, double x2, double y2, double claridade) override {
    cinzas.push_back({x1, y1, x2 - x1, y2 - y1, "", fonte_, claridade});
  }
  void PaintPicture(const Figura& f, double x, double y, double l, double a) override {
    figuras.push_back({x, y, l, a, f.Nome(), fonte_});
  }
  void SetFonte(const Fonte& f) override { fonte_ = f; }
  Fonte FonteAtual() const override { return fonte_; }
  double ScaleWidth() const override { return largura_; }
  double ScaleHeight() const override { return altura_; }
  double UnidadesPorMm() const override { return 10; }

  // The first text drawn that is exactly this one, or that begins with it.
  const Desenhado* Texto(const std::string& t, bool inicio = false) const {
    for (const auto& d : textos) {
      if (d.texto == t || (inicio && d.texto.starts_with(t))) return &d;
    }
    return nullptr;
  }
  std::vector<Desenhado> textos, barras, cinzas, figuras;

 protected:
  double MedeLargura(std::u32string_view t) const override {  // tenths of a millimetre
    return static_cast<double>(t.size()) * fonte_.Tamanho;
  }
  double MedeAltura(std::u32string_view) const override { return fonte_.Tamanho / 2.0; }
  void Desenha(std::u32string_view t) override {
    textos.push_back({CurrentX, CurrentY, 0, 0, Utf8(t), fonte_});
  }

 private:
  double largura_, altura_;
  Fonte fonte_{"Teste", false, false, 10};
};

// Pages on test surfaces; page p is at(p - 1).
struct FolhasDeTeste : Paginador, std::vector<std::unique_ptr<SuperficieDeTeste>> {
  FolhasDeTeste(double largura, double altura) : largura_(largura), altura_(altura) {}
  SuperficieDeDesenho& NovaFolha() override {
    return *emplace_back(std::make_unique<SuperficieDeTeste>(largura_, altura_));
  }
  SuperficieDeTeste& Pagina(int p) { return *at(static_cast<size_t>(p - 1)); }
  double largura_, altura_;
};

// Maria da Silva's analysis with the given topics on, each with its title,
// a short text and the number 3, topic 1's text n one-line paragraphs; laid
// out on screen pages 200 mm wide: margins 10, 5, 10, 5, text from 12 to 188
// down to 272. Test metrics: titles (14 pt) 7 mm a line, texts (12 pt) 6 mm,
// descriptions (10 pt) 5 mm. The first page's body starts at 5 + 27 = 32.
struct Cenario {
  Analise analise;
  ProgramOptions opcoes;
  Fontes fontes;
  LinhasRodape linhas{"Rodape um", "Rodape dois", "Cabecalho"};
  OrdemDosTopicos ordem = OrdemPadrao();

  explicit Cenario(std::initializer_list<int> topicos, int paragrafosNo1 = 1) {
    analise.NomeCompleto = "MARIA DA SILVA";
    analise.DataNascimento = "12/08/1978";
    for (int t = 1; t <= 30; ++t) {
      analise.ResultadoAnalise[t] = {"Titulo " + std::to_string(t), "", "Texto " + std::to_string(t), "3"};
    }
    std::string& texto = analise.ResultadoAnalise[1].Interpretacao;  // "L1\r\nL2\r\n...Ln"
    texto = "L1";
    for (int i = 2; i <= paragrafosNo1; ++i) texto += "\r\nL" + std::to_string(i);
    opcoes.TopicoAtivo.fill(false);
    for (int t : topicos) opcoes.TopicoAtivo[static_cast<size_t>(t)] = true;
    opcoes.ImprimirDescricao = false;
  }
  ConteudoDaAnalise Conteudo() const {
    return {analise, opcoes, fontes, linhas, Figura::DoRecurso(":/t/signo"), Figura::DoRecurso(":/t/divisoria"), ordem, {}, {}};
  }
  FolhasDeTeste Compoe() const {
    FolhasDeTeste folhas(200, 297);
    const int total = ComporAnalise(Conteudo(), GeometriaDaTela(200), folhas);
    EXPECT_EQ(total, static_cast<int>(folhas.size()));
    return folhas;
  }
};

}  // namespace cifra::teste
