#include "generation_ui/session_connection.h"

namespace generation_ui
{

void SessionConnection::setString(const QString& connectionString)
{
    string_ = connectionString;
    for (platform::ado::DataControl* data : {&Data2, &data3, &data4})
        data->setConnectionString(connectionString);
}

platform::ado::Status SessionConnection::open()
{
    const platform::ado::Status opened = db_cnx.open(string_);
    // The state judges the outcome.
    connected_ = isOpen();
    return opened;
}

bool SessionConnection::isOpen() const
{
    return db_cnx.state() == platform::ado::adStateOpen;
}

void SessionConnection::close()
{
    db_cnx.close();
    for (platform::ado::DataControl* data : {&Data2, &data3, &data4})
        data->closeConnection();
}

void SessionConnection::dropLostLink()
{
    db_cnx.close();
}

void SessionConnection::allowNewTries()
{
    for (platform::ado::DataControl* data : {&data3, &data4})
        data->allowNewTry();
}

void SessionConnection::setCatalogueTimeLimit(std::chrono::milliseconds limit)
{
    db_cnx.setCatalogueTimeLimit(limit);
    for (platform::ado::DataControl* data : {&Data2, &data3, &data4})
        data->setCatalogueTimeLimit(limit);
}

platform::ado::Status SessionConnection::openSchema(int kind, const QList<QVariant>& restrictions,
                                                    platform::ado::Recordset* out)
{
    return db_cnx.openSchema(kind, restrictions, out);
}

generators::AdoCatalogue SessionConnection::catalogue(generators::RunCatalogueCache* cache)
{
    return generators::AdoCatalogue(db_cnx, string_, data3, data4, cache);
}

} // namespace generation_ui
