// The Data Browser on Access files through the real window: the Access box's Connect on a
// copy of a sample file, then open, sort, filter, range search, count and export. The rows
// shown are compared with what mdb-export reads from the same file: the driver's own SQL
// sorts nothing and compares text with regard to case, numbers with quoted values wrongly and
// dates and currency not at all, so every one of these rows is one the browser chose.

#include "app/window_fixture.h"
#include "browser/data_browser_page.h"
#include "support/page_controls.h"
#include "support/xlsx_sheet_reader.h"

#include <QComboBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

namespace
{

// The rows of a table as mdb-export writes them (dates as the driver writes them), quotes
// taken off.
QList<QStringList> exportedRows(const QString& file, const QString& table)
{
    QProcess tool;
    tool.start(QStringLiteral("mdb-export"), {"-T", "%Y-%m-%d %H:%M:%S", "-q", "\x01", file, table});
    if (!tool.waitForFinished(30000) || tool.exitCode() != 0)
        return {};
    QList<QStringList> rows;
    const QStringList lines = QString::fromUtf8(tool.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    for (const QString& line : lines.mid(1)) {
        QStringList row;
        for (const QString& cell : line.split(','))
            row.append(QString(cell).remove(QChar(1)));
        rows.append(row);
    }
    return rows;
}

} // namespace

class AccessBrowserTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable("mdb-export").isEmpty())
            QFAIL("mdb-export (Debian package mdbtools) is needed to read the sample files");
    }

    void init()
    {
        QVERIFY(dir.isValid());
        fixture.emplace();
        fixture->start();
        ui.emplace(&fixture->window());
    }
    void cleanup()
    {
        ui.reset();
        fixture.reset();
    }

    // Each action shows the rows of the file's table at the given positions (as mdb-export
    // lists them), in that order, and counts them.
    void rows_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("action"); // open, asc, desc, begins, ends, contains, equal, range
        QTest::addColumn<QString>("column");
        QTest::addColumn<QStringList>("values"); // the filter value, or From and To
        QTest::addColumn<QList<int>>("expected");
        const QString jet4 = "indexTestV2003.mdb", jet3 = "testV1997.mdb", ace = "testV2007.accdb";
        QTest::newRow("open") << jet4 << "Table1"
                              << "open"
                              << "" << QStringList{} << QList<int>{0, 1, 2, 3};
        QTest::newRow("open, ACE") << ace << "Table1"
                                   << "open"
                                   << "" << QStringList{} << QList<int>{0, 1};
        QTest::newRow("sort numbers, equal values keep their order")
            << jet4 << "Table1"
            << "desc"
            << "otherfk2" << QStringList{} << QList<int>{3, 1, 2, 0};
        QTest::newRow("sort text") << jet4 << "Table1"
                                   << "asc"
                                   << "data" << QStringList{} << QList<int>{0, 1, 2, 3};
        QTest::newRow("sort text, descending") << jet4 << "Table1"
                                               << "desc"
                                               << "data" << QStringList{} << QList<int>{3, 2, 1, 0};
        QTest::newRow("sort dates") << jet3 << "Table1"
                                    << "asc"
                                    << "G" << QStringList{} << QList<int>{1, 0};
        QTest::newRow("sort currency, descending") << ace << "Table1"
                                                   << "desc"
                                                   << "H" << QStringList{} << QList<int>{1, 0};
        QTest::newRow("begins with") << jet4 << "Table1"
                                     << "begins"
                                     << "data" << QStringList{"baz1"} << QList<int>{1, 2, 3};
        QTest::newRow("ends with") << jet4 << "Table1"
                                   << "ends"
                                   << "data" << QStringList{"-2"} << QList<int>{2};
        QTest::newRow("contains, case ignored") << ace << "Table1"
                                                << "contains"
                                                << "B" << QStringList{"JK"} << QList<int>{1};
        QTest::newRow("equal text, case ignored") << ace << "Table1"
                                                  << "equal"
                                                  << "A" << QStringList{"A"} << QList<int>{0};
        QTest::newRow("equal number") << jet3 << "Table1"
                                      << "equal"
                                      << "C" << QStringList{"2"} << QList<int>{1};
        QTest::newRow("equal number, none") << jet4 << "Table1"
                                            << "equal"
                                            << "otherfk1" << QStringList{"5"} << QList<int>{};
        QTest::newRow("range of numbers") << jet4 << "Table1"
                                          << "range"
                                          << "otherfk2" << QStringList{"11", "12"} << QList<int>{1, 2};
        QTest::newRow("range of currency") << ace << "Table1"
                                           << "range"
                                           << "H" << QStringList{"1", "5"} << QList<int>{1};
        QTest::newRow("range of dates, both days in")
            << jet3 << "Table1"
            << "range"
            << "G" << QStringList{"1981-12-12", "1982-01-31"} << QList<int>{0};
        QTest::newRow("range of dates, lower bound only")
            << ace << "Table1"
            << "range"
            << "G" << QStringList{"1974-09-21", ""} << QList<int>{0, 1};
        const QString word = "delTestV1997.mdb";
        QTest::newRow("table named with an SQL word") << word << "Table"
                                                      << "open"
                                                      << "" << QStringList{} << QList<int>{0, 1};
        QTest::newRow("table named with an SQL word, sorted") << word << "Table"
                                                              << "asc"
                                                              << "a" << QStringList{} << QList<int>{1, 0};
        QTest::newRow("table named with an SQL word, filtered") << word << "Table"
                                                                << "equal"
                                                                << "b" << QStringList{"y"} << QList<int>{0};
        QTest::newRow("range of text") << jet4 << "Table1"
                                       << "range"
                                       << "data" << QStringList{"baz1", "baz12"} << QList<int>{1, 2};
    }
    void rows()
    {
        QFETCH(QString, file);
        QFETCH(QString, table);
        QFETCH(QString, action);
        QFETCH(QString, column);
        QFETCH(QStringList, values);
        QFETCH(QList<int>, expected);
        const QString path = connectTo(file);
        QVERIFY(!path.isEmpty());
        const QList<QStringList> all = exportedRows(path, table);
        QVERIFY(!all.isEmpty());
        openTable(table);
        QCOMPARE(gridRows(), all);
        QCOMPARE(ui->nr->text(), QString::number(all.size()));

        if (action != "open")
            run(action, column, values);
        QCOMPARE(fixture->messages, QStringList{});
        QList<QStringList> shown;
        for (int i : expected)
            shown.append(all[i]);
        QCOMPARE(gridRows(), shown);
        QCOMPARE(ui->nr->text(), QString::number(shown.size()));
    }

    // A bound the column's type cannot read shows no rows as a result: the status bar says why.
    void refusals_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QString>("reason");
        QTest::newRow("range of numbers") << "range"
                                          << "E" << QStringList{"abc", ""} << "\"abc\" is not a number";
        QTest::newRow("equal currency") << "equal"
                                        << "H" << QStringList{"ten"} << "\"ten\" is not a number";
        QTest::newRow("range of dates") << "range"
                                        << "G" << QStringList{"", "someday"} << "\"someday\" is not a date";
    }
    void refusals()
    {
        QFETCH(QString, action);
        QFETCH(QString, column);
        QFETCH(QStringList, values);
        QFETCH(QString, reason);
        QVERIFY(!connectTo("testV2007.accdb").isEmpty());
        openTable("Table1");
        run(action, column, values);
        QCOMPARE(fixture->find<QStatusBar>("st1")->currentMessage(), reason);
        QCOMPARE(gridRows(), QList<QStringList>{});
        QCOMPARE(ui->nr->text(), QString());
    }

    // Dates before 1900 show as the file stores them (proleptic Gregorian), sort by their
    // moment and fall within range searches; the driver's own text of each is wrong.
    void oldDates_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QStringList>("ids");
        QTest::newRow("open") << "open" << QStringList{} << QStringList{"1", "2", "3", "4"};
        QTest::newRow("sort") << "asc" << QStringList{} << QStringList{"4", "3", "2", "1"};
        QTest::newRow("range across the calendar's change")
            << "range" << QStringList{"1492-01-10", "1582-10-14"} << QStringList{"2", "3"};
        QTest::newRow("range from long before")
            << "range" << QStringList{"1392-01-10", "2021-06-14"} << QStringList{"1", "2", "3", "4"};
        QTest::newRow("equal") << "equal" << QStringList{"1392-01-10"} << QStringList{"4"};
    }
    void oldDates()
    {
        QFETCH(QString, action);
        QFETCH(QStringList, values);
        QFETCH(QStringList, ids);
        QVERIFY(!connectTo("oldDatesV2007.accdb").isEmpty());
        openTable("Table1");
        const QMap<QString, QString> dates{{"1", "1582-10-15 00:00:00"},
                                           {"2", "1582-10-14 00:00:00"},
                                           {"3", "1492-01-10 00:00:00"},
                                           {"4", "1392-01-10 00:00:00"}};
        if (action != "open")
            run(action, "DateField", values);
        QCOMPARE(fixture->messages, QStringList{});
        QList<QStringList> expected;
        for (const QString& id : ids)
            expected.append({id, dates[id]});
        QCOMPARE(gridRows(), expected);
        QCOMPARE(ui->nr->text(), QString::number(ids.size()));
    }

    // A character beyond the Basic Multilingual Plane shows as the file stores it (the driver
    // gives "??" for it), and a filter finds it.
    void textBeyondTheBmp_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("rows");
        QTest::newRow("open") << "open" << QString() << 2;
        QTest::newRow("contains") << "contains" << QString::fromUtf8("\U0001F600") << 1;
        QTest::newRow("equal") << "equal" << QString::fromUtf8("HI\U0001F600LMNOP") << 1;
    }
    void textBeyondTheBmp()
    {
        QFETCH(QString, action);
        QFETCH(QString, value);
        QFETCH(int, rows);
        const QString smiling = QString::fromUtf8("hi\U0001F600lmnop");
        // The sample's "hijklmnop", stored as UTF-16, gets a smiling face for "jk".
        const QString path = connectTo("testV2007.accdb", [&](QByteArray& bytes) {
            const QByteArray from = QStringLiteral("hijklmnop").toUtf8(), to = smiling.toUtf8();
            const auto utf16 = [](const QByteArray& utf8) {
                const QString text = QString::fromUtf8(utf8);
                return QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
            };
            const qsizetype at = bytes.indexOf(utf16(from));
            if (at >= 0)
                bytes.replace(at, utf16(from).size(), utf16(to));
            return at >= 0;
        });
        QVERIFY(!path.isEmpty());
        openTable("Table1");
        if (action != "open")
            run(action, "B", {value});
        QCOMPARE(fixture->messages, QStringList{});
        QStringList shown;
        for (const QStringList& row : gridRows())
            shown.append(row.value(1));
        QCOMPARE(shown.size(), rows);
        QCOMPARE(shown.last(), smiling);
    }

    // The export writes the grid's rows, in the grid's order.
    void exportSorted()
    {
        const QString path = connectTo("indexTestV2003.mdb");
        QVERIFY(!path.isEmpty());
        QStringList opened;
        testsupport::page<browser::DataBrowserPage>(&fixture->window())->setExportFolder(dir.path());
        testsupport::page<browser::DataBrowserPage>(&fixture->window())
            ->setSpreadsheetOpener([&opened](const QString& workbook) {
                opened.append(workbook);
                return true;
            });
        openTable("Table1");
        run("desc", "otherfk2", {});
        QTest::mouseClick(ui->Command4, Qt::LeftButton);
        QCOMPARE(opened.size(), 1);
        if (!testsupport::unzipAvailable())
            QSKIP("no unzip to read the workbook back");
        const QMap<QString, QString> cells = testsupport::xlsxCells(opened.first());
        const QList<QStringList> all = exportedRows(path, "Table1");
        QList<QStringList> written;
        for (int row = 2; row <= 5; ++row) {
            QStringList values;
            for (char column = 'A'; column <= 'E'; ++column)
                values.append(
                    cells.value(QStringLiteral("%1%2").arg(column).arg(row)).remove(QLatin1Char('#')));
            written.append(values);
        }
        QCOMPARE(written, (QList<QStringList>{all[3], all[1], all[2], all[0]}));
        QVERIFY(!cells.contains("A6"));
    }

