// Placeholder until the ODBC implementation lands: every open fails.
#include "platform/ado/ado.h"

namespace platform::ado {

struct Connection::Impl {};

Connection::Connection() = default;
Connection::~Connection() = default;
Status Connection::open(const QString&) { return Status::failure(QStringLiteral("not implemented")); }
int Connection::state() const { return adStateClosed; }
void Connection::close() {}
Status Connection::openSchema(int, const QList<QVariant>&, Recordset* out)
{
    *out = Recordset();
    return Status::failure(QStringLiteral("not implemented"));
}
QString Connection::identifierQuote() const { return QStringLiteral("\""); }
Status Connection::query(const QString&, Recordset* out, bool)
{
    *out = Recordset();
    return Status::failure(QStringLiteral("not implemented"));
}

DataControl::DataControl() = default;
DataControl::~DataControl() = default;
void DataControl::setConnectionString(const QString& connectionString) { connectionString_ = connectionString; }
Status DataControl::refresh(bool)
{
    recordset_ = Recordset();
    return Status::failure(QStringLiteral("not implemented"));
}

QString toOdbcConnectionString(const QString& connectionString) { return connectionString; }

} // namespace platform::ado
