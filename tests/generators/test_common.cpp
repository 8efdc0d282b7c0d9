#include "generators/common/column_discovery.h"
#include "generators/common/module_file.h"
#include "generators/common/template.h"
#include "platform/text_file.h"
#include "support/golden.h"
#include "support/recording_host.h"
#include "support/scripted_catalogue.h"

#include <QTemporaryDir>
#include <QTest>

using namespace generators;

class CommonTest : public QObject
{
    Q_OBJECT
private slots:
    void expand_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("expected");
        QTest::newRow("table and column") << "Get<table>Reader(<column>)"
                                          << "GetOrdersReader(Id)";
        QTest::newRow("comment words stay") << "'    Function Get<Table>Reader(<TableClass>)"
                                            << "'    Function Get<Table>Reader(<TableClass>)";
        QTest::newRow("dq") << "#Region <dq>x<dq>"
                            << "#Region \"x\"";
        QTest::newRow("value not re-expanded") << "<prefix>"
                                               << "<table>";
        QTest::newRow("xml stays") << "<add key=\"<prefix>cnxstr\" />"
                                   << "<add key=\"<table>cnxstr\" />";
        QTest::newRow("trailing blanks") << "  x  "
                                         << "  x  ";
    }
    void expand()
    {
        QFETCH(QString, line);
        QFETCH(QString, expected);
        const Placeholders values{{"table", "Orders"}, {"column", "Id"}, {"prefix", "<table>"}};
        QCOMPARE(generators::expand(line, values), expected);
    }

    void blockLines()
    {
        const QStringList lines = templateLines(uR"(
first

  third  
)");
        QCOMPARE(lines, (QStringList{"first", "", "  third  "}));
        QCOMPARE(listComma(0, 2), QStringLiteral(","));
        QCOMPARE(listComma(1, 2), QString());
    }

    void windows1252()
    {
        QCOMPARE(platform::toWindows1252(QStringLiteral("Propriétés €\u4e2d")),
                 QByteArray("Propri\xe9t\xe9s \x80?"));
        // A character beyond the basic plane is one '?', a lone surrogate another.
        QCOMPARE(platform::toWindows1252(QStringLiteral("a\U0001F600b") + QChar(0xD800)), QByteArray("a?b?"));
        QCOMPARE(platform::fromWindows1252(QByteArray("\xe9\x80")), QStringLiteral("é€"));
    }

    void emitLineWritesFileAndPreview()
    {
        QTemporaryDir dir;
        RunInputs in;
        testsupport::ScriptedCatalogue catalogue;
        testsupport::RecordingHost host;
        RunContext ctx(in, catalogue, host);
        {
            ModuleFile file(ctx, kPreviewDataManager);
            QVERIFY(file.open(dir.filePath("m.vb"), platform::OpenMode::Output));
            file.emitLines({"NameSpace é", ""});
        }
        QCOMPARE(testsupport::readFileBytes(dir.filePath("m.vb")), QByteArray("NameSpace \xe9\r\n\r\n"));
        QCOMPARE(host.previews[kPreviewDataManager], QStringLiteral("\r\nNameSpace é\r\n"));
        QCOMPARE(host.yields, 2);
        QVERIFY(ctx.problems.isEmpty());

        ModuleFile missing(ctx, kPreviewDataAccess);
        QVERIFY(!missing.open(dir.filePath("no/such/folder/a.vb"), platform::OpenMode::Output));
        missing.emit_line("x");
        QCOMPARE(host.previews[kPreviewDataAccess], QStringLiteral("\r\nx"));
        QCOMPARE(ctx.problems.size(), 1);
    }

    void columnQueryQuotesOnlyOddNames_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << "Orders"
                               << "SELECT * from Orders where rownum<2";
        QTest::newRow("owner.table") << "HR.EMP"
                                     << "SELECT * from HR.EMP where rownum<2";
        QTest::newRow("blank") << "Order Lines"
                               << "SELECT * from \"Order Lines\" where rownum<2";
        QTest::newRow("quote") << "a\"b"
                               << "SELECT * from \"a\"\"b\" where rownum<2";
    }
    void columnQueryQuotesOnlyOddNames()
    {
        QFETCH(QString, table);
        QFETCH(QString, expected);
        QCOMPARE(columnQuery(table, " where rownum<2", "\""), expected);
    }

    void failedDiscoveryGivesNoColumnsAndAProblem()
    {
        RunInputs in;
        in.row_limit = " where rownum<2";
        testsupport::ScriptedCatalogue catalogue;
        catalogue.setTableColumns("A", {{"Id", 3}});
        testsupport::RecordingHost host;
        RunContext ctx(in, catalogue, host);
        QCOMPARE(discoverColumns(ctx, DataControlId::data3, "A", true).size(), 1);
        QVERIFY(discoverColumns(ctx, DataControlId::data4, "B", false).isEmpty());
        QCOMPARE(catalogue.queries,
                 (QStringList{"data3: SELECT * from A where rownum<2", "data4: SELECT * from B"}));
        QCOMPARE(ctx.problems.size(), 1);
        QVERIFY(endOfGenerationText(ctx.problems).startsWith("End of Generation\nB: column query"));
    }
};

QTEST_GUILESS_MAIN(CommonTest)
#include "test_common.moc"
