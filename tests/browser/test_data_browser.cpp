#include "browser_fixture.h"

#include <QLocale>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>
#include <QWheelEvent>

class DataBrowserTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // Date bounds are read as the user's locale writes them.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        if (!f.ready())
            QFAIL("fixture not built");
    }
    void init() { f.startPage(); }
    void cleanup() { f.stopPage(); }

    void openShowsTheTableAndItsCount()
    {
        const auto& ui = *f.ui;
        ui.c->setText(QStringLiteral("Name"));
        ui.v->setText(QStringLiteral("x"));
        ui.tp->setText(QStringLiteral("200"));
        ui.sfr->setText(QStringLiteral("A"));
        ui.sto->setText(QStringLiteral("Z"));
        ui.s1[2]->setChecked(true);

        f.open(QStringLiteral("Customers"));
        QCOMPARE(f.data2->recordSource(), QStringLiteral("SELECT * from Customers"));
        QCOMPARE(f.headers(), QStringList({"CustomerId", "Name", "Email", "Balance", "Active", "Born"}));
        QCOMPARE(f.column("Name"), QStringList({"Ada", "Brian", "O'Brien"}));
        QCOMPARE(f.column("Email"), QStringList({"ada@example.org", "", ""}));
        QCOMPARE(ui.nr->text(), QStringLiteral("3"));
        // Opening empties the column (and its two echoes) and the value, nothing else.
        QVERIFY(ui.c->text().isEmpty() && ui.cv1->text().isEmpty() && ui.cv2->text().isEmpty());
        QVERIFY(ui.v->text().isEmpty());
        QCOMPARE(ui.tp->text(), QStringLiteral("200"));
        QCOMPARE(ui.sfr->text(), QStringLiteral("A"));
        QCOMPARE(ui.sto->text(), QStringLiteral("Z"));
        QVERIFY(ui.s1[2]->isChecked());
        QVERIFY(f.messages.isEmpty());
    }

    void anotherTableEmptiesTheCountOnly()
    {
        f.open(QStringLiteral("Customers"));
        f.select(QStringLiteral("Orders"));
        QVERIFY(f.ui->nr->text().isEmpty());
        QCOMPARE(f.column("Name").size(), 3);
        QTest::mouseClick(f.ui->Command2, Qt::LeftButton);
        QCOMPARE(f.headers(), QStringList({"OrderId", "CustomerId", "SoldBy", "OrderDate"}));
        QCOMPARE(f.ui->nr->text(), QStringLiteral("1"));
    }

    // Moving through the list by the keyboard is a click on the new row; emptying the
    // list is none.
    void keyboardSelectionActsAsAClick()
    {
        const auto& ui = *f.ui;
        f.open(QStringLiteral("Customers"));
        ui.t->setFocus();
        QTest::keyClick(ui.t, Qt::Key_Down);
        QCOMPARE(ui.t->selectedText(), QStringLiteral("Employees"));
        QVERIFY(ui.nr->text().isEmpty());
        QTest::mouseClick(ui.Command2, Qt::LeftButton);
        QCOMPARE(ui.nr->text(), QStringLiteral("2"));
        ui.t->clear();
        QCOMPARE(ui.nr->text(), QStringLiteral("2"));
    }

    // Changing the criteria tab or hovering over one leaves the grid where it was.
    void gridStaysInPlace()
    {
        auto& p = *f.page;
        const auto& ui = *f.ui;
        p.resize(900, 600);
        p.show();
        QVERIFY(QTest::qWaitForWindowExposed(&p));
        p.chdbc_Click(0);
        QCoreApplication::processEvents();
        const QRect grid = ui.ss2->geometry();
        for (int tab : {1, 2, 0, 2}) {
            p.chdbc_Click(tab);
            p.chdbc_MouseMove(tab);
            QCoreApplication::processEvents();
            QCOMPARE(ui.ss2->geometry(), grid);
            p.clearTabFrames();
            QCoreApplication::processEvents();
            QCOMPARE(ui.ss2->geometry(), grid);
        }
    }

    void sort_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("asc") << 0 << QStringList{"Ada", "Brian", "O'Brien"};
        QTest::newRow("desc") << 1 << QStringList{"O'Brien", "Brian", "Ada"};
    }
    void sort()
    {
        QFETCH(int, button);
        QFETCH(QStringList, names);
        f.open(QStringLiteral("Customers"));
        f.ui->c->setText(QStringLiteral("Name"));
        QTest::mouseClick(f.ui->c_srt[std::size_t(button)], Qt::LeftButton);
        QCOMPARE(f.column("Name"), names);
        QCOMPARE(f.ui->nr->text(), QStringLiteral("3"));
        QCOMPARE(f.ui->c->text(), QStringLiteral("Name"));
    }

    // A query the database refuses leaves the grid and the count empty, and names the
    // database's reason, whatever the last query showed.
    void refusedQuery_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("reason");
        QTest::newRow("sort, no column") << "sort"
                                         << ""
                                         << "no such column: asc";
        QTest::newRow("sort, unknown column") << "sort"
                                              << "Nope"
                                              << "no such column: Nope";
        QTest::newRow("filter, unknown column") << "filter"
                                                << "Nope"
                                                << "no such column: Nope";
        QTest::newRow("range, unknown column") << "range"
                                               << "Nope"
                                               << "no such column: Nope";
    }
    void refusedQuery()
    {
        QFETCH(QString, action);
        QFETCH(QString, column);
        QFETCH(QString, reason);
        auto& p = *f.page;
        const auto& ui = *f.ui;
        QSignalSpy failures(&p, &browser::DataBrowserPage::queryFailed);
        f.open(QStringLiteral("Customers"));
        QCOMPARE(ui.nr->text(), QStringLiteral("3"));
        ui.c->setText(column);
        ui.v->setText(QStringLiteral("A"));
        ui.tp->setText(QStringLiteral("3"));
        ui.sfr->setText(QStringLiteral("1"));
        if (action == QLatin1String("sort"))
            QTest::mouseClick(ui.c_srt[0], Qt::LeftButton);
        else if (action == QLatin1String("filter"))
            QTest::mouseClick(ui.Command7, Qt::LeftButton);
        else
            QTest::mouseClick(ui.Command10, Qt::LeftButton);
        QCOMPARE(f.grid()->columnCount(), 0);
        QCOMPARE(f.grid()->rowCount(), 0);
        QVERIFY(ui.nr->text().isEmpty());
        QCOMPARE(failures.size(), 1);
        QVERIFY2(failures.first().first().toString().contains(reason),
                 qPrintable(failures.first().first().toString()));
        QVERIFY(f.messages.isEmpty());

        // The next query that runs shows its rows and count again.
        QSignalSpy shown(&p, &browser::DataBrowserPage::queryShown);
        f.open(QStringLiteral("Employees"));
        QCOMPARE(shown.size(), 1);
        QCOMPARE(ui.nr->text(), QStringLiteral("2"));
    }

    // A click on the table already selected empties the count as a click on another does.
    void clickOnTheSelectedTable()
    {
        f.open(QStringLiteral("Customers"));
        QCOMPARE(f.ui->nr->text(), QStringLiteral("3"));
        f.select(QStringLiteral("Customers"));
        QVERIFY(f.ui->nr->text().isEmpty());
        QCOMPARE(f.column("Name").size(), 3);
    }

    // A name that is no plain identifier goes into the queries quoted.
    void tableNameNeedingQuotes()
    {
        QVERIFY(f.exec(QStringLiteral("CREATE TABLE \"Order Notes\" (Id INTEGER, Note TEXT)")));
        QVERIFY(f.exec(QStringLiteral("INSERT INTO \"Order Notes\" VALUES (1, 'late'), (2, 'lost')")));
        f.ui->t->addItem(QStringLiteral("Order Notes"));
        f.open(QStringLiteral("Order Notes"));
        QCOMPARE(f.data2->recordSource(), QStringLiteral("SELECT * from \"Order Notes\""));
        QCOMPARE(f.ui->nr->text(), QStringLiteral("2"));
        f.ui->c->setText(QStringLiteral("Id"));
        QTest::mouseClick(f.ui->c_srt[1], Qt::LeftButton);
        QCOMPARE(f.column("Note"), QStringList({"lost", "late"}));
        QCOMPARE(f.ui->nr->text(), QStringLiteral("2"));
        f.stopPage();
        QVERIFY(f.exec(QStringLiteral("DROP TABLE \"Order Notes\"")));
    }

    void filter_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("begin with") << 0 << "B" << QStringList{"Brian"};
        QTest::newRow("end with") << 1 << "an" << QStringList{"Brian"};
        QTest::newRow("contain") << 2 << "ri" << QStringList{"Brian", "O'Brien"};
        QTest::newRow("equal") << 3 << "Ada" << QStringList{"Ada"};
        QTest::newRow("equal, quote inside") << 3 << "O'Brien" << QStringList{"O'Brien"};
        QTest::newRow("begin with a quote") << 0 << "O'" << QStringList{"O'Brien"};
        QTest::newRow("quote, no match") << 2 << "'" << QStringList{"O'Brien"};
        QTest::newRow("empty value") << 0 << "" << QStringList{"Ada", "Brian", "O'Brien"};
        QTest::newRow("no row") << 3 << "Nobody" << QStringList{};
    }
    void filter()
    {
        QFETCH(int, option);
        QFETCH(QString, value);
        QFETCH(QStringList, names);
        f.open(QStringLiteral("Customers"));
        f.ui->c->setText(QStringLiteral("Name"));
        f.ui->v->setText(value);
        f.ui->s1[std::size_t(option)]->setChecked(true);
        QTest::mouseClick(f.ui->Command7, Qt::LeftButton);
        QCOMPARE(f.column("Name"), names);
        QCOMPARE(f.headers().size(), 6);
        QCOMPARE(f.ui->nr->text(), QString::number(names.size()));
    }

    void range_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QStringList>("names");
        const QStringList all{"Ada", "Brian", "O'Brien"};
        QTest::newRow("number, both") << "131"
                                      << "CustomerId"
                                      << "2"
                                      << "3" << QStringList{"Brian", "O'Brien"};
        QTest::newRow("number, only to") << "131"
                                         << "CustomerId"
                                         << ""
                                         << "1" << QStringList{"Ada"};
        QTest::newRow("number, only from") << "131"
                                           << "Balance"
                                           << "10"
                                           << "" << QStringList{"Ada", "O'Brien"};
        QTest::newRow("text, both") << "200"
                                    << "Name"
                                    << "B"
                                    << "P" << QStringList{"Brian", "O'Brien"};
        QTest::newRow("text, quote inside") << "200"
                                            << "Name"
                                            << "O'A"
                                            << "" << QStringList{"O'Brien"};
        QTest::newRow("no type") << ""
                                 << "Name"
                                 << "B"
                                 << "C" << all;
        QTest::newRow("integer") << "3"
                                 << "CustomerId"
                                 << "2"
                                 << "2" << QStringList{"Brian"};
        QTest::newRow("other type") << "11"
                                    << "Active"
                                    << "1"
                                    << "1" << all;
        QTest::newRow("no bounds") << "200"
                                   << "Name"
                                   << ""
                                   << "" << all;
    }
    void range()
    {
        QFETCH(QString, type);
        QFETCH(QString, column);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QStringList, names);
        f.open(QStringLiteral("Customers"));
        f.ui->tp->setText(type);
        f.ui->c->setText(column);
        f.ui->sfr->setText(from);
        f.ui->sto->setText(to);
        QTest::mouseClick(f.ui->Command10, Qt::LeftButton);
        QCOMPARE(f.column("Name"), names);
        QCOMPARE(f.ui->nr->text(), QString::number(names.size()));
        QCOMPARE(f.ui->sfr->text(), from);
        QCOMPARE(f.ui->sto->text(), to);
    }

    // Date bounds are rewritten as month/day/year in their boxes and go to the database
    // in the driver's date escape; both ends are included.
    void dateRange_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("fromShown");
        QTest::addColumn<QString>("toShown");
        QTest::addColumn<QString>("query");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("both, first day included")
            << "1975-06-30"
            << "1/1/1990"
            << "06/30/1975"
            << "01/01/1990"
            << "SELECT * from Customers where Born >= {d '1975-06-30'} and Born <= {d '1990-01-01'}"
            << QStringList{"O'Brien"};
        QTest::newRow("last day included")
            << ""
            << "January 2, 1990"
            << ""
            << "01/02/1990"
            << "SELECT * from Customers where Born <= {d '1990-01-02'}" << QStringList{"Ada", "O'Brien"};
    }
    void dateRange()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, fromShown);
        QFETCH(QString, toShown);
        QFETCH(QString, query);
        QFETCH(QStringList, names);
        auto& p = *f.page;
        const auto& ui = *f.ui;
        f.open(QStringLiteral("Customers"));
        p.ss2_pick_column(5);
        QCOMPARE(ui.tp->text(), QStringLiteral("133"));
        ui.sfr->setText(from);
        ui.sto->setText(to);
        QTest::mouseClick(ui.Command10, Qt::LeftButton);
        QCOMPARE(ui.sfr->text(), fromShown);
        QCOMPARE(ui.sto->text(), toShown);
        QCOMPARE(f.data2->recordSource(), query);
        QCOMPARE(f.column("Name"), names);
        QCOMPARE(ui.nr->text(), QString::number(names.size()));
    }

    // A timestamp column takes timestamp bounds; a text that reads as no date stays as
    // typed, for the database to judge.
    void timestampRange()
    {
        auto& p = *f.page;
        const auto& ui = *f.ui;
        f.open(QStringLiteral("Orders"));
        p.ss2_pick_column(3);
        QCOMPARE(ui.tp->text(), QStringLiteral("135"));
        ui.sfr->setText(QStringLiteral("2024-05-01"));
        QTest::mouseClick(ui.Command10, Qt::LeftButton);
        QCOMPARE(ui.sfr->text(), QStringLiteral("05/01/2024"));
        QCOMPARE(f.data2->recordSource(),
                 QStringLiteral("SELECT * from Orders where OrderDate >= {ts '2024-05-01 00:00:00'}"));
        QCOMPARE(ui.nr->text(), QStringLiteral("1"));
        ui.sto->setText(QStringLiteral("someday"));
        QTest::mouseClick(ui.Command10, Qt::LeftButton);
        QCOMPARE(ui.sto->text(), QStringLiteral("someday"));
        QCOMPARE(f.data2->recordSource(),
                 QStringLiteral("SELECT * from Orders where OrderDate >= {ts '2024-05-01 00:00:00'} and "
                                "OrderDate <= {ts 'someday'}"));
    }

    // A time column takes time bounds, read in the user's locale; both ends included.
    void timeRange()
    {
        QVERIFY(f.exec(QStringLiteral("CREATE TABLE Shifts (Name VARCHAR(10), Starts TIME)")));
        QVERIFY(f.exec(QStringLiteral(
            "INSERT INTO Shifts VALUES ('early', '06:00:00'), ('day', '09:30:00'), ('late', '22:15:00')")));
        auto& p = *f.page;
        const auto& ui = *f.ui;
        ui.t->addItem(QStringLiteral("Shifts"));
        f.open(QStringLiteral("Shifts"));
        p.ss2_pick_column(1);
        QCOMPARE(ui.tp->text(), QStringLiteral("134"));
        ui.sfr->setText(QStringLiteral("9:30 AM"));
        ui.sto->setText(QStringLiteral("22:15"));
        QTest::mouseClick(ui.Command10, Qt::LeftButton);
        QCOMPARE(f.data2->recordSource(),
                 QStringLiteral(
                     "SELECT * from Shifts where Starts >= {t '09:30:00'} and Starts <= {t '22:15:00'}"));
        QCOMPARE(ui.sfr->text(), QStringLiteral("9:30 AM"));
        QCOMPARE(f.column("Name"), QStringList({"day", "late"}));
        QCOMPARE(ui.nr->text(), QStringLiteral("2"));
        f.stopPage();
        QVERIFY(f.exec(QStringLiteral("DROP TABLE Shifts")));
    }

    void gridPicks()
    {
        const auto& ui = *f.ui;
        f.open(QStringLiteral("Customers"));
        QHeaderView* header = ui.ss2->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(1) + 5, header->height() / 2));
        QCOMPARE(ui.c->text(), QStringLiteral("Name"));
        QCOMPARE(ui.cv1->text(), QStringLiteral("Name"));
        QCOMPARE(ui.cv2->text(), QStringLiteral("Name"));
        QCOMPARE(ui.tp->text(), QStringLiteral("200"));

        const QModelIndex born = f.grid()->index(0, 5);
        QTest::mouseClick(ui.ss2->viewport(), Qt::LeftButton, {}, ui.ss2->visualRect(born).center());
        QCOMPARE(ui.c->text(), QStringLiteral("Born"));
        QCOMPARE(ui.tp->text(), QStringLiteral("133"));

        // A double click: a click, then the second press.
        const QModelIndex name = f.grid()->index(2, 1);
        QTest::mouseClick(ui.ss2->viewport(), Qt::LeftButton, {}, ui.ss2->visualRect(name).center());
        QTest::mouseDClick(ui.ss2->viewport(), Qt::LeftButton, {}, ui.ss2->visualRect(name).center());
        QCOMPARE(ui.v->text(), QStringLiteral("O'Brien"));
        QCOMPARE(ui.c->text(), QStringLiteral("Name"));              // the click picked its column
        QCOMPARE(f.column("Name").at(2), QStringLiteral("O'Brien")); // the grid takes no edits

        // A column typed by hand is echoed, the type stays the last pick's.
        ui.c->setText(QStringLiteral("Email"));
        QCOMPARE(ui.cv1->text(), QStringLiteral("Email"));
        QCOMPARE(ui.cv2->text(), QStringLiteral("Email"));
        QCOMPARE(ui.tp->text(), QStringLiteral("200"));
    }

    // The picked value filters as it is, quote included.
    void pickedValueFilters()
    {
        f.open(QStringLiteral("Customers"));
        const QModelIndex name = f.grid()->index(2, 1);
        QTest::mouseClick(f.ui->ss2->viewport(), Qt::LeftButton, {}, f.ui->ss2->visualRect(name).center());
        QTest::mouseDClick(f.ui->ss2->viewport(), Qt::LeftButton, {}, f.ui->ss2->visualRect(name).center());
        f.ui->s1[3]->setChecked(true);
        QTest::mouseClick(f.ui->Command7, Qt::LeftButton);
        QCOMPARE(f.column("CustomerId"), QStringList{"3"});
    }

    // A big table reaches the view in chunks, and the count is the whole table's.
    void largeTableInChunks()
    {
        platform::ado::Connection db;
        QVERIFY(db.open(f.data2->connectionString()).ok);
        platform::ado::Recordset none;
        QVERIFY(db.query(QStringLiteral("CREATE TABLE Big AS WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL "
                                        "SELECT i + 1 FROM n WHERE i < 5000) SELECT i FROM n"),
                         &none)
                    .ok);
        f.ui->t->addItem(QStringLiteral("Big"));
        f.open(QStringLiteral("Big"));
        QCOMPARE(f.ui->nr->text(), QStringLiteral("5000"));
        QVERIFY(f.grid()->rowCount() < 5000);
        f.ui->ss2->scrollToBottom();
        while (f.grid()->canFetchMore({}))
            f.grid()->fetchMore({});
        QCOMPARE(f.grid()->rowCount(), 5000);
        QCOMPARE(f.grid()->index(4999, 0).data().toString(), QStringLiteral("5000"));
        QVERIFY(db.query(QStringLiteral("DROP TABLE Big"), &none).ok);
    }

    // Rows read as the grid scrolls widen the columns that need it: the last rows'
    // values are drawn whole, however narrow the first ones were.
    void columnsWidenAsRowsArrive()
    {
        QVERIFY(f.exec(QStringLiteral(
            "CREATE TABLE Wide AS WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < "
            "1200) "
            "SELECT i, CASE WHEN i <= 500 THEN 'a' ELSE 'a value far wider than the first rows' END AS label "
            "FROM n")));
        f.ui->t->addItem(QStringLiteral("Wide"));
        f.open(QStringLiteral("Wide"));
        QTableView* grid = f.ui->ss2;
        const int narrow = grid->columnWidth(1);
        while (f.grid()->canFetchMore({}))
            f.grid()->fetchMore({});
        QCOMPARE(f.grid()->rowCount(), 1200);
        for (int column : {0, 1}) {
            const int needed = grid->sizeHintForIndex(f.grid()->index(1199, column)).width();
            QVERIFY2(grid->columnWidth(column) >= needed, qPrintable(QStringLiteral("column %1: %2 < %3")
                                                                         .arg(column)
                                                                         .arg(grid->columnWidth(column))
                                                                         .arg(needed)));
        }
        QVERIFY(grid->columnWidth(1) > narrow);
        f.stopPage();
        QVERIFY(f.exec(QStringLiteral("DROP TABLE Wide")));
    }

    // With no table chosen, the queries do nothing: no driver error, the grid as it was.
    void noTableChosen()
    {
        auto& p = *f.page;
        const auto& ui = *f.ui;
        f.open(QStringLiteral("Customers"));
        QCOMPARE(f.grid()->rowCount(), 3);
        ui.t->clearSelection();
        ui.t->setCurrentRow(-1);
        QSignalSpy failures(&p, &browser::DataBrowserPage::queryFailed);
        ui.c->setText(QStringLiteral("Name"));
        for (QPushButton* button : {ui.Command2, ui.c_srt[0], ui.Command7, ui.Command10})
            QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(failures.isEmpty());
        QCOMPARE(f.data2->recordSource(), QStringLiteral("SELECT * from Customers"));
        QCOMPARE(f.grid()->rowCount(), 3);
        QCOMPARE(ui.nr->text(), QStringLiteral("3"));
    }

    // A Connect or Close Connexion ends the data control's query: the grid keeps the rows
    // it has and reads no more until the next query.
    void connectionChangeKeepsTheRowsShown_data()
    {
        QTest::addColumn<bool>("close");
        QTest::newRow("new connection string") << false;
        QTest::newRow("connection closed") << true;
    }
    void connectionChangeKeepsTheRowsShown()
    {
        QFETCH(bool, close);
        QVERIFY(f.createNumbers(QStringLiteral("Big"), 1200));
        f.ui->t->addItem(QStringLiteral("Big"));
        f.open(QStringLiteral("Big"));
        const int shown = f.grid()->rowCount();
        QVERIFY(shown > 0 && shown < 1200);
        if (close)
            f.data2->closeConnection();
        else
            f.data2->setConnectionString(f.connectionString());
        QVERIFY(!f.grid()->canFetchMore({}));
        f.ui->ss2->scrollToBottom();
        QCOMPARE(f.grid()->rowCount(), shown);
        QCOMPARE(f.grid()->index(shown - 1, 0).data().toString(), QString::number(shown));
        QCOMPARE(f.ui->nr->text(), QStringLiteral("1200"));
        f.stopPage();
        QVERIFY(f.exec(QStringLiteral("DROP TABLE Big")));
    }

    // Ctrl+End and the scroll bar dragged to its end show the query's last row, with the
    // sort, filter or range in force; the rows between read at their place, Ctrl+Home back
    // at the first.
    void queryEndInReach_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<BrowserFixture::Move>("move");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("middle");
        using Move = BrowserFixture::Move;
        for (const auto& [how, name] :
             {std::pair{Move::CtrlEnd, "Ctrl+End"}, std::pair{Move::ScrollBarToEnd, "scroll bar"}}) {
            const QString by = QLatin1String(name);
            QTest::newRow(qPrintable(by + ", open")) << "open" << how << 3000 << "1"
                                                     << "3000"
                                                     << "1501";
            QTest::newRow(qPrintable(by + ", sorted")) << "sort" << how << 3000 << "3000"
                                                       << "1"
                                                       << "1500";
            QTest::newRow(qPrintable(by + ", filtered")) << "filter" << how << 1111 << "2"
                                                         << "2999"
                                                         << "2444";
            QTest::newRow(qPrintable(by + ", range")) << "range" << how << 2501 << "100"
                                                      << "2600"
                                                      << "1350";
        }
    }
    void queryEndInReach()
    {
        QFETCH(QString, query);
        QFETCH(BrowserFixture::Move, move);
        QFETCH(int, rows);
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(QString, middle);
        QVERIFY(f.openNumbers(QStringLiteral("Big"), 3000));
        const auto& ui = *f.ui;
        ui.c->setText(QStringLiteral("i"));
        ui.tp->setText(QStringLiteral("3"));
        ui.v->setText(QStringLiteral("2"));
        ui.sfr->setText(QStringLiteral("100"));
        ui.sto->setText(QStringLiteral("2600"));
        if (query == QLatin1String("sort"))
            QTest::mouseClick(ui.c_srt[1], Qt::LeftButton);
        else if (query == QLatin1String("filter"))
            QTest::mouseClick(ui.Command7, Qt::LeftButton);
        else if (query == QLatin1String("range"))
            QTest::mouseClick(ui.Command10, Qt::LeftButton);
        QCOMPARE(ui.nr->text(), QString::number(rows));
        QVERIFY(f.grid()->rowCount() < rows);

        f.move(move);
        QVERIFY(f.rowOnScreen(rows - 1, last));
        QCOMPARE(f.grid()->rowCount(), rows);
        // A row in the middle, never read from the start, is read where it lies.
        const int row = rows / 2;
        ui.ss2->scrollTo(f.grid()->index(row, 0), QAbstractItemView::PositionAtCenter);
        QVERIFY(f.rowOnScreen(row, middle));
        f.move(BrowserFixture::Move::CtrlHome);
        QVERIFY(f.rowOnScreen(0, first));
        QVERIFY(f.messages.isEmpty());
        f.stopPage();
        QVERIFY(f.exec(QStringLiteral("DROP TABLE Big")));
    }

    // A read of rows at their place that lasts over a second is named while it lasts, the
    // window handling events meanwhile, and the name goes once the rows show.
    void slowReadIsNamed()
    {
        QVERIFY(f.openNumbers(QStringLiteral("Big"), 3000));
        auto* model = qobject_cast<browser::RecordsetModel*>(f.grid());
        QVERIFY(model);
        model->setWindowReader([](qint64 first, int count, QList<QStringList>* rows) {
            QTest::qWait(browser::RecordsetModel::kSlowReadMs + 500);
            for (qint64 row = first; row < first + count; ++row)
                rows->append(QStringList{QString::number(row + 1)});
            return platform::ado::Status{};
        });
        QSignalSpy waiting(f.page.get(), &browser::DataBrowserPage::waitingText);
        f.move(BrowserFixture::Move::CtrlEnd);
        QTRY_VERIFY_WITH_TIMEOUT(!waiting.isEmpty(), 5000);
        QVERIFY(!waiting.first().first().toString().isEmpty());
        QVERIFY(f.rowOnScreen(2999, QStringLiteral("3000")));
        QTRY_VERIFY(waiting.last().first().toString().isEmpty());
        f.stopPage();
        QVERIFY(f.exec(QStringLiteral("DROP TABLE Big")));
    }

    // A wheel turn at the end of the rows read reads on chunk by chunk: it is no drag of the
    // slider to the query's end.
    void wheelReadsOn()
    {
        QVERIFY(f.openNumbers(QStringLiteral("Big"), 3000));
        QTableView* view = f.ui->ss2;
        QCoreApplication::processEvents();
        const QPoint centre = view->viewport()->rect().center();
        for (int turn = 0; turn < 200 && view->verticalScrollBar()->value() < 600; ++turn) {
            QWheelEvent wheel(centre, view->viewport()->mapToGlobal(centre), {}, {0, -120}, Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(view->viewport(), &wheel);
            QCoreApplication::processEvents();
        }
        QVERIFY(f.grid()->rowCount() < 3000);
        QVERIFY2(view->rowAt(0) < 1000, qPrintable(QString::number(view->rowAt(0))));
        f.stopPage();
        QVERIFY(f.exec(QStringLiteral("DROP TABLE Big")));
    }

    // Once the data control has dropped the query (a Connect, Close or another query), the
    // grid reads no row of it at its place: the rows would be another query's.
    void noRowReadAfterTheQueryIsDropped()
    {
        QVERIFY(f.openNumbers(QStringLiteral("Big"), 3000));
        f.move(BrowserFixture::Move::CtrlEnd);
        QVERIFY(f.rowOnScreen(2999, QStringLiteral("3000")));
        f.data2->setConnectionString(f.data2->connectionString());
        QVERIFY(f.exec(QStringLiteral("UPDATE Big SET i = i * 1000")));
        f.ui->ss2->scrollTo(f.grid()->index(1500, 0), QAbstractItemView::PositionAtCenter);
        QTest::qWait(500);
        QCOMPARE(f.grid()->index(1500, 0).data().toString(), QString());
        f.stopPage();
        QVERIFY(f.exec(QStringLiteral("DROP TABLE Big")));
    }

    // A table and columns named with SQL words: every statement of the browser reads them.
    void wordNames()
    {
        QVERIFY(f.exec(QStringLiteral("CREATE TABLE \"order\" (\"from\" INTEGER, \"select\" VARCHAR(10))")));
        QVERIFY(f.exec(QStringLiteral("INSERT INTO \"order\" VALUES (1, 'a'), (2, 'b'), (3, 'c')")));
        f.checkWordNames(QStringLiteral("order"));
    }

private:
    BrowserFixture f;
};

QTEST_MAIN(DataBrowserTest)
#include "test_data_browser.moc"
