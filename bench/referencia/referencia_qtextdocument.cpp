// The yardstick for the PDF: what a general-purpose engine does to give the
// same analysis the same look. Reads the analysis as JSON (the --json
// output), lays it out in one QTextDocument with the fonts, sizes and margins
// of a new data folder (the header in Times New Roman with the sign's
// picture, each description in Arial italic 10, each title in Courier New
// bold 14, each text in Times New Roman 12, justified, the separator picture
// between topics, the karmic square as a table) and prints it page by page
// to an A4 PDF at 300 dpi, drawing the footer's rule, two lines and the page
// number on every page and the header's rule on the first. Pictures are
// drawn in grey, as the black-and-white print of a new data folder does.
//   referencia_qtextdocument ANALISE.json SAIDA.pdf
//   referencia_qtextdocument --uma-linha SAIDA.pdf   (only start Qt and write one line)
#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <cstdio>

namespace {

constexpr double kDpi = 300;
constexpr double kLargura = 210, kAltura = 297, kMargem = 10;
constexpr double kLimite = kAltura - kMargem - 20;  // the running text's bottom on paper
constexpr double kCabecalho = 27;

double Px(double mm) { return mm * kDpi / 25.4; }
// Lengths in the document's formats (margins, pictures, tables) are given at
// 96 dpi: the layout scales them to the PDF's resolution.
double Fmt(double mm) { return mm * 96 / 25.4; }

QFont Fonte(const char* nome, double pontos, bool negrito = false, bool italico = false) {
  QFont f(QString::fromLatin1(nome));
  f.setPointSizeF(pontos);
  f.setBold(negrito);
  f.setItalic(italico);
  return f;
}

// An SVG of the program's pictures at that many millimetres, in grey.
QImage EmCinza(const QString& arquivo, double largura, double altura) {
  QImage imagem(QSize(int(Px(largura) + 0.999), int(Px(altura) + 0.999)),
                QImage::Format_ARGB32_Premultiplied);
  imagem.fill(Qt::transparent);
  {
    QPainter p(&imagem);
    p.setRenderHint(QPainter::Antialiasing);
    QSvgRenderer(arquivo).render(&p, QRectF(QPointF(0, 0), QSizeF(imagem.size())));
  }
  imagem = imagem.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < imagem.height(); ++y) {
    auto* linha = reinterpret_cast<QRgb*>(imagem.scanLine(y));
    for (int x = 0; x < imagem.width(); ++x) {
      const int g = qGray(linha[x]);
      linha[x] = qRgba(g, g, g, qAlpha(linha[x]));
    }
  }
  return imagem;
}

// The number of the sign's picture (the program's own numbering: 1 is
// Scorpio, 4 Leo, 12 Capricorn).
int Signo(int dia, int mes) {
  struct Faixa {
    int signo, inicio, fim;  // month * 100 + day
  };
  static constexpr Faixa kFaixas[] = {{5, 1122, 1221}, {1, 1023, 1121}, {2, 923, 1022}, {3, 823, 922},
                                      {4, 722, 822},   {6, 621, 721},   {7, 521, 620},  {8, 421, 520},
                                      {9, 321, 420},   {10, 220, 320},  {11, 121, 219}};
  const int d = mes * 100 + dia;
  for (const Faixa& f : kFaixas) {
    if (d >= f.inicio && d <= f.fim) return f.signo;
  }
  return 12;
}

struct Formatos {
  QTextCharFormat titulo, descricao, texto;
  QTextBlockFormat justificado, centrado;
};

// Paragraphs end with CR LF; an empty paragraph is an empty line. The empty
// block a table leaves after it takes the first paragraph.
void Insere(QTextCursor& c, const QString& texto, const QTextCharFormat& letra,
            const QTextBlockFormat& bloco, double depois) {
  QTextBlockFormat b = bloco;
  if (c.block().text().isEmpty()) {
    c.setBlockFormat(b);
    c.setBlockCharFormat(letra);
  } else {
    c.insertBlock(b, letra);
  }
  QString t = texto;
  t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  c.insertText(t, letra);
  b.setBottomMargin(depois);
  c.mergeBlockFormat(b);
}

// A topic as the pages show it: the description (one of fewer than six
// characters is left out), the title, the text and the separator.
void Topico(QTextCursor& c, const Formatos& f, const QString& descricao, const QString& titulo,
            const QString& texto) {
  if (descricao.size() >= 6) Insere(c, descricao, f.descricao, f.justificado, Fmt(5));
  Insere(c, titulo, f.titulo, f.justificado, Fmt(5));
  Insere(c, texto, f.texto, f.justificado, Fmt(5));
  QTextBlockFormat b = f.centrado;
  b.setBottomMargin(Fmt(5));
  c.insertBlock(b);
  QTextImageFormat imagem;
  imagem.setName(QStringLiteral("divisoria"));
  imagem.setWidth(Fmt(kLargura - 2 * kMargem - 80));
  imagem.setHeight(Fmt(3));
  c.insertImage(imagem);
}

