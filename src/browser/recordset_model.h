#pragma once
// The grid's model over the data control's open query: one column per field, headed by
// the field's name, one row per record. Rows are read from the query's cursor a chunk at
// a time as the view scrolls to them, so a large table opens at once and only the rows
// looked at are held.

#include "browser/packed_rows.h"
#include "platform/ado/ado.h"

#include <QAbstractTableModel>
#include <memory>

namespace kit
{
class RunGuard;
}

namespace browser
{

class RecordsetModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit RecordsetModel(QObject* parent = nullptr);

    // A read the view asks for (scrolling) holds `guard` while it waits, so nothing that
    // would replace the connection or the window runs in the middle of it; while another
    // action holds it, no more rows are read. Without a guard, reads take none.
    void setRunGuard(kit::RunGuard* guard) { guard_ = guard; }

    // Shows the rows of `cursor`, its first chunk at once (nullptr: nothing shown). The
    // cursor stays its owner's: once the owner ends it, the rows read so far stay shown
    // and no more come. A read of an earlier cursor still under way is dropped.
    void rebind(const std::shared_ptr<platform::ado::RowCursor>& cursor);
    const QList<platform::ado::Field>& fields() const { return fields_; }
    // A read of the cursor is under way (the window handles events meanwhile).
    bool reading() const { return reading_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

    static constexpr int kChunk = 500;

signals:
    // A read of the cursor failed: the rows read before stay, no more come.
    void readFailed(const QString& message);
    // A read of the cursor has returned (whether its rows were kept or not).
    void readEnded();

private:
    // Reads the next chunk of the current cursor into `rows`. False when the rows must
    // not be used: the model was rebound to another cursor, or deleted, during the wait.
    bool readChunk(QList<QStringList>* rows);
    // Appends rows read from the current cursor.
    void appendRows(const QList<QStringList>& rows);

    std::weak_ptr<platform::ado::RowCursor> cursor_;
    // Raised by every rebind: a read that returns under another number is not this
    // query's.
    quint64 binding_ = 0;
    QList<platform::ado::Field> fields_;
    PackedRows rows_;
    bool reading_ = false;
    kit::RunGuard* guard_ = nullptr;
};

} // namespace browser
