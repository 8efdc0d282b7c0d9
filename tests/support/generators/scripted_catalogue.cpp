#include "support/scripted_catalogue.h"

namespace testsupport
{

using namespace generators;

ColumnList ScriptedCatalogue::columns(DataControlId control, const QString& query)
{
    queries.append((control == DataControlId::data3 ? QStringLiteral("data3: ") : QStringLiteral("data4: ")) +
                   query);
    ColumnList result;
    if (failing_.contains(query)) {
        result.ok = false;
        result.error = QStringLiteral("scripted failure");
        return result;
    }
    if (columns_.contains(query)) {
        result.columns = columns_.value(query);
        return result;
    }
    const QString prefix = QStringLiteral("SELECT * from ");
    if (query.startsWith(prefix)) {
        QString rest = query.mid(prefix.size());
        const qsizetype blank = rest.indexOf(QLatin1Char(' '));
        const QString table = blank < 0 ? rest : rest.left(blank);
        if (tableColumns_.contains(table)) {
            result.columns = tableColumns_.value(table);
            return result;
        }
    }
    result.ok = false;
    result.error = QStringLiteral("no such table");
    return result;
}

KeyColumns ScriptedCatalogue::primaryKey(const QString& table, const QString& schema)
{
    keyRequests.append(schema + QLatin1Char('.') + table);
    KeyColumns result;
    result.columns = keys_.value(table);
    return result;
}

ForeignKeyRows ScriptedCatalogue::foreignKeys()
{
    ForeignKeyRows result;
    if (foreignKeysFail) {
        result.ok = false;
        result.error = QStringLiteral("scripted failure");
        return result;
    }
    result.rows = fkRows_;
    return result;
}

IndexRows ScriptedCatalogue::indexes(const QString& table, const QString& schema)
{
    indexRequests.append(schema + QLatin1Char('.') + table);
    IndexRows result;
    if (indexesFail) {
        result.ok = false;
        result.error = QStringLiteral("scripted failure");
        return result;
    }
    result.rows = indexes_.value(table);
    return result;
}

platform::ado::Status ScriptedCatalogue::reconnect()
{
    ++reconnects;
    return reconnectFails ? platform::ado::Status::failure(QStringLiteral("scripted failure"))
                          : platform::ado::Status{};
}

} // namespace testsupport
