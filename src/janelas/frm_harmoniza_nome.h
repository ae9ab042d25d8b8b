#pragma once
// "Harmonização do Nome": candidate spellings of a name for one date of
// birth, compared as the operator types: each name's Expressão, Impulso da
// Alma and Eu Silencioso, the harmony of its Expressão with the life path,
// its karmic debts and lessons. The table sorts by any column, the best
// harmony first at the start; it prints and saves as a one-page PDF.
#include <QAbstractTableModel>
#include <QDialog>
#include <vector>

#include "analysis/compatibilidade.h"

class QLineEdit;
class QLabel;
class QPlainTextEdit;
class QSortFilterProxyModel;
class QTableView;

namespace cifra {

// The rows of the table: one per candidate the request accepts.
class ModeloDosNomes : public QAbstractTableModel {
 public:
  enum Coluna { kNome, kExpressao, kImpulso, kEuSilencioso, kHarmonia, kDividas, kLicoes, kColunas };
  using QAbstractTableModel::QAbstractTableModel;
  void Define(std::vector<NomeAvaliado> nomes);
  const NomeAvaliado& Nome(int linha) const { return nomes_[static_cast<size_t>(linha)]; }
  int rowCount(const QModelIndex& = {}) const override { return static_cast<int>(nomes_.size()); }
  int columnCount(const QModelIndex& = {}) const override { return kColunas; }
  QVariant data(const QModelIndex& indice, int papel) const override;
  QVariant headerData(int secao, Qt::Orientation orientacao, int papel) const override;

 private:
  std::vector<NomeAvaliado> nomes_;
};

class frmHarmonizaNome : public QDialog {
  Q_OBJECT
 public:
  frmHarmonizaNome(QWidget* pai, const ProgramOptions& opcoes);
  // The table as the operator sees it (sorted), as an HTML page for the
  // printer and the PDF.
  QString TabelaEmHtml() const;

 signals:
  // "Analisar" on a row: the full analysis of that name and date.
  void AnalisePedida(const PessoaAnalisada& pessoa);

 private:
  void Recalcula();
  void Analisar();
  void Imprimir();
  void SalvarPdf();

  const ProgramOptions& opcoes_;
  QLineEdit* txtData_;
  QPlainTextEdit* txtNomes_;
  QLabel* lblInfo_;
  QTableView* tabela_;
  ModeloDosNomes* modelo_;
  QSortFilterProxyModel* ordem_;
};

}  // namespace cifra
