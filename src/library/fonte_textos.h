#pragma once
// The readable source of a text file of the default library: an optional
// header of lines opened by "#" (notes for the editor), then records
// introduced by a line "[N]" (anything after the bracket is a comment); a
// record's text is the lines that follow, joined by CR LF, without leading
// and trailing empty lines. The source may end its lines in LF, CR LF or CR.
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>

namespace cifra {

class ErroNaFonte : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Record number -> text (UTF-8). Throws ErroNaFonte on a malformed source.
std::map<int, std::string> LeFonteDeTextos(std::string_view conteudo);

}  // namespace cifra
