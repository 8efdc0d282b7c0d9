// The snapshot of the window's values that a generation run reads.

#include "app/main_window.h"
#include "app/solution_panel.h"
#include "app/vb_generator_page.h"
#include "connection/connection_page.h"

namespace app
{

generators::RunInputs MainWindow::runInputs(bool withChosenTables) const
{
    generators::RunInputs in;
    vbGenerator->fillRunInputs(in, withChosenTables);
    in.cnxstr = connectionPage->generatedCodeConnection();
    in.db_cnxstr = form().db_cnxstr;
    in.net_ns = form().net_ns;
    in.net_prefix = form().net_prefix;
    in.from_dual = form().from_dual;
    in.row_limit = form().row_limit;
    in.schema_filter = form().schema_filter;
    in.solutionVisible = solutionDialogVisible();
    in.ppg = solution->projectFolder();
    return in;
}

} // namespace app
