#include "clientes.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QString>
#include <algorithm>
#include <array>
#include <cstring>
#include <iterator>
#include <numeric>
#include <cerrno>
#include <span>

#include "arquivo_registros.h"
#include "campos.h"
#include "windows1252.h"

namespace cifra {
namespace {

constexpr qint64 kRegistro = 337;
// The most clients the program reads: a million records (337 MB), the
// largest register it is measured with. An office that reaches it has kept
// every client for decades; the bound only keeps a damaged or foreign file
// of gigabytes from taking all the memory.
constexpr qint64 kMaiorCadastro = 1'000'000;
constexpr qint64 kFimDosCampos = 335;  // the last two bytes of a record are not written
constexpr const char* kArquivo = "caduser.dat";
constexpr int kEsperaPelaTravaMs = 10000;
constexpr auto kSoODono = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

constexpr Campo<Cliente> kCampos[] = {
    {0, &Cliente::Nome, 100},      {100, &Cliente::Endereco, 150},
    {250, &Cliente::CidadeUf, 50}, {300, &Cliente::Cep, 10},
    {310, &Cliente::Telefone, 15}, {325, &Cliente::DataNascimento, 10},
};
static_assert(CamposEmOrdem<Cliente>(kCampos) &&
              static_cast<qint64>(FimDosCampos<Cliente>(kCampos)) == kFimDosCampos);

QString Caminho(const PastaDeDados& pasta) {
  return QString::fromStdString(pasta.Arquivo(kArquivo).string());
}

// Where a change is written: through a link only to a file of the data folder.
QString CaminhoParaGravar(const PastaDeDados& pasta) {
  return QString::fromStdString(ArquivoParaGravar(pasta.Arquivo(kArquivo)).string());
}

[[noreturn]] void Falha(const QString& mensagem) { throw ErroDeArquivo(mensagem.toStdString()); }

// The reason comes from the error code of the call that failed, read at once.
[[noreturn]] void FalhaAoGravar(const QString& caminho, int codigoDeErro) {
  throw ErroDeArquivo(MensagemDeFalha("gravar", caminho.toStdString(), codigoDeErro));
}

// Held while the file is written; another program waits for it.
class Trava {
 public:
  explicit Trava(const QString& caminho) : trava_(caminho + QStringLiteral(".lock")) {
    if (!trava_.tryLock(kEsperaPelaTravaMs)) {
      if (trava_.error() == QLockFile::LockFailedError) {
        Falha(QStringLiteral("O cadastro de clientes está sendo gravado por outro programa. "
                             "Aguarde um instante e tente novamente."));
      }
      FalhaAoGravar(caminho, errno);
    }
  }

