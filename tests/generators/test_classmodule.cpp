// The class-module run over a scripted catalogue: the index scan, a whole module compared
// byte for byte with its golden, the module of a table whose reads failed, the empty
// choice, the progress bar, file names and files that cannot be written.

#include "generators/classmodule/class_module_run.h"
#include "generators/classmodule/index_scan.h"
#include "support/golden.h"
#include "support/recording_host.h"
#include "support/scripted_catalogue.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace generators;
using platform::ado::Field;

Q_DECLARE_METATYPE(QList<generators::IndexRow>)

namespace
{

// Records the bar's value as each table's part of the preview begins.
class ProgressHost : public testsupport::RecordingHost
{
public:
    void appendPreview(int index, const QString& text) override
    {
        if (text.startsWith(QLatin1String("\r\n******* ")))
            valuesPerTable.append(progress);
        RecordingHost::appendPreview(index, text);
    }
    QList<double> valuesPerTable;
};

RunInputs classInputs(const QString& folder, const QStringList& tables)
{
    RunInputs in;
    in.pn = folder;
    in.dbn = QStringLiteral("shop_");
    in.tdn1 = tables;
    return in;
}

// A table with a column of each quote kind and one of a type the tables do not list,
// a two-column index and a one-column index.
void scriptOrders(testsupport::ScriptedCatalogue& catalogue, const QString& table = QStringLiteral("Orders"))
{
    catalogue.setTableColumns(table, {{"Id", platform::ado::adInteger},
                                      {"Name", platform::ado::adVarWChar},
                                      {"Placed", platform::ado::adDate},
                                      {"Code", 999}});
    catalogue.setIndexes(table, {{"pk_orders", "Id"}, {"pk_orders", "Name"}, {"ix_placed", "Placed"}});
}

QString fileText(const QString& path)
{
    return QString::fromLatin1(testsupport::readFileBytes(path));
}

} // namespace

class ClassModuleTest : public QObject
{
    Q_OBJECT
private slots:
    void indexScan_data()
    {
        QTest::addColumn<QList<IndexRow>>("rows");
        QTest::addColumn<QStringList>("indexColumns");
        QTest::addColumn<QStringList>("keyColumns");

        QTest::newRow("no index") << QList<IndexRow>{} << QStringList{} << QStringList{};
        QTest::newRow("composite, then single") << QList<IndexRow>{{"ab", "a"}, {"ab", "b"}, {"c", "c"}}
                                                << QStringList{"a, b", "c"} << QStringList{"a", "b"};
        QTest::newRow("three columns") << QList<IndexRow>{{"k", "x"}, {"k", "y"}, {"k", "z"}}
                                       << QStringList{"x, y, z"} << QStringList{"x", "y", "z"};
        QTest::newRow("a name that comes back is a further index")
            << QList<IndexRow>{{"X", "a"}, {"X", "b"}, {"Y", "c"}, {"X", "d"}}
            << QStringList{"a, b", "c", "d"} << QStringList{"a", "b"};
        QTest::newRow("blanks in names")
            << QList<IndexRow>{{"by name", "Full Name"}, {"by name", "Born"}}
            << QStringList{"Full Name, Born"} << QStringList{"Full Name", "Born"};

        QList<IndexRow> many;
        QStringList hundred;
        for (int i = 1; i <= 101; ++i) {
            many.append({QStringLiteral("ix%1").arg(i), QStringLiteral("c%1").arg(i)});
            if (i <= 100)
                hundred.append(QStringLiteral("c%1").arg(i));
        }
        QTest::newRow("101 indexes") << many << hundred << QStringList{"c1"};

        QList<IndexRow> wide;
        for (int i = 1; i <= 101; ++i)
            wide.append({QStringLiteral("wide"), QStringLiteral("c%1").arg(i)});
        QStringList allNames = hundred;
        allNames.append(QStringLiteral("c101"));
        QTest::newRow("first index of 101 columns") << wide << QStringList{allNames.join(", ")} << hundred;
    }
    void indexScan()
    {
        QFETCH(QList<IndexRow>, rows);
        QFETCH(QStringList, indexColumns);
        QFETCH(QStringList, keyColumns);
        const classmodule::IndexLists lists = classmodule::scanIndexes(rows);
        QCOMPARE(lists.indexColumns, indexColumns);
        QCOMPARE(lists.keyColumns, keyColumns);
    }

