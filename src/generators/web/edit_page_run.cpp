#include "generators/web/edit_page_run.h"

#include "generators/common/column_discovery.h"
#include "generators/common/module_file.h"
#include "generators/common/name_check.h"
#include "generators/common/primary_key_read.h"
#include "generators/web/edit_page_code_handlers.h"
#include "generators/web/edit_page_code_setup.h"
#include "generators/web/edit_page_markup.h"
#include "platform/folders.h"
#include "platform/trim_spaces.h"

namespace generators::web
{

namespace
{

QStringList columnNames(RunContext& ctx, DataControlId control, const QString& table)
{
    QStringList names;
    for (const platform::ado::Field& field : discoverColumns(ctx, control, table, /*withRowLimit=*/true))
        names.append(field.name);
    return names;
}

// The two files, written in one pass.
class EditPageWriter
{
public:
    EditPageWriter(RunContext& ctx, const EditPageInputs& page, const StepLabel& stepLabel,
                   ForeignKeyRowsByTable& foreignKeys)
        : ctx_(ctx), stepLabel_(stepLabel), foreignKeys_(foreignKeys), page_(ctx, kPreviewAspx),
          code_(ctx, kPreviewAspxVb)
    {
        names_.table = pageTable(page.tableBox);
        names_.tableBox = page.tableBox;
        names_.project = page.project;
        names_.codeFile = page.codeFile;
        pagePath_ = page.folder + page.pageFile;
        codePath_ = page.folder + page.codeFile;
    }

    void run()
    {
        step(QStringLiteral("Search Foreign Keys"));
        // A table whose names cannot go into code gets no page; the end message says why.
        if (tablesFitForCode(ctx_, {names_.table}, /*withRowLimit=*/true).isEmpty())
            return;
        lists_ = scanForeignKeys(ctx_, names_.table, foreignKeys_);
        page_.open(pagePath_, platform::OpenMode::Output);
        code_.open(codePath_, platform::OpenMode::Output);

        writePageHead(page_, names_);
        writeCodeHead(code_, names_);
        writeKeyTable();
        writeFormStart(page_, names_);
        writeForm();
        writeButtons(page_, names_);
        for (const ChildEntry& child : lists_.children)
            writeChildLink(page_, child.table);
        writeTableGrid(page_, names_, columns_);
        for (const ChildEntry& child : lists_.children) {
            writeChildGrid(page_, child.table, columnNames(ctx_, DataControlId::data4, child.table));
            declareControl(code_, DeclaredControl::ChildGrid, child.table);
        }
        writePageTail(page_);

        writePageSetup(code_, names_, lists_.parentTables);
        writeKeyBindings();
        step(QStringLiteral("Generate Vb Code..."));
        writeLookupBindings(code_, lists_);
        writeInitEnd(code_, names_, columns_, lists_.pkColumns);
        writeLookupHandlers(code_, lists_);
        writeKeyHandlers(code_, names_, lists_, columns_);
        writeButtonHandlers(code_, names_, lists_, columns_);

        page_.close();
        code_.close();
    }

private:
    void step(const QString& text)
    {
        stepLabel_(text);
        ctx_.host.yield();
    }

    void writeKeyTable()
    {
        step(QStringLiteral("Search Primary Key"));
        for (const QString& column : readPrimaryKey(ctx_, names_.table, QString())) {
            writeKeyRow(page_, column);
            declareControl(code_, DeclaredControl::KeyDropDown, column);
        }
    }

    // The form's rows in column order; a column that a foreign-key entry names gets the
    // lookup drop-down, and the first such entry is marked as shown.
    void writeForm()
    {
        step(QStringLiteral("Search Columns"));
        columns_ = columnNames(ctx_, DataControlId::data3, names_.table);
        for (const QString& column : std::as_const(columns_)) {
            const qsizetype k = lists_.matchForeignKey(column);
            if (k >= 0)
                lists_.foreignKeys[k].seen = true;
            writeFormRow(page_, column, k >= 0);
            if (k >= 0)
                declareControl(code_, DeclaredControl::LookupDropDown, column);
            declareControl(code_, DeclaredControl::TextBox, column);
        }
    }

    // The key drop-downs' bindings, from a second read of the primary key.
    void writeKeyBindings()
    {
        step(QStringLiteral("Search Primary Key for Vb"));
        lists_.pkColumns.clear();
        for (const QString& column : readPrimaryKey(ctx_, names_.table, QString())) {
            writeKeyBinding(code_, names_, column);
            lists_.addPrimaryKeyColumn(column);
        }
    }

    RunContext& ctx_;
    const StepLabel& stepLabel_;
    ForeignKeyRowsByTable& foreignKeys_;
    EditPageNames names_;
    QString pagePath_, codePath_;
    ModuleFile page_, code_;
    EditPageLists lists_;
    QStringList columns_; // the page table's columns, in field order
};

} // namespace

QString pageTable(const QString& tableBox)
{
    return platform::trimSpaces(tableBox);
}

void runEditPage(RunContext& ctx, const EditPageInputs& page, const StepLabel& stepLabel,
                 ForeignKeyRowsByTable* foreignKeys)
{
    platform::smkdir(page.folder);
    if (pageTable(page.tableBox).isEmpty()) {
        ctx.host.message(QStringLiteral("Choose a Table!"));
        return;
    }
    if (!readyOutputFolder(ctx, page.folder))
        return;
    ctx.host.setBusyPointer(true);
    ctx.host.clearPreview(kPreviewAspx);
    ctx.host.clearPreview(kPreviewAspxVb);
    ForeignKeyRowsByTable ownForeignKeys;
    EditPageWriter(ctx, page, stepLabel, foreignKeys ? *foreignKeys : ownForeignKeys).run();
    stepLabel(QString());
    ctx.host.setBusyPointer(false);
    const QString end = finishRun(ctx);
    if (!ctx.solutionVisible())
        ctx.host.message(end);
}

} // namespace generators::web
