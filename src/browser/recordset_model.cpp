#include "browser/recordset_model.h"

#include "platform/ado/row_cursor.h"

namespace browser
{

RecordsetModel::RecordsetModel(QObject* parent) : QAbstractTableModel(parent) {}

void RecordsetModel::rebind(const std::shared_ptr<platform::ado::RowCursor>& cursor)
{
    beginResetModel();
    cursor_ = cursor;
    fields_ = cursor ? cursor->fields() : QList<platform::ado::Field>();
    rows_.reset(int(fields_.size()));
    rows_.append(readChunk());
    endResetModel();
}

QList<QStringList> RecordsetModel::readChunk()
{
    QList<QStringList> rows;
    const std::shared_ptr<platform::ado::RowCursor> cursor = cursor_.lock();
    // The view may ask again while a read is under way (the read lets events through).
    if (!cursor || cursor->atEnd() || reading_)
        return rows;
    reading_ = true;
    const platform::ado::Status status = cursor->fetch(kChunk, &rows);
    reading_ = false;
    if (!status.ok)
        emit readFailed(status.message);
    return rows;
}

int RecordsetModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows_.rowCount();
}

int RecordsetModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(fields_.size());
}

QVariant RecordsetModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rows_.rowCount() || index.column() >= fields_.size())
        return {};
    if (role == Qt::TextAlignmentRole) {
        const bool number = platform::ado::isNumericType(fields_.at(index.column()).type);
        return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
    }
    if (role != Qt::DisplayRole)
        return {};
    return rows_.value(index.row(), index.column());
}

QVariant RecordsetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    if (section < 0 || section >= fields_.size())
        return {};
    return fields_.at(section).name;
}

bool RecordsetModel::canFetchMore(const QModelIndex& parent) const
{
    if (parent.isValid() || reading_)
        return false;
    const std::shared_ptr<platform::ado::RowCursor> cursor = cursor_.lock();
    return cursor && !cursor->atEnd();
}

void RecordsetModel::fetchMore(const QModelIndex& parent)
{
    if (!canFetchMore(parent))
        return;
    const QList<QStringList> more = readChunk();
    if (more.isEmpty())
        return;
    beginInsertRows({}, rows_.rowCount(), rows_.rowCount() + int(more.size()) - 1);
    rows_.append(more);
    endInsertRows();
}

} // namespace browser
