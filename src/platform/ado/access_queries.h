#pragma once
// The data browser's filters and orders over an Access table, done over the rows the MDBTools
// driver reads: its SQL engine has no ORDER BY, compares text with regard to case, and
// compares neither dates nor currency nor a number with a quoted value, so its own answers
// to such a WHERE would be wrong rows.

#include "platform/ado/access_catalogue.h"
#include "platform/ado/row_cursor.h"

namespace platform::ado
{

struct AccessQueryPlan {
    QString source; // the statement the driver runs: every row of the table
    RowCursor::RowTest keep;
    RowCursor::RowArrangement arrange;
};

// How to run `sql` when it reads one table of the catalogue with a WHERE or an ORDER BY of
// the browser's forms ("SELECT * from t where c like 'x%'", "... where c = 'x'", "... where c
// >= 10 and c <= {d '2024-01-31'}", "... order by c desc"): true with the plan. False for a
// statement the driver runs as it is; a statement of that table in any other form gives the
// reason it cannot be run in `refused`.
bool planAccessQuery(const AccessCatalogue& catalogue, const QString& sql, const QString& quote,
                     AccessQueryPlan* plan, Status* refused);

} // namespace platform::ado
