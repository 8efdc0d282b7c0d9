#include "browser/packed_rows.h"

#include <algorithm>

namespace browser
{

void PackedRows::reset(int columns)
{
    batches_.clear();
    columns_ = columns;
    rowCount_ = 0;
}

void PackedRows::append(const QList<QStringList>& rows)
{
    if (rows.isEmpty())
        return;
    Batch batch;
    batch.firstRow = rowCount_;
    qsizetype length = 0;
    for (const QStringList& row : rows) {
        for (int column = 0; column < columns_ && column < row.size(); ++column)
            length += row.at(column).size();
    }
    batch.text.reserve(length);
    batch.ends.reserve(rows.size() * columns_);
    for (const QStringList& row : rows) {
        for (int column = 0; column < columns_; ++column) {
            if (column < row.size())
                batch.text += row.at(column);
            batch.ends.append(batch.text.size());
        }
    }
    rowCount_ += int(rows.size());
    batches_.append(std::move(batch));
}

QString PackedRows::value(int row, int column) const
{
    // The last batch that starts at or before the row.
    const auto after = std::upper_bound(batches_.cbegin(), batches_.cend(), row,
                                        [](int r, const Batch& batch) { return r < batch.firstRow; });
    const Batch& batch = *std::prev(after);
    const qsizetype index = qsizetype(row - batch.firstRow) * columns_ + column;
    const qsizetype start = index == 0 ? 0 : batch.ends.at(index - 1);
    return batch.text.mid(start, batch.ends.at(index) - start);
}

} // namespace browser
