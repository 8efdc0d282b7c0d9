#pragma once
// Ctrl+End, and the grid's scroll bar dragged to its end, reach the last rows of the
// query, not those of the rows read so far: the model spans every row of the query first.
// Scrolling step by step still reads the rows a chunk at a time. Ctrl+Home always shows
// the first row.

class QTableView;

namespace browser
{

class RecordsetModel;

void reachQueryEnd(QTableView* grid, RecordsetModel* model);

} // namespace browser
