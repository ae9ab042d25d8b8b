#include "auxiliares.h"

#include <QSpinBox>

#include <QLibraryInfo>
#include <QLocale>
#include <QPushButton>
#include <QTranslator>

#include "library/arquivo_registros.h"

namespace cifra {

void Mensagem(QWidget* pai, QMessageBox::Icon icone, const QString& titulo, const QString& texto) {
  QApplication::setOverrideCursor(Qt::ArrowCursor);
  QMessageBox caixa(icone, titulo, texto, QMessageBox::Ok, pai);
  caixa.exec();
  QApplication::restoreOverrideCursor();
}

namespace {
bool Tenta(QWidget* pai, const std::function<void()>& faz, const QString& sufixo) {
  bool feito = true;
  try {
    faz();
  } catch (const ErroDeArquivo& e) {
    Mensagem(pai, QMessageBox::Critical, QStringLiteral("Erro:"), Q(e.what()) + sufixo);
    feito = false;
  }
  // Files the action could read only in part (too large, cut short): said
  // once each, after the action, whatever came of it.
  QStringList avisos;
  for (const std::string& aviso : TomaAvisosSobreArquivos()) avisos << Q(aviso);
  if (!avisos.isEmpty()) {
    Mensagem(pai, QMessageBox::Warning, QStringLiteral("Atenção:"), avisos.join(QLatin1Char('\n')));
  }
  return feito;
}
}  // namespace

bool TentaAvisando(QWidget* pai, const std::function<void()>& faz) { return Tenta(pai, faz, {}); }

bool GravaAvisando(QWidget* pai, const std::function<void()>& grava) {
  return Tenta(pai, grava, QStringLiteral(" Nada foi alterado; tente novamente."));
}

void TraduzOQt() {
  QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
  // "qt_pt_BR" gathers the catalogues of every Qt module the windows use.
  static QTranslator traducao;
  if (traducao.load(QStringLiteral("qt_pt_BR"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(&traducao);
  }
}

QPushButton* Botao(QWidget* pai, const char* nome, const QString& texto) {
  auto* b = new QPushButton(texto, pai);
  b->setObjectName(QString::fromLatin1(nome));
  return b;
}

QSpinBox* CaixaDeAno(QWidget* pai, const char* nome, int valor) {
  auto* caixa = new QSpinBox(pai);
  caixa->setObjectName(QString::fromLatin1(nome));
  caixa->setRange(1000, 9999);
  caixa->setValue(valor);
  caixa->setGroupSeparatorShown(false);
  caixa->setAccelerated(true);
  return caixa;
}

}  // namespace cifra
