// Opening the connection and reading the catalogue (connect_db), and Select Schema.
#include "app/connection_handlers.h"

#include "app/main_window.h"
#include "app/vb_generator_page.h"
#include "browser/data_browser_page.h"
#include "connection/connection_kinds.h"
#include "connection/connection_page.h"
#include "kit/action_guard.h"
#include "platform/dropped_status.h"
#include "platform/user_feedback.h"

#include <QPointer>
#include <QSet>

namespace app
{

namespace
{

constexpr int kSchemaSlots = 10001; // schemas remembered per scan
constexpr int kSchemasShown = 1001; // schemas the schema box lists

const QString kTableName = QStringLiteral("TABLE_NAME");
const QString kTableType = QStringLiteral("TABLE_TYPE");
const QString kTableSchema = QStringLiteral("TABLE_SCHEMA");

// A rowset that cannot be read counts as one without rows.
void readTablesRowset(FormState& form)
{
    form.db_schema = platform::ado::Recordset();
    const platform::ado::Status read =
        form.db_cnx.openSchema(platform::ado::adSchemaTables, {}, &form.db_schema);
    if (!read.ok)
        platform::logDropped(QStringLiteral("Reading the tables"), read.message);
}

// The start of a catalogue read: the busy pointer, the row counter shown empty and no
// record count on the browser.
void startScan(MainWindow& window)
{
    platform::setWaitCursor(true);
    window.connectionPage->startScan();
    window.dataBrowser->clearRecordCount();
}

// Shows the phase of the read and yields; false when the window went away meanwhile.
bool showPhase(const QPointer<MainWindow>& window, const QString& phase)
{
    window->connectionPage->showPhase(phase);
    platform::yield();
    return !window.isNull();
}

} // namespace

void connect_db(MainWindow& window)
{
    const QPointer<MainWindow> alive(&window);
    FormState& form = window.form();
    connection::ConnectionPage& cp = *window.connectionPage;

    startScan(window);
    if (!showPhase(alive, QStringLiteral("Search Parameters for connection")))
        return;

    form.Data2.setConnectionString(form.db_cnxstr);
    form.data3.setConnectionString(form.db_cnxstr);
    form.data4.setConnectionString(form.db_cnxstr);

    const QString wanted = cp.wantedTableType();
    if (!showPhase(alive, QStringLiteral("Open connection")))
        return;

    form.db_schema = platform::ado::Recordset();
    // The state judges the outcome; the status carries the driver's reason for the message.
    const platform::ado::Status opened = form.db_cnx.open(form.db_cnxstr);
    if (form.db_cnx.state() != platform::ado::adStateOpen) {
        platform::setWaitCursor(false);
        cp.clearPhase();
        const QString message = connection::notOpenedMessage(opened.message, form.db_cnxstr);
        platform::logFailure(message);
        window.showMessage(message);
        if (!alive)
            return;
        window.setStatusPanel(1, QString::fromLatin1(kNotConnected));
        form.connected = 0;
        return;
    }

    form.connected = 1;
    if (!showPhase(alive, QStringLiteral("Open Schema Recordset")))
        return;
    readTablesRowset(form);

    int counter = 0;
    window.dataBrowser->clearTables();
    cp.clearSchemas();
    if (!showPhase(alive, QStringLiteral("Search Tables")))
        return;

    // The slots of first-seen schemas: a set finds a stored name at once, the list keeps
    // their order.
    QStringList schemaSlots;
    QSet<QString> stored;
    platform::ado::Recordset rows = form.db_schema;
    const int nameField = rows.fieldIndex(kTableName);
    const int typeField = rows.fieldIndex(kTableType);
    const int schemaField = rows.fieldIndex(kTableSchema);
    for (rows.moveFirst(); !rows.eof(); rows.moveNext()) {
        ++counter;
        cp.showRowCount(counter);
        platform::yield();
        if (!alive)
            return;
        if (rows.value(typeField) != wanted)
            continue;
        window.dataBrowser->addTable(rows.value(nameField));
        const QString schema = rows.value(schemaField);
        if (!schema.isEmpty() && schemaSlots.size() < kSchemaSlots && !stored.contains(schema)) {
            stored.insert(schema);
            schemaSlots.append(schema);
        }
    }

    form.db_schema.close();
    cp.listSchemas(schemaSlots.mid(0, kSchemasShown));
    cp.endScan();
    platform::setWaitCursor(false);
}

void Command1_Click(MainWindow& window)
{
    kit::ActionGuard guard(window.session().runGuard());
    if (!guard)
        return;
    const QPointer<MainWindow> alive(&window);
    FormState& form = window.form();
    connection::ConnectionPage& cp = *window.connectionPage;

    startScan(window);
    window.session().proposeSchemaPrefix(cp.chosenSchema());
    if (form.db_cnx.state() != platform::ado::adStateOpen) {
        platform::setWaitCursor(false);
        window.showMessage(QStringLiteral("Connection not opened"));
        return;
    }

    const QString wanted = cp.wantedTableType();
    const QString chosen = cp.chosenSchema();
    form.schema_filter = chosen;
    if (!showPhase(alive, QStringLiteral("Open Schema Recordset")))
        return;
    readTablesRowset(form);

    int counter = 0;
    window.dataBrowser->clearTables();
    if (!showPhase(alive, QStringLiteral("Search Tables")))
        return;
    platform::ado::Recordset rows = form.db_schema;
    const int nameField = rows.fieldIndex(kTableName);
    const int typeField = rows.fieldIndex(kTableType);
    const int schemaField = rows.fieldIndex(kTableSchema);
    for (rows.moveFirst(); !rows.eof(); rows.moveNext()) {
        if (rows.value(schemaField) != chosen || rows.value(typeField) != wanted)
            continue;
        window.dataBrowser->addTable(rows.value(nameField));
        ++counter;
        cp.showRowCount(counter);
        platform::yield();
        if (!alive)
            return;
    }

    form.db_schema.close();
    cp.endScan();
    window.Command_Click(1);
    window.session().after_connect();
    window.vbGenerator->focusTableList();
    platform::setWaitCursor(false);
}

} // namespace app
