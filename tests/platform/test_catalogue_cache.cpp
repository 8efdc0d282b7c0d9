// The catalogue rowsets a run keeps (whole-database reads on PostgreSQL and MariaDB) hold,
// field by field and row by row, what the driver gives when asked table by table: keys of
// several columns, two keys to one parent, a key to a unique column, the rules, tables of
// another database on the same server (with the same names, and a key that crosses over).
// A server killed under them, or a statement that cannot even be made, is a lost
// connection, whichever call meets it first.
#include "platform/ado/ado.h"
#include "platform/ado/odbc_support.h"
#include "support/fixture_db.h"
#include "support/private_mariadb.h"

#include <QTemporaryDir>
#include <QTest>

using namespace platform::ado;

namespace
{

// Every field of every row, with the field names and types in front.
QStringList everything(Recordset& rs)
{
    QStringList header;
    for (const Field& field : rs.fields())
        header << field.name + ':' + QString::number(field.type);
    QStringList lines{header.join(',')};
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        QStringList values;
        for (int i = 0; i < rs.fields().size(); ++i)
            values << rs.value(i);
        lines << values.join('|');
    }
    return lines;
}

// Tables whose keys and indexes the driver reports in its own ways, on a MariaDB server
// whose second database is `other_db`.
QStringList edgeCases()
{
    return {
        "CREATE DATABASE other_db",
        "CREATE TABLE other_db.parents (a int, b int, PRIMARY KEY (a, b)) ENGINE=InnoDB",
        "CREATE TABLE other_db.kids (id int PRIMARY KEY, pa int, pb int, "
        "FOREIGN KEY (pa, pb) REFERENCES other_db.parents (a, b)) ENGINE=InnoDB",
        "CREATE TABLE parents (a int, b int, code varchar(5) NOT NULL UNIQUE, note text, "
        "PRIMARY KEY (b, a), INDEX ab (a, b), INDEX by_note (note(10))) ENGINE=InnoDB",
        "CREATE TABLE kids (id int PRIMARY KEY, pa int, pb int, qa int, qb int, code varchar(5), far_a int, "
        "far_b int, FOREIGN KEY (pa, pb) REFERENCES parents (a, b) ON DELETE CASCADE, "
        "FOREIGN KEY (qa, qb) REFERENCES parents (a, b) ON UPDATE SET NULL ON DELETE SET NULL, "
        "FOREIGN KEY (code) REFERENCES parents (code), "
        "FOREIGN KEY (far_a, far_b) REFERENCES other_db.parents (a, b)) ENGINE=InnoDB",
        "CREATE TABLE Kids (id int PRIMARY KEY, kid int, CONSTRAINT upper_kid FOREIGN KEY (kid) REFERENCES "
        "kids (id) ON UPDATE "
        "CASCADE) ENGINE=InnoDB",
        "CREATE TABLE unique_only (u int NOT NULL UNIQUE, v int, UNIQUE KEY uv (v, u)) ENGINE=InnoDB",
        "CREATE VIEW kid_ids AS SELECT id FROM kids",
    };
}

} // namespace

