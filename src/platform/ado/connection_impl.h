#pragma once
// The private side of Connection, shared by the files that implement it.

#include "platform/ado/odbc_support.h"

namespace platform::ado
{

struct Connection::Impl {
    SQLHDBC dbc = SQL_NULL_HDBC;
    bool open = false;
    QString identifierQuote = QStringLiteral("\"");
    QString dbmsName;

    void release();
};

// The catalogue rowsets, by kind (schema_rowsets.cpp).
Status openSchemaRowset(Connection::Impl& connection, int kind, const QList<QVariant>& restrictions,
                        Recordset* out);

} // namespace platform::ado
