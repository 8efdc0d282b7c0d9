// The database access layer against real fixture databases through the SQLite, PostgreSQL
// and MariaDB ODBC drivers (server cases skip when no test server is set up). The MariaDB
// server holds a second database beside the shop, with tables of the same names.
#include "platform/ado/ado.h"
#include "support/fixture_db.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

using namespace platform::ado;

namespace
{

// Rows of a recordset as "a|b|c" of the given fields, read the way the callers read them.
QStringList rowsOf(Recordset& rs, const QStringList& fields)
{
    QStringList rows;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        QStringList values;
        for (const QString& f : fields)
            values << rs.value(f);
        rows << values.join(QLatin1Char('|'));
    }
    return rows;
}

} // namespace

class AdoTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    QString sqlite_;
    QString pg_;
    QString mariadb_;

    // The connection string of a backend, or a skip when that backend is not available.
    bool backend(const QString& name, QString* connectionString)
    {
        *connectionString = name == QLatin1String("pg")        ? pg_
                            : name == QLatin1String("mariadb") ? mariadb_
                                                               : sqlite_;
        return !connectionString->isEmpty();
    }

#define QUILLMERE_BACKEND(name, cs)                                                                          \
    QString cs;                                                                                              \
    if (!backend(name, &cs)) {                                                                               \
        if (name == QLatin1String("pg"))                                                                     \
            QSKIP("no PostgreSQL test server (QUILLMERE_PG_HOST/PORT/USER)");                                \
        if (name == QLatin1String("mariadb"))                                                                \
            QSKIP("no MariaDB test server (QUILLMERE_MARIADB_HOST/PORT/USER)");                              \
        QFAIL("SQLite fixture not built");                                                                   \
    }

    void openOrFail(Connection& c, const QString& cs)
    {
        const Status s = c.open(cs);
        QVERIFY2(s.ok, qPrintable(s.message));
        QCOMPARE(c.state(), int(adStateOpen));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        sqlite_ = testsupport::sqliteFixture(QStringLiteral("shop_sqlite.sql"), dir_.path());
        QVERIFY(!sqlite_.isEmpty());
        if (testsupport::pgAvailable()) {
            pg_ = testsupport::pgFixture(QStringLiteral("shop_pg.sql"));
            QVERIFY(!pg_.isEmpty());
        }
        if (testsupport::mariadbAvailable()) {
            mariadb_ = testsupport::mariadbFixture(QStringLiteral("shop_mariadb.sql"));
            QVERIFY(!mariadb_.isEmpty());
            QVERIFY(!testsupport::mariadbFixture(QStringLiteral("shop_mariadb_neighbour.sql")).isEmpty());
        }
    }

    void tables_data()
    {
        QTest::addColumn<QString>("db");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("sqlite") << "sqlite" << QStringList{"|CustomerOrders|VIEW", "|Customers|TABLE",
                                                           "|Employees|TABLE",     "|Orders|TABLE",
                                                           "|Products|TABLE",      "|order_lines|TABLE"};
        // Every schema, not only the search path's; system tables are not of type TABLE.
        QTest::newRow("pg")
            << "pg"
            << QStringList{"hr|employees|TABLE",      "hr|managers|VIEW",           "hr|notes|TABLE",
                           "sales|Customers|TABLE",   "sales|customer_orders|VIEW", "sales|notes|TABLE",
                           "sales|order_lines|TABLE", "sales|orders|TABLE",         "sales|products|TABLE"};
        // The connection's own database alone, not the others on the server.
        QTest::newRow("mariadb") << "mariadb" << QStringList{"|Customers|TABLE", "|customer_orders|VIEW",
                                                             "|employees|TABLE", "|managers|VIEW",
                                                             "|notes|TABLE",     "|order_lines|TABLE",
                                                             "|orders|TABLE",    "|products|TABLE"};
    }
    void tables()
    {
        QFETCH(QString, db);
        QFETCH(QStringList, expected);
        QUILLMERE_BACKEND(db, cs);
        Connection c;
        openOrFail(c, cs);
        Recordset rs;
        const Status s = c.openSchema(adSchemaTables, {}, &rs);
        QVERIFY2(s.ok, qPrintable(s.message));
        QStringList rows = rowsOf(rs, {"table_schema", "Table_Name", "TABLE_TYPE"});
        rows.removeIf([](const QString& r) { return !r.endsWith("|TABLE") && !r.endsWith("|VIEW"); });
        rows.removeIf([](const QString& r) {
            return r.startsWith("information_schema|") || r.startsWith("pg_catalog|");
        });
        rows.sort();
        QStringList sorted = expected;
        sorted.sort();
        QCOMPARE(rows, sorted);
    }

    void primaryKeys_data()
    {
        QTest::addColumn<QString>("db");
        QTest::addColumn<QVariant>("schema");
        QTest::addColumn<QVariant>("table");
        QTest::addColumn<QStringList>("expected");
        const QVariant any;
        QTest::newRow("sqlite composite") << "sqlite" << any << QVariant("order_lines")
                                          << QStringList{"|order_lines|OrderId|1", "|order_lines|LineNo|2"};
        QTest::newRow("sqlite key order differs from column order")
            << "sqlite" << any << QVariant("Products")
            << QStringList{"|Products|Region|1", "|Products|Code|2"};
        QTest::newRow("sqlite view has none")
            << "sqlite" << any << QVariant("CustomerOrders") << QStringList{};
        QTest::newRow("sqlite every table")
            << "sqlite" << any << any
            << QStringList{"|Customers|CustomerId|1", "|Employees|EmpId|1", "|Orders|OrderId|1",
                           "|Products|Region|1",      "|Products|Code|2",   "|order_lines|OrderId|1",
                           "|order_lines|LineNo|2"};
        QTest::newRow("pg schema off the search path")
            << "pg" << any << QVariant("products")
            << QStringList{"sales|products|region|1", "sales|products|code|2"};
        QTest::newRow("pg mixed case")
            << "pg" << any << QVariant("Customers") << QStringList{"sales|Customers|CustomerId|1"};
        QTest::newRow("pg one name in two schemas")
            << "pg" << any << QVariant("notes") << QStringList{"hr|notes|note_id|1", "sales|notes|note_id|1"};
        QTest::newRow("pg restricted to one schema")
            << "pg" << QVariant("hr") << QVariant("notes") << QStringList{"hr|notes|note_id|1"};
        QTest::newRow("pg other letter case is another name")
            << "pg" << any << QVariant("PRODUCTS") << QStringList{};
        QTest::newRow("mariadb a name another database holds too")
            << "mariadb" << any << QVariant("Customers") << QStringList{"|Customers|CustomerId|1"};
        QTest::newRow("mariadb a name only another database holds")
            << "mariadb" << any << QVariant("invoices") << QStringList{};
        QTest::newRow("mariadb composite, declared in another order")
            << "mariadb" << any << QVariant("products")
            << QStringList{"|products|region|1", "|products|code|2"};
        QTest::newRow("mariadb every table")
            << "mariadb" << any << any
            << QStringList{"|Customers|CustomerId|1", "|employees|emp_id|1",    "|notes|note_id|1",
                           "|order_lines|order_id|1", "|order_lines|line_no|2", "|orders|order_id|1",
                           "|products|region|1",      "|products|code|2"};
    }
    void primaryKeys()
    {
        QFETCH(QString, db);
        QFETCH(QVariant, schema);
        QFETCH(QVariant, table);
        QFETCH(QStringList, expected);
        QUILLMERE_BACKEND(db, cs);
        Connection c;
        openOrFail(c, cs);
        Recordset rs;
        const Status s = c.openSchema(adSchemaPrimaryKeys, {QVariant(), schema, table}, &rs);
        QVERIFY2(s.ok, qPrintable(s.message));
        QStringList rows = rowsOf(rs, {"TABLE_SCHEMA", "TABLE_NAME", "column_name", "ORDINAL"});
        // Tables come in the provider's order; the columns of one key stay in key order.
        std::stable_sort(rows.begin(), rows.end(), [](const QString& a, const QString& b) {
            return a.section('|', 0, 1) < b.section('|', 0, 1);
        });
        QCOMPARE(rows, expected);
    }

    void foreignKeys_data()
    {
        QTest::addColumn<QString>("db");
        QTest::addColumn<QVariantList>("restrictions");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("sqlite every key")
            << "sqlite" << QVariantList{}
            << QStringList{".Customers(CustomerId)->.Orders(CustomerId)",
                           ".Employees(EmpId)->.Employees(ManagerId)", ".Employees(EmpId)->.Orders(SoldBy)",
                           ".Orders(OrderId)->.order_lines(OrderId)",
                           ".Products(Region,Code)->.order_lines(Region,Code)"};
        QTest::newRow("sqlite one child table")
            << "sqlite"
            << QVariantList{QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), "order_lines"}
            << QStringList{".Orders(OrderId)->.order_lines(OrderId)",
                           ".Products(Region,Code)->.order_lines(Region,Code)"};
        QTest::newRow("sqlite one parent table")
            << "sqlite" << QVariantList{QVariant(), QVariant(), "Employees"}
            << QStringList{".Employees(EmpId)->.Employees(ManagerId)", ".Employees(EmpId)->.Orders(SoldBy)"};
        QTest::newRow("pg every key, across schemas")
            << "pg" << QVariantList{}
            << QStringList{"hr.employees(emp_id)->hr.employees(manager_id)",
                           "hr.employees(emp_id)->sales.orders(sold_by)",
                           "sales.Customers(CustomerId)->sales.orders(customer_id)",
                           "sales.orders(order_id)->sales.order_lines(order_id)",
                           "sales.products(region,code)->sales.order_lines(region,code)"};
        QTest::newRow("mariadb every key")
            << "mariadb" << QVariantList{}
            << QStringList{".Customers(CustomerId)->.orders(customer_id)",
                           ".employees(emp_id)->.employees(manager_id)",
                           ".employees(emp_id)->.orders(sold_by)",
                           ".orders(order_id)->.order_lines(order_id)",
                           ".products(region,code)->.order_lines(region,code)"};
    }
    void foreignKeys()
    {
        QFETCH(QString, db);
        QFETCH(QVariantList, restrictions);
        QFETCH(QStringList, expected);
        QUILLMERE_BACKEND(db, cs);
        Connection c;
        openOrFail(c, cs);
        Recordset rs;
        const Status s = c.openSchema(adSchemaForeignKeys, restrictions, &rs);
        QVERIFY2(s.ok, qPrintable(s.message));
        // A key is a run of rows whose ORDINAL counts 1, 2, ...: a key whose columns
        // came apart or out of order shows up as a broken run.
        struct Key {
            QString pk, fk;
            QStringList pkColumns, fkColumns;
        };
        QList<Key> keys;
        for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
            const int ordinal = rs.value("ORDINAL").toInt();
            const QString pk = rs.value("PK_TABLE_SCHEMA") + '.' + rs.value("pk_table_name");
            const QString fk = rs.value("FK_TABLE_SCHEMA") + '.' + rs.value("fk_table_name");
            if (ordinal == 1) {
                keys.append({pk, fk, {}, {}});
            } else {
                QVERIFY2(!keys.isEmpty() && keys.last().pk == pk && keys.last().fk == fk &&
                             keys.last().pkColumns.size() + 1 == ordinal,
                         qPrintable(
                             QString("row out of key order: %1 -> %2 ordinal %3").arg(pk, fk).arg(ordinal)));
            }
            keys.last().pkColumns << rs.value("pk_Column_name");
            keys.last().fkColumns << rs.value("fk_Column_name");
        }
        QStringList actual;
        for (const Key& k : keys)
            actual << QString("%1(%2)->%3(%4)").arg(k.pk, k.pkColumns.join(','), k.fk, k.fkColumns.join(','));
        actual.sort();
        QCOMPARE(actual, expected);
    }

    void indexes_data()
    {
        QTest::addColumn<QString>("db");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("sqlite composite")
            << "sqlite"
            << "order_lines"
            << QStringList{"<primary> unique (OrderId,LineNo)", "ix_lines_product (Code,Region)"};
        QTest::newRow("sqlite unique")
            << "sqlite"
            << "Customers"
            << QStringList{"<primary> unique (CustomerId)", "ux_customers_email unique (Email)"};
        QTest::newRow("pg composite")
            << "pg"
            << "order_lines"
            << QStringList{"<primary> unique (order_id,line_no)", "ix_lines_product (code,region)"};
        QTest::newRow("pg unique, mixed case")
            << "pg"
            << "Customers"
            << QStringList{"<primary> unique (CustomerId)", "ux_customers_email unique (Email)"};
        // The server adds an index for a foreign key that no declared index serves.
        QTest::newRow("mariadb composite")
            << "mariadb"
            << "order_lines"
            << QStringList{"<primary> unique (order_id,line_no)", "fk_lines_product (region,code)",
                           "ix_lines_product (code,region)"};
        QTest::newRow("mariadb unique, a name another database holds too")
            << "mariadb"
            << "Customers"
            << QStringList{"<primary> unique (CustomerId)", "ux_customers_email unique (Email)"};
    }
    void indexes()
    {
        QFETCH(QString, db);
        QFETCH(QString, table);
        QFETCH(QStringList, expected);
        QUILLMERE_BACKEND(db, cs);
        Connection c;
        openOrFail(c, cs);
        Recordset rs;
        const Status s =
            c.openSchema(adSchemaIndexes, {QVariant(), QVariant(), QVariant(), QVariant(), table}, &rs);
        QVERIFY2(s.ok, qPrintable(s.message));
        // An index is a run of consecutive rows with one INDEX_NAME, columns by position.
        QStringList actual;
        QString previous;
        QStringList columns;
        QString head;
        auto flush = [&] {
            if (!previous.isEmpty())
                actual << head + " (" + columns.join(',') + ")";
        };
        for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
            const QString name = rs.value("INDEX_NAME");
            QCOMPARE(rs.value("TABLE_NAME"), table);
            if (name != previous) {
                flush();
                previous = name;
                columns.clear();
                head = (rs.value("PRIMARY_KEY") == "True" ? QString("<primary>") : name) +
                       (rs.value("UNIQUE") == "True" ? " unique" : "");
            }
            QCOMPARE(rs.value("ORDINAL_POSITION").toInt(), int(columns.size()) + 1);
            columns << rs.value("COLUMN_NAME");
        }
        flush();
        actual.sort();
        QCOMPARE(actual, expected);
    }

    void fields_data()
    {
        QTest::addColumn<QString>("db");
        QTest::addColumn<QString>("query");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("sqlite") << "sqlite"
                                << "SELECT * from Customers"
                                << QStringList{"CustomerId:3", "Name:200",  "Email:201",
                                               "Balance:5",    "Active:11", "Born:133"};
        QTest::newRow("sqlite select-list order")
            << "sqlite"
            << "SELECT Qty, Code, OrderId from order_lines" << QStringList{"Qty:2", "Code:200", "OrderId:3"};
        QTest::newRow("pg every type")
            << "pg"
            << "SELECT * from sales.\"Customers\""
            << QStringList{"CustomerId:3", "Name:202",  "Email:203",  "Balance:131", "Active:11",
                           "Born:133",     "Visits:20", "Rank:2",     "Score:4",     "Ratio:5",
                           "Token:72",     "Photo:205", "Country:130"};
        QTest::newRow("pg timestamp")
            << "pg"
            << "SELECT order_date, order_id from sales.orders" << QStringList{"order_date:135", "order_id:3"};
        QTest::newRow("mariadb every type")
            << "mariadb"
            << "SELECT * from Customers"
            << QStringList{"CustomerId:3", "Name:202", "Email:202", "Balance:131",
                           "Active:16",    "Born:133", "Visits:20", "Rank:2",
                           "Score:4",      "Ratio:5",  "Photo:205", "Country:130"};
        QTest::newRow("mariadb datetime")
            << "mariadb"
            << "SELECT order_date, order_id from orders" << QStringList{"order_date:135", "order_id:3"};
    }
    void fields()
    {
        QFETCH(QString, db);
        QFETCH(QString, query);
        QFETCH(QStringList, expected);
        QUILLMERE_BACKEND(db, cs);
        DataControl data;
        data.setConnectionString(cs);
        data.setRecordSource(query);
        for (const bool fieldsOnly : {true, false}) {
            const Status s = data.refresh(fieldsOnly);
            QVERIFY2(s.ok, qPrintable(s.message));
            QStringList actual;
            for (const Field& f : data.fields())
                actual << f.name + ':' + QString::number(f.type);
            QCOMPARE(actual, expected);
            // Column discovery describes the statement without fetching a row.
            if (fieldsOnly)
                QCOMPARE(data.recordset().recordCount(), 0);
        }
    }

    void valuesAsText_data()
    {
        QTest::addColumn<QString>("db");
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("quote");
        QTest::newRow("sqlite") << "sqlite"
                                << "SELECT Name, Email from Customers order by CustomerId"
                                << "\"";
        QTest::newRow("pg") << "pg"
                            << "SELECT \"Name\", \"Email\" from sales.\"Customers\" order by 1"
                            << "\"";
        QTest::newRow("mariadb") << "mariadb"
                                 << "SELECT `Name`, `Email` from Customers order by 1"
                                 << "`";
    }
    void valuesAsText()
    {
        QFETCH(QString, db);
        QFETCH(QString, query);
        QFETCH(QString, quote);
        QUILLMERE_BACKEND(db, cs);
        Connection c;
        openOrFail(c, cs);
        QCOMPARE(c.identifierQuote(), quote);
        Recordset rs;
        const Status s = c.query(query, &rs);
        QVERIFY2(s.ok, qPrintable(s.message));
        QCOMPARE(rs.recordCount(), 2);
        // Look-up by name ignores case; a null reads as "".
        QCOMPARE(rowsOf(rs, {"NAME", "email"}), (QStringList{"Ada|ada@example.org", "Brian|"}));
        QCOMPARE(rs.fieldIndex("nosuchfield"), -1);
    }

    // A name is quoted where the database would not read it back as written: a part it
    // would fold to another case, or a name that is no plain identifier.
    void tableInSql_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("unquoted");
        QTest::addColumn<QString>("quote");
        QTest::addColumn<QString>("expected");
        const int asWritten = int(UnquotedCase::AsWritten);
        const int upper = int(UnquotedCase::Upper);
        const int lower = int(UnquotedCase::Lower);
        QTest::newRow("as written, mixed case") << "sales.Customers" << asWritten << "\""
                                                << "sales.Customers";
        QTest::newRow("lower, plain") << "sales.orders" << lower << "\""
                                      << "sales.orders";
        QTest::newRow("lower, mixed-case table") << "sales.Customers" << lower << "\""
                                                 << "sales.\"Customers\"";
        QTest::newRow("lower, mixed-case schema") << "Ledger.entries" << lower << "\""
                                                  << "\"Ledger\".entries";
        QTest::newRow("lower, no schema") << "Customers" << lower << "`"
                                          << "`Customers`";
        QTest::newRow("upper, plain") << "HR.EMP" << upper << "\""
                                      << "HR.EMP";
        QTest::newRow("upper, lower-case table") << "HR.emp" << upper << "\""
                                                 << "HR.\"emp\"";
        QTest::newRow("not an identifier") << "Order Lines" << lower << "\""
                                           << "\"Order Lines\"";
        QTest::newRow("quote inside") << "a\"b" << asWritten << "\""
                                      << "\"a\"\"b\"";
        QTest::newRow("empty") << "" << lower << "\""
                               << "";
        QTest::newRow("SQL word") << "Table" << asWritten << "\""
                                  << "\"Table\"";
        QTest::newRow("SQL word, any case, in a dotted name") << "sales.order" << lower << "`"
                                                              << "sales.`order`";
        QTest::newRow("a word that only begins like one") << "orders" << asWritten << "\""
                                                          << "orders";
    }
    void tableInSql()
    {
        QFETCH(QString, table);
        QFETCH(int, unquoted);
        QFETCH(QString, quote);
        QFETCH(QString, expected);
        QCOMPARE(platform::ado::tableInSql(table, quote, UnquotedCase(unquoted)), expected);
    }

    // A column name is quoted as one part of a table name is; a dot is part of its name.
    void columnInSql_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<int>("unquoted");
        QTest::addColumn<QString>("expected");
        const int asWritten = int(UnquotedCase::AsWritten);
        const int lower = int(UnquotedCase::Lower);
        QTest::newRow("plain") << "Name" << asWritten << "Name";
        QTest::newRow("SQL word") << "from" << asWritten << "\"from\"";
        QTest::newRow("folded case") << "Name" << lower << "\"Name\"";
        QTest::newRow("dot inside") << "a.b" << asWritten << "\"a.b\"";
        QTest::newRow("blank inside") << "full name" << lower << "\"full name\"";
        QTest::newRow("empty") << "" << asWritten << "";
    }
    void columnInSql()
    {
        QFETCH(QString, column);
        QFETCH(int, unquoted);
        QFETCH(QString, expected);
        QCOMPARE(platform::ado::columnInSql(column, QStringLiteral("\""), UnquotedCase(unquoted)), expected);
    }

    // The drivers tell how their database keeps unquoted names.
    void unquotedCase_data()
    {
        QTest::addColumn<QString>("db");
        QTest::addColumn<int>("expected");
        QTest::newRow("sqlite") << "sqlite" << int(UnquotedCase::AsWritten);
        QTest::newRow("pg") << "pg" << int(UnquotedCase::Lower);
        QTest::newRow("mariadb") << "mariadb" << int(UnquotedCase::AsWritten);
    }
    void unquotedCase()
    {
        QFETCH(QString, db);
        QFETCH(int, expected);
        QUILLMERE_BACKEND(db, cs);
        Connection c;
        openOrFail(c, cs);
        QCOMPARE(int(c.unquotedCase()), expected);
    }

    void failedRefreshLeavesNoFields_data()
    {
        QTest::addColumn<QString>("db");
        QTest::addColumn<QString>("good");
        QTest::newRow("sqlite") << "sqlite"
                                << "SELECT * from Orders";
        QTest::newRow("pg") << "pg"
                            << "SELECT * from sales.orders";
        QTest::newRow("mariadb") << "mariadb"
                                 << "SELECT * from orders";
    }
    void failedRefreshLeavesNoFields()
    {
        QFETCH(QString, db);
        QFETCH(QString, good);
        QUILLMERE_BACKEND(db, cs);
        DataControl data;
        data.setConnectionString(cs);
        data.setRecordSource(good);
        QVERIFY(data.refresh(true).ok);
        QCOMPARE(data.fields().size(), 4);
        for (const bool fieldsOnly : {true, false}) {
            data.setRecordSource("SELECT * from no_such_table");
            const Status failed = data.refresh(fieldsOnly);
            QVERIFY(!failed.ok);
            QVERIFY(!failed.message.isEmpty());
            QCOMPARE(data.fields().size(), 0);
            QCOMPARE(data.recordset().recordCount(), 0);
            // The control's connection survives a failed statement.
            data.setRecordSource(good);
            QVERIFY(data.refresh(fieldsOnly).ok);
            QCOMPARE(data.fields().size(), 4);
        }
    }

    void dataControlFollowsItsConnectionString()
    {
        DataControl data;
        data.setConnectionString(sqlite_);
        data.setRecordSource("SELECT * from Customers");
        QVERIFY(data.refresh(true).ok);
        // A new string is opened anew: the old connection is not used for it.
        data.setConnectionString("DRIVER={Quillmere No Such Driver};");
        QVERIFY(!data.refresh(true).ok);
        QCOMPARE(data.fields().size(), 0);
        data.setConnectionString(sqlite_);
        QVERIFY(data.refresh(true).ok);
        QCOMPARE(data.fields().size(), 6);
    }

    void failedOpenIsNotRetriedUntilTheStringIsSetAgain()
    {
        // A generator refreshes once per table; after a failed Connect each refresh would
        // otherwise wait for the login timeout again.
        const QString folder = dir_.filePath("later");
        DataControl data;
        data.setConnectionString("DRIVER=SQLite3;Database=" + folder + "/shop.db;");
        data.setRecordSource("SELECT 1 AS one");
        QVERIFY(!data.refresh(true).ok);
        // The database turns up; the failed string is still not tried again.
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QFile::copy(testsupport::sqliteFile(sqlite_), folder + "/shop.db"));
        QVERIFY(!data.refresh(true).ok);
        data.setConnectionString(data.connectionString());
        const Status s = data.refresh(true);
        QVERIFY2(s.ok, qPrintable(s.message));
        QCOMPARE(data.fields().size(), 1);
    }

    // The server ends the data control's session (as a restart or a dropped link would).
    // The failed refresh gives up that connection and the next one opens afresh; a new
    // Connect with the same string reconnects at once, also after a failed open.
    void droppedLinkIsReopened()
    {
        QUILLMERE_BACKEND("pg", cs);
        DataControl data;
        data.setConnectionString(cs);
        const auto killSession = [&] {
            data.setRecordSource("SELECT pg_backend_pid() AS pid");
            QVERIFY(data.refresh().ok);
            const QString pid = data.recordset().value(0);
            Connection admin;
            openOrFail(admin, cs);
            Recordset rs;
            const Status s = admin.query("SELECT pg_terminate_backend(" + pid + ") AS done", &rs);
            QVERIFY2(s.ok, qPrintable(s.message));
            QCOMPARE(rs.value(0), QString("1"));
            data.setRecordSource("SELECT 1 AS one");
        };
        killSession();
        QVERIFY(!data.refresh().ok);
        Status s = data.refresh();
        QVERIFY2(s.ok, qPrintable(s.message));
        QCOMPARE(data.recordset().value(0), QString("1"));

        killSession();
        data.setConnectionString(cs);
        s = data.refresh(true);
        QVERIFY2(s.ok, qPrintable(s.message));
        QCOMPARE(data.fields().size(), 1);

        // A connection whose session ends under it reports itself closed.
        Connection c;
        openOrFail(c, cs);
        Recordset rs;
        QVERIFY(!c.query("SELECT pg_terminate_backend(pg_backend_pid())", &rs).ok);
        QCOMPARE(c.state(), int(adStateClosed));
    }

    void openFailure_data()
    {
        QTest::addColumn<QString>("connectionString");
        QTest::newRow("unknown driver") << "DRIVER={Quillmere No Such Driver};Database=x;";
        QTest::newRow("unknown data source") << "DSN=QuillmereNoSuchSource;";
        QTest::newRow("refused port")
            << "DRIVER={PostgreSQL Unicode};Server=127.0.0.1;Port=1;Database=x;Uid=x;";
        QTest::newRow("Access file missing")
            << "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/nonexistent/shop.mdb";
        QTest::newRow("empty") << "";
    }
    void openFailure()
    {
        QFETCH(QString, connectionString);
        Connection c;
        QElapsedTimer timer;
        timer.start();
        const Status s = c.open(connectionString);
        QVERIFY(!s.ok);
        QVERIFY(!s.message.isEmpty());
        QCOMPARE(c.state(), int(adStateClosed));
        QVERIFY(timer.elapsed() < 20000);
        Recordset rs;
        QVERIFY(!c.openSchema(adSchemaTables, {}, &rs).ok);
        QCOMPARE(rs.recordCount(), 0);
    }

    // The form a generated application connects with on Windows: the ODBC string behind the
    // OLE DB provider for ODBC drivers. It opens the same database.
    void odbcProviderInFront_data()
    {
        QTest::addColumn<QString>("db");
        QTest::newRow("sqlite") << "sqlite";
        QTest::newRow("pg") << "pg";
        QTest::newRow("mariadb") << "mariadb";
    }
    void odbcProviderInFront()
    {
        QFETCH(QString, db);
        QUILLMERE_BACKEND(db, cs);
        QStringList expected, actual;
        for (const QString& text : {cs, "Provider=MSDASQL;" + cs}) {
            Connection c;
            openOrFail(c, text);
            Recordset rs;
            const Status s = c.openSchema(adSchemaTables, {}, &rs);
            QVERIFY2(s.ok, qPrintable(s.message));
            (text == cs ? expected : actual) = rowsOf(rs, {"TABLE_CATALOG", "TABLE_SCHEMA", "TABLE_NAME"});
        }
        QVERIFY(!expected.isEmpty());
        QCOMPARE(actual, expected);
    }

    void closeAndReopen()
    {
        Connection c;
        openOrFail(c, sqlite_);
        c.close();
        QCOMPARE(c.state(), int(adStateClosed));
        Recordset rs;
        QVERIFY(!c.openSchema(adSchemaTables, {}, &rs).ok);
        openOrFail(c, sqlite_);
        QVERIFY(c.openSchema(adSchemaTables, {}, &rs).ok);
        QVERIFY(rs.recordCount() > 0);
    }

    void unsupportedSchemaKind()
    {
        Connection c;
        openOrFail(c, sqlite_);
        Recordset rs;
        QVERIFY(!c.openSchema(4, {}, &rs).ok);
    }
};

QTEST_GUILESS_MAIN(AdoTest)
#include "test_ado.moc"
