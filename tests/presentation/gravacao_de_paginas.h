#pragma once
// Pages written down as text, one drawing operation a line ("P n" a page, "T"
// a text, "B" a bar, "C" a grey rectangle, "F" a picture, to a ten-thousandth
// of a millimetre) while a real surface draws them, to be compared with a
// recording in gravacoes/.
// After a change meant to move things, write the recordings anew with
// CIFRA_REGRAVAR=1 and look at the pages before committing them.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QPainter>
#include <QPicture>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "engine/numerologia.h"
#include "presentation/compositor.h"

namespace cifra::teste {

inline std::string Numero(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.4f", v);
  return buf;
}

// A real surface on a recorded page that also writes down what it is asked
// to draw.
class SuperficieGravada : public SuperficieQPainter {
 public:
  SuperficieGravada(QPainter& p, double largura, double altura, std::vector<std::string>& g)
      : SuperficieQPainter(p, kUnidadesPorMm, largura, altura), g_(g) {}

  void Barra(double x1, double y1, double x2, double y2) override {
    g_.push_back("B " + Numero(x1) + " " + Numero(y1) + " " + Numero(x2) + " " + Numero(y2));
    SuperficieQPainter::Barra(x1, y1, x2, y2);
  }
  void RetanguloCinza(double x1, double y1, double x2, double y2, double claridade) override {
    g_.push_back("C " + Numero(x1) + " " + Numero(y1) + " " + Numero(x2) + " " + Numero(y2) + " " +
                 Numero(claridade));
    SuperficieQPainter::RetanguloCinza(x1, y1, x2, y2, claridade);
  }
  void PaintPicture(const Figura& f, double x, double y, double l, double a) override {
    g_.push_back("F " + Numero(x) + " " + Numero(y) + " " + Numero(l) + " " + Numero(a) + " " +
                 f.Nome());
    SuperficieQPainter::PaintPicture(f, x, y, l, a);
  }

 protected:
  void Desenha(std::u32string_view t) override {
    const Fonte f = FonteAtual();
    g_.push_back("T " + Numero(CurrentX) + " " + Numero(CurrentY) + " " + f.Nome + "/" +
                 std::to_string(f.Tamanho) + (f.Negrito ? "b" : "") + (f.Italico ? "i" : "") +
                 " " + Utf8(t));
    SuperficieQPainter::Desenha(t);
  }

 private:
  std::vector<std::string>& g_;
};

// Pages recorded one after the other into one list.
class FolhasGravadas : public Paginador {
 public:
  FolhasGravadas(double largura, double altura, std::vector<std::string>& g)
      : largura_(largura), altura_(altura), g_(g) {}
  ~FolhasGravadas() override { Termina(); }

  SuperficieDeDesenho& NovaFolha() override {
    Termina();
    g_.push_back("P " + std::to_string(++folhas_));
    painter_ = std::make_unique<QPainter>(&folha_);
    superficie_ = std::make_unique<SuperficieGravada>(*painter_, largura_, altura_, g_);
    return *superficie_;
  }

 private:
  void Termina() {
    superficie_.reset();
    painter_.reset();
  }
  double largura_, altura_;
  std::vector<std::string>& g_;
  int folhas_ = 0;
  QPicture folha_;
  std::unique_ptr<QPainter> painter_;
  std::unique_ptr<SuperficieGravada> superficie_;
};

// The first ten operations that differ from the recording `nome`, and the
// count; with CIFRA_REGRAVAR set, written as the new recording.
inline void ComparaComAGravacao(const std::vector<std::string>& agora, const char* nome) {
  QFile arquivo(QStringLiteral(CIFRA_GRAVACOES_DIR "/") + QLatin1String(nome));
  if (!qEnvironmentVariableIsEmpty("CIFRA_REGRAVAR")) {
    QByteArray tudo;
    for (const auto& l : agora) tudo += QByteArray::fromStdString(l) + '\n';
    ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly)) << nome;
    arquivo.write(qCompress(tudo, 9));
    return;
  }
  std::vector<std::string> antes;
  if (arquivo.open(QIODevice::ReadOnly)) {
    for (const QByteArray& l : qUncompress(arquivo.readAll()).split('\n')) {
      if (!l.isEmpty()) antes.push_back(l.toStdString());
    }
  }
  ASSERT_FALSE(antes.empty()) << "no recording " << nome;
  for (size_t i = 0, diferencas = 0; i < std::min(antes.size(), agora.size()) && diferencas < 10; ++i) {
    if (antes[i] == agora[i]) continue;
    ADD_FAILURE() << "operation " << i + 1 << "\n  was: " << antes[i] << "\n  now: " << agora[i];
    ++diferencas;
  }
  EXPECT_EQ(antes.size(), agora.size()) << "operations recorded";
}

}  // namespace cifra::teste
