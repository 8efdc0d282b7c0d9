// The snapshot of the window's values that a generation run reads.

#include "app/main_window.h"
#include "app/solution_panel.h"
#include "app/vb_generator_page.h"
#include "connection/connection_page.h"

namespace app {

generators::RunInputs MainWindow::runInputs() const
{
    generators::RunInputs in;
    const VbGeneratorPage& page = *vbGenerator;
    in.pn = page.pn->text();
    in.dbn = page.dbn->text();
    for (std::size_t i = 0; i < 3; ++i) {
        in.gn[i] = page.gn[i]->isChecked();
        in.gnn[i] = page.gnn[i]->text();
    }
    in.gcfk = page.gcfk->isChecked();
    in.ps = page.ps->isChecked();
    in.gwcf = page.gwcf->isChecked();
    in.tdn1 = page.tdn1->items();
    in.cnxstr = connectionPage->cnxstr->text();
    in.db_cnxstr = form_.db_cnxstr;
    in.net_ns = form_.net_ns;
    in.net_prefix = form_.net_prefix;
    in.from_dual = form_.from_dual;
    in.row_limit = form_.row_limit;
    in.schema_filter = form_.schema_filter;
    in.solutionVisible = solutionDialogVisible();
    in.ppg = solution->ppg->text();
    return in;
}

} // namespace app
