#include <gtest/gtest.h>

#include "shell/dicas.h"

namespace cifra {
namespace {

using Efeito = AcompanhamentoDeDicas::Efeito;

TEST(Dicas, CadaBotaoDaBarraTemChaveETexto) {
  const std::pair<const char*, const char*> botoes[] = {
      {"cmdCriaAnalise", "Criar"},  {"cmdImprimir", "Imprimir"},
      {"cmdConfigurarFontes", "Fontes"}, {"cmdConfiguraPrograma", "ConfigPrograma"},
      {"cmdAjuda", "Ajuda"},        {"cmdSobre", "Sobre"},
      {"cmdExportar", "Exportar"},  {"cmdSair", "Sair"}};
  for (const auto& [botao, chave] : botoes) {
    EXPECT_EQ(ChaveDoBotao(botao), chave);
    EXPECT_FALSE(TextoDaDica(chave).empty()) << chave;
  }
  EXPECT_TRUE(ChaveDoBotao("qt_toolbar_ext_button").empty());
  EXPECT_TRUE(TextoDaDica("Nenhum").empty());
  EXPECT_EQ(TextoDaDicaComAtalho("Sobre", ""), "Informações sobre o programa Cifralumina 2007.");
  EXPECT_EQ(TextoDaDicaComAtalho("Outro", "F1"), "");
}

TEST(Dicas, PosicaoAbaixoDaBarraEPuxadaNaBordaDaTela) {
  const QRect tela(0, 0, 800, 600);
  const QRect barra(100, 80, 700, 49);  // bottom = 128
  const QSize dica(200, 40);
  // A button in the middle: 8 pixels right of its left edge, just below the bar.
  EXPECT_EQ(PosicaoDaDica(QRect(148, 83, 43, 40), barra, dica, tela), QPoint(156, 129));
  // Fits exactly against the edge: not moved.
  EXPECT_EQ(PosicaoDaDica(QRect(592, 83, 43, 40), barra, dica, tela), QPoint(600, 129));
  // The rightmost button: pulled left to end 13 pixels (200 twips) before the edge.
  EXPECT_EQ(PosicaoDaDica(QRect(740, 83, 43, 40), barra, dica, tela), QPoint(587, 129));
  // A second screen to the right of the first.
  EXPECT_EQ(PosicaoDaDica(QRect(1700, 83, 43, 40), QRect(1000, 80, 800, 49), dica,
                          QRect(800, 0, 1024, 768)),
            QPoint(1611, 129));
}

TEST(Dicas, AcompanhamentoDoMouse) {
  struct Passo {
    enum { Botao, BotaoComAmpulheta, Fundo, SobreADica } onde;
    const char* chave;
    Efeito efeito;
    const char* atual;
  };
  const Passo passos[] = {
      {Passo::Botao, "Criar", Efeito::Mostrar, "Criar"},
      {Passo::Botao, "Criar", Efeito::Nenhum, "Criar"},  // moving over the same button
      {Passo::Botao, "Imprimir", Efeito::Mostrar, "Imprimir"},
      {Passo::BotaoComAmpulheta, "Fontes", Efeito::Nenhum, "Imprimir"},
      {Passo::Fundo, "", Efeito::Fechar, "Nenhum"},
      {Passo::Botao, "Imprimir", Efeito::Mostrar, "Imprimir"},
      {Passo::SobreADica, "", Efeito::Fechar, "Imprimir"},
      {Passo::Botao, "Imprimir", Efeito::Nenhum, "Imprimir"},  // not reopened under the mouse
      {Passo::Botao, "Sair", Efeito::Mostrar, "Sair"},
      {Passo::BotaoComAmpulheta, "Sair", Efeito::Nenhum, "Sair"},
      {Passo::Botao, "Outro", Efeito::Nenhum, "Outro"},  // a key without text shows nothing
  };
  AcompanhamentoDeDicas a;
  EXPECT_EQ(a.DicaAtual(), "");
  int i = 0;
  for (const Passo& p : passos) {
    Efeito e = Efeito::Nenhum;
    switch (p.onde) {
      case Passo::Botao: e = a.MouseSobreBotao(p.chave, false); break;
      case Passo::BotaoComAmpulheta: e = a.MouseSobreBotao(p.chave, true); break;
      case Passo::Fundo: e = a.Esquece(); break;
      case Passo::SobreADica: e = a.MouseSobreDica(); break;
    }
    EXPECT_EQ(e, p.efeito) << "passo " << i;
    EXPECT_EQ(a.DicaAtual(), p.atual) << "passo " << i;
    ++i;
  }
}

}  // namespace
}  // namespace cifra
