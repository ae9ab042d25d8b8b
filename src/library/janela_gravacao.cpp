#include "janela_gravacao.h"

#include <QMessageBox>
#include <QPushButton>

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

QPushButton* Botao(QWidget* pai, const char* nome, const QString& texto) {
  auto* b = new QPushButton(texto, pai);
  b->setObjectName(QString::fromLatin1(nome));
  return b;
}

}  // namespace cifra
