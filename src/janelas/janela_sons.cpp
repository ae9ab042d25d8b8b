#include "janela_sons.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <filesystem>

#include "library/arquivo_registros.h"
#include "library/padroes.h"

namespace cifra {

TocadorDeSons::TocadorDeSons(PastaDeDados pasta, QObject* pai)
    : QObject(pai), pasta_(std::move(pasta)) {}

TocadorDeSons::~TocadorDeSons() = default;

void TocadorDeSons::Toca(const std::string& arquivo, bool emRepeticao) {
  pedidos_.push_back(arquivo);
  Para();
  if (semAudio_) return;
  if (!efeito_) {
    // The audio back end is loaded with the first sound, not at start-up.
    if (QMediaDevices::audioOutputs().isEmpty()) {
      semAudio_ = true;
      return;
    }
    efeito_ = std::make_unique<QSoundEffect>();
  }
  std::error_code ec;
  const auto caminho = pasta_.Arquivo(arquivo);
  if (std::filesystem::is_regular_file(caminho, ec)) {
    efeito_->setSource(QUrl::fromLocalFile(QString::fromStdString(caminho.string())));
  } else if (const std::string recurso = RecursoPadrao(arquivo); !NomeOcupado(caminho) && !recurso.empty()) {
    // A sound the folder lacks and could not be given: the program's own copy.
    efeito_->setSource(QUrl(QStringLiteral("qrc") + QString::fromStdString(recurso)));
  } else {
    return;
  }
  efeito_->setLoopCount(emRepeticao ? QSoundEffect::Infinite : 1);
  efeito_->play();
}

void TocadorDeSons::Para() {
  if (efeito_) efeito_->stop();
}

}  // namespace cifra