    // The whole module, and its preview: the "******* " line with the path, then every
    // line of the file, each after CR LF.
    void moduleOfOneTable()
    {
        QTemporaryDir dir;
        testsupport::ScriptedCatalogue catalogue;
        scriptOrders(catalogue);
        testsupport::RecordingHost host;
        RunContext ctx(classInputs(dir.filePath("out/"), {"Orders"}), catalogue, host);
        classmodule::runClassModules(ctx, standardTypeTables());

        const QString path = dir.filePath("out/shop_Orders.cls");
        const QByteArray bytes = testsupport::readFileBytes(path);
        QUILLMERE_COMPARE_GOLDEN("classmodule/scripted_Orders.cls", bytes);
        QCOMPARE(host.previews[kPreviewVb6],
                 "\r\n******* " + path + "\r\n" + QString::fromLatin1(bytes.chopped(2)));
        QCOMPARE(host.messages, QStringList{"End of Generation"});
        // The names are checked before the module is written.
        QCOMPARE(catalogue.queries, QStringList(2, "data3: SELECT * from Orders"));
        QCOMPARE(catalogue.indexRequests, QStringList{".Orders"});
    }

    // Text values reach the generated SQL with their apostrophes doubled; a Variant value
    // is joined to "" first, since Replace refuses the Null it may hold.
    void valuesInTheGeneratedSql()
    {
        QTemporaryDir dir;
        testsupport::ScriptedCatalogue catalogue;
        catalogue.setTableColumns(
            "Notes", {{"Id", platform::ado::adInteger}, {"Body", platform::ado::adVarWChar}, {"Extra", 12}});
        catalogue.setIndexes("Notes", {{"pk_notes", "Id"}});
        testsupport::RecordingHost host;
        RunContext ctx(classInputs(dir.filePath("out/"), {"Notes"}), catalogue, host);
        classmodule::runClassModules(ctx, standardTypeTables());

        const QString text = fileText(dir.filePath("out/shop_Notes.cls"));
        QVERIFY(text.contains("Replace(zi_Body, \"'\", \"''\")"));
        QVERIFY(text.contains("Replace(\"\" & zi_Extra, \"'\", \"''\")"));
        QVERIFY(!text.contains("Replace(zi_Extra"));
        QVERIFY(!text.contains("Replace(zi_Id"));
    }

    // A Variant member joined without quotes would take "0 or 1=1" as SQL: every place it
    // is joined (criteria, update set and where, insert values) goes through CDec.
    void bareVariantGoesThroughCDec_data()
    {
        QTest::addColumn<int>("adoType");
        QTest::addColumn<QString>("joined");
        QTest::newRow("bigint") << int(platform::ado::adBigInt) << "CDec(zi_Ref)";
        QTest::newRow("unsigned bigint") << int(platform::ado::adUnsignedBigInt) << "CDec(zi_Ref)";
        QTest::newRow("unsigned int") << int(platform::ado::adUnsignedInt) << "CDec(zi_Ref)";
        QTest::newRow("integer stays bare") << int(platform::ado::adInteger) << "zi_Ref";
        QTest::newRow("quoted variant uses Replace")
            << int(platform::ado::adVariant) << "Replace(\"\" & zi_Ref, \"'\", \"''\")";
    }

    void bareVariantGoesThroughCDec()
    {
        QFETCH(int, adoType);
        QFETCH(QString, joined);
        QTemporaryDir dir;
        testsupport::ScriptedCatalogue catalogue;
        catalogue.setTableColumns("Notes", {{"Ref", adoType}, {"Body", platform::ado::adVarWChar}});
        catalogue.setIndexes("Notes", {{"pk_notes", "Ref"}});
        testsupport::RecordingHost host;
        RunContext ctx(classInputs(dir.filePath("out/"), {"Notes"}), catalogue, host);
        classmodule::runClassModules(ctx, standardTypeTables());

        const QStringList lines = fileText(dir.filePath("out/shop_Notes.cls")).split("\r\n");
        QStringList joins;
        for (const QString& line : lines)
            if (line.contains("If b_Ref = 1 then") && line.contains("zi_Ref"))
                joins << line;
        // criteria (= and >=), update set, insert values, and the key's update where when
        // the primary key is known
        QVERIFY2(joins.size() >= 4, qPrintable(joins.join('\n')));
        for (const QString& line : joins) {
            QVERIFY2(line.contains("& " + joined + " &"), qPrintable(line));
            if (joined != "zi_Ref")
                QVERIFY2(!line.contains("& zi_Ref &"), qPrintable(line));
        }
    }

