// The catalogue a run keeps: every generator writes the same bytes whether its catalogue
// reads table by table or keeps what the run has read (whole-database reads on PostgreSQL,
// one read per table on SQLite and MariaDB), and every key, index and foreign-key row it serves is the
// one a table-by-table read gives, in the same order.

#include "generators/classmodule/class_module_run.h"
#include "generators/vbnet/generation_run.h"
#include "generators/web/edit_page_run.h"
#include "support/fixture_catalogue.h"
#include "support/fixture_db.h"
#include "support/golden.h"
#include "support/recording_host.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace generators;

namespace
{

const QStringList kChosen{"audit_log",   "customers", "employees", "notes",
                          "order_lines", "orders",    "shipments"};

// The fixture's connection string, or empty (after a skip or a failure message).
QString fixture(const QString& backend, const QString& dir)
{
    if (backend == "sqlite")
        return testsupport::sqliteFixture(QStringLiteral("catalogue/run_sqlite.sql"), dir);
    if (backend == "mariadb")
        return testsupport::mariadbFixture(QStringLiteral("catalogue/run_mariadb.sql"));
    const QString pg = testsupport::pgFixture(QStringLiteral("catalogue/run_pg.sql"));
    // Tables are listed by name alone; the path finds them in either schema.
    return pg.isEmpty() ? pg : pg + QStringLiteral("ConnSettings=SET search_path TO sales, hr;");
}

RunInputs runInputs(const QString& folder, const QString& schemaFilter, const QStringList& tables)
{
    RunInputs in;
    in.pn = folder + '/';
    in.dbn = QStringLiteral("Shop");
    in.gn = {true, true, true};
    in.gnn = {QStringLiteral("ShopAccess.vb"), QStringLiteral("ShopManager.vb"),
              QStringLiteral("ShopClasses.vb")};
    in.gcfk = true;
    in.gwcf = true;
    in.ps = false;
    in.tdn1 = tables;
    in.cnxstr = QStringLiteral("Provider=SQLOLEDB.1;Data Source=db;Initial Catalog=shop");
    in.net_ns = QStringLiteral("SQLClient");
    in.net_prefix = QStringLiteral("SQL");
    in.schema_filter = schemaFilter;
    return in;
}

struct Output {
    QMap<QString, QByteArray> files; // by name
    QMap<int, QString> previews;
    QStringList messages;
};

// The VB.NET run, the class modules and one edit page per table, as the window makes them,
// into `folder`.
Output generateEverything(Catalogue& catalogue, const QString& folder, const QString& schemaFilter,
                          const QStringList& tables)
{
    const RunInputs in = runInputs(folder, schemaFilter, tables);
    testsupport::RecordingHost host;
    {
        RunContext ctx(in, catalogue, host);
        vbnet::runGeneration(ctx);
    }
    {
        RunContext ctx(in, catalogue, host);
        classmodule::runClassModules(ctx, standardTypeTables());
    }
    for (const QString& table : tables) {
        RunContext ctx(in, catalogue, host);
        ctx.in.solutionVisible = true;
        web::EditPageInputs page{table, "edit_" + table + ".aspx", "edit_" + table + ".aspx.vb", "ShopWeb",
                                 in.pn};
        web::runEditPage(ctx, page, [](const QString&) {});
    }
    Output out;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
        out.files.insert(name, testsupport::readFileBytes(dir.filePath(name)));
    out.previews = host.previews;
    out.messages = host.messages;
    return out;
}

QString keyText(const KeyColumns& key)
{
    return QString("%1 %2 [%3]").arg(key.ok).arg(key.error, key.columns.join(','));
}

QString indexText(const IndexRows& rows)
{
    QStringList items;
    for (const IndexRow& row : rows.rows)
        items << row.indexName + '.' + row.columnName;
    return QString("%1 %2 [%3]").arg(rows.ok).arg(rows.error, items.join(','));
}

QStringList foreignKeyTexts(const ForeignKeyRows& rows)
{
    QStringList items{QString("%1 %2").arg(rows.ok).arg(rows.error)};
    for (const ForeignKeyRow& r : rows.rows)
        items << QStringList{r.pkSchema,
                             r.pkTable,
                             r.pkColumn,
                             r.fkSchema,
                             r.fkTable,
                             r.fkColumn,
                             QString::number(r.ordinal)}
                     .join('|');
    return items;
}

// The databases a case runs on, as rows of its data table.
void addBackends()
{
    QTest::addColumn<QString>("backend");
    QTest::newRow("sqlite") << "sqlite";
    QTest::newRow("pg") << "pg";
    QTest::newRow("mariadb") << "mariadb";
}

// False (after a skip, or a failure where the run started the server) when the backend's
// test server is not there.
bool serverAvailable(const QString& backend)
{
    if (backend == "pg")
        return testsupport::pgAvailable();
    if (backend == "mariadb")
        return testsupport::mariadbAvailable();
    return true;
}

// Every table of the catalogue, as (schema, name).
QList<std::pair<QString, QString>> everyTable(platform::ado::Connection& connection)
{
    QList<std::pair<QString, QString>> found;
    platform::ado::Recordset tables;
    if (connection.openSchema(platform::ado::adSchemaTables, {}, &tables).ok) {
        for (tables.moveFirst(); !tables.eof(); tables.moveNext())
            found.append({tables.value("TABLE_SCHEMA"), tables.value("TABLE_NAME")});
    }
    return found;
}

} // namespace

