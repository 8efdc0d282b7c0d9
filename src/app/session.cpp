#include "app/session.h"

#include "app/aspx_generator_page.h"
#include "app/vb_generator_page.h"
#include "browser/data_browser_page.h"
#include "connection/connection_kinds.h"
#include "connection/connection_page.h"

namespace app
{

void Session::setCatalogueTimeLimit(std::chrono::milliseconds limit)
{
    form_.db_cnx.setCatalogueTimeLimit(limit);
    for (platform::ado::DataControl* data : {&form_.Data2, &form_.data3, &form_.data4})
        data->setCatalogueTimeLimit(limit);
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

void Session::proposeSchemaPrefix(const QString& schema)
{
    pages_.vbGenerator->setPrefix(schema + QLatin1Char('_'));
}

void Session::after_connect()
{
    // The browser's list is sorted already, so adding its items at once gives the order
    // adding them one by one would.
    const QStringList tables = pages_.dataBrowser->tables();
    pages_.aspxGenerator->listTables(tables);
    pages_.vbGenerator->startWithTables(tables);
}

} // namespace app
