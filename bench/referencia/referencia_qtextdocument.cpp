// The yardstick for the PDF: what a general-purpose engine does with the same
// words. Reads the analysis as plain text (the --texto output), puts every
// paragraph into a QTextDocument as a justified block of Times New Roman 12
// and prints the document to an A4 PDF at 300 dpi.
//   referencia_qtextdocument TEXTO.txt SAIDA.pdf
//   referencia_qtextdocument --uma-linha SAIDA.pdf   (only start Qt and write one line)
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTextCursor>
#include <QTextDocument>
#include <cstdio>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "uso: %s TEXTO.txt|--uma-linha SAIDA.pdf\n", argv[0]);
    return 2;
  }
  QString texto = QStringLiteral("Cifralumina");
  if (QByteArray(argv[1]) != "--uma-linha") {
    QFile entrada(QString::fromLocal8Bit(argv[1]));
    if (!entrada.open(QIODevice::ReadOnly)) return 1;
    texto = QString::fromUtf8(entrada.readAll());
  }
  const QFont times(QStringLiteral("Times New Roman"), 12);
  QTextDocument documento;
  documento.setDefaultFont(times);
  QTextCursor cursor(&documento);
  QTextBlockFormat bloco;
  bloco.setAlignment(Qt::AlignJustify);
  QTextCharFormat letra;
  letra.setFont(times);
  bool primeiro = true;
  for (const QString& paragrafo : texto.split(QLatin1Char('\n'))) {
    const QString limpo = paragrafo.trimmed();
    if (limpo.isEmpty()) continue;
    if (primeiro) {
      cursor.setBlockFormat(bloco);
    } else {
      cursor.insertBlock(bloco, letra);
    }
    cursor.insertText(limpo, letra);
    primeiro = false;
  }
  QPdfWriter pdf(QString::fromLocal8Bit(argv[2]));
  pdf.setResolution(300);
  pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter));
  documento.print(&pdf);
  return 0;
}
