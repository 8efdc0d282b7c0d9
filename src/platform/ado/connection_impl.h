#pragma once
// The private side of Connection, shared by the files that implement it.

#include "platform/ado/driver_traits.h"
#include "platform/ado/odbc_support.h"

#include <QHash>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

namespace platform::ado
{

struct AccessCatalogue;

// An ODBC connection handle. Shared with the calls that use it: a call left waiting on a
// server that stopped answering keeps the handle alive, and it is closed and freed by
// whoever lets go of it last.
struct Link {
    Link() = default;
    ~Link();
    Link(const Link&) = delete;
    Link& operator=(const Link&) = delete;

    SQLHDBC dbc = SQL_NULL_HDBC;
    bool connected = false;
    // A call on the link found it dropped by the server: the connection counts as closed,
    // and its user opens a new one.
    bool lost = false;
};

struct Connection::Impl {
    std::shared_ptr<Link> link; // null while closed
    QString identifierQuote = QStringLiteral("\"");
    UnquotedCase unquotedCase = UnquotedCase::AsWritten;
    QString dbmsName;
    QString driverName;
    DriverTraits traits; // found from the two names
    // The database the connection works in, where the driver keeps several behind one
    // server (its catalogs); every catalogue request is restricted to it. Empty for a
    // driver without catalogs or a connection to no database in particular.
    QString catalog;
    QString odbcString; // as the link was opened, the driver's own settings included
    std::chrono::milliseconds catalogueLimit = kCatalogueTimeLimit;
    // An Access file's catalogue, read from the file once it is first asked for, or why it
    // could not be read (access_catalogue.cpp).
    std::shared_ptr<const AccessCatalogue> accessCatalogue;
    Status accessFailure;
    QHash<QString, Status> accessRowsRead; // by table: whether the helper read every row

    bool open() const { return link && link->connected && !link->lost; }
    // Lets go of the link: closed at once, or by the call still using it when it returns.
    void release() { link.reset(); }
};

// Runs `work` on the connection's handle while the window's thread goes on handling
// events. `work` must own what it uses (capture by value): with a limit it may outlive
// this call. When the limit passes, the connection is closed, its handle left to the
// call still waiting, and the status says the server did not answer in time.
Status onServer(Connection::Impl& connection, std::chrono::milliseconds limit,
                std::function<Status(SQLHDBC)> work);

// How long onServerForAWhile works before it hands back: a few frames of the window, and
// many short driver calls.
inline constexpr std::chrono::milliseconds kAWhile{20};

// Many short calls in one hand-over to the server's thread: `step(dbc, i)` for i = 0, 1, ...
// below `count`, in order, until kAWhile has passed (at least one step runs) or a step
// returns false. `*done` is the number of steps that ran (when the server stopped
// answering: those that had returned). The limit is `limit` and the while: the same wait
// for each call as one call of its own. `step` owns what it uses.
Status onServerForAWhile(Connection::Impl& connection, std::chrono::milliseconds limit, qsizetype count,
                         std::function<bool(SQLHDBC, qsizetype)> step, qsizetype* done);

// Runs one statement on an open connection (on the server's thread); `lost` tells whether a
// failure lost the link. With fieldsOnly it is only prepared and described.
Status runStatement(SQLHDBC dbc, const QString& sql, bool fieldsOnly, Recordset* out, bool* lost);

// Connects `dbc` with an ODBC string, without prompts; the driver's message on failure.
Status driverConnect(SQLHDBC dbc, const QString& odbcString);

// The catalogue rowsets, by kind (schema_rowsets.cpp); read through `cache` when given.
Status openSchemaRowset(Connection::Impl& connection, int kind, const QList<QVariant>& restrictions,
                        Recordset* out, CatalogueCache* cache);

} // namespace platform::ado