class RunCatalogueTest : public QObject
{
    Q_OBJECT
private slots:
    void sameFilesAsTableByTable_data()
    {
        QTest::addColumn<QString>("backend");
        QTest::addColumn<QString>("schemaFilter");
        QTest::newRow("sqlite") << "sqlite"
                                << "";
        QTest::newRow("pg, every schema") << "pg"
                                          << "";
        QTest::newRow("pg, one schema chosen") << "pg"
                                               << "sales";
        QTest::newRow("mariadb") << "mariadb"
                                 << "";
    }
    void sameFilesAsTableByTable()
    {
        QFETCH(QString, backend);
        QFETCH(QString, schemaFilter);
        if (!serverAvailable(backend))
            QSKIP("no test server for this backend (run through scripts/run-tests.sh)");
        QTemporaryDir dir;
        const QString cnx = fixture(backend, dir.path());
        QVERIFY2(!cnx.isEmpty(), "the fixture database could not be built");

        testsupport::FixtureCatalogue direct(cnx);
        QVERIFY2(direct.opened.ok, qPrintable(direct.opened.message));
        const Output expected =
            generateEverything(direct.catalogue, dir.filePath("direct"), schemaFilter, kChosen);

        RunCatalogueCache cache;
        testsupport::FixtureCatalogue kept(cnx, &cache);
        QVERIFY2(kept.opened.ok, qPrintable(kept.opened.message));
        const Output actual = generateEverything(kept.catalogue, dir.filePath("kept"), schemaFilter, kChosen);

        // Two class modules and two pages per table, three modules, Web.config.
        QCOMPARE(expected.files.size(), 3 * kChosen.size() + 4);
        QCOMPARE(actual.files.keys(), expected.files.keys());
        for (auto it = expected.files.cbegin(); it != expected.files.cend(); ++it)
            QVERIFY2(actual.files.value(it.key()) == it.value(), qPrintable(it.key() + " differs"));
        // The class-module preview names each file with its folder.
        QMap<int, QString> previews = actual.previews;
        for (QString& text : previews)
            text.replace(dir.filePath("kept"), dir.filePath("direct"));
        QCOMPARE(previews, expected.previews);
        QCOMPARE(actual.messages, expected.messages);
    }

