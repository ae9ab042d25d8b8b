#include "arquivo_registros.h"

#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cctype>
#include <cerrno>
#include <mutex>
#include <set>
#include <system_error>

#include "windows1252.h"

namespace cifra {
namespace fs = std::filesystem;

namespace {

// A file descriptor closed on every way out.
class Descritor {
 public:
  explicit Descritor(int fd) : fd_(fd) {}
  ~Descritor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descritor(const Descritor&) = delete;
  Descritor& operator=(const Descritor&) = delete;
  Descritor(Descritor&& outro) noexcept : fd_(std::exchange(outro.fd_, -1)) {}
  int fd() const { return fd_; }
  bool Aberto() const { return fd_ >= 0; }
  // Closes now, so that a failure of the close itself is seen; the error code or 0.
  int Fecha() {
    const int r = ::close(fd_);
    fd_ = -1;
    return r == 0 ? 0 : errno;
  }

 private:
  int fd_;
};

[[noreturn]] void Falha(std::string_view acao, const fs::path& caminho, int codigo) {
  throw ErroDeArquivo(MensagemDeFalha(acao, caminho, codigo));
}

// Reads up to n bytes at an offset; fewer at the end of the file. The error code or 0.
int LeEm(int fd, uint8_t* destino, size_t n, uint64_t inicio, size_t* lidos) {
  *lidos = 0;
  while (*lidos < n) {
    const ssize_t r = ::pread(fd, destino + *lidos, n - *lidos,
                              static_cast<off_t>(inicio + *lidos));
    if (r < 0 && errno == EINTR) continue;
    if (r < 0) return errno;
    if (r == 0) break;
    *lidos += static_cast<size_t>(r);
  }
  return 0;
}

// Writes every byte; a short write (a full disk, a size limit) is an error.
int EscreveTudo(int fd, const char* origem, size_t n) {
  size_t escritos = 0;
  while (escritos < n) {
    const ssize_t r = ::write(fd, origem + escritos, n - escritos);
    if (r < 0 && errno == EINTR) continue;
    if (r < 0) return errno;
    if (r == 0) return ENOSPC;
    escritos += static_cast<size_t>(r);
  }
  return 0;
}

// A new file beside caminho holding bytes, synced: its name, or throws
// (nothing is left behind then).
std::string ProvisorioCom(const fs::path& caminho, std::string_view bytes, mode_t modo) {
  // A hidden file in the same folder (the same disk, so the final rename
  // cannot fail half-way).
  std::string provisorio =
      (caminho.parent_path() / ("." + caminho.filename().string() + ".XXXXXX")).string();
  Descritor novo(::mkstemp(provisorio.data()));
  if (!novo.Aberto()) Falha("gravar", caminho, errno);
  int codigo = EscreveTudo(novo.fd(), bytes.data(), bytes.size());
  if (!codigo && ::fchmod(novo.fd(), modo) != 0) codigo = errno;
  if (!codigo && ::fsync(novo.fd()) != 0) codigo = errno;
  if (!codigo) codigo = novo.Fecha();
  if (codigo) {
    ::unlink(provisorio.c_str());
    Falha("gravar", caminho, codigo);
  }
  return provisorio;
}

mode_t ModoDeArquivoNovo() {
  const mode_t mascara = ::umask(0);
  ::umask(mascara);
  return 0666 & ~mascara;
}

// The permissions the rewritten file gets: those of the existing file, which
// must be writable as it is (replacing a read-only file by a new one would
// get round its protection), or the usual ones for a new file.
mode_t ModoParaGravar(const fs::path& caminho) {
  struct stat info {};
  if (::stat(caminho.c_str(), &info) != 0) {
    if (errno != ENOENT) Falha("gravar", caminho, errno);
    return ModoDeArquivoNovo();
  }
  if (S_ISDIR(info.st_mode)) Falha("gravar", caminho, EISDIR);
  Descritor teste(::open(caminho.c_str(), O_WRONLY | O_CLOEXEC));
  if (!teste.Aberto()) Falha("gravar", caminho, errno);
  return info.st_mode & 07777;
}

}  // namespace

std::string MotivoDaFalha(const fs::path& caminho, int codigo) {
  std::string motivo;
  std::error_code ec;
  // A link that leads nowhere fails its open as a missing file would.
  if ((codigo == ENOENT || codigo == ELOOP) && fs::is_symlink(fs::symlink_status(caminho, ec))) {
    codigo = ELOOP;
  }
  switch (codigo) {
    case ENOSPC:
    case EDQUOT:
      motivo = " Não há espaço livre no disco.";
      break;
    case EFBIG:
      motivo = " O arquivo ficaria maior do que o sistema permite.";
      break;
    case EACCES:
    case EPERM:
    case EROFS:
      motivo = " O programa não tem permissão para isso.";
      break;
    case EISDIR:
      motivo = " É uma pasta, e não um arquivo.";
      break;
    case kNaoEhArquivoComum:
      motivo = " Não é um arquivo comum (é um dispositivo, um FIFO ou um soquete).";
      break;
    case ENOENT:
      motivo = " A pasta não existe.";
      break;
    case ENOTDIR:
      motivo = " Uma parte do caminho é um arquivo, e não uma pasta.";
      break;
    case ELOOP:
      motivo = " É um atalho (link simbólico) que não leva a nenhum arquivo.";
      break;
    case ENAMETOOLONG:
      motivo = " O nome é longo demais.";
      break;
    case EIO:
      motivo = " O disco informou um erro de leitura ou gravação.";
      break;
    case 0:
      break;
    default:
      motivo = " Verifique a pasta e o disco.";
  }
  return motivo;
}

std::string MensagemDeFalha(std::string_view acao, const fs::path& caminho, int codigo) {
  return "Não foi possível " + std::string(acao) + " o arquivo \"" + caminho.string() + "\"." +
         MotivoDaFalha(caminho, codigo);
}

bool NomeOcupado(const fs::path& caminho) {
  struct stat info {};
  return ::lstat(caminho.c_str(), &info) == 0;
}

fs::path ArquivoParaGravar(const fs::path& caminho) {
  std::error_code ec;
  if (!fs::is_symlink(fs::symlink_status(caminho, ec))) return caminho;
  const fs::path alvo = fs::canonical(caminho, ec);
  if (ec) Falha("gravar", caminho, ELOOP);
  const fs::path pasta = fs::canonical(fs::absolute(caminho, ec).parent_path(), ec);
  const auto [fim, _] = std::mismatch(pasta.begin(), pasta.end(), alvo.begin(), alvo.end());
  if (ec || fim != pasta.end()) {
    throw ErroDeArquivo("Não foi possível gravar o arquivo \"" + caminho.string() +
                        "\". É um atalho (link simbólico) para fora da sua pasta, e o programa "
                        "não grava fora dela.");
  }
  return alvo;
}

bool InstalaSeAusente(const fs::path& caminho, std::string_view bytes) {
  struct stat info {};
  if (::lstat(caminho.c_str(), &info) == 0) return false;
  const std::string provisorio = ProvisorioCom(caminho, bytes, ModoDeArquivoNovo());
  // Put in place only while nothing has that name: a program that got there
  // first (or the operator) keeps its file, and a reader sees the whole
  // file or none. A filesystem without the no-replace rename gets a hard
  // link, which fails just as well when the name is taken.
  if (::renameat2(AT_FDCWD, provisorio.c_str(), AT_FDCWD, caminho.c_str(), RENAME_NOREPLACE) == 0) {
    return true;
  }
  int codigo = errno;
  if (codigo == EINVAL) codigo = ::link(provisorio.c_str(), caminho.c_str()) == 0 ? 0 : errno;
  ::unlink(provisorio.c_str());
  if (codigo == 0) return true;
  if (codigo == EEXIST) return false;
  Falha("gravar", caminho, codigo);
}

void GravaArquivoInteiro(const fs::path& pedido, std::string_view bytes) {
  struct stat info {};
  std::error_code ec;
  const std::string absoluto = fs::absolute(pedido, ec).lexically_normal().string();
  // /dev/stdout, /dev/fd/N and /proc/self/fd/N name a descriptor already
  // open (a file the shell opened, perhaps to append), so they are written
  // in place like a device.
  const bool doSistema = absoluto.starts_with("/dev/") || absoluto.starts_with("/proc/");
  if (doSistema ||
      (::stat(pedido.c_str(), &info) == 0 && !S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode))) {
    // A device or a pipe (/dev/null, /dev/full): there is nothing to put
    // aside, and it must never be replaced by a file.
    Descritor destino(::open(pedido.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC));
    int codigo = destino.Aberto() ? EscreveTudo(destino.fd(), bytes.data(), bytes.size()) : errno;
    if (destino.Aberto()) codigo = codigo ? codigo : destino.Fecha();
    if (codigo) Falha("gravar", pedido, codigo);
    return;
  }
  // Renamed over the link's target, not over the link itself.
  const fs::path caminho = ArquivoParaGravar(pedido);
  const std::string provisorio = ProvisorioCom(caminho, bytes, ModoParaGravar(caminho));
  if (::rename(provisorio.c_str(), caminho.c_str()) != 0) {
    const int codigo = errno;
    ::unlink(provisorio.c_str());
    Falha("gravar", caminho, codigo);
  }
}