class CatalogueCacheTest : public QObject
{
    Q_OBJECT
private slots:
    void keptRowsetsAsAskedTableByTable_data()
    {
        QTest::addColumn<QString>("backend");
        QTest::newRow("sqlite") << "sqlite";
        QTest::newRow("pg") << "pg";
        QTest::newRow("mariadb") << "mariadb";
    }
    void keptRowsetsAsAskedTableByTable()
    {
        QFETCH(QString, backend);
        QTemporaryDir dir;
        QString cnx;
        if (backend == "sqlite")
            cnx = testsupport::sqliteFixture("catalogue/run_sqlite.sql", dir.path());
        else if (backend == "pg" && testsupport::pgAvailable())
            cnx = testsupport::pgFixture("catalogue/run_pg.sql");
        else if (backend == "mariadb" && testsupport::mariadbAvailable())
            cnx = testsupport::mariadbFixture("catalogue/run_mariadb.sql");
        else
            QSKIP("no test server for this backend (run through scripts/run-tests.sh)");
        QVERIFY2(!cnx.isEmpty(), "the fixture database could not be built");
        Connection connection;
        QVERIFY(connection.open(cnx).ok);
        if (backend == "mariadb") {
            Recordset own;
            QVERIFY(connection.query("SELECT DATABASE()", &own).ok && !own.eof());
            for (QString statement : edgeCases()) {
                statement.replace("other_db", own.value(0) + "_other");
                Recordset none;
                const Status made = connection.query(statement, &none);
                QVERIFY2(made.ok, qPrintable(statement + ": " + made.message));
            }
        }

        Recordset tables;
        QVERIFY(connection.openSchema(adSchemaTables, {}, &tables).ok);
        QList<QVariant> names{QVariant()};
        for (tables.moveFirst(); !tables.eof(); tables.moveNext())
            names << tables.value("TABLE_NAME");
        QVERIFY(names.size() >= 8);

        struct Kind {
            int kind;
            int tablePosition; // of the table restriction
        };
        CatalogueCache cache;
        for (const Kind kind :
             {Kind{adSchemaPrimaryKeys, 2}, Kind{adSchemaForeignKeys, 5}, Kind{adSchemaIndexes, 4}}) {
            for (const QVariant& name : names) {
                QList<QVariant> restrictions(kind.tablePosition + 1);
                restrictions[kind.tablePosition] = name;
                Recordset direct, kept;
                const Status asked = connection.openSchema(kind.kind, restrictions, &direct);
                const Status read = connection.openSchema(kind.kind, restrictions, &kept, &cache);
                const QString what =
                    QStringLiteral("kind %1, table %2: ").arg(kind.kind).arg(name.toString());
                QCOMPARE(what + read.message, what + asked.message);
                QCOMPARE(everything(kept), everything(direct));
            }
        }
    }

    // A server killed before a rowset is read: whichever call meets the dropped link first
    // (MariaDB's driver, once it has seen the link drop, refuses even a new statement), the
    // read fails as a lost connection and closes the connection, never as a failed read.
    void killedServerIsALostConnection_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("primary keys") << int(adSchemaPrimaryKeys);
        QTest::newRow("foreign keys") << int(adSchemaForeignKeys);
        QTest::newRow("indexes") << int(adSchemaIndexes);
    }
    void killedServerIsALostConnection()
    {
        QFETCH(int, kind);
        QUILLMERE_PRIVATE_MARIADB(server);
        const QString cnx = testsupport::mariadbFixture("catalogue/run_mariadb.sql");
        QVERIFY(!cnx.isEmpty());
        Connection connection;
        QVERIFY(connection.open(cnx).ok);
        CatalogueCache cache;
        Recordset rs;
        QVERIFY(connection.openSchema(adSchemaTables, {}, &rs, &cache).ok);
        QVERIFY(rs.fields().size() == 4 && !rs.eof());

        server.kill();
        const Status read = connection.openSchema(kind, {}, &rs, &cache);
        QVERIFY(!read.ok);
        QVERIFY2(read.linkLost, qPrintable(read.message));
        QCOMPARE(connection.state(), int(adStateClosed));
    }

    // A statement the driver manager will not even make on a link that is not open (08003):
    // its failure tells a lost link, with the reason given on the connection.
    void unmadeStatementIsALostLink()
    {
        SQLHDBC dbc = SQL_NULL_HDBC;
        QVERIFY(odbc::succeeded(SQLAllocHandle(SQL_HANDLE_DBC, odbc::environment(), &dbc)));
        {
            const odbc::Statement statement(dbc);
            QVERIFY(!statement.valid());
            const Status failed = statement.failure("the request could not be made");
            QVERIFY(!failed.ok);
            QVERIFY(failed.linkLost);
            QVERIFY2(failed.message.startsWith("the request could not be made: [08003]"),
                     qPrintable(failed.message));
        }
        SQLFreeHandle(SQL_HANDLE_DBC, dbc);
    }
};

QTEST_GUILESS_MAIN(CatalogueCacheTest)
#include "test_catalogue_cache.moc"
