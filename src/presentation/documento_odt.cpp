#include "documento_odt.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentWriter>
#include <QTextTable>
#include <QUrl>

namespace cifra {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

QTextCharFormat Formato(const Fonte& f) {
  QTextCharFormat c;
  c.setFontFamilies({Q(f.Nome)});
  // The ODF writer of Qt 6.4 writes a family only for a format that also
  // carries the old single-family property; without it every run is "Sans".
  c.setProperty(QTextFormat::FontFamily, Q(f.Nome));
  c.setFontPointSize(f.Tamanho > 0 ? f.Tamanho : 12);
  c.setFontWeight(f.Negrito ? QFont::Bold : QFont::Normal);
  c.setFontItalic(f.Italico);
  return c;
}

// A text of the library as paragraphs: an empty line ends a paragraph, a
// single line break stays a line break inside it.
void Paragrafos(QTextCursor& cursor, const std::string& texto, const QTextCharFormat& formato,
                Qt::Alignment alinhamento, int nivelDeTitulo = 0) {
  QTextBlockFormat bloco;
  bloco.setAlignment(alinhamento);
  bloco.setBottomMargin(8);
  bloco.setHeadingLevel(nivelDeTitulo);
  if (nivelDeTitulo) bloco.setTopMargin(14);
  QString t = Q(texto);
  t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  for (const QString& paragrafo : t.split(QStringLiteral("\n\n"))) {
    if (paragrafo.trimmed().isEmpty()) continue;
    cursor.insertBlock(bloco, formato);
    QString linhas = paragrafo.trimmed();
    linhas.replace(QLatin1Char('\n'), QChar::LineSeparator);
    cursor.insertText(linhas, formato);
  }
}

void Quadrado(QTextCursor& cursor, const MapaCarmico& mapa, const Fontes& fontes) {
  QTextTableFormat tabela;
  tabela.setAlignment(Qt::AlignHCenter);
  tabela.setCellPadding(6);
  tabela.setBorder(1);
  tabela.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
  QTextTable* t = cursor.insertTable(3, 3, tabela);
  QTextCharFormat valor = Formato(fontes.FonteTexto);
  valor.setFontItalic(true);
  valor.setFontPointSize(std::max(7.0, valor.fontPointSize() - 3));
  QTextCharFormat conta = Formato(fontes.FonteTexto);
  conta.setFontWeight(QFont::Bold);
  conta.setFontPointSize(conta.fontPointSize() + 6);
  for (int v = 1; v <= 9; ++v) {
    QTextCursor c = t->cellAt((v - 1) % 3, (v - 1) / 3).firstCursorPosition();
    c.insertText(QString::number(v), valor);
    const int n = mapa.Inclusao[static_cast<size_t>(v - 1)];
    QTextBlockFormat centro;
    centro.setAlignment(Qt::AlignHCenter);
    c.insertBlock(centro, conta);
    c.insertText(n ? QString::number(n) : QString(), conta);
  }
  cursor.movePosition(QTextCursor::End);
}

}  // namespace

bool GravaOdt(const ConteudoDaAnalise& conteudo, QIODevice& destino) {
  QTextDocument documento;
  const Fontes& fontes = conteudo.fontes;
  documento.setDefaultFont(QFont(Q(fontes.FonteTexto.Nome), fontes.FonteTexto.Tamanho > 0 ? fontes.FonteTexto.Tamanho : 12));
  QTextCursor cursor(&documento);

  // The header as the first page shows it: the picture, then three centred lines.
  QTextBlockFormat centro;
  centro.setAlignment(Qt::AlignHCenter);
  cursor.setBlockFormat(centro);
  if (!conteudo.imagemCabecalho.Vazia()) {
    QImage imagem(240, 240, QImage::Format_ARGB32);
    imagem.fill(Qt::transparent);
    QPainter pintor(&imagem);
    conteudo.imagemCabecalho.Desenha(pintor, QRectF(0, 0, 240, 240), conteudo.opcoes.ImprimirPretoEmBranco);
    pintor.end();
    const QUrl nome(QStringLiteral("cabecalho.png"));
    documento.addResource(QTextDocument::ImageResource, nome, imagem);
    QTextImageFormat figura;
    figura.setName(nome.toString());
    figura.setWidth(80);
    figura.setHeight(80);
    cursor.insertImage(figura);
  }
  const std::string& linha =
      conteudo.tituloDoRelatorio.empty() ? conteudo.linhas.LinhaCabecalho : conteudo.tituloDoRelatorio;
  Paragrafos(cursor, linha, Formato({kFontePadrao, true, false, 20}), Qt::AlignHCenter);
  Paragrafos(cursor, conteudo.analise.NomeExibido, Formato({kFontePadrao, false, false, 14}), Qt::AlignHCenter);
  Paragrafos(cursor, DataPorExtenso(conteudo.analise.DataNascimento),
             Formato({kFontePadrao, false, false, 12}), Qt::AlignHCenter);

  const std::vector<BlocoDoRelatorio> blocos =
      conteudo.blocos.empty() ? BlocosDaAnalise(conteudo.analise, conteudo.opcoes, conteudo.ordem)
                              : conteudo.blocos;
  for (const BlocoDoRelatorio& b : blocos) {
    Paragrafos(cursor, b.Descricao, Formato(fontes.FonteDescricao), Qt::AlignJustify);
    Paragrafos(cursor, b.Titulo, Formato(fontes.FonteTitulo), Qt::AlignLeft, 1);
    if (b.Quadrado) Quadrado(cursor, *b.Quadrado, fontes);
    Paragrafos(cursor, b.Texto, Formato(fontes.FonteTexto), Qt::AlignJustify);
  }
  QTextDocumentWriter escritor(&destino, "ODF");
  return escritor.write(&documento);
}

}  // namespace cifra
