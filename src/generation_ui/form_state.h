#pragma once
// The form-level values of the running program: the words the generators write for the
// connection kind and the colour look. The session holds them outside the widgets:
// unloading the window and showing it again rebuilds every control, while these keep
// their values (the start-up sets only look_style again). They sit with the generator
// pages because the runs are what reads them.

#include "generators/common/type_tables.h"

#include <QString>

namespace generation_ui
{

struct FormState {
    // Words the generators write for the connection kind.
    QString schema_filter;
    QString net_ns;
    QString net_prefix;
    QString from_dual;
    QString row_limit;

    int look_style = 0; // colour look: 0 system colours, 1 designed colours

    // vb_types, sql_quotes and net_types by data type code: the generators' constant tables.
    const generators::TypeTables& typeTables = generators::standardTypeTables();
};

} // namespace generation_ui
