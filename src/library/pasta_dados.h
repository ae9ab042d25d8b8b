#pragma once
// The data folder: every file the operator can change lives here. Names are
// found without regard to case, so "HEADER.DAT" serves "Header.DAT"; a file
// that does not exist yet gets the name the program gives it.
#include <filesystem>
#include <string_view>

namespace cifra {

class PastaDeDados {
 public:
  // Creates the folder when it is missing (throws ErroDeArquivo when it cannot).
  explicit PastaDeDados(std::filesystem::path raiz);

  const std::filesystem::path& Raiz() const { return raiz_; }
  std::filesystem::path Arquivo(std::string_view nome) const;

 private:
  std::filesystem::path raiz_;
};

}  // namespace cifra
