#include "generation_ui/edit_page_names.h"

namespace generation_ui
{

generators::web::EditPageInputs editPageOf(const QString& table, const QString& project,
                                           const QString& folder)
{
    generators::web::EditPageInputs page;
    page.tableBox = table;
    page.pageFile = QStringLiteral("edit_") + table + QStringLiteral(".aspx");
    page.codeFile = QStringLiteral("edit_") + table + QStringLiteral(".aspx.vb");
    page.project = project;
    page.folder = folder;
    return page;
}

} // namespace generation_ui
