#pragma once
// The window's database objects for one connection string, as a Connect leaves them:
// db_cnx open, data3 and data4 on the same string, and the generators' catalogue over them.

#include "generators/common/ado_catalogue.h"
#include "platform/ado/ado.h"

#include <QString>
#include <memory>

namespace testsupport
{

struct FixtureCatalogue {
    // With `cache`, the catalogue keeps what it reads there, as a run in the window does.
    explicit FixtureCatalogue(const QString& connectionString, generators::RunCatalogueCache* cache = nullptr)
        : connection(std::make_unique<platform::ado::Connection>()),
          catalogue(*connection, connectionString, data3, data4, cache)
    {
        data3.setConnectionString(connectionString);
        data4.setConnectionString(connectionString);
        opened = connection->open(connectionString);
    }

    std::unique_ptr<platform::ado::Connection> connection;
    platform::ado::DataControl data3, data4;
    generators::AdoCatalogue catalogue;
    platform::ado::Status opened;
};

} // namespace testsupport
