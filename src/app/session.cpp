#include "app/session.h"

#include "browser/data_browser_page.h"
#include "connection/connection_kinds.h"
#include "connection/connection_page.h"
#include "generation_ui/aspx_generator_page.h"
#include "generation_ui/folder_picker.h"
#include "generation_ui/solution_panel.h"
#include "generation_ui/vb_generator_page.h"
#include "platform/folders.h"
#include "platform/settings_keys.h"

namespace app
{

namespace
{

using platform::settings::Key;

QString stored(const platform::settings::Store& store, const Key& key)
{
    return store.get(platform::settings::kProgram, key.sectionName(), key.keyName());
}

void save(platform::settings::Store& store, const Key& key, const QString& value)
{
    store.save(platform::settings::kProgram, key.sectionName(), key.keyName(), value);
}

// A stored tick: "0" unticked, "1" ticked; anything else leaves the tick as it is.
void restoreTick(bool& tick, const QString& value)
{
    bool ok = false;
    const int state = value.toInt(&ok);
    if (ok && (state == 0 || state == 1))
        tick = state == 1;
}

QString tickValue(bool tick)
{
    return tick ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

void Session::setCatalogueTimeLimit(std::chrono::milliseconds limit)
{
    connection_.setCatalogueTimeLimit(limit);
}

void Session::restoreProjectChoices()
{
    pages_.solution->setStyleSheetPath(stored(settings_, platform::settings::kStyleSheet));
    pages_.aspxGenerator->setProjectName(stored(settings_, platform::settings::kProjectName));
}

void Session::restoreConnectionChoices()
{
    connection::ConnectionPage::KeptChoices kept = pages_.connection->keptChoices();
    restoreTick(kept.saveOraclePassword, stored(settings_, platform::settings::kKeepOraclePassword));
    restoreTick(kept.saveSqlServerPassword, stored(settings_, platform::settings::kKeepSqlServerPassword));
    kept.provider = stored(settings_, platform::settings::kProvider);
    if (kept.provider.isEmpty())
        kept.provider = QStringLiteral("SQLOLEDB.1");
    pages_.connection->restoreKeptChoices(kept);
    generation_ui::VbGeneratorPage& vb = *pages_.vbGenerator;
    vb.setOutputFolder(stored(settings_, platform::settings::kOutputFolder));
    if (vb.outputFolder().isEmpty())
        vb.setOutputFolder(platform::withTrailingSeparator(platform::programFolder()));
}

void Session::saveChoices()
{
    const connection::ConnectionPage::KeptChoices kept = pages_.connection->keptChoices();
    save(settings_, platform::settings::kKeepOraclePassword, tickValue(kept.saveOraclePassword));
    save(settings_, platform::settings::kKeepSqlServerPassword, tickValue(kept.saveSqlServerPassword));
    save(settings_, platform::settings::kProvider, kept.provider);
    save(settings_, platform::settings::kOutputFolder, pages_.vbGenerator->outputFolder());
    save(settings_, platform::settings::kProjectName, pages_.aspxGenerator->projectName());
}

void Session::styleSheetEdited()
{
    save(settings_, platform::settings::kStyleSheet, pages_.solution->styleSheetPath());
}

void Session::showHistory(const connection::HistoryLists& lists)
{
    pages_.connection->setHistoryLists(lists);
}

connection::HistoryLists Session::historyLists() const
{
    return pages_.connection->historyLists();
}

void Session::applyConnectionKind(const connection::KindValues& values)
{
    pages_.connection->setGeneratedCodeConnection(values.cnxstr);
    pages_.vbGenerator->allowStoredProcedures(values.oracle());
    form_.net_ns = values.net_ns;
    form_.net_prefix = values.net_prefix;
    form_.from_dual = values.from_dual;
    form_.row_limit = values.row_limit;
    if (values.dbn)
        pages_.vbGenerator->setPrefix(*values.dbn);
    form_.schema_filter.clear();
}

void Session::after_connect()
{
    // The browser's list is sorted already, so adding its items at once gives the order
    // adding them one by one would.
    const QStringList tables = pages_.dataBrowser->tables();
    pages_.aspxGenerator->listTables(tables);
    pages_.vbGenerator->startWithTables(tables);
}

void Session::showTablesToChoose()
{
    after_connect();
    pages_.vbGenerator->focusTableList();
}

void Session::showConnected(connection::Kind kind)
{
    using connection::Kind;
    switch (kind) {
    case Kind::access:
    case Kind::other:
        showTablesToChoose();
        break;
    case Kind::sqlServer:
        after_connect();
        pages_.connection->rememberLogin(kind);
        pages_.vbGenerator->focusTableList();
        break;
    case Kind::oracle:
        after_connect();
        pages_.connection->rememberLogin(kind);
        pages_.connection->focusSchema();
        break;
    }
}

QString Session::vbOutputFolderEdited()
{
    const QString folder = pages_.vbGenerator->outputFolder();
    pages_.aspxGenerator->setOutputFolder(folder);
    return folder;
}

void Session::aspxOutputFolderEdited()
{
    pages_.vbGenerator->setOutputFolder(pages_.aspxGenerator->outputFolder());
}

void Session::pickOutputFolder()
{
    // The output boxes show where a running generator writes: they do not change under it.
    if (runGuard_.busy())
        return;
    pages_.folderPicker->openAt(pages_.vbGenerator->outputFolder());
}

void Session::takePickedFolder()
{
    if (runGuard_.busy())
        return;
    generation_ui::VbGeneratorPage& vb = *pages_.vbGenerator;
    vb.setOutputFolder(pages_.folderPicker->chosenFolder());
    vb.endOutputFolderWithSeparator();
    pages_.aspxGenerator->setOutputFolder(vb.outputFolder());
    pages_.folderPicker->hide();
}

void Session::openSolutionDialog()
{
    // The dialog's Ok would start a second run inside this one, and the dialog shows the
    // steps of a solution run: neither may change while a run is under way.
    if (runGuard_.busy())
        return;
    const generation_ui::VbGeneratorPage& vb = *pages_.vbGenerator;
    pages_.solution->openFor(vb.prefix(), platform::withTrailingSeparator(vb.outputFolder()));
}

bool Session::solutionDialogVisible() const
{
    return !pages_.solution->isHidden();
}

generation_ui::RunSnapshot Session::runSnapshot() const
{
    generation_ui::RunSnapshot snapshot;
    generators::RunInputs& in = snapshot.run;
    pages_.vbGenerator->fillRunInputs(in);
    in.cnxstr = pages_.connection->generatedCodeConnection();
    in.db_cnxstr = connection_.string();
    in.net_ns = form_.net_ns;
    in.net_prefix = form_.net_prefix;
    in.from_dual = form_.from_dual;
    in.row_limit = form_.row_limit;
    in.schema_filter = form_.schema_filter;
    in.solutionVisible = solutionDialogVisible();
    in.ppg = pages_.solution->projectFolder();
    snapshot.editPage = pages_.aspxGenerator->editPageInputs();
    pages_.solution->fillSolutionInputs(snapshot.solution);
    snapshot.solution.psEnabled = pages_.vbGenerator->storedProceduresAllowed();
    snapshot.typeTables = &form_.typeTables;
    return snapshot;
}

void Session::clearTabFrames()
{
    pages_.vbGenerator->clearTabFrames();
    pages_.dataBrowser->clearTabFrames();
}

} // namespace app
