#pragma once
// The catalogue over the real database access layer: the window's connection and its
// data controls data3 and data4. With a run cache, each read is made once per run.

#include "generators/common/run_catalogue_cache.h"

namespace generators
{

class AdoCatalogue : public Catalogue
{
public:
    // `connection` is the window's db_cnx; reconnect() opens it again on `connectionString`.
    AdoCatalogue(platform::ado::Connection& connection, QString connectionString,
                 platform::ado::DataControl& data3, platform::ado::DataControl& data4,
                 RunCatalogueCache* cache = nullptr);

    ColumnList columns(DataControlId control, const QString& query) override;
    // Only with a run's cache, which keeps what was read ahead.
    void describeAhead(const QStringList& queries) override;
    // Only with a run's cache, which keeps what was read with the table asked.
    void expectTables(const QStringList& tables) override;
    KeyColumns primaryKey(const QString& table, const QString& schema) override;
    ForeignKeyRows foreignKeys() override;
    IndexRows indexes(const QString& table, const QString& schema) override;
    TableSchemas tableSchemas(const QString& table) override;
    QString identifierQuote() override;
    QStringList reservedWords() override;
    platform::ado::Status reconnect() override;
    std::optional<QString> connectionFault() const override;

private:
    platform::ado::CatalogueCache* rowsetCache() const;
    // Keeps the first gone connection a read met, with `where` the read was.
    void noteFault(const platform::ado::Status& status, const QString& where);

    platform::ado::Connection& connection_;
    QString connectionString_;
    platform::ado::DataControl& data3_;
    platform::ado::DataControl& data4_;
    RunCatalogueCache* cache_;
    std::optional<QString> ownFault_; // without a run cache
};

} // namespace generators
