#include "superficie.h"

#include <QGlyphRun>
#include <QPainter>
#include <QString>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <tuple>
#include <unordered_map>

#include "engine/numerologia.h"
#include "engine/texto.h"
#include "figuras.h"

namespace cifra {
namespace {

constexpr double kU = SuperficieQPainter::kUnidadesPorMm;
constexpr double kMmPorPonto = kMmPorPolegada / 72;

QString ParaQt(std::u32string_view texto) {
  return QString::fromUcs4(texto.data(), static_cast<qsizetype>(texto.size()));
}

QFont QFontDaFonte(const Fonte& f) {
  QFont q(QString::fromStdString(AparaBrancos(f.Nome)));
  // The size in painter units: pixel sizes do not depend on the device's
  // resolution, and at a hundred units per millimetre their rounding is
  // below a thousandth of the size.
  const double unidades = std::max<double>(f.Tamanho, 1) * kMmPorPonto * kU;
  q.setPixelSize(std::max(1, static_cast<int>(std::lround(unidades))));
  q.setItalic(f.Italico);
  q.setBold(f.Negrito);
  q.setHintingPreference(QFont::PreferNoHinting);
  q.setStyleStrategy(QFont::StyleStrategy(QFont::PreferOutline | QFont::PreferQuality));
  return q;
}

}  // namespace

QColor CinzaDe(double claridade) {
  const double c = std::clamp(claridade, 0.0, 1.0);
  return QColor::fromRgbF(static_cast<float>(c), static_cast<float>(c), static_cast<float>(c));
}

// The fonts are sized some 400 painter units high, and Qt keeps no metrics
// for glyphs that large: every measure loads and scales each glyph again. A
// page measures the same words over and over, so the width of every short
// text (a word with its space) is kept, per font, for the whole run. Only
// numbers are kept, no Qt objects, so nothing outlives the application.
struct SuperficieQPainter::LargurasDaFonte {
  struct Hash {
    using is_transparent = void;
    size_t operator()(std::u32string_view t) const { return std::hash<std::u32string_view>{}(t); }
  };
  std::unordered_map<std::u32string, double, Hash, std::equal_to<>> larguras;

  static constexpr size_t kMaisLongoGuardado = 40;  // characters; lines are not kept
  static constexpr size_t kMaximo = 50000;          // texts per font, then start again

  static LargurasDaFonte& Da(const Fonte& f) {
    thread_local std::map<std::tuple<std::string, bool, bool, int>, LargurasDaFonte> fontes;
    return fontes[{f.Nome, f.Negrito, f.Italico, f.Tamanho}];
  }
};

// On a printer or PDF every word drawn would be shaped again, and the same
// words come back on every page. So each text is shaped once per font into
// its glyphs, placed as drawing it would place them (from its baseline
// origin), and drawn from there at every occurrence; the same shaping gives
// its width, the very figure QFontMetricsF would give. Qt objects, so they
// live with the surface. A picture or a screen page keeps only texts, never
// glyphs, so there a text is drawn (or kept) as text.
struct SuperficieQPainter::TextoFormado {
  QList<QGlyphRun> corridas;
  double largura;  // painter units
};

struct SuperficieQPainter::GlifosDaFonte {
  std::unordered_map<std::u32string, TextoFormado, LargurasDaFonte::Hash, std::equal_to<>> textos;
  // The font as resolved for the device, made once: a text laid out for a
  // device otherwise gets a font of its own, and Qt looks its engine up
  // again for every text.
  std::optional<QFont> noDispositivo;
};

struct SuperficieQPainter::GlifosDasFontes {
  std::map<std::tuple<std::string, bool, bool, int>, GlifosDaFonte> fontes;

  GlifosDaFonte& Da(const Fonte& f) { return fontes[{f.Nome, f.Negrito, f.Italico, f.Tamanho}]; }

