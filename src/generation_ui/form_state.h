#pragma once
// The form-level values of the running program: the open connection, the data controls
// and the words the generators write for the connection kind. The session holds them
// outside the widgets: unloading the window and showing it again rebuilds every control,
// while these keep their values (the start-up sets only look_style again). They sit with
// the generator pages because the runs are what reads them.

#include "generators/common/run_catalogue_cache.h"
#include "generators/common/run_context.h"
#include "generators/common/type_tables.h"
#include "platform/ado/ado.h"

#include <QString>
#include <memory>

namespace generation_ui
{

struct FormState {
    // Connection of the open database and the string it was opened with. Every Connect
    // opens this one object again, so a run's catalogue may hold on to it.
    QString db_cnxstr;
    platform::ado::Connection db_cnx;
    int connected = 0; // 1 after a successful open, 0 after a failed one

    // Scratch holder of the tables' schema rowset.
    platform::ado::Recordset db_schema;

    // Words the generators write for the connection kind.
    QString schema_filter;
    QString net_ns;
    QString net_prefix;
    QString from_dual;
    QString row_limit;

    int look_style = 0; // colour look: 0 system colours, 1 designed colours

    // vb_types, sql_quotes and net_types by data type code: the generators' constant tables.
    const generators::TypeTables& typeTables = generators::standardTypeTables();

    // The data controls: Data2 feeds the browser's grid; data3 and data4 run the
    // generators' column queries.
    platform::ado::DataControl Data2;
    platform::ado::DataControl data3;
    platform::ado::DataControl data4;

    // fk_rows (pk_table, pk_col, pf_table, pf_col) of the current generation run.
    generators::FkWorkList fk_rows;

    // What the running generation has read of the catalogue; none between runs.
    std::unique_ptr<generators::RunCatalogueCache> runCatalogue;
};

} // namespace generation_ui
