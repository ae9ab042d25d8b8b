#include "superficie.h"

#include <QPainter>
#include <QString>
#include <algorithm>
#include <cmath>

#include "engine/numerologia.h"
#include "engine/texto.h"
#include "figuras.h"

namespace cifra {
namespace {

constexpr double kU = SuperficieQPainter::kUnidadesPorMm;
constexpr double kMmPorPonto = 25.4 / 72;

QString ParaQt(std::u32string_view texto) {
  return QString::fromUcs4(texto.data(), static_cast<qsizetype>(texto.size()));
}

QFont FonteQt(const Fonte& f) {
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

double SuperficieDeDesenho::TextWidth(std::string_view utf8) const {
  return MedeLargura(Utf32(utf8));
}

double SuperficieDeDesenho::TextHeight(std::string_view utf8) const {
  return MedeAltura(Utf32(utf8));
}

void SuperficieDeDesenho::Print(std::string_view utf8) { Desenha(Utf32(utf8)); }

SuperficieQPainter::SuperficieQPainter(QPainter& painter, double pontosPorMm, double largura,
                                       double altura, bool tonsDeCinza)
    : painter_(painter),
      largura_(largura),
      altura_(altura),
      tonsDeCinza_(tonsDeCinza),
      fonte_{kFontePadrao, false, false, 12},
      fonteQt_(FonteQt(fonte_)),
      metricas_(fonteQt_) {
  painter_.resetTransform();
  painter_.scale(pontosPorMm / kU, pontosPorMm / kU);
  painter_.setPen(Qt::black);
  painter_.setRenderHint(QPainter::Antialiasing);
  painter_.setRenderHint(QPainter::TextAntialiasing);
  painter_.setFont(fonteQt_);
}

void SuperficieQPainter::SetFonte(const Fonte& fonte) {
  fonte_ = fonte;
  fonte_.Nome = AparaBrancos(fonte.Nome);
  fonteQt_ = FonteQt(fonte_);
  metricas_ = QFontMetricsF(fonteQt_);
  painter_.setFont(fonteQt_);
}

double SuperficieQPainter::MedeLargura(std::u32string_view texto) const {
  return metricas_.horizontalAdvance(ParaQt(texto)) / kU;
}

double SuperficieQPainter::MedeAltura(std::u32string_view) const {
  return metricas_.lineSpacing() / kU;
}

void SuperficieQPainter::Desenha(std::u32string_view texto) {
  if (texto.empty()) return;
  painter_.setPen(Qt::black);
  painter_.drawText(QPointF(CurrentX * kU, CurrentY * kU + metricas_.ascent()), ParaQt(texto));
}

void SuperficieQPainter::Barra(double x1, double y1, double x2, double y2) {
  const QRectF r = QRectF(QPointF(x1 * kU, y1 * kU), QPointF(x2 * kU, y2 * kU)).normalized();
  painter_.fillRect(r, Qt::black);
}

void SuperficieQPainter::PaintPicture(const Figura& figura, double x, double y, double largura,
                                      double altura) {
  if (figura.Vazia() || largura <= 0 || altura <= 0) return;
  figura.Desenha(painter_, QRectF(x * kU, y * kU, largura * kU, altura * kU), tonsDeCinza_);
}

}  // namespace cifra
