#pragma once
// The search box of a table list: selects the first name, from a start found by the
// first character, that is not below the typed text (upper-cased, plain code order).

#include <QStringList>

namespace kit
{

// The row to select for `search` among `items`, or -1 when none qualifies (the list
// keeps its selection then). An empty search selects nothing.
int typeAheadRow(const QStringList& items, const QString& search);

} // namespace kit
