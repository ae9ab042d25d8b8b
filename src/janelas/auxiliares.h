#pragma once
// What the windows share: the hourglass, the message boxes, a save whose
// failure is told to the operator, and a button with its control name.
#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <functional>
#include <string>

class QPushButton;
class QSpinBox;
class QWidget;

namespace cifra {

inline QString Q(const std::string& s) { return QString::fromStdString(s); }

// The hourglass for as long as the object lives. A message shown meanwhile
// calls Mensagem, which shows the arrow while the box is open.
struct Ampulheta {
  Ampulheta() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~Ampulheta() { QApplication::restoreOverrideCursor(); }
  Ampulheta(const Ampulheta&) = delete;
  Ampulheta& operator=(const Ampulheta&) = delete;
};

// A modal box with one "OK", the arrow pointer shown while it is open.
void Mensagem(QWidget* pai, QMessageBox::Icon icone, const QString& titulo, const QString& texto);

// Runs faz; true when it finished. On a file error shows the message in an
// "Erro:" box and gives false.
bool TentaAvisando(QWidget* pai, const std::function<void()>& faz);

// The same for a save: the message adds that nothing was changed, so the
// dialog can stay open with everything the operator typed.
bool GravaAvisando(QWidget* pai, const std::function<void()>& grava);

// Qt's own words (Sim/Não, the file dialog, a text box's menu, the print
// preview) in Brazilian Portuguese, whatever the system's language; dates and
// numbers the Brazilian way. Called once, right after the application is made.
void TraduzOQt();

// A push button with its caption (mnemonic included) and its control name.
QPushButton* Botao(QWidget* pai, const char* nome, const QString& texto);

// A year of a forecast's range: any four-digit year can be typed (the range
// itself is judged on confirming), no thousands separator.
QSpinBox* CaixaDeAno(QWidget* pai, const char* nome, int valor);

}  // namespace cifra
