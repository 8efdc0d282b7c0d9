// Names that break generated code. A table whose name or column name holds a double
// quote, a line break or a character outside Windows-1252 is left out of every run, and
// the files of the other tables are those of a run without it; a name that is not a plain
// identifier is written and reported. On PostgreSQL a table name held by two schemas is
// reported with the schema the run read.

#include "generators/classmodule/class_module_run.h"
#include "generators/common/ado_catalogue.h"
#include "generators/common/name_check.h"
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

Q_DECLARE_METATYPE(generators::NameFit)

namespace
{

const QString kInjected = QStringLiteral(R"(x" & Shell("calc") & ")");

// The chosen tables in list order; the good ones are dept and staff.
const QStringList kAllTables{"1st", "dept", "inject", "quote\"d", "staff", "two\nlines", "中文"};
const QStringList kGoodTables{"1st", "dept", "staff"};

const QStringList kProblems{
    "1st: the table's name starts with a digit, so the generated VB code will not compile as it stands; "
    "rename the "
    "table, or correct the names in the generated files.",
    "inject: left out of the run, the column name " + kInjected + " holds a double quote",
    R"(quote"d: left out of the run, the table name holds a double quote)",
    "staff: the column \"full name\" holds a blank and the column \"o'brien\" holds an apostrophe, so the "
    "generated VB code will not compile as it stands; rename the columns, or correct the names in the "
    "generated "
    "files.",
    R"(two\nlines: left out of the run, the table name holds a line break)",
    "中文: left out of the run, the table name holds 中, a character the generated files (Windows-1252) "
    "cannot "
    "hold",
};

// Each kind of run, over the given tables, into `folder`.
enum class RunKind { classModules, vbnet, editPages };

QStringList runInto(RunKind kind, Catalogue& catalogue, const QString& folder, const QStringList& tables)
{
    QStringList messages;
    RunInputs in;
    in.pn = folder + QLatin1Char('/');
    in.dbn = QStringLiteral("co_");
    in.tdn1 = tables;
    in.gn = {true, true, true};
    in.gnn = {QStringLiteral("Access.vb"), QStringLiteral("Manager.vb"), QStringLiteral("Classes.vb")};
    in.gcfk = true;
    in.net_ns = in.net_prefix = QStringLiteral("OleDB");
    if (kind == RunKind::editPages) {
        for (const QString& table : tables) {
            testsupport::RecordingHost host;
            RunContext ctx(in, catalogue, host);
            web::EditPageInputs page;
            page.tableBox = table;
            page.pageFile = "edit_" + table + ".aspx";
            page.codeFile = "edit_" + table + ".aspx.vb";
            page.project = QStringLiteral("Web");
            page.folder = in.pn;
            web::runEditPage(ctx, page, [](const QString&) {});
            messages += host.messages;
        }
        return messages;
    }
    testsupport::RecordingHost host;
    RunContext ctx(in, catalogue, host);
    if (kind == RunKind::classModules)
        classmodule::runClassModules(ctx, standardTypeTables());
    else
        vbnet::runGeneration(ctx);
    return host.messages;
}

// The problem lines of the end messages, each once.
QStringList problemLines(const QStringList& messages)
{
    QStringList lines;
    for (const QString& message : messages) {
        QStringList parts = message.split(QLatin1Char('\n'));
        if (parts.takeFirst() != QLatin1String("End of Generation"))
            return {QStringLiteral("unexpected message: ") + message};
        for (const QString& line : parts) {
            if (!lines.contains(line))
                lines.append(line);
        }
    }
    return lines;
}

} // namespace

Q_DECLARE_METATYPE(RunKind)

