#include "ui/numbers_page.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "tables/table_text.h"
#include "ui/result_table_model.h"

namespace {

// The longest text of a column by bytes: a full-width character takes three bytes of UTF-8 for
// twice the width of a half-width one, so the longest is also the widest but for a few pixels.
const std::string& LongestCell(const ResultTable& table, size_t column) {
  const std::string* longest = &table.headings[column];
  for (const std::vector<std::string>& row : table.rows) {
    if (row[column].size() > longest->size()) longest = &row[column];
  }
  return *longest;
}

}  // namespace

NumbersPage::NumbersPage(QWidget* parent, const QRect& geometry) : QWidget(parent) {
  setGeometry(geometry);
  chooser = new QComboBox(this);
  chooser->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  emptyNote = new QLabel(QStringLiteral("解析を実行すると、節点変位・部材端力・支点反力の表が"
                                        "ここに出ます。"),
                         this);
  emptyNote->setWordWrap(true);
  emptyNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  model_ = new ResultTableModel(this);
  view = new QTableView(this);
  view->setModel(model_);
  view->setSelectionMode(QAbstractItemView::ContiguousSelection);
  view->setSelectionBehavior(QAbstractItemView::SelectItems);
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view->setWordWrap(false);
  view->setCornerButtonEnabled(true);
  // Rows of one height that is never measured: scrolling a table of thousands of rows only
  // draws the rows in sight.
  view->verticalHeader()->hide();
  view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
  view->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  view->horizontalHeader()->setHighlightSections(true);

  copyAction = new QAction(QStringLiteral("コピー"), view);
  copyAction->setShortcut(QKeySequence::Copy);
  copyAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  saveAction = new QAction(QStringLiteral("CSV で保存…"), view);
  view->addAction(copyAction);
  view->addAction(saveAction);
  view->setContextMenuPolicy(Qt::ActionsContextMenu);
  connect(copyAction, &QAction::triggered, this, [this] { CopySelection(); });
  connect(saveAction, &QAction::triggered, this, [this] {
    if (saveCsv) saveCsv();
  });

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(6);
  layout->addWidget(chooser, 0, Qt::AlignLeft);
  layout->addWidget(emptyNote);
  layout->addWidget(view, 1);
  connect(chooser, &QComboBox::currentIndexChanged, this, [this] { ShowChosenTable(); });
  SetTables({});
}

void NumbersPage::SetTables(std::vector<ResultTable> tables) {
  const std::string chosen = model_->table() != nullptr ? model_->table()->title : std::string();
  model_->SetTable(nullptr);
  tables_ = std::move(tables);
  int index = 0;
  {
    const QSignalBlocker quiet(chooser);
    chooser->clear();
    for (size_t t = 0; t < tables_.size(); ++t) {
      chooser->addItem(QString::fromStdString(tables_[t].title));
      if (tables_[t].title == chosen) index = static_cast<int>(t);
    }
    chooser->setCurrentIndex(tables_.empty() ? -1 : index);
  }
  const bool empty = tables_.empty();
  chooser->setVisible(!empty);
  view->setVisible(!empty);
  emptyNote->setVisible(empty);
  saveAction->setEnabled(!empty);
  ShowChosenTable();
}

void NumbersPage::ChooseTable(int index) { chooser->setCurrentIndex(index); }

void NumbersPage::SelectRow(const std::string& title, int row) {
  for (size_t t = 0; t < tables_.size(); ++t) {
    if (tables_[t].title != title) continue;
    ChooseTable(static_cast<int>(t));
    const QModelIndex cell = view->model()->index(row, 0);
    if (!cell.isValid()) return;
    view->setCurrentIndex(cell);
    view->selectRow(row);
    view->scrollTo(cell, QAbstractItemView::PositionAtCenter);
    return;
  }
}

void NumbersPage::ShowChosenTable() {
  const int index = chooser->currentIndex();
  const bool valid = index >= 0 && index < static_cast<int>(tables_.size());
  model_->SetTable(valid ? &tables_[static_cast<size_t>(index)] : nullptr);
  if (valid) FitColumns();
  view->scrollToTop();
}

void NumbersPage::FitColumns() {
  const ResultTable& table = *model_->table();
  const QFontMetrics cells = view->fontMetrics();
  const QFontMetrics headings = view->horizontalHeader()->fontMetrics();
  for (size_t c = 0; c < table.headings.size(); ++c) {
    const int width =
        std::max(headings.horizontalAdvance(QString::fromStdString(table.headings[c])),
                 cells.horizontalAdvance(QString::fromStdString(LongestCell(table, c))));
    view->setColumnWidth(static_cast<int>(c), width + 12);
  }
}

std::string NumbersPage::SelectionAsTsv() const {
  const ResultTable* table = model_->table();
  const QItemSelection selection = view->selectionModel()->selection();
  if (table == nullptr || selection.isEmpty()) return "";
  int top = selection.front().top(), bottom = selection.front().bottom();
  int left = selection.front().left(), right = selection.front().right();
  for (const QItemSelectionRange& range : selection) {
    top = std::min(top, range.top());
    bottom = std::max(bottom, range.bottom());
    left = std::min(left, range.left());
    right = std::max(right, range.right());
  }
  // Whole columns (every row of them, as a click on their heading selects) go with their headings.
  const bool wholeColumns = top == 0 && bottom + 1 == static_cast<int>(table->rows.size());
  return CellsAsTsv(
      *table, {static_cast<size_t>(top), static_cast<size_t>(bottom - top + 1),
               static_cast<size_t>(left), static_cast<size_t>(right - left + 1), wholeColumns});
}

void NumbersPage::CopySelection() const {
  const std::string text = SelectionAsTsv();
  if (!text.empty()) QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}
