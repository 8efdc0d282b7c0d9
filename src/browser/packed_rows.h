#pragma once
// The rows a grid has read, kept packed: the values of each batch of rows lie end to end
// in one text, so a row costs its characters and an offset per value instead of a
// string object per value (a million rows of five short values: about 100 MB, not 400).

#include <QList>
#include <QString>
#include <QStringList>

namespace browser
{

class PackedRows
{
public:
    // Empties the store; every row appended from now on has `columns` values.
    void reset(int columns);
    // Appends a batch of rows; a row with fewer values than the columns reads "" for
    // the missing ones, extra values are dropped.
    void append(const QList<QStringList>& rows);

    int rowCount() const { return rowCount_; }
    // The value at a row and column, both within range.
    QString value(int row, int column) const;

private:
    struct Batch {
        int firstRow = 0;
        QString text;
        // Where each value ends in `text`, row after row.
        QList<qsizetype> ends;
    };
    QList<Batch> batches_;
    int columns_ = 0;
    int rowCount_ = 0;
};

} // namespace browser