 private:
  QLockFile trava_;
};

// The register as far as its bound (a FIFO or a folder in its place is
// refused by the reader, which never waits on it).
QByteArray LeArquivo(const QString& caminho) {
  if (!NomeOcupado(caminho.toStdString())) return {};
  const auto bytes = ArquivoDeRegistros(caminho.toStdString(), kRegistro, kMaiorCadastro).LeTudo();
  return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

// A register holding more than kMaiorCadastro clients shows the first ones,
// but is never written by the program: a rewrite would drop the rest, and an
// appended client would lie where no reader looks.
void RecusaSeCheio(const QString& caminho, bool acrescentando) {
  const qint64 tamanho = QFileInfo(caminho).size();
  const qint64 limite = kMaiorCadastro * kRegistro;
  if (tamanho > limite || (acrescentando && tamanho > limite - kRegistro)) {
    throw ErroDeArquivo(
        MensagemDeFalha("gravar", caminho.toStdString(), 0) + " O cadastro já tem " +
        std::to_string((tamanho + kRegistro - 1) / kRegistro) + " registros, e o programa trabalha "
        "com até " + std::to_string(kMaiorCadastro) + ". Guarde uma cópia do arquivo e mova para "
        "outra pasta os clientes que não precisa ter à mão.");
  }
}

// Cut short by an interrupted write, or holding a byte no save writes.
bool RegistroDanificado(std::span<const uint8_t> presente) {
  return static_cast<qint64>(presente.size()) < kFimDosCampos ||
         std::find(presente.begin(), presente.begin() + kFimDosCampos, 0) !=
             presente.begin() + kFimDosCampos;
}

RegistroDeCliente DecodificaRegistro(std::span<const uint8_t> presente) {
  std::vector<uint8_t> r(kRegistro, 0);
  std::copy(presente.begin(), presente.end(), r.begin());
  RegistroDeCliente lido;
  LeCampos<Cliente>(r, kCampos, lido.cliente);
  lido.danificado = RegistroDanificado(presente);
  return lido;
}

RegistroDeCliente DecodificaRegistro(const QByteArray& arquivo, qint64 k) {
  const qint64 inicio = k * kRegistro;
  return DecodificaRegistro(std::span<const uint8_t>(
      reinterpret_cast<const uint8_t*>(arquivo.constData()) + inicio,
      static_cast<size_t>(std::min(kRegistro, arquivo.size() - inicio))));
}

// Accents removed and case folded, blanks not yet collapsed.
QString Dobra(const QString& texto) {
  const QString decomposto = texto.normalized(QString::NormalizationForm_KD);
  QString chave;
  for (QChar ch : decomposto) {
    if (ch.category() != QChar::Mark_NonSpacing) chave += ch;
  }
  return chave.toCaseFolded();
}

// The key of each byte of the register's code page, in UTF-8, every blank
// (a space, a no-break space, the space an accent leaves, "¨") written ' ':
// a name's key is then its bytes' keys end to end with the blanks collapsed,
// as ChaveDeBusca gives it, without decoding the name.
const std::array<std::string, 256>& ChavesDosBytes() {
  static const std::array<std::string, 256> tabela = [] {
    std::array<std::string, 256> t;
    for (int b = 0; b < 256; ++b) {
      for (QChar ch : Dobra(QString::fromStdString(DeWindows1252(std::string(1, static_cast<char>(b)))))) {
        t[static_cast<size_t>(b)] += ch.isSpace() ? std::string(" ") : QString(ch).toStdString();
      }
    }
    return t;
  }();
  return tabela;
}

std::vector<RegistroDeCliente> DecodificaArquivo(const QByteArray& arquivo) {
  std::vector<RegistroDeCliente> registros;
  const qint64 total = (arquivo.size() + kRegistro - 1) / kRegistro;
  for (qint64 k = 0; k < total; ++k) registros.push_back(DecodificaRegistro(arquivo, k));
  return registros;
}

// A whole record; its last two bytes are zeros.
QByteArray CodificaRegistro(const Cliente& c) {
  std::vector<uint8_t> r(kRegistro, 0);
  GravaCampos<Cliente>(r, kCampos, c);
  return QByteArray(reinterpret_cast<const char*>(r.data()), kRegistro);
}

// Under the lock: reads the file, checks that record `indice` is still what
// the operator saw, lets `muda` edit the bytes and saves them aside, then
// replaces the file.
template <typename Mudanca>
void Reescreve(const PastaDeDados& pasta, int indice, const RegistroDeCliente& lido,
               Mudanca muda) {
  const QString caminho = CaminhoParaGravar(pasta);
  Trava trava(caminho);
  RecusaSeCheio(caminho, false);
  QByteArray arquivo = LeArquivo(caminho);
  const auto registros = DecodificaArquivo(arquivo);
  if (indice < 0 || indice >= static_cast<int>(registros.size()) ||
      !(registros[static_cast<size_t>(indice)] == lido)) {
    Falha(QStringLiteral("O cadastro de clientes foi alterado por outro programa enquanto esta "
                         "janela estava aberta. A lista foi recarregada; confira o cliente e "
                         "repita a operação."));
  }
  const qint64 inicio = indice * kRegistro;
  muda(arquivo, inicio, std::min(inicio + kRegistro, arquivo.size()));
  // Owner-only before the rewrite, which keeps the permissions it finds.
  QFile::setPermissions(caminho, kSoODono);
  GravaArquivoInteiro(caminho.toStdString(),
                      std::string_view(arquivo.constData(), static_cast<size_t>(arquivo.size())));
}

}  // namespace

std::vector<RegistroDeCliente> LerCadastro(const PastaDeDados& pasta) {
  return DecodificaArquivo(LeArquivo(Caminho(pasta)));
}

std::vector<Cliente> LerClientes(const PastaDeDados& pasta) {
  std::vector<Cliente> clientes;
  for (RegistroDeCliente& r : LerCadastro(pasta)) clientes.push_back(std::move(r.cliente));
  return clientes;
}

int ContarClientes(const PastaDeDados& pasta) {
  const qint64 tamanho = QFile(Caminho(pasta)).size();
  return static_cast<int>(std::min(kMaiorCadastro, (tamanho + kRegistro - 1) / kRegistro));
}

void AcrescentarCliente(const PastaDeDados& pasta, const Cliente& c) {
  const QString caminho = CaminhoParaGravar(pasta);
  Trava trava(caminho);
  RecusaSeCheio(caminho, true);
  QFile f(caminho);
  if (!f.open(QIODevice::ReadWrite, kSoODono)) FalhaAoGravar(caminho, errno);
  f.setPermissions(kSoODono);  // a file made before this rule gets it too
  const qint64 fim = f.size();
  const qint64 inicio = (fim + kRegistro - 1) / kRegistro * kRegistro;
  const QByteArray bytes = QByteArray(inicio - fim, '\0') + CodificaRegistro(c);
  if (!f.seek(fim) || f.write(bytes) != bytes.size() || !f.flush()) {
    const int codigo = errno;
    f.resize(fim);  // takes back only what this append added
    FalhaAoGravar(caminho, codigo);
  }
}

void AlterarCliente(const PastaDeDados& pasta, int indice, const RegistroDeCliente& lido,
                    const Cliente& novo) {
  Reescreve(pasta, indice, lido, [&](QByteArray& arquivo, qint64 inicio, qint64 fim) {
    arquivo.replace(inicio, fim - inicio, CodificaRegistro(novo));
  });
}

void ExcluirCliente(const PastaDeDados& pasta, int indice, const RegistroDeCliente& lido) {
  Reescreve(pasta, indice, lido, [](QByteArray& arquivo, qint64 inicio, qint64 fim) {
    arquivo.remove(inicio, fim - inicio);
  });
}

std::string ChaveDeBusca(std::string_view texto) {
  return Dobra(QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size())))
      .simplified()
      .toStdString();
}