void Quadrado(QTextCursor& c, const QJsonArray& inclusao) {
  QTextTableFormat tabela;
  tabela.setAlignment(Qt::AlignHCenter);
  tabela.setBorder(Fmt(0.3));
  tabela.setBorderCollapse(true);
  tabela.setCellPadding(0);
  tabela.setCellSpacing(0);
  tabela.setBottomMargin(Fmt(6));
  tabela.setColumnWidthConstraints(QList<QTextLength>(3, QTextLength(QTextLength::FixedLength, Fmt(16))));
  QTextTable* t = c.insertTable(3, 3, tabela);
  QTextCharFormat valor, conta;
  valor.setFont(Fonte("Times New Roman", 9, false, true));
  conta.setFont(Fonte("Times New Roman", 18, true));
  QTextBlockFormat centro;
  centro.setAlignment(Qt::AlignHCenter);
  for (int v = 1; v <= 9; ++v) {
    QTextTableCell celula = t->cellAt((v - 1) % 3, (v - 1) / 3);
    QTextTableCellFormat altura;
    altura.setTopPadding(Fmt(0.8));
    altura.setLeftPadding(Fmt(1.2));
    altura.setBottomPadding(Fmt(4));
    celula.setFormat(altura);
    QTextCursor k = celula.firstCursorPosition();
    k.insertText(QString::number(v), valor);
    const int n = inclusao.at(v - 1).toInt();
    k.insertBlock(centro, conta);
    k.insertText(n ? QString::number(n) : QString(), conta);
  }
  c.movePosition(QTextCursor::End);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "uso: %s ANALISE.json|--uma-linha SAIDA.pdf\n", argv[0]);
    return 2;
  }
  QPdfWriter pdf(QString::fromLocal8Bit(argv[2]));
  pdf.setResolution(int(kDpi));
  pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
  if (QByteArray(argv[1]) == "--uma-linha") {
    QTextDocument documento(QStringLiteral("Cifralumina"));
    documento.setDefaultFont(Fonte("Times New Roman", 12));
    documento.print(&pdf);
    return 0;
  }
  QFile entrada(QString::fromLocal8Bit(argv[1]));
  if (!entrada.open(QIODevice::ReadOnly)) return 1;
  const QJsonObject analise = QJsonDocument::fromJson(entrada.readAll()).object();

  QTextDocument documento;
  documento.setDocumentMargin(0);
  documento.setDefaultFont(Fonte("Times New Roman", 12));
  const QString imagens = QStringLiteral(CIFRA_IMAGENS "/");
  const QString nascimento = analise.value("DataNascimento").toString();
  const int dia = nascimento.left(2).toInt(), mes = nascimento.mid(3, 2).toInt();
  // As pixmaps: the PDF then holds each picture once, however often it is drawn.
  documento.addResource(QTextDocument::ImageResource, QUrl("signo"),
                        QPixmap::fromImage(EmCinza(imagens + QStringLiteral("signo%1.svg").arg(Signo(dia, mes), 2, 10,
                                                                           QLatin1Char('0')),
                                22, 22)));
  documento.addResource(QTextDocument::ImageResource, QUrl("divisoria"),
                        QPixmap::fromImage(EmCinza(imagens + "divisoria.svg", kLargura - 2 * kMargem - 80, 3)));

  Formatos f;
  f.titulo.setFont(Fonte("Courier New", 14, true));
  f.descricao.setFont(Fonte("Arial", 10, false, true));
  f.texto.setFont(Fonte("Times New Roman", 12));
  f.justificado.setAlignment(Qt::AlignJustify);
  f.centrado.setAlignment(Qt::AlignHCenter);

  // The header: the sign's picture beside three centred lines.
  QTextCursor c(&documento);
  c.beginEditBlock();
  QTextTableFormat cabecalho;
  cabecalho.setBorder(0);
  cabecalho.setCellPadding(0);
  cabecalho.setCellSpacing(0);
  cabecalho.setBottomMargin(Fmt(kCabecalho - 22));
  cabecalho.setWidth(QTextLength(QTextLength::PercentageLength, 100));
  cabecalho.setColumnWidthConstraints(
      {QTextLength(QTextLength::FixedLength, Fmt(22)), QTextLength(QTextLength::VariableLength, 0)});
  QTextTable* topo = c.insertTable(1, 2, cabecalho);
  QTextCursor k = topo->cellAt(0, 0).firstCursorPosition();
  QTextImageFormat signo;
  signo.setName(QStringLiteral("signo"));
  signo.setWidth(Fmt(22));
  signo.setHeight(Fmt(22));
  k.insertImage(signo);
  k = topo->cellAt(0, 1).firstCursorPosition();
  static const char* kMeses[] = {"janeiro", "fevereiro", "março",    "abril",   "maio",     "junho",
                                 "julho",   "agosto",    "setembro", "outubro", "novembro", "dezembro"};
  QTextCharFormat linha;
  linha.setFont(Fonte("Times New Roman", 20, true));
  k.setBlockFormat(f.centrado);
  k.insertText(QStringLiteral("Sua vida através da Cifralumina"), linha);
  linha.setFont(Fonte("Times New Roman", 14));
  k.insertBlock(f.centrado, linha);
  k.insertText(analise.value("NomeExibido").toString(), linha);
  linha.setFont(Fonte("Times New Roman", 12));
  k.insertBlock(f.centrado, linha);
  k.insertText(QStringLiteral("%1 de %2 de %3")
                   .arg(nascimento.left(2), QString::fromUtf8(kMeses[std::max(1, std::min(12, mes)) - 1]),
                        nascimento.mid(6)),
               linha);
  c.movePosition(QTextCursor::End);

  // The topics, then the karmic map, as the program shows them.
  for (const QJsonValue& v : analise.value("Topicos").toArray()) {
    const QJsonObject t = v.toObject();
    if (t.value("Topico").toInt() == 15 && t.value("Numero").toString() == "89") continue;
    Topico(c, f, t.value("Descricao").toString(), t.value("Titulo").toString(),
           t.value("Interpretacao").toString());
  }
  const QJsonObject carmico = analise.value("MapaCarmico").toObject();
  const QString descricao = carmico.value("Descricao").toString();
  if (descricao.size() >= 6) Insere(c, descricao, f.descricao, f.justificado, Fmt(5));
  Insere(c, QStringLiteral("Mapa Cármico"), f.titulo, f.justificado, Fmt(5));
  Quadrado(c, carmico.value("Inclusao").toArray());
  for (const QJsonValue& v : carmico.value("Textos").toArray()) {
    const QJsonObject t = v.toObject();
    Topico(c, f, t.value("Descricao").toString(), t.value("Titulo").toString(),
           t.value("Interpretacao").toString());
  }

  // Page by page: the document's page, the footer and, on the first page,
  // the header's rule.
  pdf.setTitle(QStringLiteral("Análise Numerológica - ") + analise.value("NomeExibido").toString());
  QPainter p(&pdf);
  const QFont rodapeUm = Fonte("Times New Roman", 12, true), rodapeDois = Fonte("Times New Roman", 10),
              numero = Fonte("Times New Roman", 16, true);
  // Laid out once, whole, in the PDF's own units, so lines break as printed.
  c.endEditBlock();
  documento.documentLayout()->setPaintDevice(&pdf);
  const double largura = Px(kLargura - 2 * kMargem - 4), altura = Px(kLimite - kMargem);
  documento.setPageSize(QSizeF(largura, altura));
  const int paginas = documento.pageCount();
  for (int i = 0; i < paginas; ++i) {
    if (i > 0) pdf.newPage();
    p.save();
    p.translate(Px(kMargem + 2), Px(kMargem) - i * altura);
    QAbstractTextDocumentLayout::PaintContext contexto;
    contexto.clip = QRectF(0, i * altura, largura, altura);
    p.setClipRect(contexto.clip);
    documento.documentLayout()->draw(&p, contexto);
    p.restore();
    if (i == 0) p.fillRect(QRectF(QPointF(Px(kMargem), Px(kMargem + 24)),
                                  QPointF(Px(kLargura - kMargem), Px(kMargem + 25))), Qt::black);
    const double fundo = kAltura - kMargem;
    p.fillRect(QRectF(QPointF(Px(kMargem), Px(fundo - 12)), QPointF(Px(kLargura - kMargem), Px(fundo - 11))),
               Qt::black);
    p.setFont(rodapeUm);
    const double x = Px(kMargem + 2);
    double y = Px(fundo - 10) + p.fontMetrics().ascent();
    p.drawText(QPointF(x, y), QStringLiteral("Análise numerológica personalizada"));
    y += p.fontMetrics().descent();
    p.setFont(rodapeDois);
    y += p.fontMetrics().ascent();
    p.drawText(QPointF(x, y), QStringLiteral("Para adquirir este programa ou obter outras informações, "
                                             "visite www.cifralumina.com.br"));
    p.setFont(numero);
    const QString n = QString::number(i + 1);
    p.drawText(QPointF(Px(kLargura - kMargem) - p.fontMetrics().horizontalAdvance(n),
                       Px(fundo) - p.fontMetrics().descent()),
               n);
  }
  return 0;
}
