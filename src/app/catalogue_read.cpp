// Reading the catalogue at a Connect and at Select Schema: the tables into the Data
// Browser's list, the schemas into the Connection page's box.
#include "app/session.h"

#include "browser/data_browser_page.h"
#include "connection/connection_kinds.h"
#include "connection/connection_page.h"
#include "generation_ui/vb_generator_page.h"
#include "platform/dropped_status.h"
#include "platform/user_feedback.h"

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
void readTablesRowset(generation_ui::FormState& form)
{
    form.db_schema = platform::ado::Recordset();
    const platform::ado::Status read =
        form.db_cnx.openSchema(platform::ado::adSchemaTables, {}, &form.db_schema);
    if (!read.ok)
        platform::logDropped(QStringLiteral("Reading the tables"), read.message);
}

} // namespace

bool Session::pagesAlive() const
{
    return !pages_.connection.isNull() && !pages_.dataBrowser.isNull();
}

void Session::startScan()
{
    platform::setWaitCursor(true);
    pages_.connection->startScan();
    pages_.dataBrowser->clearRecordCount();
}

bool Session::showPhase(const QString& phase)
{
    pages_.connection->showPhase(phase);
    platform::yield();
    return pagesAlive();
}

Session::CatalogueRead Session::readCatalogue()
{
    generation_ui::FormState& form = form_;
    connection::ConnectionPage* cp = pages_.connection;

    startScan();
    if (!showPhase(QStringLiteral("Search Parameters for connection")))
        return CatalogueRead::PagesGone;

    form.Data2.setConnectionString(form.db_cnxstr);
    form.data3.setConnectionString(form.db_cnxstr);
    form.data4.setConnectionString(form.db_cnxstr);

    const QString wanted = cp->wantedTableType();
    if (!showPhase(QStringLiteral("Open connection")))
        return CatalogueRead::PagesGone;

    form.db_schema = platform::ado::Recordset();
    // The state judges the outcome; the status carries the driver's reason for the message.
    const platform::ado::Status opened = form.db_cnx.open(form.db_cnxstr);
    if (form.db_cnx.state() != platform::ado::adStateOpen) {
        platform::setWaitCursor(false);
        cp->clearPhase();
        const QString message = connection::notOpenedMessage(opened.message, form.db_cnxstr);
        platform::logFailure(message);
        messages_.show(message, cp->window());
        if (!pagesAlive())
            return CatalogueRead::PagesGone;
        form.connected = 0;
        return CatalogueRead::NotOpened;
    }

    form.connected = 1;
    if (!showPhase(QStringLiteral("Open Schema Recordset")))
        return CatalogueRead::PagesGone;
    readTablesRowset(form);

    int counter = 0;
    pages_.dataBrowser->clearTables();
    cp->clearSchemas();
    if (!showPhase(QStringLiteral("Search Tables")))
        return CatalogueRead::PagesGone;

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
        cp->showRowCount(counter);
        platform::yield();
        if (!pagesAlive())
            return CatalogueRead::PagesGone;
        if (rows.value(typeField) != wanted)
            continue;
        pages_.dataBrowser->addTable(rows.value(nameField));
        const QString schema = rows.value(schemaField);
        if (!schema.isEmpty() && schemaSlots.size() < kSchemaSlots && !stored.contains(schema)) {
            stored.insert(schema);
            schemaSlots.append(schema);
        }
    }

    form.db_schema.close();
    cp->listSchemas(schemaSlots.mid(0, kSchemasShown));
    cp->endScan();
    platform::setWaitCursor(false);
    return CatalogueRead::Read;
}

bool Session::readSchemaTables()
{
    generation_ui::FormState& form = form_;
    connection::ConnectionPage* cp = pages_.connection;

    startScan();
    // Select Schema proposes the schema's name as the class prefix.
    pages_.vbGenerator->setPrefix(cp->chosenSchema() + QLatin1Char('_'));
    if (form.db_cnx.state() != platform::ado::adStateOpen) {
        platform::setWaitCursor(false);
        messages_.show(QStringLiteral("Connection not opened"), cp->window());
        return false;
    }

    const QString wanted = cp->wantedTableType();
    const QString chosen = cp->chosenSchema();
    form.schema_filter = chosen;
    if (!showPhase(QStringLiteral("Open Schema Recordset")))
        return false;
    readTablesRowset(form);

    int counter = 0;
    pages_.dataBrowser->clearTables();
    if (!showPhase(QStringLiteral("Search Tables")))
        return false;
    platform::ado::Recordset rows = form.db_schema;
    const int nameField = rows.fieldIndex(kTableName);
    const int typeField = rows.fieldIndex(kTableType);
    const int schemaField = rows.fieldIndex(kTableSchema);
    for (rows.moveFirst(); !rows.eof(); rows.moveNext()) {
        if (rows.value(schemaField) != chosen || rows.value(typeField) != wanted)
            continue;
        pages_.dataBrowser->addTable(rows.value(nameField));
        ++counter;
        cp->showRowCount(counter);
        platform::yield();
        if (!pagesAlive())
            return false;
    }

    form.db_schema.close();
    cp->endScan();
    return true;
}

} // namespace app