class NameCheckTest : public QObject
{
    Q_OBJECT
private slots:
    void nameFit_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<NameFit>("fit");
        QTest::addColumn<QString>("reason");
        QTest::newRow("plain") << "Orders" << NameFit::plain << "";
        QTest::newRow("underscore and digits") << "order_lines2" << NameFit::plain << "";
        QTest::newRow("letter of the code page") << "Café" << NameFit::plain << "";
        QTest::newRow("blank") << "Order Notes" << NameFit::uncompilable << "holds a blank";
        QTest::newRow("apostrophe") << "O'Brien" << NameFit::uncompilable << "holds an apostrophe";
        QTest::newRow("hyphen") << "a-b" << NameFit::uncompilable << "holds a hyphen";
        QTest::newRow("leading digit") << "1st" << NameFit::uncompilable << "starts with a digit";
        QTest::newRow("leading underscore") << "_x" << NameFit::uncompilable << "starts with an underscore";
        QTest::newRow("sign of the code page")
            << "€uro" << NameFit::uncompilable << "holds €, which a VB name cannot hold";
        QTest::newRow("double quote") << kInjected << NameFit::breaksCode << "holds a double quote";
        QTest::newRow("left curly double quote")
            << QString::fromUtf8("n\u201C & Shell(\u201Ccalc\u201D) & \u201D") << NameFit::breaksCode
            << "holds a double quote";
        QTest::newRow("right curly double quote alone")
            << QString::fromUtf8("a\u201Db") << NameFit::breaksCode << "holds a double quote";
        QTest::newRow("curly single quote stays compilable")
            << QString::fromUtf8("a\u2019b") << NameFit::uncompilable << "holds an apostrophe";
        QTest::newRow("line feed") << "a\nb" << NameFit::breaksCode << "holds a line break";
        QTest::newRow("carriage return") << "a\rb" << NameFit::breaksCode << "holds a line break";
        QTest::newRow("outside the code page")
            << "Ωmega" << NameFit::breaksCode
            << "holds Ω, a character the generated files (Windows-1252) cannot hold";
        QTest::newRow("outside the basic plane")
            << "a😀" << NameFit::breaksCode
            << "holds 😀, a character the generated files (Windows-1252) cannot hold";
    }
    void nameFit()
    {
        QFETCH(QString, name);
        QFETCH(NameFit, fit);
        QFETCH(QString, reason);
        QString why;
        QCOMPARE(generators::nameFit(name, &why), fit);
        QCOMPARE(why, reason);
    }

    void badTablesLeftOut_data()
    {
        QTest::addColumn<bool>("postgres");
        QTest::addColumn<RunKind>("kind");
        for (const bool postgres : {false, true}) {
            const char* db = postgres ? "PostgreSQL" : "SQLite";
            QTest::addRow("%s class modules", db) << postgres << RunKind::classModules;
            QTest::addRow("%s VB.NET modules", db) << postgres << RunKind::vbnet;
            QTest::addRow("%s edit pages", db) << postgres << RunKind::editPages;
        }
    }
    void badTablesLeftOut()
    {
        QFETCH(bool, postgres);
        QFETCH(RunKind, kind);
        QTemporaryDir dir;
        QString cnx;
        if (postgres) {
            if (!testsupport::pgAvailable())
                QSKIP("no PostgreSQL test server (run through scripts/run-tests.sh)");
            cnx = testsupport::pgFixture(QStringLiteral("bad_names.sql"));
        } else {
            cnx = testsupport::sqliteFixture(QStringLiteral("bad_names.sql"), dir.path());
        }
        QVERIFY2(!cnx.isEmpty(), "the fixture database could not be built");
        testsupport::FixtureCatalogue database(cnx);
        QVERIFY2(database.opened.ok, qPrintable(database.opened.message));

        const QStringList allMessages = runInto(kind, database.catalogue, dir.filePath("all"), kAllTables);
        const QStringList goodMessages = runInto(kind, database.catalogue, dir.filePath("good"), kGoodTables);
        QCOMPARE(problemLines(allMessages), kProblems);
        QCOMPARE(problemLines(goodMessages), (QStringList{kProblems[0], kProblems[3]}));

        // Nothing for the tables left out: the same files, with the same bytes, as a run
        // without them.
        const QStringList files = QDir(dir.filePath("good")).entryList(QDir::Files);
        QVERIFY(!files.isEmpty());
        QCOMPARE(QDir(dir.filePath("all")).entryList(QDir::Files), files);
        for (const QString& file : files) {
            QVERIFY2(testsupport::readFileBytes(dir.filePath("all/" + file)) ==
                         testsupport::readFileBytes(dir.filePath("good/" + file)),
                     qPrintable(file));
        }
    }

    // A table or column named by a word the database's SQL reserves is written as it is,
    // with one line for the table, on every run kind: SQLite, MariaDB and an Access file.
    void reservedWordsTold_data()
    {
        QTest::addColumn<QString>("backend");
        QTest::addColumn<RunKind>("kind");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("line");
        const QString tableOnly = "Table: the table's name is a reserved word of the database's SQL, so the "
                                  "generated statements that "
                                  "name it may fail as they stand; rename the table, or quote the name in "
                                  "the generated statements.";
        const QString columns =
            "placed_orders: the column \"select\" and the column \"Order\" are each a reserved word of the "
            "database's SQL, so the generated statements that name them may fail as they stand; rename the "
            "columns, or quote the names in the generated statements.";
        for (const auto& [name, kind] :
             {std::pair("class modules", RunKind::classModules), std::pair("VB.NET modules", RunKind::vbnet),
              std::pair("edit pages", RunKind::editPages)}) {
            QTest::addRow("SQLite %s", name) << "sqlite" << kind << "placed_orders" << columns;
            QTest::addRow("MariaDB %s", name) << "mariadb" << kind << "placed_orders" << columns;
            QTest::addRow("Access %s", name) << "access" << kind << "Table" << tableOnly;
        }
    }
    void reservedWordsTold()
    {
        QFETCH(QString, backend);
        QFETCH(RunKind, kind);
        QFETCH(QString, table);
        QFETCH(QString, line);
        QTemporaryDir dir;
        const QString script = dir.filePath("reserved.sql");
        QFile file(script);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(backend == "mariadb"
                       ? "CREATE TABLE placed_orders (id INTEGER PRIMARY KEY, `select` INTEGER, "
                         "`Order` INTEGER, placed DATE) ENGINE=InnoDB;\n"
                       : "CREATE TABLE placed_orders (id INTEGER PRIMARY KEY, \"select\" INTEGER, "
                         "\"Order\" INTEGER, placed DATE);\n");
        file.close();
        QString cnx;
        if (backend == "sqlite") {
            cnx = testsupport::sqliteFixture(script, dir.path());
        } else if (backend == "mariadb") {
            if (!testsupport::mariadbAvailable())
                QSKIP("no MariaDB test server (run through scripts/run-tests.sh)");
            cnx = testsupport::mariadbFixture(script);
        } else {
            const QString copy = dir.filePath("delTestV1997.mdb");
            QVERIFY(QFile::copy(testsupport::fixturePath("access/delTestV1997.mdb"), copy));
            cnx = "DRIVER={MDBTools};DBQ=" + copy + ";";
        }
        QVERIFY2(!cnx.isEmpty(), "the fixture database could not be built");
        testsupport::FixtureCatalogue database(cnx);
        QVERIFY2(database.opened.ok, qPrintable(database.opened.message));

        const QStringList lines =
            problemLines(runInto(kind, database.catalogue, dir.filePath("out"), {table}));
        QCOMPARE(lines.join("\n"), line);
    }

    // One name in two schemas: the run reads the table the bare name reaches (here by the
    // search path) and says so; the files are those it would write anyway.
    void ambiguousName_data()
    {
        QTest::addColumn<QString>("searchPath");
        QTest::addColumn<RunKind>("kind");
        for (const QString schema : {"cm_sales", "cm_archive"}) {
            QTest::addRow("%s class modules", qPrintable(schema)) << schema << RunKind::classModules;
            QTest::addRow("%s VB.NET modules", qPrintable(schema)) << schema << RunKind::vbnet;
            QTest::addRow("%s edit page", qPrintable(schema)) << schema << RunKind::editPages;
        }
    }
    void ambiguousName()
    {
        QFETCH(QString, searchPath);
        QFETCH(RunKind, kind);
        if (!testsupport::pgAvailable())
            QSKIP("no PostgreSQL test server (run through scripts/run-tests.sh)");
        const QString pg = testsupport::pgFixture(QStringLiteral("classmodule/two_schemas_pg.sql"));
        QVERIFY2(!pg.isEmpty(), "the fixture database could not be built");
        testsupport::FixtureCatalogue database(
            pg + QStringLiteral("ConnSettings=SET search_path TO %1;").arg(searchPath));
        QVERIFY2(database.opened.ok, qPrintable(database.opened.message));

        QTemporaryDir dir;
        const QStringList messages = runInto(kind, database.catalogue, dir.path(), {"items"});
        QCOMPARE(problemLines(messages),
                 QStringList{
                     "items: a table of this name is in the schemas cm_archive, cm_sales; the run read the "
                     "one in " +
                     searchPath});
        QVERIFY(!QDir(dir.path()).entryList(QDir::Files).isEmpty());
    }
};

QTEST_GUILESS_MAIN(NameCheckTest)
#include "test_name_check.moc"
