#pragma once
// A Catalogue whose answers a test scripts, for cases no real database gives (Oracle-only
// SQL, failures in the middle of a run). It records every query text it is asked.

#include "generators/common/catalogue.h"

#include <QMap>
#include <QSet>

namespace testsupport
{

class ScriptedCatalogue : public generators::Catalogue
{
public:
    // Columns answered for a query text exactly as the generator builds it.
    void setColumns(const QString& query, const QList<platform::ado::Field>& fields)
    {
        columns_[query] = fields;
    }
    // Columns answered for every query whose text starts with "SELECT * from <table>".
    void setTableColumns(const QString& table, const QList<platform::ado::Field>& fields)
    {
        tableColumns_[table] = fields;
    }
    void failQuery(const QString& query) { failing_.insert(query); }
    void setPrimaryKey(const QString& table, const QStringList& columns) { keys_[table] = columns; }
    void setForeignKeys(const QList<generators::ForeignKeyRow>& rows) { fkRows_ = rows; }
    // Index rows of a table, in the order given; a table without rows has no index.
    void setIndexes(const QString& table, const QList<generators::IndexRow>& rows) { indexes_[table] = rows; }

    generators::ColumnList columns(generators::DataControlId control, const QString& query) override;
    generators::KeyColumns primaryKey(const QString& table, const QString& schema) override;
    generators::ForeignKeyRows foreignKeys() override;
    generators::IndexRows indexes(const QString& table, const QString& schema) override;
    QString identifierQuote() override { return QStringLiteral("\""); }
    platform::ado::Status reconnect() override;

    QStringList queries;       // "data3: SELECT * from T", in order
    QStringList keyRequests;   // "schema.table", in order
    QStringList indexRequests; // "schema.table", in order
    int reconnects = 0;
    bool reconnectFails = false;
    bool foreignKeysFail = false;
    bool indexesFail = false;

private:
    QMap<QString, QList<platform::ado::Field>> columns_;
    QMap<QString, QList<platform::ado::Field>> tableColumns_;
    QSet<QString> failing_;
    QMap<QString, QStringList> keys_;
    QList<generators::ForeignKeyRow> fkRows_;
    QMap<QString, QList<generators::IndexRow>> indexes_;
};

} // namespace testsupport