    // Every table of the catalogue, by name alone and by its own schema, as a generator asks.
    void sameRowsAsTableByTable_data() { addBackends(); }
    void sameRowsAsTableByTable()
    {
        QFETCH(QString, backend);
        if (!serverAvailable(backend))
            QSKIP("no test server for this backend (run through scripts/run-tests.sh)");
        QTemporaryDir dir;
        const QString cnx = fixture(backend, dir.path());
        QVERIFY2(!cnx.isEmpty(), "the fixture database could not be built");
        testsupport::FixtureCatalogue direct(cnx);
        RunCatalogueCache cache;
        testsupport::FixtureCatalogue kept(cnx, &cache);
        QVERIFY2(direct.opened.ok && kept.opened.ok, qPrintable(direct.opened.message));

        QList<std::pair<QString, QString>> asked{{"no_such_table", ""}};
        for (const auto& [schema, name] : everyTable(*direct.connection)) {
            asked.append({name, QString()});
            asked.append({name, schema});
        }
        QVERIFY(asked.size() > 2 * kChosen.size());
        // Told the tables ahead, a catalogue read table by table reads each with those after it.
        QStringList expected;
        for (const auto& [table, schema] : asked)
            expected.append(table);
        kept.catalogue.expectTables(expected);
        for (int pass = 0; pass < 2; ++pass) { // the second pass is served from what was kept
            for (const auto& [table, schema] : asked) {
                const QString what = schema + '.' + table + ": ";
                QCOMPARE(what + keyText(kept.catalogue.primaryKey(table, schema)),
                         what + keyText(direct.catalogue.primaryKey(table, schema)));
                QCOMPARE(what + indexText(kept.catalogue.indexes(table, schema)),
                         what + indexText(direct.catalogue.indexes(table, schema)));
            }
            QCOMPARE(foreignKeyTexts(kept.catalogue.foreignKeys()),
                     foreignKeyTexts(direct.catalogue.foreignKeys()));
        }
    }

