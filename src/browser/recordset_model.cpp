#include "browser/recordset_model.h"

#include "kit/action_guard.h"
#include "platform/ado/row_cursor.h"

#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <climits>
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
    total_ = -1;
    counted_ = -1;
    far_.clear();
    wanted_.clear();
    farFailed_ = false;
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
    const int first = rows_.rowCount();
    const int last = first + int(rows.size()) - 1;
    if (total_ < 0) {
        if (rows.isEmpty())
            return;
        beginInsertRows({}, first, last);
        rows_.append(rows);
        endInsertRows();
    } else {
        // The grid spans these rows already: they only get their values.
        rows_.append(rows);
        const int read = rows_.rowCount();
        far_.removeIf([read](const Window& window) { return window.first < read; });
        if (!rows.isEmpty())
            emit dataChanged(index(first, 0), index(last, columnCount() - 1));
        const std::shared_ptr<platform::ado::RowCursor> cursor = cursor_.lock();
        if (cursor && cursor->atEnd())
            endAt(read);
    }
    if (!rows.isEmpty())
        emit rowsRead(first, last);
}

bool RecordsetModel::spanEveryRow()
{
    if (total_ >= 0)
        return true;
    const std::shared_ptr<platform::ado::RowCursor> cursor = cursor_.lock();
    const int spanned = int(std::min<qint64>(counted_, INT_MAX));
    if (!reader_ || !cursor || cursor->atEnd() || spanned <= rows_.rowCount())
        return false;
    beginInsertRows({}, rows_.rowCount(), spanned - 1);
    total_ = spanned;
    endInsertRows();
    return true;
}

void RecordsetModel::endAt(int rows)
{
    if (total_ <= rows)
        return;
    beginRemoveRows({}, rows, total_ - 1);
    total_ = rows;
    far_.removeIf([rows](const Window& window) { return window.first >= rows; });
    endRemoveRows();
}

bool RecordsetModel::farValue(int row, int column, QString* value) const
{
    for (const Window& window : far_) {
        if (row >= window.first && row < window.first + window.rows.rowCount()) {
            *value = window.rows.value(row - window.first, column);
            return true;
        }
    }
    return false;
}

bool RecordsetModel::isRead(int row) const
{
    QString value;
    return row < rows_.rowCount() || row >= rowCount() || farValue(row, 0, &value);
}

void RecordsetModel::want(int row) const
{
    if (farFailed_)
        return;
    // One row a window: the rows the view shows lie in one or two of them.
    const bool known = std::any_of(wanted_.cbegin(), wanted_.cend(),
                                   [row](int wanted) { return wanted / kChunk == row / kChunk; });
    if (!known)
        wanted_.append(row);
    if (wanted_.size() > kFarWindows)
        wanted_.removeFirst();
    if (readScheduled_)
        return;
    readScheduled_ = true;
    auto* self = const_cast<RecordsetModel*>(this);
    QTimer::singleShot(0, self, [self] { self->readWanted(); });
}

void RecordsetModel::readWanted()
{
    readScheduled_ = false;
    wanted_.removeIf([this](int row) { return isRead(row); });
    // The data control drops its cursor at every Connect, Close or new query: rows read at
    // their place after that would be another query's, or another database's.
    if (wanted_.isEmpty() || cursor_.expired())
        return;
    const auto again = [this](int delay) {
        readScheduled_ = true;
        QTimer::singleShot(delay, this, [this] { readWanted(); });
    };
    // Another read, or an action holding the guard, goes first: the rows are asked for again.
    if (reading_ || (guard_ && guard_->busy())) {
        again(50);
        return;
    }
    // The latest first: the view has moved there.
    const int row = wanted_.last();
    const QPointer<RecordsetModel> alive(this);
    {
        std::optional<kit::ActionGuard> guard;
        if (guard_)
            guard.emplace(*guard_);
        const std::shared_ptr<platform::ado::RowCursor> cursor = cursor_.lock();
        // A row just past those read comes from the cursor, as scrolling would read it.
        if (cursor && !cursor->atEnd() && row < rows_.rowCount() + 2 * kChunk) {
            QList<QStringList> more;
            if (!readChunk(&more))
                return;
            appendRows(more);
        } else {
            readWindow(row);
        }
    }
    if (!alive || farFailed_)
        return;
    wanted_.removeIf([this](int wanted) { return isRead(wanted); });
    if (!wanted_.isEmpty() && !readScheduled_)
        again(0);
}

void RecordsetModel::readWindow(int row)
{
    const int first = std::max(rows_.rowCount(), row / kChunk * kChunk);
    const int count = std::min(kChunk, total_ - first);
    const QPointer<RecordsetModel> alive(this);
    const quint64 binding = binding_;
    reading_ = true;
    QList<QStringList> rows;
    // The read yields: a read that lasts is named while it does.
    QTimer slow;
    slow.setSingleShot(true);
    bool named = false;
    connect(&slow, &QTimer::timeout, this, [this, &named] {
        named = true;
        emit slowRead(true);
    });
    slow.start(kSlowReadMs);
    const platform::ado::Status status = reader_(first, count, &rows);
    slow.stop();
    if (!alive)
        return;
    if (named)
        emit slowRead(false);
    if (binding != binding_) {
        emit readEnded();
        return;
    }
    reading_ = false;
    if (!status.ok) {
        farFailed_ = true;
        emit readFailed(status.message);
    } else if (first >= rows_.rowCount()) {
        Window window;
        window.first = first;
        window.rows.reset(int(fields_.size()));
        window.rows.append(rows.mid(0, count));
        if (far_.size() >= kFarWindows)
            far_.removeFirst();
        far_.append(std::move(window));
        if (!rows.isEmpty()) {
            emit dataChanged(index(first, 0), index(first + int(rows.size()) - 1, columnCount() - 1));
            emit rowsRead(first, first + int(rows.size()) - 1);
        }
        if (rows.size() < count)
            endAt(first + int(rows.size()));
    }
    emit readEnded();
}

int RecordsetModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return total_ >= 0 ? total_ : rows_.rowCount();
}

int RecordsetModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(fields_.size());
}

QVariant RecordsetModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= fields_.size())
        return {};
    if (role == Qt::TextAlignmentRole) {
        const bool number = platform::ado::isNumericType(fields_.at(index.column()).type);
        return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
    }
    if (role != Qt::DisplayRole)
        return {};
    if (index.row() < rows_.rowCount())
        return rows_.value(index.row(), index.column());
    QString value;
    if (farValue(index.row(), index.column(), &value))
        return value;
    want(index.row());
    return {};
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
    // Once the grid spans every row, rows are read where the view shows them.
    if (parent.isValid() || reading_ || total_ >= 0 || (guard_ && guard_->busy()))
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

RecordsetModel::WindowReader readRowsAt(platform::ado::DataControl* data)
{
    return [data](qint64 first, int count, QList<QStringList>* rows) {
        std::unique_ptr<platform::ado::RowCursor> cursor;
        const platform::ado::Status opened = data->openCursorAt(first, count, &cursor);
        if (!opened.ok)
            return opened;
        return cursor->fetch(count, rows);
    };
}

} // namespace browser
