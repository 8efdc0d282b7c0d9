#include "browser/recordset_model.h"

#include <algorithm>

namespace browser
{

RecordsetModel::RecordsetModel(QObject* parent) : QAbstractTableModel(parent) {}

void RecordsetModel::rebind(const platform::ado::DataControl* data)
{
    beginResetModel();
    data_ = data;
    // The counts are taken here, at binding time: the view sees a new recordset only
    // through a rebind.
    const platform::ado::Recordset* rows = recordset();
    columns_ = rows ? rows->fieldCount() : 0;
    total_ = rows ? rows->recordCount() : 0;
    shown_ = std::min(total_, kChunk);
    endResetModel();
}

const platform::ado::Recordset* RecordsetModel::recordset() const
{
    return data_ ? &data_->recordset() : nullptr;
}

int RecordsetModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : shown_;
}

int RecordsetModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : columns_;
}

QVariant RecordsetModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    const platform::ado::Recordset* rows = recordset();
    if (!rows || index.row() >= rows->recordCount())
        return {};
    const QStringList& row = rows->rows().at(index.row());
    return index.column() < row.size() ? row.at(index.column()) : QString();
}

QVariant RecordsetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    const platform::ado::Recordset* rows = recordset();
    if (!rows || section < 0 || section >= rows->fieldCount())
        return {};
    return rows->fields().at(section).name;
}

bool RecordsetModel::canFetchMore(const QModelIndex& parent) const
{
    return !parent.isValid() && shown_ < total_;
}

void RecordsetModel::fetchMore(const QModelIndex& parent)
{
    if (!canFetchMore(parent))
        return;
    const int next = std::min(total_, shown_ + kChunk);
    beginInsertRows({}, shown_, next - 1);
    shown_ = next;
    endInsertRows();
}

} // namespace browser
