#include "support/synthetic_schema.h"

#include <QFile>
#include <QTextStream>

namespace testsupport
{

namespace
{

QString tableName(int t)
{
    return QStringLiteral("t%1").arg(t, 5, 10, QLatin1Char('0'));
}

} // namespace

bool writeSyntheticSchema(const QString& path, int tables, SchemaDialect dialect)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QTextStream out(&file);
    out << "BEGIN;\n";
    for (int t = 0; t < tables; ++t) {
        out << "CREATE TABLE " << tableName(t)
            << " (id integer PRIMARY KEY, amount integer, label varchar(40), "
            << "price numeric(10, 2), placed timestamp, due date, done "
            << (dialect == SchemaDialect::Postgres ? "boolean" : "bit")
            << ", ratio double precision, prev_id integer";
        // MariaDB takes a foreign key only as a table constraint.
        const bool mariadb = dialect == SchemaDialect::Mariadb;
        if (t > 0)
            out << (mariadb ? ", FOREIGN KEY (prev_id)" : "") << " REFERENCES " << tableName(t - 1)
                << " (id)";
        out << (mariadb ? ") ENGINE=InnoDB;\n" : ");\n");
    }
    out << "COMMIT;\n";
    out.flush();
    return out.status() == QTextStream::Ok && file.flush();
}

} // namespace testsupport
