#pragma once
// The grid's model over the data control's open query: one column per field, headed by
// the field's name, one row per record. Rows are read from the query's cursor a chunk at
// a time as the view scrolls to them, so a large table opens at once and only the rows
// looked at are held. To reach the end at once, the grid can span every row from the
// query's count: a row far past those read (the last, say) is then read with its
// neighbours from its place, without the rows before it.

#include "browser/packed_rows.h"
#include "platform/ado/ado.h"

#include <QAbstractTableModel>
#include <functional>
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

    // Reads `count` rows of the shown query from row `first` (0: the first) on, fewer at
    // its end.
    using WindowReader =
        std::function<platform::ado::Status(qint64 first, int count, QList<QStringList>* rows)>;
    void setWindowReader(WindowReader reader) { reader_ = std::move(reader); }
    // The shown query gives `total` rows (its count).
    void setRowTotal(qint64 total) { counted_ = total; }
    // From now on the grid spans every row of the shown query, the rows not read yet empty
    // until they are read at their place. False (nothing changes) without a reader or a
    // count, or once every row is read.
    bool spanEveryRow();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

    static constexpr int kChunk = 500;
    // Windows of rows read away from the first ones, kept while the view may come back.
    static constexpr int kFarWindows = 8;
    static constexpr int kSlowReadMs = 1000;

signals:
    // A read of the cursor failed: the rows read before stay, no more come.
    void readFailed(const QString& message);
    // A read of the cursor has returned (whether its rows were kept or not).
    void readEnded();
    // Rows `first` to `last` have been read and show their values.
    void rowsRead(int first, int last);
    // A read of rows at their place has lasted kSlowReadMs (true), or has ended after that
    // (false): the user is told the grid is waiting for them.
    void slowRead(bool lasting);

private:
    // Reads the next chunk of the current cursor into `rows`. False when the rows must
    // not be used: the model was rebound to another cursor, or deleted, during the wait.
    bool readChunk(QList<QStringList>* rows);
    // Appends rows read from the current cursor.
    void appendRows(const QList<QStringList>& rows);
    // The value of a row read at its place; false when the row has not been read.
    bool farValue(int row, int column, QString* value) const;
    // Asks for `row`, not read yet, to be read soon (the view asks for values while it
    // paints, where no read may wait).
    void want(int row) const;
    // Reads the rows wanted, the latest first, with their windows, once no other read or
    // action is under way.
    void readWanted();
    // The row has its values, or lies outside the grid.
    bool isRead(int row) const;
    // Reads the rows of the window that holds `row` at their place.
    void readWindow(int row);
    // The query ends at `rows` rows, fewer than it was counted: the grid ends there too.
    void endAt(int rows);

    struct Window {
        int first = 0;
        PackedRows rows;
    };

    std::weak_ptr<platform::ado::RowCursor> cursor_;
    // Raised by every rebind: a read that returns under another number is not this
    // query's.
    quint64 binding_ = 0;
    QList<platform::ado::Field> fields_;
    PackedRows rows_;
    bool reading_ = false;
    kit::RunGuard* guard_ = nullptr;
    WindowReader reader_;
    qint64 counted_ = -1;
    // The rows the grid spans, from the count; -1 while only the rows read are shown.
    int total_ = -1;
    // Windows read at their place past rows_, the latest last.
    QList<Window> far_;
    // Rows the view showed before they were read, one a window.
    mutable QList<int> wanted_;
    mutable bool readScheduled_ = false;
    // A read at a place failed: no more are tried for this query.
    bool farFailed_ = false;
};

// A window reader over the data control's record source: each read on a cursor of its own,
// from the row's place on.
RecordsetModel::WindowReader readRowsAt(platform::ado::DataControl* data);

} // namespace browser
