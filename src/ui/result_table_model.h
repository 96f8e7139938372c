// One of the tables of the 「数値」 tab as a Qt item model: its headings as the column headers, its
// cells as the items, numbers right-aligned. The view asks only for the rows it shows, so a
// table of thousands of rows costs nothing until it is scrolled.
#pragma once

#include <QAbstractTableModel>

#include "tables/result_tables.h"

class ResultTableModel : public QAbstractTableModel {
 public:
  explicit ResultTableModel(QObject* parent) : QAbstractTableModel(parent) {}

  // The table shown from now on, or none; it must outlive its use here.
  void SetTable(const ResultTable* table);
  const ResultTable* table() const { return table_; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  const ResultTable* table_ = nullptr;
};
