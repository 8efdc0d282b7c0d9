#pragma once
// What a generation run works from, read from the window once, as the run starts: the VB
// Generator page with the connection kind's words, the ASPX Generator page, and the solution
// dialog. Whatever is typed or clicked while the run yields changes nothing of its files.

#include "generators/common/run_inputs.h"
#include "generators/common/type_tables.h"
#include "generators/web/edit_page_run.h"
#include "generators/web/solution_files.h"

namespace generation_ui
{

struct RunSnapshot {
    generators::RunInputs run;                // with the chosen tables
    generators::web::EditPageInputs editPage; // the ASPX Generator page's boxes
    // The dialog's names, folders and style sheet, and whether the stored-procedure box is
    // offered; the run adds the module file names and the tables.
    generators::web::SolutionInputs solution;
    // The form's constant tables by data type code, for the class modules.
    const generators::TypeTables* typeTables = &generators::standardTypeTables();
};

} // namespace generation_ui
