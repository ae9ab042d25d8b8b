#pragma once
// Random-access files of fixed-size records: no header, no count. Every
// operation opens the file, reads or writes whole records and closes it, so
// another program (or another build) can edit the same folder in between.
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "engine/texto.h"

namespace cifra {

// A file that could not be created, read or written; the message is for the operator.
class ErroDeArquivo : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The code MensagemDeFalha takes for a name that is neither a file nor a
// folder (a FIFO, a device, a socket); errno codes are all positive.
inline constexpr int kNaoEhArquivoComum = -2;
// "Não foi possível <acao> o arquivo "<caminho>"." and, from the error code
// of the call that failed (an errno value, 0 when there is none), what the
// operator can do about it.
std::string MensagemDeFalha(std::string_view acao, const std::filesystem::path& caminho,
                            int codigoDeErro);
// Just the reason, with its leading space ("" for 0).
std::string MotivoDaFalha(const std::filesystem::path& caminho, int codigoDeErro);

// Whether anything has that name: a file, a folder or a symbolic link, even
// one that leads nowhere (which must then be reported, never written over).
bool NomeOcupado(const std::filesystem::path& caminho);

// The file a write to caminho really changes. A symbolic link is written at
// its target, the link kept, when the target lies in the link's own folder
// (or below it): a file of the data folder never leads the program to write
// outside that folder. A link that leads out of its folder, or nowhere (a
// missing target, a loop), is refused: throws ErroDeArquivo naming caminho.
// A device or a pipe behind a link is written in place (GravaArquivoInteiro).
std::filesystem::path ArquivoParaGravar(const std::filesystem::path& caminho);

// Writes a whole file aside (a new file in the same folder) and then puts it
// in place of the old one in one step, so that a failed or interrupted write
// leaves the old file exactly as it was. An existing file keeps its
// permissions; one that the program may not write is refused before anything
// is written. A device, a pipe or an open descriptor (/dev/stdout) is
// written in place, never replaced; a symbolic link follows
// ArquivoParaGravar. Throws ErroDeArquivo.
void GravaArquivoInteiro(const std::filesystem::path& caminho, std::string_view bytes);

// Puts a new file with bytes at caminho only while nothing has that name
// (written aside, then moved in without replacing), so programs starting
// together never read half a file nor replace one another's. Returns whether
// this call put it there. Throws ErroDeArquivo.
bool InstalaSeAusente(const std::filesystem::path& caminho, std::string_view bytes);

// A save writes its new file aside as ".NAME.XXXXXX" (six letters or
// digits) and then renames it; a program killed in between leaves that file
// behind, with a whole copy of the data (54 MB for a large register). Those
// left in the folder are removed: only hidden files of that exact form,
// regular files of this user, standing for a file the folder holds or for
// one of `nossos` (compared without regard to case), and untouched for
// `idade`. The age keeps a save still running in another program (the
// command line beside the windows) safe: a save writes its copy within
// seconds and renames it at once. Returns how many were removed; anything
// that cannot be removed stays, unsaid.
int RemoveProvisoriosAbandonados(const std::filesystem::path& pasta,
                                 const std::vector<std::string>& nossos,
                                 std::chrono::seconds idade);
inline constexpr std::chrono::minutes kIdadeDeProvisorioAbandonado{10};

// Notices about a file the program went on with although it was not as it
// should be (larger than its format holds, cut short). Each is said once per
// run, however often the file is read; whoever shows messages to the operator
// takes the pending ones after an action.
void AvisaSobreArquivo(std::string mensagem);
std::vector<std::string> TomaAvisosSobreArquivos();

class ArquivoDeRegistros {
 public:
  // Opens the file, creating it empty when it does not exist. No format of
  // the folder holds more than maximoDeRegistros records: whatever lies past
  // them (a file grown by mistake, a sparse file of gigabytes) is never read,
  // and reading such a file says so once (AvisaSobreArquivo).
  ArquivoDeRegistros(std::filesystem::path caminho, size_t tamanhoDoRegistro,
                     int64_t maximoDeRegistros);

  uint64_t Tamanho() const;
  bool Vazio() const { return Tamanho() == 0; }
  // Whether the file holds more than its format can.
  bool Excede() const;
  // Number of whole or partial records, at most maximoDeRegistros.
  int64_t Registros() const;
  // Record n (from 1). Bytes beyond the end of the file (or past the
  // format's last record) read as zeros.
  std::vector<uint8_t> Le(int64_t n) const;
  // Record n as far as the file holds it: shorter than a record (even empty)
  // when the file ends inside it.
  std::vector<uint8_t> LePresente(int64_t n) const;
  // The whole file up to the format's last record, for files read in one piece.
  std::vector<uint8_t> LeTudo() const;
  // The same bytes handed over `porVez` records at a time, from one opening
  // of the file, for files too large to hold whole; the last block may end
  // inside a record.
  void LeEmBlocos(size_t porVez, const std::function<void(std::span<const uint8_t>)>& bloco) const;
  // Writes bytes at the start of record n (from 1, at most
  // maximoDeRegistros); a shorter buffer leaves the rest of the record as it
  // was. A gap before the record is zero-filled. The file is rewritten aside
  // and replaced (GravaArquivoInteiro): a write that fails leaves it
  // untouched. A file larger than its format is written back at the
  // format's size: what lay past it was never read.
  void Grava(int64_t n, std::span<const uint8_t> bytes);
  // Several records in one replacement: either all of them are written or
  // the file stays as it was.
  struct Registro {
    int64_t n;
    std::vector<uint8_t> bytes;
  };
  void Grava(std::span<const Registro> registros);

  const std::filesystem::path& Caminho() const { return caminho_; }

 private:
  // Says once that the file is larger than its format.
  void AvisaSeExcede() const;
  // What a whole read of the open file takes: its size, up to the format's last record.
  uint64_t BytesALer(int fd) const;

  std::filesystem::path caminho_;
  size_t tamanho_;
  int64_t maximo_;
};

// Field helpers over a record's bytes: little-endian integers and
// blank-padded Windows-1252 texts. A field past the end of the bytes reads as zero.
int16_t LeInt16(std::span<const uint8_t> r, size_t pos);
uint16_t LeUInt16(std::span<const uint8_t> r, size_t pos);
void GravaInt16(std::span<uint8_t> r, size_t pos, int16_t v);
float LeFloat(std::span<const uint8_t> r, size_t pos);
void GravaFloat(std::span<uint8_t> r, size_t pos, float v);
// Flags are stored True -1, False 0; any non-zero value reads as True.
inline bool LeFlag(std::span<const uint8_t> r, size_t pos) { return LeInt16(r, pos) != 0; }
inline void GravaFlag(std::span<uint8_t> r, size_t pos, bool v) { GravaInt16(r, pos, v ? -1 : 0); }

// Decoded text of a fixed field, blanks and NUL bytes at both ends removed.
std::string LeTextoFixo(std::span<const uint8_t> r, size_t pos, size_t tamanho);
// Encodes the text, cuts it to the field and pads it with blanks.
void GravaTextoFixo(std::span<uint8_t> r, size_t pos, size_t tamanho, std::string_view utf8);

}  // namespace cifra
