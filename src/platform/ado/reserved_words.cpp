// The reserved words of SQL: ODBC's list, the same for every driver, the words the
// databases the program reads add to it, and a connection's own (SQLGetInfo's SQL_KEYWORDS).
#include "platform/ado/connection_impl.h"

#include <QSet>
#include <memory>

namespace platform::ado
{

namespace
{

QStringList odbcKeywords()
{
    QStringList words = QString::fromLatin1(SQL_ODBC_KEYWORDS).split(QLatin1Char(','), Qt::SkipEmptyParts);
    // The header's list lacks the comma between these two.
    words.removeAll(QStringLiteral("ROWSSCHEMA"));
    words << QStringLiteral("ROWS") << QStringLiteral("SCHEMA");
    return words;
}

// Words that PostgreSQL, MariaDB, SQLite or Access reserve beyond ODBC's list.
constexpr const char* kDatabaseWords[] = {
    "ANALYZE", "AUTOINCREMENT", "BINARY",    "DATABASE", "DISTINCTROW", "DO",      "EXPLAIN",
    "IF",      "ILIKE",         "ISNULL",    "KEYS",     "LIMIT",       "NOTHING", "NOTNULL",
    "OFFSET",  "PERCENT",       "PIVOT",     "REGEXP",   "RENAME",      "REPLACE", "RETURNING",
    "SHOW",    "TOP",           "TRANSFORM", "TRIGGER",  "USE",         "WINDOW",
};

// The driver's list. Drivers differ in whether they count a text's length in bytes or in
// characters: the buffer is one far longer than any driver's list, and its last unit is
// never written.
QString driverKeywords(SQLHDBC dbc)
{
    constexpr qsizetype kUnits = 16384;
    QList<SQLWCHAR> buffer(kUnits + 1, 0);
    SQLSMALLINT length = 0;
    if (!odbc::succeeded(SQLGetInfoW(dbc, SQL_KEYWORDS, buffer.data(), SQLSMALLINT(kUnits), &length)))
        return {};
    const QString text =
        QString::fromUtf16(reinterpret_cast<const char16_t*>(buffer.constData()),
                           std::clamp<qsizetype>(length / qsizetype(sizeof(SQLWCHAR)), 0, kUnits));
    const qsizetype nul = text.indexOf(QChar(0));
    return nul < 0 ? text : text.left(nul);
}

} // namespace

bool isReservedWord(const QString& word)
{
    // Quoting one more name than needed is harmless, so every database's words count.
    static const QSet<QString> reserved = [] {
        QSet<QString> set;
        for (const QString& odbc : odbcKeywords())
            set.insert(odbc);
        for (const char* own : kDatabaseWords)
            set.insert(QLatin1String(own));
        return set;
    }();
    return reserved.contains(word.toUpper());
}

QStringList Connection::reservedWords()
{
    QStringList words = odbcKeywords();
    // The Access driver is asked as little as can be: some of its information calls crash.
    if (!impl_->open() || impl_->traits.accessFile)
        return words;
    auto reported = std::make_shared<QString>();
    const Status read = onServer(*impl_, impl_->catalogueLimit, [reported](SQLHDBC dbc) {
        *reported = driverKeywords(dbc);
        return Status{};
    });
    if (read.ok) {
        for (const QString& word : reported->split(QLatin1Char(','), Qt::SkipEmptyParts))
            words.append(word.trimmed().toUpper());
    }
    words.removeDuplicates();
    return words;
}

} // namespace platform::ado