  static TextoFormado Forma(const QString& texto, const QFont& fonteNoDispositivo) {
    QTextLayout layout(texto, fonteNoDispositivo);
    layout.setCacheEnabled(true);  // else the glyphs are shaped again for glyphRuns
    layout.beginLayout();
    const QTextLine linha = layout.createLine();
    layout.endLayout();
    TextoFormado forma{layout.glyphRuns(), linha.horizontalAdvance()};
    const QPointF base(linha.x(), linha.y() + linha.ascent());
    for (QGlyphRun& corrida : forma.corridas) {
      QList<QPointF> posicoes = corrida.positions();
      for (QPointF& p : posicoes) p -= base;
      corrida.setPositions(posicoes);
    }
    return forma;
  }
};

const SuperficieQPainter::TextoFormado& SuperficieQPainter::Glifos(std::u32string_view texto) const {
  auto& textos = glifosDaFonte_->textos;
  auto it = textos.find(texto);
  if (it == textos.end()) {
    auto& fonte = glifosDaFonte_->noDispositivo;
    if (!fonte) fonte.emplace(painter_->font(), painter_->device());
    it = textos.emplace(texto, GlifosDasFontes::Forma(ParaQt(texto), *fonte)).first;
  }
  return it->second;
}

SuperficieQPainter::~SuperficieQPainter() = default;

double SuperficieDeDesenho::TextWidth(std::string_view utf8) const {
  return TextWidth(std::u32string_view(Utf32(utf8)));
}

double SuperficieDeDesenho::TextHeight(std::string_view utf8) const {
  return MedeAltura(Utf32(utf8));
}

void SuperficieDeDesenho::Print(std::string_view utf8) { Desenha(Utf32(utf8)); }

void SuperficieDeDesenho::PrintLinha(std::span<const PecaDaLinha> pecas) {
  for (const PecaDaLinha& p : pecas) {
    CurrentX = p.x;
    Print(p.texto);
  }
}

SuperficieQPainter::SuperficieQPainter(double largura, double altura)
    : painter_(nullptr),
      largura_(largura),
      altura_(altura),
      tonsDeCinza_(false),
      fonte_{kFontePadrao, false, false, 12},
      fonteQt_(QFontDaFonte(fonte_)),
      metricas_(fonteQt_),
      larguras_(&LargurasDaFonte::Da(fonte_)) {}

SuperficieQPainter::SuperficieQPainter(QPainter& painter, double pontosPorMm, double largura,
                                       double altura, bool tonsDeCinza)
    : SuperficieQPainter(largura, altura) {
  painter_ = &painter;
  tonsDeCinza_ = tonsDeCinza;
  if (painter.device() && painter.device()->devType() != QInternal::Picture) {
    glifos_ = std::make_unique<GlifosDasFontes>();
    glifosDaFonte_ = &glifos_->Da(fonte_);
  }
  painter.resetTransform();
  painter.scale(pontosPorMm / kU, pontosPorMm / kU);
  painter.setPen(Qt::black);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setFont(fonteQt_);
}

void SuperficieQPainter::SetFonte(const Fonte& fonte) {
  fonte_ = fonte;
  fonte_.Nome = AparaBrancos(fonte.Nome);
  fonteQt_ = QFontDaFonte(fonte_);
  metricas_ = QFontMetricsF(fonteQt_);
  larguras_ = &LargurasDaFonte::Da(fonte_);
  if (glifos_) glifosDaFonte_ = &glifos_->Da(fonte_);
  if (painter_) painter_->setFont(fonteQt_);
}

double SuperficieQPainter::MedeLargura(std::u32string_view texto) const {
  if (texto.size() > LargurasDaFonte::kMaisLongoGuardado) {
    // A long text (a heading, a page's header) is kept only with its glyphs,
    // for the one document being printed.
    return glifos_ ? Glifos(texto).largura : metricas_.horizontalAdvance(ParaQt(texto));
  }
  auto& guardadas = larguras_->larguras;
  if (const auto it = guardadas.find(texto); it != guardadas.end()) return it->second;
  if (guardadas.size() >= LargurasDaFonte::kMaximo) guardadas.clear();
  const double largura =
      glifos_ ? Glifos(texto).largura : metricas_.horizontalAdvance(ParaQt(texto));
  guardadas.emplace(texto, largura);
  return largura;
}

double SuperficieQPainter::MedeAltura(std::u32string_view) const {
  return metricas_.lineSpacing() / kU;
}

QPointF SuperficieQPainter::OrigemDoTexto() const {
  return {CurrentX * kU, CurrentY * kU + metricas_.ascent()};
}

// Drawn as text, the origin is cut down to Qt's grid of 1/64 unit before
// the glyphs' advances are added; so it is here.
QPointF SuperficieQPainter::OrigemDosGlifos() const {
  const QPointF base = OrigemDoTexto();
  return {std::trunc(base.x() * 64) / 64, std::trunc(base.y() * 64) / 64};
}

void SuperficieQPainter::Desenha(std::u32string_view texto) {
  if (texto.empty()) return;
  painter_->setPen(Qt::black);
  if (!glifos_) {
    painter_->drawText(OrigemDoTexto(), ParaQt(texto));
    return;
  }
  const QPointF origem = OrigemDosGlifos();
  for (const QGlyphRun& corrida : Glifos(texto).corridas) painter_->drawGlyphRun(origem, corrida);
}

// Each word drawn alone is a text object of its own in a PDF, with its font
// and position set anew; a justified line of a dozen words then costs the
// writer and the file as much again as its glyphs. Put in one run per font,
// every glyph keeps the very position it had drawn alone.
void SuperficieQPainter::PrintLinha(std::span<const PecaDaLinha> pecas) {
  if (!glifos_) {
    SuperficieDeDesenho::PrintLinha(pecas);
    return;
  }
  std::vector<QGlyphRun> linha;
  std::vector<std::pair<QList<quint32>, QList<QPointF>>> glifos;
  for (const PecaDaLinha& p : pecas) {
    CurrentX = p.x;
    if (p.texto.empty()) continue;
    const QPointF origem = OrigemDosGlifos();
    for (const QGlyphRun& corrida : Glifos(p.texto).corridas) {
      size_t i = 0;
      while (i < linha.size() && linha[i].rawFont() != corrida.rawFont()) ++i;
      if (i == linha.size()) {
        linha.push_back(corrida);
        glifos.emplace_back();
      }
      glifos[i].first += corrida.glyphIndexes();
      for (const QPointF& posicao : corrida.positions()) glifos[i].second.push_back(origem + posicao);
    }
  }
  painter_->setPen(Qt::black);
  for (size_t i = 0; i < linha.size(); ++i) {
    linha[i].setGlyphIndexes(glifos[i].first);
    linha[i].setPositions(glifos[i].second);
    painter_->drawGlyphRun(QPointF(0, 0), linha[i]);
  }
}

void SuperficieQPainter::Barra(double x1, double y1, double x2, double y2) {
  painter_->fillRect(RetanguloDaBarra(x1, y1, x2, y2), Qt::black);
}

void SuperficieQPainter::RetanguloCinza(double x1, double y1, double x2, double y2,
                                        double claridade) {
  painter_->fillRect(RetanguloDaBarra(x1, y1, x2, y2), CinzaDe(claridade));
}

void SuperficieQPainter::PaintPicture(const Figura& figura, double x, double y, double largura,
                                      double altura) {
  if (figura.Vazia() || largura <= 0 || altura <= 0) return;
  figura.Desenha(*painter_, QRectF(x * kU, y * kU, largura * kU, altura * kU), tonsDeCinza_);
}

QRectF SuperficieQPainter::RetanguloDaBarra(double x1, double y1, double x2, double y2) {
  return QRectF(QPointF(x1 * kU, y1 * kU), QPointF(x2 * kU, y2 * kU)).normalized();
}

}  // namespace cifra
