// The page of the 「数値」 tab: a chooser of the tables and one table view of the chosen table.
// Selected cells copy with Ctrl+C as tab-separated text that a spreadsheet pastes into cells
// (with the headings when whole columns are selected); the view's context menu offers that copy
// and 「CSV で保存…」, which the window carries out.
#pragma once

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "tables/result_tables.h"

class QAction;
class QComboBox;
class QLabel;
class QTableView;
class ResultTableModel;

class NumbersPage : public QWidget {
 public:
  // geometry in pixels within the parent.
  NumbersPage(QWidget* parent, const QRect& geometry);

  // The tables shown from now on; the table of the same title stays chosen, else the first.
  // With none, the page says when the tables come.
  void SetTables(std::vector<ResultTable> tables);
  const std::vector<ResultTable>& tables() const { return tables_; }
  // Chooses the table at `index` in the chooser's order.
  void ChooseTable(int index);
  // Chooses the table of that title and selects its row (0-based), in sight; nothing without it.
  void SelectRow(const std::string& title, int row);

  // The selected cells of the chosen table as tab-separated lines, "" when nothing is selected.
  std::string SelectionAsTsv() const;
  void CopySelection() const;

  // Called by 「CSV で保存…」.
  std::function<void()> saveCsv;

  QComboBox* chooser;
  QTableView* view;
  QLabel* emptyNote;
  QAction* copyAction;
  QAction* saveAction;

 private:
  void ShowChosenTable();
  // Column widths from the headings and the longest cells, so that no row is measured.
  void FitColumns();

  std::vector<ResultTable> tables_;
  ResultTableModel* model_;
};
