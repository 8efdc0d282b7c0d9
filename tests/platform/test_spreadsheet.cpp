#include "platform/spreadsheet.h"
#include "support/xlsx_sheet_reader.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using platform::SpreadsheetWorkbook;

class SpreadsheetTest : public QObject
{
    Q_OBJECT
private slots:
    void sheetNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("taken");
        QTest::newRow("table") << "Customers" << true;
        QTest::newRow("blank inside") << "order lines 2024" << true;
        QTest::newRow("31 characters") << QString(31, QLatin1Char('x')) << true;
        QTest::newRow("32 characters") << QString(32, QLatin1Char('x')) << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("slash") << "a/b" << false;
        QTest::newRow("backslash") << "a\\b" << false;
        QTest::newRow("bracket") << "a[b]" << false;
        QTest::newRow("colon") << "dbo:t" << false;
        QTest::newRow("star") << "t*" << false;
        QTest::newRow("question mark") << "t?" << false;
        QTest::newRow("leading apostrophe") << "'t" << false;
        QTest::newRow("trailing apostrophe") << "t'" << false;
        QTest::newRow("apostrophe inside") << "o't" << true;
        QTest::newRow("reserved") << "history" << false;
    }
    void sheetNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, taken);
        SpreadsheetWorkbook book(dir.filePath(QStringLiteral("names.xlsx")));
        QVERIFY(book.isValid());
        QCOMPARE(book.addSheet(name), taken);
        QCOMPARE(book.errorString().isEmpty(), taken);
    }

    void oneSheetOnly()
    {
        SpreadsheetWorkbook book(dir.filePath(QStringLiteral("one.xlsx")));
        QVERIFY(book.addSheet(QStringLiteral("First")));
        QVERIFY(!book.addSheet(QStringLiteral("Second")));
    }

    void cellsReachTheFile()
    {
        const QString path = dir.filePath(QStringLiteral("cells.xlsx"));
        SpreadsheetWorkbook book(path);
        QVERIFY(book.addSheet(QStringLiteral("Zoë's")));
        QVERIFY(book.setText(1, 1, QStringLiteral("Name")));
        QVERIFY(book.setText(1, 2, QStringLiteral("Price")));
        QVERIFY(book.setText(2, 1, QStringLiteral("Zoë <&> \"q\"")));
        QVERIFY(book.setNumber(2, 2, 1.5));
        // Outside the sheet, or too long for a cell.
        QVERIFY(!book.setText(0, 1, QStringLiteral("x")));
        QVERIFY(!book.setText(3, 0, QStringLiteral("x")));
        QVERIFY(!book.setNumber(3, 16385, 1));
        QVERIFY(!book.setNumber(1048577, 1, 1));
        QVERIFY(!book.setText(3, 1, QString(32768, QLatin1Char('x'))));
        QVERIFY(!book.errorString().isEmpty());
        QVERIFY(!QFileInfo::exists(path)); // nothing on disk before save()
        QVERIFY2(book.save(), qPrintable(book.errorString()));
        QVERIFY(QFileInfo(path).size() > 0);
        QVERIFY(!book.save());

        if (!testsupport::unzipAvailable())
            QSKIP("no unzip to read the workbook back");
        QCOMPARE(testsupport::xlsxSheetNames(path), QStringList{QStringLiteral("Zoë's")});
        const QMap<QString, QString> expected{
            {"A1", "Name"}, {"B1", "Price"}, {"A2", QStringLiteral("Zoë <&> \"q\"")}, {"B2", "#1.5"}};
        QCOMPARE(testsupport::xlsxCells(path), expected);
    }

    // Dates, times and timestamps are serial numbers under a date/time format.
    void dateTimeCells()
    {
        using platform::DateTimeShown;
        const QString path = dir.filePath(QStringLiteral("dates.xlsx"));
        SpreadsheetWorkbook book(path);
        QVERIFY(book.addSheet(QStringLiteral("t")));
        const QDateTime stamp(QDate(2024, 6, 15), QTime(18, 0));
        QVERIFY(book.setDateTime(1, 1, stamp, DateTimeShown::Date));
        QVERIFY(book.setDateTime(1, 2, stamp, DateTimeShown::Time));
        QVERIFY(book.setDateTime(1, 3, stamp, DateTimeShown::DateAndTime));
        // Before the sheet's first day: refused, so the caller can write the text.
        QVERIFY(!book.setDateTime(2, 1, QDateTime(QDate(1899, 12, 31), QTime(0, 0)), DateTimeShown::Date));
        QVERIFY(book.setDateTime(2, 2, QDateTime(QDate(1066, 10, 14), QTime(6, 0)), DateTimeShown::Time));
        QVERIFY2(book.save(), qPrintable(book.errorString()));

        if (!testsupport::unzipAvailable())
            QSKIP("no unzip to read the workbook back");
        const QMap<QString, QString> cells{
            {"A1", "#45458"}, {"B1", "#0.75"}, {"C1", "#45458.75"}, {"B2", "#0.25"}};
        QCOMPARE(testsupport::xlsxCells(path), cells);
        const QMap<QString, QString> formats{
            {"A1", "yyyy-mm-dd"}, {"B1", "hh:mm:ss"}, {"C1", "yyyy-mm-dd hh:mm:ss"}, {"B2", "hh:mm:ss"}};
        QCOMPARE(testsupport::xlsxCellFormats(path), formats);
    }

    void saveIntoMissingFolderFails()
    {
        const QString path = dir.filePath(QStringLiteral("missing/book.xlsx"));
        SpreadsheetWorkbook book(path);
        QVERIFY(book.addSheet(QStringLiteral("t")));
        QVERIFY(book.setText(1, 1, QStringLiteral("x")));
        QVERIFY(!book.save());
        QVERIFY(book.errorString().contains(path));
        QVERIFY(!QFileInfo::exists(path));
    }

private:
    QTemporaryDir dir;
};

QTEST_GUILESS_MAIN(SpreadsheetTest)
#include "test_spreadsheet.moc"
