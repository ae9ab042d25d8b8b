#pragma once
// The main window: the analyses, forecasts and compatibilities open inside it, one viewer
// each; the toolbar and the menus start every action; the bottom bar turns the pages
// of the viewer in front. Start-up loads the data folder; each way out
// keeps the program options.
#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <string>

#include "frm_imprimir.h"
#include "presentation/compositor.h"
#include "settings/configuracao.h"
#include "presentation/documento.h"

class QAction;
class QSettings;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QToolButton;
namespace cifra {

class ControleDeDicas;
class frmEntraNome;
class frmExibeRelatorio;
class frmHarmonizaNome;
class TocadorDeSons;

class frmPrincipal : public QMainWindow, public ObservadorDoDocumento {
  Q_OBJECT
 public:
  // Loads every settings file of the data folder (creating what is missing).
  // A file that cannot be read is reported by Inicia and replaced by its
  // first-run values; only a data folder that cannot be created throws
  // ErroDeArquivo.
  // geometriaNaPasta: the window's size and place are kept in the data folder
  // ("janela.ini") instead of the user's settings, so a folder named with
  // --pasta or CIFRALUMINA_PASTA carries the whole workstation.
  explicit frmPrincipal(const std::string& pastaDeDados, bool geometriaNaPasta = false,
                        QWidget* pai = nullptr);
  ~frmPrincipal() override;

  // The rest of start-up: the welcome sound, the window shown at its last
  // size and place, the files that could not be read, the opening window.
  void Inicia();

  cifra::Configuracao& Configuracao() { return configuracao_; }
  QMdiArea& Area() { return *area_; }
  // The viewer in front, or nullptr when no analysis or forecast is open.
  frmExibeRelatorio* ExibidorAtivo() const;
  // Builds, composes and shows the analysis of a person in a new viewer.
  frmExibeRelatorio* CriaAnalise(const PessoaAnalisada& pessoa);
  // The same for the forecast of the years anoInicial to anoFinal, a range
  // RecusaDosAnos accepts for the person.
  frmExibeRelatorio* CriaPrevisao(const PessoaAnalisada& pessoa, int anoInicial,
                                  int anoFinal);
  // The same for the compatibility of two people the request accepts.
  frmExibeRelatorio* CriaCompatibilidade(const PessoaAnalisada& primeira,
                                         const PessoaAnalisada& segunda);
  // The harmonisation window, while it is open.
  frmHarmonizaNome* Harmonizacao() const;
  // The text of the bottom bar.
  QString InfoNavega() const;

  void PaginaAtualMudou(int anterior, int atual) override;
  void ConteudoMudou() override;

 public slots:
  // Toolbar.
  void cmdCriaAnalise_Click();
  void cmdCriaPrevisao_Click();
  void cmdCompatibilidade_Click();
  void cmdHarmonizaNome_Click() { Prologo(); AbrirHarmonizacao(); }
  void cmdImprimir_Click() { Prologo(); AbrirImpressao(); }
  void cmdConfigurarFontes_Click() { Prologo(); AbrirFontes(); }
  void cmdConfiguraPrograma_Click() { Prologo(); AbrirOpcoes(); }
  void cmdAjuda_Click() { Prologo(); AbrirAjuda(); }
  void cmdSobre_Click() { Prologo(); AbrirSobre(); }
  void cmdExportar_Click();
  void cmdSair_Click();
  // Menus.
  void mnuEncerrar_Click();
  void mnuSalvarOdt_Click() { Prologo(); SalvarDocumento(); }
  void mnuPrevisoesDoCadastro_Click() { Prologo(); AbrirPrevisoesDoCadastro(); }
  void mnuJanelaLadoLado_Click();
  void mnuJanelaEmCascata_Click();
  // Bottom bar.
  void picAvanca_Click();
  void picVolta_Click();

  // Dialogs that other parts of the program provide, each opened modally.
  void AbrirImpressao();
  void SalvarDocumento();  // the document in front as an editable .odt
  void AbrirPrevisoesDoCadastro();
  // Not modal: the analyses it asks for open here while it stays open.
  void AbrirHarmonizacao();
  void AbrirFontes();
  void AbrirOpcoes();
  void AbrirAjuda();
  void AbrirSobre();
  void AbrirCabecalhoERodape();
  void AlterarImagemCabecalho();
  void DefinirCalculoA();
  void DefinirCalculoB();
  void AbrirOrdemDaAnalise();
  void AbrirConteudoDasAnalises();
  void AbrirCadastro(frmEntraNome& pedido);
  void MostraAbertura();  // the opening window shown over the main window at start-up
  void DefinirCalculo(const std::string& arquivo);