private:
    // Connects to a copy of the sample, changed by `change` first when given.
    QString connectTo(const QString& file, const std::function<bool(QByteArray&)>& change = {})
    {
        const QString copy = QDir(dir.path()).filePath(file);
        QFile::remove(copy);
        if (!QFile::copy(QStringLiteral(QUILLMERE_FIXTURES_DIR "/access/") + file, copy))
            return {};
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
        if (change) {
            QFile f(copy);
            if (!f.open(QIODevice::ReadWrite))
                return {};
            QByteArray bytes = f.readAll();
            if (!change(bytes) || !f.seek(0) || f.write(bytes) != bytes.size())
                return {};
        }
        fixture->find<QComboBox>("adb")->setEditText(copy);
        fixture->find<QPushButton>("Command12")->click();
        return fixture->window().connection().connected() ? copy : QString();
    }

    void openTable(const QString& table)
    {
        const QList<QListWidgetItem*> items = ui->t->findItems(table, Qt::MatchExactly);
        QVERIFY(!items.isEmpty());
        ui->t->setCurrentItem(items.first());
        ui->Command2->click();
    }

    // Runs a sort, filter or range search on `column`; the column's type is the grid's.
    void run(const QString& action, const QString& column, const QStringList& values)
    {
        QAbstractItemModel* grid = ui->ss2->model();
        for (int i = 0; i < grid->columnCount(); ++i) {
            if (grid->headerData(i, Qt::Horizontal).toString() == column)
                testsupport::page<browser::DataBrowserPage>(&fixture->window())->ss2_pick_column(i);
        }
        QCOMPARE(ui->c->text(), column);
        const QStringList filters{"begins", "ends", "contains", "equal"};
        if (action == "asc" || action == "desc") {
            ui->c_srt[action == "asc" ? 0 : 1]->click();
        } else if (filters.contains(action)) {
            ui->s1[std::size_t(filters.indexOf(action))]->setChecked(true);
            ui->v->setText(values.value(0));
            ui->Command7->click();
        } else {
            ui->sfr->setText(values.value(0));
            ui->sto->setText(values.value(1));
            ui->Command10->click();
        }
    }

    QList<QStringList> gridRows() const
    {
        QAbstractItemModel* grid = ui->ss2->model();
        while (grid->canFetchMore({}))
            grid->fetchMore({});
        QList<QStringList> rows;
        for (int row = 0; row < grid->rowCount(); ++row) {
            QStringList values;
            for (int column = 0; column < grid->columnCount(); ++column)
                values.append(grid->index(row, column).data().toString());
            rows.append(values);
        }
        return rows;
    }

    QTemporaryDir dir;
    std::optional<WindowFixture> fixture;
    std::optional<testsupport::BrowserPageControls> ui;
};

QTEST_MAIN(AccessBrowserTest)
#include "test_access_browser.moc"
