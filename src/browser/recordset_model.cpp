#include "browser/recordset_model.h"

#include "kit/action_guard.h"
#include "platform/ado/row_cursor.h"

#include <QPointer>
#include <optional>

namespace browser
{

RecordsetModel::RecordsetModel(QObject* parent) : QAbstractTableModel(parent) {}

void RecordsetModel::rebind(const std::shared_ptr<platform::ado::RowCursor>& cursor)
{
    beginResetModel();
    ++binding_;
    cursor_ = cursor;
    // A read of the previous cursor may still be waiting below this call; it is dropped
    // when it returns, and this cursor's reads do not wait for it.
    reading_ = false;
    fields_ = cursor ? cursor->fields() : QList<platform::ado::Field>();
    rows_.reset(int(fields_.size()));
    endResetModel();
    QList<QStringList> first;
    if (readChunk(&first))
        appendRows(first);
}

bool RecordsetModel::readChunk(QList<QStringList>* rows)
{
    const std::shared_ptr<platform::ado::RowCursor> cursor = cursor_.lock();
    // The view may ask again while a read is under way (the read lets events through).
    if (!cursor || cursor->atEnd() || reading_)
        return true;
    const QPointer<RecordsetModel> alive(this);
    const quint64 binding = binding_;
    reading_ = true;
    const platform::ado::Status status = cursor->fetch(kChunk, rows);
    if (!alive)
        return false;
    const bool current = binding == binding_;
    if (current) {
        reading_ = false;
        if (!status.ok)
            emit readFailed(status.message);
    }
    emit readEnded();
    return current;
}

void RecordsetModel::appendRows(const QList<QStringList>& rows)
{
    if (rows.isEmpty())
        return;
    beginInsertRows({}, rows_.rowCount(), rows_.rowCount() + int(rows.size()) - 1);
    rows_.append(rows);
    endInsertRows();
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
    if (parent.isValid() || reading_ || (guard_ && guard_->busy()))
        return false;
    const std::shared_ptr<platform::ado::RowCursor> cursor = cursor_.lock();
    return cursor && !cursor->atEnd();
}

void RecordsetModel::fetchMore(const QModelIndex& parent)
{
    if (!canFetchMore(parent))
        return;
    std::optional<kit::ActionGuard> guard;
    if (guard_) {
        guard.emplace(*guard_);
        if (!*guard)
            return;
    }
    QList<QStringList> more;
    if (readChunk(&more))
        appendRows(more);
}

} // namespace browser
