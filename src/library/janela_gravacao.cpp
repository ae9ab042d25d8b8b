#include "janela_gravacao.h"

#include <QMessageBox>

#include "arquivo_registros.h"

namespace cifra {

bool GravaAvisando(QWidget* pai, const std::function<void()>& grava) {
  try {
    grava();
    return true;
  } catch (const ErroDeArquivo& e) {
    QMessageBox::critical(pai, QStringLiteral("Erro:"),
                          QString::fromStdString(e.what()) +
                              QStringLiteral(" Nada foi alterado; tente novamente."));
    return false;
  }
}

}  // namespace cifra
