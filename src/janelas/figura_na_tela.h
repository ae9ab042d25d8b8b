#pragma once
// A built-in picture (":/imagens/<nome>") drawn at a size, for labels and icons.
#include <QPainter>
#include <QPixmap>
#include <QRectF>
#include <QSize>
#include <string>

#include "presentation/figuras.h"

namespace cifra {

inline QPixmap PixmapDoRecurso(const std::string& nome, QSize tamanho) {
  FigurasDoPrograma();  // makes the built-in pictures reachable
  QPixmap pixmap(tamanho);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  Figura::DoRecurso(":/imagens/" + nome)
      .Desenha(painter, QRectF(0, 0, tamanho.width(), tamanho.height()), false);
  return pixmap;
}

}  // namespace cifra