    // The methods as a VB6 program runs them over an ADO recordset. A miss, an empty
    // result or a step past the last row leaves the recordset at an end, where reading
    // the current row stops the program; update selects its row by the primary key
    // (a key value not given runs nothing) and count counts in a Long.
    void methodLines_data()
    {
        QTest::addColumn<QStringList>("primaryKey");
        QTest::addColumn<QStringList>("lines"); // the method, from its first line

        const QStringList compositeKey{"Id", "Name"};
        QTest::newRow("miss or empty result: no row is read")
            << compositeKey
            << QStringList{"Private Sub my_lect()",
                           "    If dbl.eof or dbl.bof then z_return_code = 1: exit Sub",
                           R"(    If not isnull(dbl("Id")) then zo_Id = dbl("Id"))"};
        QTest::newRow("empty table or miss: my_pos stops at the end")
            << compositeKey
            << QStringList{
                   "Private Sub my_pos()",
                   "    Dim p_key as String",
                   "    if not dbl.eof then dbl.movefirst",
                   "    ind = 0",
                   "    Do while ind = 0 and not dbl.eof",
                   "        ind = 1",
                   R"(        If not isnull(dbl("Id")) then If zi_Id <> dbl("Id") Then ind = 0)",
                   R"(        If not isnull(dbl("Name")) then If zi_Name <> dbl("Name") Then ind = 0)",
                   "        If ind = 0 then If not dbl.eof then dbl.movenext else exit do",
                   "    loop",
                   "End Sub"};
        QTest::newRow("findlast on an empty result")
            << compositeKey
            << QStringList{"Public Sub findlast(ByVal my_cnx As ADODB.Connection, num_index As Integer)",
                           R"(    my_sql="select * from Orders" & my_where & my_order(num_index))",
                           "    Set dbl = New ADODB.Recordset",
                           "    dbl.Open my_sql, my_cnx, 2, 3, 8",
                           "    If dbl.state <> 0 then",
                           "        z_return_code = 0",
                           "        if not dbl.eof then dbl.movelast",
                           "        my_lect"};
        QTest::newRow("findnext on the last row: my_lect meets the end")
            << compositeKey
            << QStringList{"Public Sub findnext(ByVal my_cnx As ADODB.Connection, num_index As Integer)",
                           R"(    my_sql="select * from Orders" & my_order(num_index))",
                           "    Set dbl = New ADODB.Recordset",
                           "    dbl.Open my_sql, my_cnx, 2, 3, 8",
                           "    If dbl.state <> 0 then",
                           "        z_return_code = 0",
                           "        my_pos",
                           "        if not dbl.eof then",
                           "            dbl.movenext",
                           "            my_lect"};
        QTest::newRow("findprevious after a miss steps nowhere")
            << compositeKey
            << QStringList{"Public Sub findprevious(ByVal my_cnx As ADODB.Connection, num_index As Integer)",
                           R"(    my_sql="select * from Orders" & my_order(num_index))",
                           "    Set dbl = New ADODB.Recordset",
                           "    dbl.Open my_sql, my_cnx, 2, 3, 8",
                           "    If dbl.state <> 0 then",
                           "        z_return_code = 0",
                           "        my_pos",
                           "        if not dbl.bof and not dbl.eof then",
                           "            dbl.moveprevious",
                           "            my_lect"};
        QTest::newRow("count past 32,767 rows")
            << compositeKey
            << QStringList{"Public Function count(ByVal my_cnx As ADODB.Connection) As Long",
                           R"(    my_sql="select * from Orders" & my_where)"};
        QTest::newRow("the row counter") << compositeKey << QStringList{"    Private ind As Long"};
        const QString setLine =
            R"(    If b_%1 = 1 then my_sql = my_sql & sep & "%1 = %2" & %3 & "%2": sep=", ")";
        const QStringList updateHead{"Public Sub update(ByVal my_cnx As ADODB.Connection)",
                                     "    on error goto err_update",
                                     "    z_return_code = 0",
                                     R"(    my_sql="update Orders")",
                                     R"(    sep=" set ")",
                                     setLine.arg("Id", "", "zi_Id"),
                                     setLine.arg("Name", "'", "Replace(zi_Name, \"'\", \"''\")"),
                                     setLine.arg("Placed", "#", "zi_Placed"),
                                     setLine.arg("Code", "", "zi_Code")};
        const QStringList updateTail{"    my_cnx.execute my_sql", "    exit Sub",
                                     "    err_update:", "        z_return_code = 1", "End Sub"};
        QTest::newRow("update by a key of two columns, in key order")
            << QStringList{"Name", "Id"}
            << updateHead +
                   QStringList{
                       R"(    sep=" where ")",
                       "    If b_Name = 1 then my_sql = my_sql & sep & \"Name = '\" & Replace(zi_Name, "
                       "\"'\", \"''\") & \"'\": "
                       "sep=\" and \" else goto err_update",
                       R"(    If b_Id = 1 then my_sql = my_sql & sep & "Id = " & zi_Id & "": sep=" and " else goto err_update)"} +
                   updateTail;
        QTest::newRow("update of a table without a key")
            << QStringList{} << updateHead + QStringList{"    my_sql = my_sql & my_where"} + updateTail;
    }
    void methodLines()
    {
        QFETCH(QStringList, primaryKey);
        QFETCH(QStringList, lines);
        QTemporaryDir dir;
        testsupport::ScriptedCatalogue catalogue;
        scriptOrders(catalogue);
        catalogue.setPrimaryKey("Orders", primaryKey);
        testsupport::RecordingHost host;
        RunContext ctx(classInputs(dir.filePath("out/"), {"Orders"}), catalogue, host);
        classmodule::runClassModules(ctx, standardTypeTables());

        const QStringList file = fileText(dir.filePath("out/shop_Orders.cls")).split("\r\n");
        const qsizetype first = file.indexOf(lines.first());
        QVERIFY2(first >= 0, qPrintable(lines.first()));
        QCOMPARE(file.mid(first, lines.size()), lines);
        QCOMPARE(catalogue.keyRequests, QStringList{".Orders"});
    }