NomesDoCadastro::NomesDoCadastro(const PastaDeDados& pasta) {
  const QString caminho = Caminho(pasta);
  if (!NomeOcupado(caminho.toStdString())) return;
  // A block of 4,096 records (1.4 MB) at a time: the file is never held whole.
  constexpr size_t kPorVez = 4096;
  ArquivoDeRegistros(caminho.toStdString(), kRegistro, kMaiorCadastro)
      .LeEmBlocos(kPorVez, [&](std::span<const uint8_t> bloco) {
        for (size_t inicio = 0; inicio < bloco.size(); inicio += kRegistro) {
          Acrescenta(bloco.subspan(inicio, std::min<size_t>(kRegistro, bloco.size() - inicio)));
        }
      });
}

void NomesDoCadastro::Acrescenta(std::span<const uint8_t> registro) {
  const auto campo = registro.first(std::min<size_t>(registro.size(), 100));
  const auto branco = [](uint8_t b) { return b == ' ' || b == 0; };
  const auto inicio = std::find_if_not(campo.begin(), campo.end(), branco);
  const auto fim = std::find_if_not(campo.rbegin(), std::make_reverse_iterator(inicio), branco).base();
  nomes_ += DeWindows1252(std::string_view(
      reinterpret_cast<const char*>(campo.data()) + (inicio - campo.begin()),
      static_cast<size_t>(fim - inicio)));
  fimDoNome_.push_back(static_cast<uint32_t>(nomes_.size()));

  const auto& chaves = ChavesDosBytes();
  const size_t comeco = chaves_.size();
  bool espaco = false;
  for (auto b = inicio; b != fim; ++b) {
    for (char c : chaves[*b]) {
      if (c == ' ') {
        espaco = chaves_.size() > comeco;
      } else {
        if (espaco) chaves_ += ' ';
        espaco = false;
        chaves_ += c;
      }
    }
  }
  fimDaChave_.push_back(static_cast<uint32_t>(chaves_.size()));
  chaves_ += '\n';
  danificado_.push_back(RegistroDanificado(registro));
}

std::string_view NomesDoCadastro::Nome(int i) const {
  const size_t k = static_cast<size_t>(i);
  const size_t inicio = k == 0 ? 0 : fimDoNome_[k - 1];
  return std::string_view(nomes_).substr(inicio, fimDoNome_[k] - inicio);
}

std::vector<int> NomesDoCadastro::Filtrar(std::string_view filtro) const {
  const std::string chave = ChaveDeBusca(filtro);
  std::vector<int> posicoes;
  if (chave.empty()) {
    posicoes.resize(static_cast<size_t>(Quantos()));
    std::iota(posicoes.begin(), posicoes.end(), 0);
    return posicoes;
  }
  // One search over all the keys; after a hit, on from the next key.
  const char* const base = chaves_.data();
  const char* const ate = base + chaves_.size();
  const char* de = base;
  size_t k = 0;
  while (const void* achado = ::memmem(de, static_cast<size_t>(ate - de), chave.data(), chave.size())) {
    const auto onde = static_cast<size_t>(static_cast<const char*>(achado) - base);
    while (fimDaChave_[k] < onde) ++k;
    posicoes.push_back(static_cast<int>(k));
    de = base + fimDaChave_[k] + 1;
  }
  return posicoes;
}

std::optional<RegistroDeCliente> LerRegistroDeCliente(const PastaDeDados& pasta, int indice) {
  const QString caminho = Caminho(pasta);
  if (indice < 0 || !NomeOcupado(caminho.toStdString())) return std::nullopt;
  const auto presente = ArquivoDeRegistros(caminho.toStdString(), kRegistro, kMaiorCadastro)
                            .LePresente(indice + 1);
  if (presente.empty()) return std::nullopt;
  return DecodificaRegistro(presente);
}

}  // namespace cifra