 public:
  // The hints of the toolbar buttons.
  ControleDeDicas& Dicas() { return *dicas_; }
  // The system asks the program to end (SIGTERM, SIGHUP): the same clean
  // exit as the menu's, without questions; every event loop ends.
  void EncerraPeloSistema();
  // The session is ending (a logout): what a clean exit keeps is kept now,
  // as the program may be killed without another word.
  void GuardaParaOFimDaSessao();

 protected:
  void closeEvent(QCloseEvent* evento) override;

 private:
  void MontaAcoes();
  void MontaMenus();
  void MontaBarraDeNavegacao();
  // Every toolbar click and every menu action that opens a dialog starts here.
  void Prologo();
  void ExibidorAtivado(QMdiSubWindow* janela);
  void MostraInfoNavega(const QString& texto);
  // What is kept only at exit: the window's size and place. Every setting
  // is saved by its dialog when the operator confirms it.
  void GravaEstado();
  // The print dialog remembers its last choices in the options: saved as it
  // closes, when they changed.
  void GravaOpcoesSeMudaram();
  // Where the window's geometry is kept.
  std::unique_ptr<QSettings> Lembrancas() const;
  void Encerra();
  void Navega(bool avanca);
  // The analysis of a person with the configuration in force, for today.
  Analise MontaAnalise(const PessoaAnalisada& pessoa) const;
  // Says, once, that the header picture could not be read (problema), when
  // there is a problem to tell.
  void AvisaSemImagem(const std::string& problema);
  // What composing a document draws; an unreadable header picture is said here.
  ConteudoDaAnalise ConteudoDoDocumento(const DocumentoDaAnalise& documento);
  // A new viewer for the document, in front.
  frmExibeRelatorio* Exibe(std::unique_ptr<DocumentoDaAnalise> documento);
  // Every open analysis and forecast built and composed again with the
  // configuration in force.
  void AtualizaAnalises();

  ProblemasDoInicio problemas_;
  cifra::Configuracao configuracao_;
  cifra::ProgramOptions opcoesGravadas_;  // the options as the file holds them
  bool geometriaNaPasta_ = false;
  LembrancasDaImpressao lembrancasDaImpressao_;
  QString pastaDasPrevisoes_;  // where the register's forecasts last went
  std::unique_ptr<TocadorDeSons> sons_;
  QMdiArea* area_ = nullptr;
  QWidget* picRodape_ = nullptr;
  QToolButton* picVolta_ = nullptr;
  QToolButton* picAvanca_ = nullptr;
  QLabel* lblInfoNavega_ = nullptr;
  ControleDeDicas* dicas_ = nullptr;
  QPointer<frmExibeRelatorio> observado_;
  QPointer<frmHarmonizaNome> harmonizacao_;
  bool encerrado_ = false;

 public:
  // One action per command, shared by the toolbar and the menus.
  QAction* cmdCriaAnalise = nullptr;
  QAction* cmdCriaPrevisao = nullptr;
  QAction* cmdCompatibilidade = nullptr;
  QAction* cmdHarmonizaNome = nullptr;
  QAction* cmdImprimir = nullptr;
  QAction* cmdConfigurarFontes = nullptr;
  QAction* cmdConfiguraPrograma = nullptr;
  QAction* cmdAjuda = nullptr;
  QAction* cmdSobre = nullptr;
  QAction* cmdExportar = nullptr;
  QAction* cmdSair = nullptr;
  QAction* mnuEncerrar = nullptr;
  QAction* mnuSalvarOdt = nullptr;
  QAction* mnuPrevisoesDoCadastro = nullptr;
  QAction* mnuPaginaAnterior = nullptr;
  QAction* mnuProximaPagina = nullptr;
  QAction* mnuAumentarZoom = nullptr;
  QAction* mnuDiminuirZoom = nullptr;
  QAction* mnuAjustarLargura = nullptr;
  QAction* mnuJanelaProxima = nullptr;
  QAction* mnuJanelaAnterior = nullptr;
};

}  // namespace cifra
