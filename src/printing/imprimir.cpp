#include "imprimir.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "lote.h"
#include "presentation/texto_justificado.h"

namespace cifra {

double LeNumeroInicial(std::string_view t) {
  size_t i = t.find_first_not_of(" \t");
  if (i == std::string_view::npos) return 0;
  const size_t inicio = i;
  if (t[i] == '+' || t[i] == '-') ++i;
  auto digitos = [&] {
    const size_t antes = i;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i;
    return i - antes;
  };
  size_t contados = digitos();
  // The comma is the Brazilian decimal separator; the point is taken too.
  size_t separador = std::string_view::npos;
  if (i < t.size() && (t[i] == '.' || t[i] == ',')) {
    separador = i - inicio;
    ++i;
    contados += digitos();
  }
  if (contados == 0) return 0;
  // from_chars reads the same whatever the locale, but takes no "+".
  std::string numero(t.substr(inicio, i - inicio));
  if (separador != std::string_view::npos) numero[separador] = '.';
  if (numero.front() == '+') numero.erase(0, 1);
  double valor = 0;
  std::from_chars(numero.data(), numero.data() + numero.size(), valor);
  return valor;
}

std::string FormaCurta(float valor) {
  char buf[32];
  const auto r = std::to_chars(buf, buf + sizeof buf, valor);
  return std::string(buf, r.ptr);
}

double LimiteDaMargem(LadoDaMargem lado, double larguraUtil, double alturaUtil) {
  const bool horizontal = lado == LadoDaMargem::Esquerda || lado == LadoDaMargem::Direita;
  return 0.2 * (horizontal ? larguraUtil : alturaUtil);
}

std::optional<std::string> RecusaDaMargem(LadoDaMargem lado, std::string_view texto,
                                          double larguraUtil, double alturaUtil) {
  const double limite = LimiteDaMargem(lado, larguraUtil, alturaUtil);
  static constexpr const char* kNomes[] = {"superior", "inferior", "esquerda", "direita"};
  const double valor = LeNumeroInicial(texto);
  if (valor < 0) {
    return std::string("A margem ") + kNomes[static_cast<int>(lado)] + " não pode ser negativa";
  }
  // A tolerance far below what can be typed keeps "equal" equal after the
  // page size went through its own binary fractions.
  if (valor <= limite + 1e-9) return std::nullopt;
  return std::string("A margem ") + kNomes[static_cast<int>(lado)] + " não pode ser maior que " +
         std::to_string(static_cast<long>(std::floor(limite + 1e-9))) + "mm";
}

float& MargemDoLado(Margens& m, LadoDaMargem lado) {
  switch (lado) {
    case LadoDaMargem::Superior: return m.Superior;
    case LadoDaMargem::Inferior: return m.Inferior;
    case LadoDaMargem::Esquerda: return m.Esquerda;
    case LadoDaMargem::Direita: break;
  }
  return m.Direita;
}

void DesenhaExemplo(SuperficieDeDesenho& s, const Margens& m, double larguraUtil,
                    double alturaUtil, const Figura& imagem, const std::string& texto) {
  const double W = s.ScaleWidth(), H = s.ScaleHeight();
  const double h = W / larguraUtil, v = H / alturaUtil;
  const double E = m.Esquerda, S = m.Superior, D = m.Direita, I = m.Inferior;

  s.Barra(E * h, (S + 24) * v, W - D * h, (S + 25) * v);
  s.PaintPicture(imagem, (E + 2) * h, S * v, 22 * h, 22 * v);
  s.SetFonte({kFontePadrao, true, false, 5});
  const std::string titulo = "Cifralumina";
  s.CurrentY = (S + 2) * v;
  s.CurrentX = (E + 22) * h + ((W - D * h - (E + 22) * h) - s.TextWidth(titulo)) / 2;
  s.Print(titulo);

  s.SetFonte({kFontePadrao, false, false, 4});
  s.Barra(E * h, H - (I + 11) * v, W - D * h, H - (I + 12) * v);
  s.CurrentX = (E + 2) * h;
  s.CurrentY = H - (I + 10) * v;
  s.Print("Análise do programa Cifralumina");

  std::string corpo = texto;
  ImprimirTextoJustificado(s, (S + 27) * v, (E + 2) * h, W - (D + 2) * h, H - (I + 20) * v,
                           corpo);
}

std::string NomeParaArquivo(std::string_view nome) {
  std::string limpo;
  for (char c : nome) {
    if (std::string_view("\\/:*?\"<>|").find(c) == std::string_view::npos &&
        static_cast<unsigned char>(c) >= 0x20) {
      limpo += c;
    }
  }
  return limpo;
}

std::string NomeDoPdf(const std::string& nome, const Data& hoje) {
  const std::string limpo = NomeParaArquivo(nome);
  char data[16];
  std::snprintf(data, sizeof data, "%04d-%02d-%02d", hoje.ano, hoje.mes, hoje.dia);
  return "Analise - " + limpo + " - " + data + ".pdf";
}

std::string NomeDoArquivoDoDocumento(const DocumentoDaAnalise& documento) {
  if (const Compatibilidade* c = documento.ComoCompatibilidade()) {
    return "Compatibilidade - " + NomeParaArquivo(c->Pessoas[0].NomeExibido + " e " + c->Pessoas[1].NomeExibido);
  }
  const Previsao* previsao = documento.ComoPrevisao();
  std::string nome = previsao ? NomeDoPdfDaPrevisao(previsao->NomeExibido, previsao->AnoInicial,
                                                    previsao->AnoFinal)
                              : NomeDoPdf(documento.Resultado().NomeExibido,
                                          documento.Resultado().Hoje);
  nome.resize(nome.size() - 4);  // ".pdf"
  return nome;
}

}  // namespace cifra
