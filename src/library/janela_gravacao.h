#pragma once
// What the dialogs share. When one writes a file: the save is tried, and a
// failure is told to the operator in an "Erro:" box naming the file, so the
// dialog can stay open with everything the operator typed.
#include <QString>
#include <functional>

class QPushButton;
class QWidget;

namespace cifra {

// Runs grava; true when it finished. On a file error shows the message and gives false.
bool GravaAvisando(QWidget* pai, const std::function<void()>& grava);

// A push button with its caption (mnemonic included) and its control name.
QPushButton* Botao(QWidget* pai, const char* nome, const QString& texto);

}  // namespace cifra