    // Column queries described ahead, from the catalogue and one describe per column type
    // or on several connections at once (PostgreSQL), or many in one hand-over to the
    // server's thread (elsewhere), give each query's fields as a describe of that query
    // alone does; a query that fails is left to be asked.
    void describedAheadAsOneByOne_data() { addBackends(); }
    void describedAheadAsOneByOne()
    {
        QFETCH(QString, backend);
        if (!serverAvailable(backend))
            QSKIP("no test server for this backend (run through scripts/run-tests.sh)");
        QTemporaryDir dir;
        const QString cnx = fixture(backend, dir.path());
        QVERIFY2(!cnx.isEmpty(), "the fixture database could not be built");
        testsupport::FixtureCatalogue direct(cnx);
        QVERIFY2(direct.opened.ok, qPrintable(direct.opened.message));

        QStringList queries{"SELECT * from no_such_table"};
        if (backend == "pg") {
            // Columns of many types and sizes, names the parser folds or only quotes, tables
            // named by keywords, a view, a dropped column and a table of no column.
            const QStringList statements{
                R"(CREATE DOMAIN sales.short_code AS varchar(6))",
                R"(CREATE TABLE sales.typed (a varchar(10), b varchar(300), c varchar, d char(5), e text,
                   f numeric(12, 4), g numeric, h boolean, i bigint, j real, k double precision, l date,
                   m time, n timestamptz, o bytea, p uuid, q integer[], r sales.short_code, s money,
                   t json, u interval, v varchar(20000), w smallint, x char(300)))",
                R"(CREATE TABLE sales.also_typed (w smallint, f numeric(12, 4), a varchar(11), e text))",
                R"(CREATE TABLE sales."Mixed Case" ("Id" integer, "two words" varchar(20), x varchar(10)))",
                R"(CREATE TABLE sales."order" (id integer, note varchar(10)))",
                R"(CREATE TABLE sales."left" (id integer))",
                R"(CREATE TABLE sales."user" (id integer))",
                R"(CREATE TABLE sales."between" (id integer))",
                R"(CREATE TABLE sales.dropped (id integer, gone text, kept numeric(5, 1)))",
                R"(ALTER TABLE sales.dropped DROP COLUMN gone)",
                R"(CREATE VIEW sales.typed_view AS SELECT a, f, q FROM sales.typed)",
                R"(CREATE TABLE sales.no_columns ())"};
            for (const QString& statement : statements) {
                platform::ado::Recordset none;
                const platform::ado::Status made = direct.connection->query(statement, &none);
                QVERIFY2(made.ok, qPrintable(statement + ": " + made.message));
            }
            queries << "SELECT * from Typed"
                    << "SELECT * from \"Typed\""
                    << "SELECT * from SALES.typed"
                    << "SELECT * from \"Mixed Case\""
                    << "SELECT * from sales.\"Mixed Case\""
                    << "SELECT * from order"
                    << "SELECT * from sales.order"
                    << "SELECT * from \"order\""
                    << "SELECT * from left"
                    << "SELECT * from \"left\""
                    << "SELECT * from user"
                    << "SELECT * from between"
                    << "SELECT * from public.typed"
                    << "SELECT * from sales.typed.a"
                    << "SELECT * from typed_view"
                    << "SELECT * from hr.notes";
        }
        for (const auto& [schema, name] : everyTable(*direct.connection)) {
            queries << "SELECT * from " + name << "SELECT * from " + name + " where 1 = 0"
                    << "SELECT * from " + name + " where 2 = 2";
            if (!schema.isEmpty())
                queries << QString("SELECT * from \"%1\".\"%2\"").arg(schema, name);
        }
        queries.removeDuplicates();
        QVERIFY(queries.size() >= 16);

        QHash<QString, QList<platform::ado::Field>> ahead;
        QVERIFY(direct.data3.describeAhead(queries, &ahead).ok);
        QVERIFY(ahead.size() >= 16);
        for (const QString& query : queries) {
            const ColumnList one = direct.catalogue.columns(DataControlId::data4, query);
            QCOMPARE(one.ok, ahead.contains(query));
            QStringList expected, actual;
            for (const platform::ado::Field& field : one.columns)
                expected << field.name + ':' + QString::number(field.type);
            for (const platform::ado::Field& field : ahead.value(query))
                actual << field.name + ':' + QString::number(field.type);
            QCOMPARE(query + ' ' + actual.join(','), query + ' ' + expected.join(','));
        }
    }

    // A column query asked again in the same run is answered from what the run kept, and
    // the data control ends as the query would have left it.
    void aColumnQueryRunsOncePerRun()
    {
        QTemporaryDir dir;
        const QString cnx = fixture("sqlite", dir.path());
        QVERIFY2(!cnx.isEmpty(), "the fixture database could not be built");
        RunCatalogueCache cache;
        testsupport::FixtureCatalogue kept(cnx, &cache);
        QVERIFY2(kept.opened.ok, qPrintable(kept.opened.message));
        const ColumnList first = kept.catalogue.columns(DataControlId::data3, "SELECT * from orders");
        QVERIFY2(first.ok, qPrintable(first.error));
        QCOMPARE(first.columns.size(), 4);

        // Gone from the database, the table is still described as the run first read it.
        platform::ado::Recordset none;
        QVERIFY(kept.connection->query("DROP TABLE shipments", &none).ok);
        QVERIFY(kept.connection->query("DROP TABLE order_lines", &none).ok);
        QVERIFY(kept.connection->query("DROP TABLE orders", &none).ok);
        QVERIFY(kept.catalogue.columns(DataControlId::data3, "SELECT * from customers").ok);
        const ColumnList again = kept.catalogue.columns(DataControlId::data4, "SELECT * from orders");
        QVERIFY(again.ok);
        QCOMPARE(again.columns.size(), first.columns.size());
        QCOMPARE(kept.data4.recordSource(), QString("SELECT * from orders"));
        QCOMPARE(kept.data4.fields().size(), first.columns.size());
        QCOMPARE(kept.data3.recordSource(), QString("SELECT * from customers"));
    }
};

QTEST_GUILESS_MAIN(RunCatalogueTest)
#include "test_run_catalogue.moc"
