#include "browser_fixture.h"
#include "support/xlsx_sheet_reader.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <ctime>

class GridExportTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (!f.ready())
            QFAIL("fixture not built");
    }
    void init() { f.startPage(); }
    void cleanup() { f.stopPage(); }

    void exportsTheGridRows()
    {
        f.open(QStringLiteral("Customers"));
        QTest::mouseClick(f.ui->Command4, Qt::LeftButton);
        QVERIFY(f.messages.isEmpty());
        QCOMPARE(f.opened.size(), 1);
        const QString path = f.opened.first();
        QCOMPARE(QFileInfo(path).absolutePath(), QFileInfo(f.exportFolder()).absoluteFilePath());
        QVERIFY(path.endsWith(QStringLiteral(".xlsx")));
        QVERIFY(QFileInfo(path).size() > 0);
        // The browser's recordset has been walked to its end.
        QVERIFY(f.data2->recordset().eof());
        if (!testsupport::unzipAvailable())
            QSKIP("no unzip to read the workbook back");

        QCOMPARE(testsupport::xlsxSheetNames(path), QStringList{"Customers"});
        // Numbers of numeric fields as numbers ("#"), dates as day numbers under a date
        // format, booleans as True/False, the rest as text, nulls as no cell.
        const QMap<QString, QString> expected{
            {"A1", "CustomerId"}, {"B1", "Name"},   {"C1", "Email"},
            {"D1", "Balance"},    {"E1", "Active"}, {"F1", "Born"},
            {"A2", "#1"},         {"B2", "Ada"},    {"C2", "ada@example.org"},
            {"D2", "#10.5"},      {"E2", "True"},   {"F2", "#32875"},
            {"A3", "#2"},         {"B3", "Brian"},  {"D3", "#0"},
            {"E3", "False"},      {"A4", "#3"},     {"B4", "O'Brien"},
            {"D4", "#25"},        {"E4", "True"},   {"F4", "#27575"}};
        QCOMPARE(testsupport::xlsxCells(path), expected);
        const QMap<QString, QString> formats{{"F2", "yyyy-mm-dd"}, {"F4", "yyyy-mm-dd"}};
        QCOMPARE(testsupport::xlsxCellFormats(path), formats);
    }

    // The rows are the grid's, in its order; the sheet is named after the table clicked
    // in the list, even one not opened yet.
    void sortedRowsUnderTheClickedName()
    {
        f.open(QStringLiteral("Customers"));
        f.ui->c->setText(QStringLiteral("Name"));
        QTest::mouseClick(f.ui->c_srt[1], Qt::LeftButton);
        f.select(QStringLiteral("Orders"));
        QTest::mouseClick(f.ui->Command4, Qt::LeftButton);
        QCOMPARE(f.opened.size(), 1);
        if (!testsupport::unzipAvailable())
            QSKIP("no unzip to read the workbook back");
        QCOMPARE(testsupport::xlsxSheetNames(f.opened.first()), QStringList{"Orders"});
        const QMap<QString, QString> cells = testsupport::xlsxCells(f.opened.first());
        QCOMPARE(QStringList({cells["B2"], cells["B3"], cells["B4"]}),
                 QStringList({"O'Brien", "Brian", "Ada"}));
        QVERIFY(!cells.contains("A5"));
    }

    // With no program for workbooks the file stays, and the message names it.
    void noProgramKeepsTheWorkbook()
    {
        f.openerAnswer = false;
        f.open(QStringLiteral("Customers"));
        QTest::mouseClick(f.ui->Command4, Qt::LeftButton);
        const QStringList files = QDir(f.exportFolder()).entryList(QDir::Files);
        QCOMPARE(files.size(), 1);
        const QString path = QDir(f.exportFolder()).filePath(files.first());
        QCOMPARE(f.messages, QStringList{QStringLiteral("Excel cannot be open\n") + path});
        QCOMPARE(f.opened, QStringList{path});
        if (!testsupport::unzipAvailable())
            QSKIP("no unzip to read the workbook back");
        QCOMPARE(testsupport::xlsxCells(path).value("B4"), QStringLiteral("O'Brien"));
    }

    // Every row of the grid's query reaches the sheet, however few the grid has read, and
    // the columns are as wide as their content.
    void everyRowAndFittedColumns()
    {
        QVERIFY(f.createNumbers(QStringLiteral("Numbers"), 1234));
        QVERIFY(f.exec(QStringLiteral("CREATE TABLE Many (Id INTEGER, LongLabel VARCHAR(20))")));
        QVERIFY(f.exec(QStringLiteral("INSERT INTO Many SELECT i, 'row number ' || i FROM Numbers")));
        f.ui->t->addItem(QStringLiteral("Many"));
        f.open(QStringLiteral("Many"));
        QVERIFY(f.grid()->rowCount() < 1234);
        QTest::mouseClick(f.ui->Command4, Qt::LeftButton);
        QVERIFY(f.messages.isEmpty());
        QCOMPARE(f.opened.size(), 1);
        f.stopPage();
        QVERIFY(f.exec(QStringLiteral("DROP TABLE Many")) && f.exec(QStringLiteral("DROP TABLE Numbers")));
        if (!testsupport::unzipAvailable())
            QSKIP("no unzip to read the workbook back");
        const QMap<QString, QString> cells = testsupport::xlsxCells(f.opened.first());
        QCOMPARE(cells.size(), 2 * 1235);
        QCOMPARE(cells.value("A1235"), QStringLiteral("#1234"));
        QCOMPARE(cells.value("B1235"), QStringLiteral("row number 1234"));
        // Widths come from the first rows read: "500" and "row number 500" are the widest
        // there, each column a little wider than its text.
        const QByteArray sheet =
            testsupport::xlsxPart(f.opened.first(), QStringLiteral("xl/worksheets/sheet1.xml"));
        QVERIFY(sheet.contains(R"(<col min="1" max="1" width="5.)"));
        QVERIFY(sheet.contains(R"(<col min="2" max="2" width="16.)"));
    }

    // A timestamp is written as it stands, even one the local clock skips when summer
    // time begins.
    void timestampInTheLocalClockGap()
    {
        const QByteArray zone = qgetenv("TZ");
        const auto restoreZone = qScopeGuard([&] {
            qputenv("TZ", zone);
            tzset();
        });
        qputenv("TZ", "America/New_York");
        tzset();
        QVERIFY(f.exec(QStringLiteral("CREATE TABLE Stamps (At TIMESTAMP)")));
        QVERIFY(f.exec(QStringLiteral("INSERT INTO Stamps VALUES ('2024-03-10 02:30:00')")));
        f.ui->t->addItem(QStringLiteral("Stamps"));
        f.open(QStringLiteral("Stamps"));
        QTest::mouseClick(f.ui->Command4, Qt::LeftButton);
        QVERIFY(f.exec(QStringLiteral("DROP TABLE Stamps")));
        QCOMPARE(f.opened.size(), 1);
        if (!testsupport::unzipAvailable())
            QSKIP("no unzip to read the workbook back");
        const QString cell = testsupport::xlsxCells(f.opened.first()).value("A2");
        QVERIFY2(cell.startsWith(QLatin1Char('#')), qPrintable(cell));
        const double serial = QDate(1899, 12, 30).daysTo(QDate(2024, 3, 10)) + 2.5 / 24;
        QVERIFY2(qAbs(cell.mid(1).toDouble() - serial) < 1e-6, qPrintable(cell));
    }

    // Every export that writes no workbook says so; where the cause is the user's to mend
    // (no rows, a folder that cannot take the file), the next line says which.
    void failures_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("reason"); // what the second line holds; empty: no second line
        QTest::newRow("nothing opened yet") << "none"
                                            << "Excel cannot be open"
                                            << "";
        QTest::newRow("no table selected") << "unselected"
                                           << "Excel cannot be open"
                                           << "";
        QTest::newRow("last query rejected") << "rejected"
                                             << "Excel cannot be open"
                                             << "";
        QTest::newRow("folder cannot take the workbook") << "no folder"
                                                         << "Export failed"
                                                         << "/missing does not exist";
        QTest::newRow("folder is a file") << "file"
                                          << "Export failed"
                                          << "/plain is not a folder";
        QTest::newRow("no rows chosen") << "empty"
                                        << "Export failed"
                                        << "There are no rows to export";
        QTest::newRow("empty table") << "empty table"
                                     << "Export failed"
                                     << "There are no rows to export";
    }
    void failures()
    {
        QFETCH(QString, situation);
        QFETCH(QString, message);
        QFETCH(QString, reason);
        auto& p = *f.page;
        const auto& ui = *f.ui;
        if (situation == QLatin1String("empty table")) {
            QVERIFY(f.exec(QStringLiteral("CREATE TABLE Vacant (Id INTEGER)")));
            ui.t->addItem(QStringLiteral("Vacant"));
            f.open(QStringLiteral("Vacant"));
        } else if (situation != QLatin1String("none")) {
            f.open(QStringLiteral("Customers"));
        } else {
            f.select(QStringLiteral("Customers"));
        }
        if (situation == QLatin1String("unselected"))
            ui.t->clearSelection();
        if (situation == QLatin1String("rejected"))
            QTest::mouseClick(ui.c_srt[0], Qt::LeftButton); // no column: the database refuses
        if (situation == QLatin1String("no folder"))
            p.setExportFolder(f.exportFolder() + QStringLiteral("/missing"));
        // Tests run as root, who may write where the folder's mode forbids it: a file
        // where the folder should be cannot take the workbook for anyone.
        QFile plain(f.exportFolder() + QStringLiteral("/plain"));
        if (situation == QLatin1String("file")) {
            QVERIFY(plain.open(QIODevice::WriteOnly));
            plain.close();
            p.setExportFolder(plain.fileName());
        }
        if (situation == QLatin1String("empty")) {
            ui.c->setText(QStringLiteral("Name"));
            ui.v->setText(QStringLiteral("Nobody"));
            ui.s1[3]->setChecked(true);
            QTest::mouseClick(ui.Command7, Qt::LeftButton);
            QCOMPARE(ui.nr->text(), QStringLiteral("0"));
        }
        QTest::mouseClick(ui.Command4, Qt::LeftButton);
        QCOMPARE(f.messages.size(), 1);
        const QStringList lines = f.messages.first().split(QLatin1Char('\n'));
        QCOMPARE(lines.first(), message);
        // A folder that cannot take the file is named, and the spreadsheet program is
        // not blamed for it.
        if (situation == QLatin1String("no folder"))
            QVERIFY2(lines.size() == 2 && lines.at(1).contains(f.exportFolder() + QStringLiteral("/missing")),
                     qPrintable(f.messages.first()));
        if (reason.isEmpty())
            QCOMPARE(lines.size(), 1);
        else
            QVERIFY2(lines.size() == 2 && lines.at(1).contains(reason), qPrintable(f.messages.first()));
        QVERIFY(f.opened.isEmpty());
        plain.remove();
        if (situation == QLatin1String("empty table")) {
            f.stopPage();
            QVERIFY(f.exec(QStringLiteral("DROP TABLE Vacant")));
        }
        // A workbook that is not shown leaves no file behind.
        QVERIFY(QDir(f.exportFolder()).entryList(QDir::Files).isEmpty());
    }

    // A disk with no room for the workbook: "Export failed", naming the full disk.
    void fullDisk()
    {
        const QString full = f.exportFolder() + QStringLiteral("/full");
        QVERIFY(QDir().mkpath(full));
        // A file system smaller than the smallest workbook.
        if (QProcess::execute(QStringLiteral("mount"),
                              {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                               QStringLiteral("size=4k"), QStringLiteral("tmpfs"), full}) != 0)
            QSKIP("no small file system can be mounted here");
        const auto unmount = qScopeGuard([&] { QProcess::execute(QStringLiteral("umount"), {full}); });
        f.page->setExportFolder(full);
        f.open(QStringLiteral("Customers"));
        QTest::mouseClick(f.ui->Command4, Qt::LeftButton);
        QCOMPARE(f.messages.size(), 1);
        const QStringList lines = f.messages.first().split(QLatin1Char('\n'));
        QCOMPARE(lines.first(), QStringLiteral("Export failed"));
        QVERIFY2(lines.size() == 2 && lines.at(1).startsWith(QStringLiteral("The disk is full")),
                 qPrintable(f.messages.first()));
        QVERIFY(f.opened.isEmpty());
        QVERIFY(QDir(full).entryList(QDir::Files).isEmpty());
    }

private:
    BrowserFixture f;
};

QTEST_MAIN(GridExportTest)
#include "test_grid_export.moc"
