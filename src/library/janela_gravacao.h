#pragma once
// What every dialog does when it writes a file: the save is tried, and a
// failure is told to the operator in an "Erro:" box naming the file, so the
// dialog can stay open with everything the operator typed.
#include <functional>

class QWidget;

namespace cifra {

// Runs grava; true when it finished. On a file error shows the message and gives false.
bool GravaAvisando(QWidget* pai, const std::function<void()>& grava);

}  // namespace cifra
