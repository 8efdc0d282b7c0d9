// Translation of the pages' OLE DB strings into ODBC strings, the providers file, and
// the kinds that reach a database through it (a data source for the Oracle kind, an
// override for the SQL Server kind).
#include "platform/ado/ado.h"
#include "support/fixture_db.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace platform::ado;

class AdoConnectionStringTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void init()
    {
        // No providers file unless a test writes one; the program folder is the test's.
        qputenv("QUILLMERE_PROVIDERS", QFile::encodeName(dir_.filePath("none.ini")));
        qputenv("QUILLMERE_HOME", QFile::encodeName(dir_.path()));
        QFile::remove(dir_.filePath("providers.ini"));
    }

    void translation_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Access") << "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/data/shop.mdb"
                                << "DRIVER={MDBTools};DBQ=/data/shop.mdb;";
        QTest::newRow("Access, empty path") << "Provider=Microsoft.Jet.OLEDB.4.0;Data Source="
                                            << "DRIVER={MDBTools};DBQ=;";
        QTest::newRow("Access 2007 file") << "Provider=Microsoft.ACE.OLEDB.12.0;Data Source=/data/shop.accdb"
                                          << "DRIVER={MDBTools};DBQ=/data/shop.accdb;";
        QTest::newRow("SQL Server")
            << "Provider=SQLOLEDB.1;Initial Catalog=shop;Data Source=db1;User Id=sa;Password=pw;"
            << "DRIVER={FreeTDS};Server=db1;Database=shop;UID=sa;PWD=pw;";
        QTest::newRow("SQL Server, other provider version")
            << "Provider=SQLOLEDB;Initial Catalog=shop;Data Source=db1;User Id=sa;Password=;"
            << "DRIVER={FreeTDS};Server=db1;Database=shop;UID=sa;PWD=;";
        QTest::newRow("Oracle") << "Provider=MSDAORA;Data Source=ORCL;User Id=scott;Password=tiger;"
                                << "DSN=ORCL;UID=scott;PWD=tiger;";
        QTest::newRow("keys in any case") << "provider=msdaora;DATA SOURCE=ORCL;user id=scott;PASSWORD=tiger"
                                          << "DSN=ORCL;UID=scott;PWD=tiger;";
        QTest::newRow("ODBC driver string unchanged") << "DRIVER={PostgreSQL Unicode};Servername=h;"
                                                      << "DRIVER={PostgreSQL Unicode};Servername=h;";
        QTest::newRow("ODBC data source unchanged") << "dsn=Shop;uid=a;pwd=b"
                                                    << "dsn=Shop;uid=a;pwd=b";
        QTest::newRow("SQLite driver told not to create the file")
            << "driver={SQLite3};Database=/tmp/a.db;NoCreat=0"
            << "NoCreat=1;driver={SQLite3};Database=/tmp/a.db;NoCreat=0";
        QTest::newRow("ODBC driver behind the ODBC provider")
            << "Provider=MSDASQL;DRIVER={MariaDB Unicode};Server=h;Database=shop;"
            << "DRIVER={MariaDB Unicode};Server=h;Database=shop;";
        QTest::newRow("ODBC provider, version and quotes, after the data source")
            << "dsn=Shop; provider = \"MSDASQL.1\" ;uid=a"
            << "dsn=Shop; uid=a";
        QTest::newRow("SQLite driver behind the ODBC provider")
            << "Provider=MSDASQL;driver={SQLite3};Database=/tmp/a.db"
            << "NoCreat=1;driver={SQLite3};Database=/tmp/a.db";
        QTest::newRow("other provider beside a driver unchanged") << "Provider=Other;DRIVER={x};"
                                                                  << "Provider=Other;DRIVER={x};";
        QTest::newRow("unknown provider unchanged") << "Provider=SomethingElse;Data Source=x"
                                                    << "Provider=SomethingElse;Data Source=x";
        QTest::newRow("quoted value keeps its ;")
            << "Provider=MSDAORA;Data Source=ORCL;User Id=scott;Password=\"ti;ger\";"
            << "DSN=ORCL;UID=scott;PWD={ti;ger};";
        QTest::newRow("doubled quote")
            << "Provider=MSDAORA;Data Source=ORCL;User Id=scott;Password=\"a\"\"b\";"
            << "DSN=ORCL;UID=scott;PWD={a\"b};";
        QTest::newRow("single quotes") << "Provider=MSDAORA;Data Source='my;source';User Id=u;Password=p;"
                                       << "DSN={my;source};UID=u;PWD=p;";
        QTest::newRow("quoted DRIVER= is only a value")
            << "Provider=MSDAORA;Data Source=ORCL;User Id=u;Password=\"x;DRIVER={SQLite3}\";"
            << "DSN=ORCL;UID=u;PWD={x;DRIVER={SQLite3}}};";
        QTest::newRow("text after a closing quote is not read")
            << "Provider=MSDAORA;Data Source=\"OR\"CL x; User Id = u ;Password=\"p;w"
            << "DSN=OR;UID=u;PWD={p;w};";
        QTest::newRow("brace in a value")
            << "Provider=SQLOLEDB.1;Initial Catalog=a}b;Data Source=s;User Id=u;Password=p;"
            << "DRIVER={FreeTDS};Server=s;Database={a}}b};UID=u;PWD=p;";
    }
    void translation()
    {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QCOMPARE(toOdbcConnectionString(input), expected);
    }

    void oleDbValue_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("quoted");
        QTest::addColumn<QString>("odbc");
        QTest::newRow("plain stays byte-identical") << "tiger"
                                                    << "tiger"
                                                    << "tiger";
        QTest::newRow("blank inside") << "my pass"
                                      << "my pass"
                                      << "my pass";
        QTest::newRow("semicolon") << "ti;ger"
                                   << "\"ti;ger\""
                                   << "{ti;ger}";
        QTest::newRow("double quote") << "a\"b"
                                      << "\"a\"\"b\""
                                      << "{a\"b}";
        QTest::newRow("single quote") << "it's"
                                      << "\"it's\""
                                      << "{it's}";
        QTest::newRow("braces") << "{x}"
                                << "\"{x}\""
                                << "{{x}}}";
        QTest::newRow("attribute injection") << "p;Data Source=evil"
                                             << "\"p;Data Source=evil\""
                                             << "{p;Data Source=evil}";
    }
    void oleDbValue()
    {
        QFETCH(QString, value);
        QFETCH(QString, quoted);
        QFETCH(QString, odbc);
        QCOMPARE(platform::ado::oleDbValue(value), quoted);
        // Quoted, the value reaches ODBC whole, and the attribute after it is kept.
        const QString built = "Provider=MSDAORA;Data Source=ORCL;User Id=u;Password=" + quoted + ";";
        QCOMPARE(toOdbcConnectionString(built), "DSN=ORCL;UID=u;PWD=" + odbc + ";");
    }

    void providersFile_data()
    {
        QTest::addColumn<bool>("inProgramFolder");
        QTest::newRow("named by QUILLMERE_PROVIDERS") << false;
        QTest::newRow("in the program folder") << true;
    }
    void providersFile()
    {
        QFETCH(bool, inProgramFolder);
        const QStringList lines{"# test drivers", "[providers]",
                                "SQLOLEDB = DRIVER=SQLite3;Database=%catalog%;", "; a comment",
                                "jet=DRIVER={Other Access};File=%source%;"};
        if (inProgramFolder) {
            QFile file(dir_.filePath("providers.ini"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(lines.join('\n').toUtf8());
            file.close();
            qunsetenv("QUILLMERE_PROVIDERS");
        } else {
            QVERIFY(!testsupport::writeProvidersFile(dir_.path(), lines).isEmpty());
        }
        QCOMPARE(toOdbcConnectionString(
                     "Provider=SQLOLEDB.1;Initial Catalog=/tmp/x.db;Data Source=s;User Id=u;Password=p;"),
                 QString("NoCreat=1;DRIVER=SQLite3;Database=/tmp/x.db;"));
        QCOMPARE(toOdbcConnectionString("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/a/b.mdb"),
                 QString("DRIVER={Other Access};File=/a/b.mdb;"));
        // A family the file does not name keeps its default.
        QCOMPARE(toOdbcConnectionString("Provider=MSDAORA;Data Source=ORCL;User Id=u;Password=p;"),
                 QString("DSN=ORCL;UID=u;PWD=p;"));
    }

    // A FIFO in place of the providers file is not waited on: every family keeps its default.
    void providersFileThatIsAFifo()
    {
        qunsetenv("QUILLMERE_PROVIDERS");
        const QString path = dir_.filePath("providers.ini");
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        const QString odbc = toOdbcConnectionString("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/a/b.mdb");
        QFile::remove(path);
        QCOMPARE(odbc, QString("DRIVER={MDBTools};DBQ=/a/b.mdb;"));
    }

    // A mistyped database path fails with its reason and leaves no empty database behind,
    // however the string reaches the SQLite driver.
    void sqliteOpensOnlyAnExistingFile_data()
    {
        QTest::addColumn<QString>("connectionString");
        QTest::newRow("driver string") << "DRIVER=SQLite3;Database=%1;";
        QTest::newRow("provider template") << "Provider=SQLOLEDB.1;Initial Catalog=%1;Data Source=s;";
        QTest::newRow("data source") << "Provider=MSDAORA;Data Source=QuillmereMissing;User Id=u;Password=p;";
    }
    void sqliteOpensOnlyAnExistingFile()
    {
        QFETCH(QString, connectionString);
        const QString missing = dir_.filePath("typo.db");
        testsupport::writeProvidersFile(dir_.path(), {"sqloledb=DRIVER=SQLite3;Database=%catalog%;"});
        QVERIFY(!testsupport::writeOdbcIni(dir_.path(),
                                           {{"QuillmereMissing", {"Driver=SQLite3", "Database=" + missing}}})
                     .isEmpty());
        Connection c;
        const Status s =
            c.open(connectionString.contains("%1") ? connectionString.arg(missing) : connectionString);
        QVERIFY(!s.ok);
        QCOMPARE(c.state(), int(adStateClosed));
        QVERIFY(!QFile::exists(missing));
        if (connectionString.contains("%1"))
            QVERIFY2(s.message.endsWith("the database file " + missing + " does not exist"),
                     qPrintable(s.message));
    }

    void sqlServerKindThroughOverride()
    {
        const QString fixture = testsupport::sqliteFixture("shop_sqlite.sql", dir_.path());
        QVERIFY(!fixture.isEmpty());
        testsupport::writeProvidersFile(dir_.path(), {"sqloledb=DRIVER=SQLite3;Database=%catalog%;"});
        Connection c;
        const Status s = c.open("Provider=SQLOLEDB.1;Initial Catalog=" + testsupport::sqliteFile(fixture) +
                                ";Data Source=server;User Id=sa;Password=pw;");
        QVERIFY2(s.ok, qPrintable(s.message));
        Recordset rs;
        QVERIFY(c.openSchema(adSchemaTables, {}, &rs).ok);
        QVERIFY(rs.recordCount() >= 5);
    }

    void oracleKindThroughDataSource()
    {
        const QString fixture = testsupport::sqliteFixture("shop_sqlite.sql", dir_.path());
        QVERIFY(!fixture.isEmpty());
        QVERIFY(!testsupport::writeOdbcIni(
                     dir_.path(),
                     {{"QuillmereShop", {"Driver=SQLite3", "Database=" + testsupport::sqliteFile(fixture)}}})
                     .isEmpty());
        Connection c;
        const Status s = c.open("Provider=MSDAORA;Data Source=QuillmereShop;User Id=scott;Password=tiger;");
        QVERIFY2(s.ok, qPrintable(s.message));
        Recordset rs;
        QVERIFY(c.openSchema(adSchemaPrimaryKeys, {QVariant(), QVariant(), "Products"}, &rs).ok);
        QCOMPARE(rs.recordCount(), 2);
        // An unknown service fails like any other open.
        Connection other;
        QVERIFY(!other.open("Provider=MSDAORA;Data Source=NoSuchService;User Id=u;Password=p;").ok);
    }
};

QTEST_GUILESS_MAIN(AdoConnectionStringTest)
#include "test_ado_connection_string.moc"
