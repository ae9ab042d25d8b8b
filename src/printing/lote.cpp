#include "lote.h"

#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <map>
#include <mutex>

#include "analysis/previsao.h"
#include "engine/numerologia.h"
#include "impressao.h"
#include "imprimir.h"
#include "library/arquivo_registros.h"
#include "library/clientes.h"
#include "presentation/previsao_em_paginas.h"

namespace cifra {
namespace {


// One client of the batch, decided before any is written so that the file
// names do not depend on which core gets there first.
struct Tarefa {
  std::string descricao;  // "NOME (registro N)"
  std::optional<PessoaAnalisada> pessoa;
  std::string recusa;
  std::string arquivo;
};

}  // namespace

std::string NomeDoPdfDaPrevisao(const std::string& nome, int anoInicial, int anoFinal) {
  const std::string limpo = NomeParaArquivo(nome);
  std::string anos = std::to_string(anoInicial);
  if (anoFinal != anoInicial) anos += "-" + std::to_string(anoFinal);
  return "Previsao - " + limpo + " - " + anos + ".pdf";
}

ResultadoDoLote GravaPrevisoesDoCadastro(const Configuracao& configuracao, int anoInicial,
                                         int anoFinal, const std::string& pastaSaida,
                                         const Data& hoje,
                                         const std::function<bool(const ProgressoDoLote&)>& progresso) {
  std::error_code ec;
  std::filesystem::create_directories(pastaSaida, ec);

  std::vector<Tarefa> tarefas;
  std::map<std::string, int> usados;
  const std::vector<RegistroDeCliente> cadastro = LerCadastro(configuracao.pasta);
  for (size_t i = 0; i < cadastro.size(); ++i) {
    const RegistroDeCliente& r = cadastro[i];
    Tarefa t;
    t.descricao = r.cliente.Nome + " (registro " + std::to_string(i + 1) + ")";
    if (r.danificado) {
      t.recusa = "o registro está danificado.";
    } else if ((t.pessoa = AceitaPedido(r.cliente.Nome, r.cliente.DataNascimento, hoje, &t.recusa))) {
      if (const auto anos = RecusaDosAnos(t.pessoa->Nascimento, anoInicial, anoFinal)) {
        t.recusa = *anos;
        t.pessoa.reset();
      }
    }
    if (t.pessoa) {
      std::string nome = NomeDoPdfDaPrevisao(Utf8(t.pessoa->NomeExibido), anoInicial, anoFinal);
      if (const int vez = ++usados[nome]; vez > 1) {
        nome.insert(nome.size() - 4, " (" + std::to_string(vez) + ")");
      }
      t.arquivo = (std::filesystem::path(pastaSaida) / nome).string();
    }
    tarefas.push_back(std::move(t));
  }

  bool substituidas = false;
  const OpcoesDaImpressao impressao{
      MargensParaOTrabalho(configuracao.margens, kLarguraA4, kAlturaA4, &substituidas), false,
      configuracao.opcoes.ImprimirPretoEmBranco, TipoDeImpressao::Analise, hoje};

  // Workers take the next client until none is left or the batch is
  // cancelled; this thread reports each one as it is done.
  std::atomic<size_t> proxima{0};
  std::atomic<bool> cancelado{false};
  std::mutex m;
  std::condition_variable mudou;
  std::vector<std::string> concluidos;  // descriptions of the clients done, in order of completion
  ResultadoDoLote resultado;
  int trabalhando = 0;
  auto trabalha = [&] {
    for (size_t i; !cancelado && (i = proxima++) < tarefas.size();) {
      const Tarefa& t = tarefas[i];
      std::string falha = t.recusa;
      if (t.pessoa) {
        const Previsao p = MontaPrevisao(*t.pessoa, anoInicial, anoFinal, configuracao.opcoes, configuracao.pasta);
        const ConteudoDaAnalise conteudo = ConteudoDaPrevisao(p, configuracao);
        if (GravarPdf(t.arquivo, conteudo, impressao, &falha) > 0) falha.clear();
      }
      std::lock_guard trava(m);
      if (falha.empty()) {
        ++resultado.gravados;
      } else {
        resultado.pulados.push_back(t.descricao + ": " + falha);
      }
      concluidos.push_back(t.pessoa ? Utf8(t.pessoa->NomeExibido) : t.descricao);
      mudou.notify_one();
    }
    std::lock_guard trava(m);
    --trabalhando;
    mudou.notify_one();
  };

  // As many writers as the global pool allows threads, but on a pool of
  // their own: Qt hands parts of a large picture (a window painting its
  // progress bar) to the global pool and waits for them, and writers that
  // hold its threads for the whole batch would keep that window waiting
  // until the batch ends.
  const int nucleos = std::max(1, QThreadPool::globalInstance()->maxThreadCount());
  const int trabalhadores = std::min<int>(nucleos, std::max<size_t>(1, tarefas.size()));
  QThreadPool escritores;
  escritores.setMaxThreadCount(trabalhadores);
  std::vector<QFuture<void>> futuros;
  trabalhando = trabalhadores;
  for (int i = 0; i < trabalhadores; ++i) futuros.push_back(QtConcurrent::run(&escritores, trabalha));

  const auto inicio = std::chrono::steady_clock::now();
  size_t relatados = 0;
  std::unique_lock trava(m);
  while (true) {
    mudou.wait(trava, [&] { return concluidos.size() > relatados || trabalhando == 0; });
    while (relatados < concluidos.size()) {
      ProgressoDoLote p;
      p.feitos = static_cast<int>(++relatados);
      p.total = static_cast<int>(tarefas.size());
      p.cliente = concluidos[relatados - 1];
      const double decorridos =
          std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
      p.segundosRestantes = decorridos / p.feitos * (p.total - p.feitos);
      trava.unlock();
      const bool continua = !progresso || progresso(p);
      trava.lock();
      if (!continua) cancelado = true;
    }
    if (trabalhando == 0) break;
  }
  trava.unlock();
  for (QFuture<void>& f : futuros) f.waitForFinished();
  resultado.cancelado = cancelado;
  return resultado;
}

}  // namespace cifra
