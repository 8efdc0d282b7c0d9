#pragma once
// The grid's model over the data control's open query: one column per field, headed by
// the field's name, one row per record. Rows are read from the query's cursor a chunk at
// a time as the view scrolls to them, so a large table opens at once and only the rows
// looked at are held.

#include "browser/packed_rows.h"
#include "platform/ado/ado.h"

#include <QAbstractTableModel>
#include <memory>

namespace browser
{

class RecordsetModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit RecordsetModel(QObject* parent = nullptr);

    // Shows the rows of `cursor`, its first chunk at once (nullptr: nothing shown). The
    // cursor stays its owner's: once the owner ends it, the rows read so far stay shown
    // and no more come.
    void rebind(const std::shared_ptr<platform::ado::RowCursor>& cursor);
    const QList<platform::ado::Field>& fields() const { return fields_; }

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

private:
    QList<QStringList> readChunk();

    std::weak_ptr<platform::ado::RowCursor> cursor_;
    QList<platform::ado::Field> fields_;
    PackedRows rows_;
    bool reading_ = false;
};

} // namespace browser
