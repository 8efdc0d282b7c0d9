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
platform::ado::Recordset readTablesRowset(generation_ui::SessionConnection& connection)
{
    platform::ado::Recordset rows;
    const platform::ado::Status read = connection.openSchema(platform::ado::adSchemaTables, {}, &rows);
    if (!read.ok)
        platform::logDropped(QStringLiteral("Reading the tables"), read.message);
    return rows;
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
    connection::ConnectionPage* cp = pages_.connection;

    startScan();
    if (!showPhase(QStringLiteral("Search Parameters for connection")))
        return CatalogueRead::PagesGone;

    const QString wanted = cp->wantedTableType();
    if (!showPhase(QStringLiteral("Open connection")))
        return CatalogueRead::PagesGone;

    // The status carries the driver's reason for the message.
    const platform::ado::Status opened = connection_.open();
    if (!connection_.connected()) {
        platform::setWaitCursor(false);
        cp->clearPhase();
        const QString message = connection::notOpenedMessage(opened.message, connection_.string());
        platform::logFailure(message);
        messages_.show(message, cp->window());
        if (!pagesAlive())
            return CatalogueRead::PagesGone;
        return CatalogueRead::NotOpened;
    }

    if (!showPhase(QStringLiteral("Open Schema Recordset")))
        return CatalogueRead::PagesGone;
    platform::ado::Recordset rows = readTablesRowset(connection_);

    int counter = 0;
    pages_.dataBrowser->clearTables();
    cp->clearSchemas();
    if (!showPhase(QStringLiteral("Search Tables")))
        return CatalogueRead::PagesGone;

    // The slots of first-seen schemas: a set finds a stored name at once, the list keeps
    // their order.
    QStringList schemaSlots;
    QSet<QString> stored;
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

    rows.close();
    cp->listSchemas(schemaSlots.mid(0, kSchemasShown));
    cp->endScan();
    platform::setWaitCursor(false);
    return CatalogueRead::Read;
}

bool Session::readSchemaTables()
{
    connection::ConnectionPage* cp = pages_.connection;

    startScan();
    // Select Schema proposes the schema's name as the class prefix.
    pages_.vbGenerator->setPrefix(cp->chosenSchema() + QLatin1Char('_'));
    if (!connection_.isOpen()) {
        platform::setWaitCursor(false);
        messages_.show(QStringLiteral("Connection not opened"), cp->window());
        return false;
    }

    const QString wanted = cp->wantedTableType();
    const QString chosen = cp->chosenSchema();
    form_.schema_filter = chosen;
    if (!showPhase(QStringLiteral("Open Schema Recordset")))
        return false;
    platform::ado::Recordset rows = readTablesRowset(connection_);

    int counter = 0;
    pages_.dataBrowser->clearTables();
    if (!showPhase(QStringLiteral("Search Tables")))
        return false;
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

    rows.close();
    cp->endScan();
    return true;
}

} // namespace app
