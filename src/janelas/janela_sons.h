#pragma once
// The program's sounds: WAV files of the data folder, played without
// waiting. Every sound is optional: a missing file, a machine without an
// audio output or a sound that cannot be decoded plays nothing and says
// nothing.
#include <QObject>
#include <memory>
#include <string>
#include <vector>

#include "library/pasta_dados.h"

class QSoundEffect;

namespace cifra {

inline constexpr const char* kSomDeBoasVindas = "welcomeb.wav";
inline constexpr const char* kSomDeEspera = "aguarda.wav";
inline constexpr const char* kSomDaFolha = "virafolh.wav";

class TocadorDeSons : public QObject {
  Q_OBJECT
 public:
  explicit TocadorDeSons(PastaDeDados pasta, QObject* pai = nullptr);
  ~TocadorDeSons() override;

  // Starts the sound (a name of the data folder), stopping the one playing;
  // emRepeticao plays it over and over until another sound starts.
  void Toca(const std::string& arquivo, bool emRepeticao = false);
  void Para();

  // Every sound asked for, in order, whether it could be heard or not.
  const std::vector<std::string>& Pedidos() const { return pedidos_; }

 private:
  PastaDeDados pasta_;
  std::unique_ptr<QSoundEffect> efeito_;
  bool semAudio_ = false;  // decided on the first sound
  std::vector<std::string> pedidos_;
};

}  // namespace cifra
