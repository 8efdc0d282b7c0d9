#pragma once
// The session's database connection: the string it opens with, whether the last open
// succeeded, and the data controls that query on the same string (Data2 feeds the
// browser's grid; data3 and data4 run the generators' column queries). Only this class
// opens and closes them. Every Connect opens the one Connection object again, so a run's
// catalogue may hold on to it.

#include "generators/common/ado_catalogue.h"
#include "platform/ado/ado.h"

#include <QString>
#include <chrono>

namespace generation_ui
{

class SessionConnection
{
public:
    SessionConnection() = default;
    SessionConnection(const SessionConnection&) = delete;
    SessionConnection& operator=(const SessionConnection&) = delete;

    // The string of the open database, and of the next open; the data controls take it too.
    const QString& string() const { return string_; }
    void setString(const QString& connectionString);
    // Opens the connection on the string. The status carries the driver's reason.
    platform::ado::Status open();
    // Whether the last open succeeded.
    bool connected() const { return connected_; }
    bool isOpen() const;
    // Close Connexion: the connection and the data controls' own; they open again at the next
    // Connect.
    void close();
    // A run found the link gone: the next action opens a new connection instead of meeting
    // the dead one.
    void dropLostLink();
    // Before a run: the data controls may try the server again.
    void allowNewTries();
    // Catalogue requests and column discovery give up after `limit` (tests shorten it).
    void setCatalogueTimeLimit(std::chrono::milliseconds limit);

    platform::ado::Status openSchema(int kind, const QList<QVariant>& restrictions,
                                     platform::ado::Recordset* out);
    // The catalogue a run reads, over the connection and data3 and data4; it may open the
    // connection again on the same string.
    generators::AdoCatalogue catalogue(generators::RunCatalogueCache* cache);
    platform::ado::DataControl& browserData() { return Data2; }
    const platform::ado::DataControl& browserData() const { return Data2; }
    const platform::ado::DataControl& columnData(generators::DataControlId id) const
    {
        return id == generators::DataControlId::data3 ? data3 : data4;
    }

private:
    QString string_;
    platform::ado::Connection db_cnx;
    bool connected_ = false;
    platform::ado::DataControl Data2;
    platform::ado::DataControl data3;
    platform::ado::DataControl data4;
};

} // namespace generation_ui
