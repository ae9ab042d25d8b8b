#pragma once
// Toolbar hints: which sentence a button shows, when the one hint popup
// appears, moves or closes, and where it goes on the screen. Kept apart from
// the popup window so the rules can be checked without a screen.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <string>
#include <string_view>

namespace cifra {

inline constexpr std::string_view kNenhumaDica = "Nenhum";

// The hint key of a toolbar button by its control name ("cmdCriaAnalise" is
// "Criar"); empty for any other control.
std::string_view ChaveDoBotao(std::string_view botao);
// The sentence of a key; empty for a key that has none.
std::string_view TextoDaDica(std::string_view chave);
// The sentence, followed by the button's shortcut when it has one.
std::string TextoDaDicaComAtalho(std::string_view chave, std::string_view atalho);

// Where the popup goes, all rectangles on the screen: a little right of the
// button's left edge, just below the toolbar (so never under the mouse that
// points at the button); pulled left when it would leave the screen.
QPoint PosicaoDaDica(const QRect& botao, const QRect& barra, const QSize& dica, const QRect& tela);

// The key of the hint on show ("DicaAtual"). A hint is shown once when the
// mouse enters a button and is not redrawn while the mouse moves over it;
// nothing is shown, and nothing remembered, while the hourglass is up.
class AcompanhamentoDeDicas {
 public:
  enum class Efeito { Nenhum, Mostrar, Fechar };

  Efeito MouseSobreBotao(std::string_view chave, bool ampulheta);
  // The mouse over a background (window, toolbar), or any toolbar click or
  // dialog opening: the popup closes and the next button shows its hint.
  Efeito Esquece();

  const std::string& DicaAtual() const { return atual_; }

 private:
  std::string atual_;
};

}  // namespace cifra