int RemoveProvisoriosAbandonados(const fs::path& pasta, const std::vector<std::string>& nossos,
                                 std::chrono::seconds idade) {
  std::error_code ec;
  std::set<std::string> nomes;
  auto maiusculas = [](std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
  };
  for (const std::string& n : nossos) nomes.insert(maiusculas(n));
  std::vector<fs::path> candidatos;
  for (fs::directory_iterator it(pasta, ec), fim; !ec && it != fim; it.increment(ec)) {
    const std::string nome = it->path().filename().string();
    constexpr size_t kSufixo = 7;  // ".XXXXXX"
    if (nome.size() < 2 + kSufixo || nome[0] != '.' || nome[nome.size() - kSufixo] != '.') continue;
    const std::string sufixo = nome.substr(nome.size() - kSufixo + 1);
    if (!std::all_of(sufixo.begin(), sufixo.end(),
                     [](unsigned char c) { return std::isalnum(c) != 0; })) {
      continue;
    }
    const std::string original = nome.substr(1, nome.size() - 1 - kSufixo);
    std::error_code semArquivo;
    if (nomes.count(maiusculas(original)) || fs::is_regular_file(pasta / original, semArquivo)) {
      candidatos.push_back(it->path());
    }
  }
  const auto agora = std::chrono::system_clock::now();
  int removidos = 0;
  for (const fs::path& p : candidatos) {
    struct stat info {};
    if (::lstat(p.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::geteuid()) {
      continue;
    }
    const auto mudado = std::chrono::system_clock::from_time_t(info.st_mtim.tv_sec);
    if (agora - mudado < idade) continue;
    if (::unlink(p.c_str()) == 0) ++removidos;
  }
  return removidos;
}

namespace {

// Shared by every reader of the run (an analysis may be built on another
// thread while the windows read), hence the lock.
struct Avisos {
  std::mutex trava;
  std::set<std::string> ditos;
  std::vector<std::string> pendentes;
};

Avisos& AvisosDoPrograma() {
  static Avisos avisos;
  return avisos;
}

}  // namespace

void AvisaSobreArquivo(std::string mensagem) {
  Avisos& a = AvisosDoPrograma();
  const std::lock_guard trava(a.trava);
  if (a.ditos.insert(mensagem).second) a.pendentes.push_back(std::move(mensagem));
}

std::vector<std::string> TomaAvisosSobreArquivos() {
  Avisos& a = AvisosDoPrograma();
  const std::lock_guard trava(a.trava);
  return std::exchange(a.pendentes, {});
}

ArquivoDeRegistros::ArquivoDeRegistros(fs::path caminho, size_t tamanho, int64_t maximo)
    : caminho_(std::move(caminho)), tamanho_(tamanho), maximo_(maximo) {
  struct stat info {};
  if (::stat(caminho_.c_str(), &info) == 0) {
    // A folder or a FIFO where the file should be is not an empty file:
    // it is said, as a file that cannot be read is.
    if (S_ISDIR(info.st_mode)) Falha("ler", caminho_, EISDIR);
    if (!S_ISREG(info.st_mode)) Falha("ler", caminho_, kNaoEhArquivoComum);
    return;
  }
  // A link that leads nowhere is reported like a file that cannot be read;
  // nothing is created through it.
  if (NomeOcupado(caminho_)) Falha("ler", caminho_, errno);
  Descritor cria(::open(caminho_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
  if (!cria.Aberto() && errno != EEXIST) Falha("criar", caminho_, errno);
}

uint64_t ArquivoDeRegistros::Tamanho() const {
  std::error_code ec;
  const auto t = fs::file_size(caminho_, ec);
  return ec ? 0 : t;
}

bool ArquivoDeRegistros::Excede() const {
  return Tamanho() > static_cast<uint64_t>(maximo_) * tamanho_;
}

int64_t ArquivoDeRegistros::Registros() const {
  return std::min(maximo_, static_cast<int64_t>((Tamanho() + tamanho_ - 1) / tamanho_));
}

namespace {

// A size as the operator reads it: "512 bytes", "600 KB", "1,5 GB".
std::string TamanhoLegivel(uint64_t bytes) {
  if (bytes < 10 * 1024) return std::to_string(bytes) + " bytes";
  const char* unidades[] = {"KB", "MB", "GB", "TB"};
  double valor = static_cast<double>(bytes) / 1024;
  size_t u = 0;
  while (valor >= 1024 && u + 1 < std::size(unidades)) valor /= 1024, ++u;
  const auto decimos = static_cast<uint64_t>(valor * 10 + 0.5);
  std::string texto = std::to_string(decimos / 10);
  if (valor < 100 && decimos % 10) texto += "," + std::to_string(decimos % 10);
  return texto + " " + unidades[u];
}

}  // namespace

void ArquivoDeRegistros::AvisaSeExcede() const {
  if (!Excede()) return;
  const uint64_t limite = static_cast<uint64_t>(maximo_) * tamanho_;
  AvisaSobreArquivo("Ao ler o arquivo \"" + caminho_.string() + "\": ele tem " +
                    TamanhoLegivel(Tamanho()) + ", mais do que o seu formato comporta (" +
                    TamanhoLegivel(limite) + "). Só o começo foi usado; o resto é ignorado e "
                    "some quando o arquivo for gravado pelo programa.");
}

namespace {

// Opened for reading only when it is a regular file: a FIFO or a device in
// its place would block the program in open() or feed it without end. The
// open does not wait (O_NONBLOCK), and fstat then decides.
Descritor AbreParaLer(const fs::path& caminho) {
  Descritor f(::open(caminho.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (!f.Aberto()) Falha("ler", caminho, errno);
  struct stat info {};
  if (::fstat(f.fd(), &info) != 0) Falha("ler", caminho, errno);
  if (S_ISDIR(info.st_mode)) Falha("ler", caminho, EISDIR);
  if (!S_ISREG(info.st_mode)) Falha("ler", caminho, kNaoEhArquivoComum);
  return f;
}

}  // namespace

std::vector<uint8_t> ArquivoDeRegistros::Le(int64_t n) const {
  std::vector<uint8_t> bytes = LePresente(n);
  bytes.resize(tamanho_, 0);  // a short read leaves zeros in place
  return bytes;
}

std::vector<uint8_t> ArquivoDeRegistros::LePresente(int64_t n) const {
  if (n < 1 || n > maximo_) return {};
  const uint64_t inicio = static_cast<uint64_t>(n - 1) * tamanho_;
  if (inicio >= Tamanho()) return {};
  AvisaSeExcede();
  Descritor f = AbreParaLer(caminho_);
  std::vector<uint8_t> bytes(tamanho_, 0);
  size_t lidos = 0;
  if (const int codigo = LeEm(f.fd(), bytes.data(), tamanho_, inicio, &lidos)) {
    Falha("ler", caminho_, codigo);
  }
  bytes.resize(lidos);
  return bytes;
}

std::vector<uint8_t> ArquivoDeRegistros::LeTudo() const {
  Descritor f = AbreParaLer(caminho_);
  std::vector<uint8_t> bytes(static_cast<size_t>(BytesALer(f.fd())), 0);
  size_t lidos = 0;
  if (const int codigo = LeEm(f.fd(), bytes.data(), bytes.size(), 0, &lidos)) {
    Falha("ler", caminho_, codigo);
  }
  bytes.resize(lidos);
  return bytes;
}

uint64_t ArquivoDeRegistros::BytesALer(int fd) const {
  struct stat info {};
  if (::fstat(fd, &info) != 0) Falha("ler", caminho_, errno);
  AvisaSeExcede();
  return std::min(static_cast<uint64_t>(info.st_size), static_cast<uint64_t>(maximo_) * tamanho_);
}

void ArquivoDeRegistros::LeEmBlocos(
    size_t porVez, const std::function<void(std::span<const uint8_t>)>& bloco) const {
  Descritor f = AbreParaLer(caminho_);
  const uint64_t limite = BytesALer(f.fd());
  std::vector<uint8_t> bytes(static_cast<size_t>(std::min<uint64_t>(limite, porVez * tamanho_)));
  for (uint64_t inicio = 0; inicio < limite;) {
    size_t lidos = 0;
    const size_t quantos = static_cast<size_t>(std::min<uint64_t>(bytes.size(), limite - inicio));
    if (const int codigo = LeEm(f.fd(), bytes.data(), quantos, inicio, &lidos)) {
      Falha("ler", caminho_, codigo);
    }
    if (lidos == 0) break;  // the file shrank while it was read
    bloco(std::span<const uint8_t>(bytes.data(), lidos));
    inicio += lidos;
  }
}

void ArquivoDeRegistros::Grava(int64_t n, std::span<const uint8_t> bytes) {
  const Registro um{n, std::vector<uint8_t>(bytes.begin(), bytes.end())};
  Grava(std::span<const Registro>(&um, 1));
}

void ArquivoDeRegistros::Grava(std::span<const Registro> registros) {
  for (const Registro& r : registros) {
    if (r.n < 1 || r.n > maximo_) Falha("gravar", caminho_, 0);
  }
  ModoParaGravar(ArquivoParaGravar(caminho_));  // refused before anything is read
  std::vector<uint8_t> tudo = LeTudo();
  for (const Registro& r : registros) {
    const size_t quantos = std::min(r.bytes.size(), tamanho_);
    const uint64_t inicio = static_cast<uint64_t>(r.n - 1) * tamanho_;
    if (tudo.size() < inicio + quantos) tudo.resize(inicio + quantos, 0);
    std::copy_n(r.bytes.begin(), quantos, tudo.begin() + static_cast<std::ptrdiff_t>(inicio));
  }
  GravaArquivoInteiro(caminho_, std::string_view(reinterpret_cast<const char*>(tudo.data()), tudo.size()));
}

int16_t LeInt16(std::span<const uint8_t> r, size_t pos) {
  return static_cast<int16_t>(LeUInt16(r, pos));
}

uint16_t LeUInt16(std::span<const uint8_t> r, size_t pos) {
  if (pos + 2 > r.size()) return 0;
  return static_cast<uint16_t>(r[pos] | (r[pos + 1] << 8));
}

void GravaInt16(std::span<uint8_t> r, size_t pos, int16_t v) {
  const auto u = static_cast<uint16_t>(v);
  r[pos] = static_cast<uint8_t>(u & 0xFF);
  r[pos + 1] = static_cast<uint8_t>(u >> 8);
}

float LeFloat(std::span<const uint8_t> r, size_t pos) {
  if (pos + 4 > r.size()) return 0;
  uint32_t u = 0;
  for (int i = 3; i >= 0; --i) u = (u << 8) | r[pos + i];
  return std::bit_cast<float>(u);
}

void GravaFloat(std::span<uint8_t> r, size_t pos, float v) {
  auto u = std::bit_cast<uint32_t>(v);
  for (int i = 0; i < 4; ++i, u >>= 8) r[pos + i] = static_cast<uint8_t>(u & 0xFF);
}

std::string LeTextoFixo(std::span<const uint8_t> r, size_t pos, size_t tamanho) {
  if (pos >= r.size()) return {};
  const auto bytes = r.subspan(pos, std::min(tamanho, r.size() - pos));
  return AparaBrancos(
      DeWindows1252(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size())));
}

void GravaTextoFixo(std::span<uint8_t> r, size_t pos, size_t tamanho, std::string_view utf8) {
  const std::string bytes = ParaWindows1252(utf8);
  for (size_t i = 0; i < tamanho; ++i) {
    r[pos + i] = i < bytes.size() ? static_cast<uint8_t>(bytes[i]) : ' ';
  }
}

}  // namespace cifra
