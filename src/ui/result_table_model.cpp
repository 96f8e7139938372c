#include "ui/result_table_model.h"

namespace {

// A number's text starts with a digit or its sign ("nan" and "inf" aside, which a run never
// hands on); the names of kinds and directions do not.
bool IsNumber(const std::string& cell) {
  return !cell.empty() && (cell[0] == '-' || (cell[0] >= '0' && cell[0] <= '9'));
}

}  // namespace

void ResultTableModel::SetTable(const ResultTable* table) {
  beginResetModel();
  table_ = table;
  endResetModel();
}

int ResultTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() || table_ == nullptr ? 0 : static_cast<int>(table_->rows.size());
}

int ResultTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() || table_ == nullptr ? 0 : static_cast<int>(table_->headings.size());
}

QVariant ResultTableModel::data(const QModelIndex& index, int role) const {
  if (table_ == nullptr || !index.isValid()) return {};
  const std::string& cell =
      table_->rows[static_cast<size_t>(index.row())][static_cast<size_t>(index.column())];
  switch (role) {
    case Qt::DisplayRole: return QString::fromStdString(cell);
    case Qt::TextAlignmentRole:
      return static_cast<int>(Qt::AlignVCenter | (IsNumber(cell) ? Qt::AlignRight : Qt::AlignLeft));
    default: return {};
  }
}

QVariant ResultTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (table_ == nullptr || role != Qt::DisplayRole || orientation != Qt::Horizontal ||
      section < 0 || section >= static_cast<int>(table_->headings.size())) {
    return {};
  }
  return QString::fromStdString(table_->headings[static_cast<size_t>(section)]);
}