    // A table whose column query and index rowset both fail gets the lines that depend on
    // neither; the run goes on and tells what failed.
    void failedReadsLeaveTheFixedLines()
    {
        QTemporaryDir dir;
        testsupport::ScriptedCatalogue catalogue;
        catalogue.indexesFail = true;
        testsupport::RecordingHost host;
        RunContext ctx(classInputs(dir.filePath("out/"), {"Lost"}), catalogue, host);
        classmodule::runClassModules(ctx, standardTypeTables());

        QUILLMERE_COMPARE_GOLDEN("classmodule/no_columns_Lost.cls",
                                 testsupport::readFileBytes(dir.filePath("out/shop_Lost.cls")));
        QCOMPARE(host.messages.size(), 1);
        const QStringList lines = host.messages.first().split('\n');
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], QStringLiteral("End of Generation"));
        QVERIFY2(lines[1].startsWith("Lost: column query"), qPrintable(lines[1]));
        QVERIFY2(lines[2].startsWith("Lost: indexes could not be read"), qPrintable(lines[2]));
    }

    // Nothing but the folder and the message: no preview, pointer or bar change.
    void emptyChoice()
    {
        QTemporaryDir dir;
        testsupport::ScriptedCatalogue catalogue;
        testsupport::RecordingHost host;
        host.progress = 7;
        host.previews[kPreviewVb6] = QStringLiteral("earlier");
        RunContext ctx(classInputs(dir.filePath("out/sub/"), {}), catalogue, host);
        classmodule::runClassModules(ctx, standardTypeTables());

        QCOMPARE(host.messages, QStringList{"Choose at least one table!"});
        QVERIFY(QDir(dir.filePath("out/sub")).exists());
        QCOMPARE(QDir(dir.filePath("out/sub")).entryList(QDir::Files), QStringList{});
        QCOMPARE(host.events, QStringList{});
        QCOMPARE(host.previews[kPreviewVb6], QStringLiteral("earlier"));
        QCOMPARE(host.progress, 7.0);
        QVERIFY(!host.progressVisible);
        QVERIFY(!host.busy);
        QCOMPARE(host.yields, 0);
        QVERIFY(catalogue.queries.isEmpty());
    }

    void progress_data()
    {
        QTest::addColumn<QStringList>("tables");
        QTest::addColumn<double>("maximum");
        QTest::addColumn<QList<double>>("valuesPerTable");
        QTest::newRow("one table") << QStringList{"A"} << 0.0 << QList<double>{0};
        QTest::newRow("three tables") << QStringList{"A", "B", "C"} << 2.0 << QList<double>{1, 2, 2};
    }
    void progress()
    {
        QFETCH(QStringList, tables);
        QFETCH(double, maximum);
        QFETCH(QList<double>, valuesPerTable);
        QTemporaryDir dir;
        testsupport::ScriptedCatalogue catalogue;
        ProgressHost host;
        RunContext ctx(classInputs(dir.filePath("out/"), tables), catalogue, host);
        classmodule::runClassModules(ctx, standardTypeTables());

        QCOMPARE(host.valuesPerTable, valuesPerTable);
        QCOMPARE(host.progressMax, maximum);
        QVERIFY(!host.progressVisible);
        QVERIFY(!host.busy);
        QCOMPARE(host.events, (QStringList{"show 4", "clear 4"}));
    }

    // <folder><prefix><table>.cls for every table, in list order; the class inside is
    // named after the table alone; an older file of that name is replaced.
    void fileNames()
    {
        QTemporaryDir dir;
        QVERIFY(QDir().mkpath(dir.filePath("out")));
        QFile old(dir.filePath("out/shop_Orders.cls"));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(100000, 'x'));
        old.close();

        testsupport::ScriptedCatalogue catalogue;
        scriptOrders(catalogue);
        scriptOrders(catalogue, QStringLiteral("Customers"));
        testsupport::RecordingHost host;
        const QString folder = dir.filePath("out/");
        RunContext ctx(classInputs(folder, {"Customers", "Orders"}), catalogue, host);
        classmodule::runClassModules(ctx, standardTypeTables());

        QCOMPARE(classmodule::classFilePath(folder, "shop_", "Orders"), folder + "shop_Orders.cls");
        QCOMPARE(QDir(dir.filePath("out")).entryList(QDir::Files),
                 (QStringList{"shop_Customers.cls", "shop_Orders.cls"}));
        QUILLMERE_COMPARE_GOLDEN("classmodule/scripted_Orders.cls",
                                 testsupport::readFileBytes(dir.filePath("out/shop_Orders.cls")));
        QVERIFY(fileText(dir.filePath("out/shop_Customers.cls"))
                    .contains("\r\nAttribute VB_Name = \"c_Customers\"\r\n"));

        const QString& preview = host.previews[kPreviewVb6];
        const qsizetype first =
            preview.indexOf("\r\n******* " + folder + "shop_Customers.cls\r\nVERSION 1.0 CLASS");
        const qsizetype second =
            preview.indexOf("\r\n******* " + folder + "shop_Orders.cls\r\nVERSION 1.0 CLASS");
        QCOMPARE(first, 0);
        QVERIFY(second > first);
        QCOMPARE(preview.count(QStringLiteral("\r\n******* ")), 2);
    }

    // A file that cannot be written still has all its lines in the preview; the run goes
    // on with the next table and names the failure under "End of Generation".
    void unwritableFile_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<bool>("folderIsAFile");
        QTest::newRow("table name with a slash") << "a/b" << false;
        QTest::newRow("folder that cannot be made") << "Orders" << true;
    }
    void unwritableFile()
    {
        QFETCH(QString, table);
        QFETCH(bool, folderIsAFile);
        QTemporaryDir dir;
        QString folder = dir.filePath("out/");
        if (folderIsAFile) {
            QFile blocker(dir.filePath("blocker"));
            QVERIFY(blocker.open(QIODevice::WriteOnly));
            blocker.close();
            folder = dir.filePath("blocker/out/");
        }
        testsupport::ScriptedCatalogue catalogue;
        scriptOrders(catalogue, table);
        scriptOrders(catalogue, QStringLiteral("Zeta"));
        testsupport::RecordingHost host;
        RunContext ctx(classInputs(folder, {table, "Zeta"}), catalogue, host);
        classmodule::runClassModules(ctx, standardTypeTables());

        QVERIFY(!QFile::exists(folder + "shop_" + table + ".cls"));
        QCOMPARE(QFile::exists(folder + "shop_Zeta.cls"), !folderIsAFile);
        const QString& preview = host.previews[kPreviewVb6];
        QVERIFY(
            preview.startsWith("\r\n******* " + folder + "shop_" + table + ".cls\r\nVERSION 1.0 CLASS\r\n"));
        QCOMPARE(preview.count(QStringLiteral("\r\nEnd Sub")), 2 * 11);
        QCOMPARE(host.messages.size(), 1);
        QVERIFY(host.messages.first().startsWith(QStringLiteral("End of Generation\n")));
        QVERIFY2(host.messages.first().contains(table), qPrintable(host.messages.first()));
    }
};

QTEST_GUILESS_MAIN(ClassModuleTest)
#include "test_classmodule.moc"
