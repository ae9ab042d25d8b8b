#include "dicas.h"

#include <array>

namespace cifra {
namespace {

struct Dica {
  std::string_view botao;
  std::string_view chave;
  std::string_view texto;
};

// The help is a manual built into the program, so its hint no longer speaks
// of the internet.
constexpr std::array<Dica, 11> kDicas{{
    {"cmdCriaAnalise", "Criar", "Este botão gera a análise numerológica de uma pessoa."},
    {"cmdCriaPrevisao", "Prever",
     "Este botão gera a previsão numerológica de uma pessoa para os anos que você escolher."},
    {"cmdCompatibilidade", "Compatibilidade",
     "Este botão compara os números de duas pessoas e gera a compatibilidade entre elas."},
    {"cmdHarmonizaNome", "Harmonizar",
     "Compare grafias de um nome com a data de nascimento e escolha a mais harmoniosa."},
    {"cmdImprimir", "Imprimir", "Utilize este botão para imprimir a análise atual na impressora."},
    {"cmdConfigurarFontes", "Fontes", "Configurar a fonte dos textos exibidos na análise."},
    {"cmdConfiguraPrograma", "ConfigPrograma",
     "Selecionar os números a serem calculados pelo programa."},
    {"cmdAjuda", "Ajuda", "Abrir o manual deste programa."},
    {"cmdSobre", "Sobre", "Informações sobre o programa Cifralumina 2007."},
    {"cmdExportar", "Exportar", "Cria uma cópia da análise atual na área de transferência."},
    {"cmdSair", "Sair", "Este botão finaliza o programa de Cifralumina."},
}};

// The popup's offset from the button's left edge and the margin kept from the
// screen's right edge (120 and 200 twips at 15 twips per pixel).
constexpr int kDeslocamento = 8;
constexpr int kMargemDaTela = 13;

}  // namespace

std::string_view ChaveDoBotao(std::string_view botao) {
  for (const Dica& d : kDicas) {
    if (d.botao == botao) return d.chave;
  }
  return {};
}

std::string_view TextoDaDica(std::string_view chave) {
  for (const Dica& d : kDicas) {
    if (d.chave == chave) return d.texto;
  }
  return {};
}

std::string TextoDaDicaComAtalho(std::string_view chave, std::string_view atalho) {
  std::string texto(TextoDaDica(chave));
  if (!texto.empty() && !atalho.empty()) {
    texto += " (Atalho: ";
    texto += atalho;
    texto += ")";
  }
  return texto;
}

QPoint PosicaoDaDica(const QRect& botao, const QRect& barra, const QSize& dica, const QRect& tela) {
  QPoint p(botao.left() + kDeslocamento, barra.bottom() + 1);
  const int direitaDaTela = tela.left() + tela.width();
  if (p.x() + dica.width() > direitaDaTela) p.setX(direitaDaTela - dica.width() - kMargemDaTela);
  return p;
}

AcompanhamentoDeDicas::Efeito AcompanhamentoDeDicas::MouseSobreBotao(std::string_view chave,
                                                                    bool ampulheta) {
  if (ampulheta) return Efeito::Nenhum;
  const bool nova = atual_ != chave;
  atual_ = chave;
  return nova && !TextoDaDica(chave).empty() ? Efeito::Mostrar : Efeito::Nenhum;
}

AcompanhamentoDeDicas::Efeito AcompanhamentoDeDicas::Esquece() {
  atual_ = kNenhumaDica;
  return Efeito::Fechar;
}

}  // namespace cifra
