#pragma once
// The edit-page run behind "Generate ASPX!": for the table in the page's table box it
// writes the edit page and its code-behind into the page output folder, previews both,
// and shows its current step in the page's step label.

#include "generators/common/run_context.h"
#include "generators/web/edit_page_lists.h"

#include <functional>

namespace generators::web
{

// What the run reads of the ASPX Generator page.
struct EditPageInputs {
    QString tableBox; // tb2(0), as the box holds it
    QString pageFile; // tb2(1)
    QString codeFile; // tb2(2)
    QString project;  // tb2(3)
    QString folder;   // pn2, a plain prefix of both file names
};

// Shows a text in the step label (stasp); an empty text empties it.
using StepLabel = std::function<void(const QString& text)>;

// The run. Besides the page inputs it reads row_limit from the context's inputs and asks
// the context whether the solution dialog is visible (then it shows no end message).
// The pages of one solution share `foreignKeys`.
void runEditPage(RunContext& ctx, const EditPageInputs& page, const StepLabel& stepLabel,
                 ForeignKeyRowsByTable* foreignKeys = nullptr);

// The table box without leading and trailing blanks.
QString pageTable(const QString& tableBox);

} // namespace generators::web
