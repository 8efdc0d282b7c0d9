#pragma once
// A Data Browser page on its own, its grid fed by a data control over the shop
// fixture (SQLite, with a third customer whose name holds a quote) or another database. Messages go to
// `messages`; exported workbooks go to a temporary folder and are never opened.

#include "browser/data_browser_page.h"
#include "browser/recordset_model.h"
#include "platform/user_feedback.h"
#include "support/fixture_db.h"
#include "support/page_controls.h"

#include <QDir>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <optional>

class BrowserFixture
{
public:
    // Over another database (already filled).
    explicit BrowserFixture(const QString& connectionString)
        : connectionString_(connectionString), ready_(!connectionString.isEmpty())
    {
    }
    BrowserFixture()
    {
        connectionString_ = testsupport::sqliteFixture(QStringLiteral("shop_sqlite.sql"), dir_.path());
        if (connectionString_.isEmpty())
            return;
        platform::ado::Connection db;
        if (!db.open(connectionString_).ok)
            return;
        platform::ado::Recordset none;
        ready_ = db.query(QStringLiteral(
                              "INSERT INTO Customers VALUES (3, 'O''Brien', NULL, 25, 1, '1975-06-30')"),
                          &none)
                     .ok;
    }

    bool ready() const { return ready_; }

    // Runs a statement on a connection of its own (a table made or dropped for a test).
    bool exec(const QString& sql) const
    {
        platform::ado::Connection db;
        platform::ado::Recordset none;
        return db.open(connectionString_).ok && db.query(sql, &none).ok;
    }
    // A table `name` of one column i holding 1 to `count`.
    bool createNumbers(const QString& name, int count) const
    {
        return exec(QStringLiteral("CREATE TABLE %1 AS WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL "
                                   "SELECT i + 1 FROM n WHERE i < %2) SELECT i FROM n")
                        .arg(name)
                        .arg(count));
    }

    // Opens a table `name` made afresh of one column i holding 1 to `count`; false when it
    // cannot be made.
    bool openNumbers(const QString& name, int count)
    {
        if (!exec(QStringLiteral("DROP TABLE IF EXISTS %1").arg(name)) || !createNumbers(name, count))
            return false;
        ui->t->addItem(name);
        open(name);
        return true;
    }

    // A fresh page, shown offscreen, over a fresh data control.
    void startPage()
    {
        QDir(exportDir_.path()).removeRecursively();
        QDir().mkpath(exportDir_.path());
        page = std::make_unique<browser::DataBrowserPage>(messageBoxes_);
        ui.emplace(page.get());
        data2 = std::make_unique<platform::ado::DataControl>();
        data2->setConnectionString(connectionString_);
        page->attachDataControl(data2.get());
        page->setExportFolder(exportDir_.path());
        page->setSpreadsheetOpener([this](const QString& path) {
            opened << path;
            return openerAnswer;
        });
        ui->t->addItems({"Customers", "Employees", "Orders", "Products", "order_lines", "CustomerOrders"});
        page->resize(1000, 600);
        page->show();
        messages.clear();
        opened.clear();
        openerAnswer = true;
    }
    void stopPage()
    {
        ui.reset();
        page.reset();
        data2.reset();
    }

    void select(const QString& table)
    {
        const QList<QListWidgetItem*> items = ui->t->findItems(table, Qt::MatchExactly);
        QVERIFY(!items.isEmpty());
        ui->t->setCurrentItem(items.first());
        QTest::mouseClick(ui->t->viewport(), Qt::LeftButton, {},
                          ui->t->visualItemRect(items.first()).center());
    }
    void open(const QString& table)
    {
        select(table);
        QTest::mouseClick(ui->Command2, Qt::LeftButton);
    }

    QAbstractItemModel* grid() const { return ui->ss2->model(); }
    QStringList headers() const
    {
        QStringList names;
        for (int i = 0; i < grid()->columnCount(); ++i)
            names << grid()->headerData(i, Qt::Horizontal).toString();
        return names;
    }
    // The grid's column of the given header, top to bottom.
    QStringList column(const QString& header) const
    {
        const int index = int(headers().indexOf(header));
        QStringList values;
        for (int row = 0; index >= 0 && row < grid()->rowCount(); ++row)
            values << grid()->index(row, index).data().toString();
        return values;
    }
    // Takes the grid to the end of its query, by Ctrl+End or by the scroll bar dragged to its
    // end, or back to its first row by Ctrl+Home.
    enum class Move { CtrlEnd, ScrollBarToEnd, CtrlHome };
    void move(Move how) const
    {
        QTableView* view = ui->ss2;
        view->setFocus();
        // The grid is laid out for its rows, as the user sees it.
        QCoreApplication::processEvents();
        if (how == Move::ScrollBarToEnd) {
            QScrollBar* bar = view->verticalScrollBar();
            bar->setSliderDown(true);
            bar->setSliderPosition(bar->maximum());
            bar->setSliderDown(false);
            return;
        }
        QTest::keyClick(view, how == Move::CtrlHome ? Qt::Key_Home : Qt::Key_End, Qt::ControlModifier);
    }
    // Row `row` shows `value` in its first column within the grid's viewport, waited for
    // while its rows are read.
    bool rowOnScreen(int row, const QString& value) const
    {
        QTableView* view = ui->ss2;
        const auto shown = [&] {
            const QModelIndex index = grid()->index(row, 0);
            return index.data().toString() == value &&
                   view->viewport()->rect().intersects(view->visualRect(index));
        };
        if (QTest::qWaitFor(shown, 10000))
            return true;
        qWarning() << "row" << row << "of" << grid()->rowCount() << "shows"
                   << grid()->index(row, 0).data().toString() << "at"
                   << view->visualRect(grid()->index(row, 0)) << "in" << view->viewport()->rect() << messages;
        return false;
    }
    // Opens `table` of `rows` rows whose first column counts from 1, sorted by it
    // descending, and checks Ctrl+End shows its last row, then Ctrl+Home its first.
    void checkQueryEnd(const QString& table, const QString& column, int rows)
    {
        ui->t->addItem(table);
        open(table);
        ui->c->setText(column);
        QTest::mouseClick(ui->c_srt[1], Qt::LeftButton);
        QCOMPARE(ui->nr->text(), QString::number(rows));
        QVERIFY(grid()->rowCount() < rows);
        move(Move::CtrlEnd);
        QVERIFY(rowOnScreen(rows - 1, QStringLiteral("1")));
        move(Move::CtrlHome);
        QVERIFY(rowOnScreen(0, QString::number(rows)));
        QVERIFY(messages.isEmpty());
    }
    // Opens `table`, whose column `from` holds 1, 2 and 3 and column `select` "a", "b" and
    // "c", then sorts, filters, searches a range on them and exports: the names are SQL
    // words, so each of these statements reads rows only where it quotes them.
    void checkWordNames(const QString& table)
    {
        QSignalSpy failures(page.get(), &browser::DataBrowserPage::queryFailed);
        ui->t->addItem(table);
        open(table);
        QCOMPARE(column("from"), QStringList({"1", "2", "3"}));
        QCOMPARE(ui->nr->text(), QStringLiteral("3"));
        ui->c->setText(QStringLiteral("from"));
        QTest::mouseClick(ui->c_srt[1], Qt::LeftButton);
        QCOMPARE(column("from"), QStringList({"3", "2", "1"}));
        ui->c->setText(QStringLiteral("select"));
        ui->s1[3]->setChecked(true);
        ui->v->setText(QStringLiteral("b"));
        QTest::mouseClick(ui->Command7, Qt::LeftButton);
        QCOMPARE(column("from"), QStringList({"2"}));
        QCOMPARE(ui->nr->text(), QStringLiteral("1"));
        page->ss2_pick_column(int(headers().indexOf(QStringLiteral("from"))));
        ui->sfr->setText(QStringLiteral("2"));
        ui->sto->setText(QStringLiteral("3"));
        QTest::mouseClick(ui->Command10, Qt::LeftButton);
        QCOMPARE(column("from"), QStringList({"2", "3"}));
        QCOMPARE(ui->nr->text(), QStringLiteral("2"));
        QTest::mouseClick(ui->Command4, Qt::LeftButton);
        QCOMPARE(opened.size(), 1);
        QVERIFY2(failures.isEmpty(),
                 failures.isEmpty() ? "" : qPrintable(failures.first().first().toString()));
        QCOMPARE(messages, QStringList());
    }
    QString exportFolder() const { return exportDir_.path(); }
    QString connectionString() const { return connectionString_; }

    std::unique_ptr<browser::DataBrowserPage> page;
    // Its controls, found by their names.
    std::optional<testsupport::BrowserPageControls> ui;
    std::unique_ptr<platform::ado::DataControl> data2;
    QStringList messages;
    QStringList opened;
    bool openerAnswer = true;

private:
    platform::Messages messageBoxes_{[this](const QString& text) { messages << text; }};
    QTemporaryDir dir_;
    QTemporaryDir exportDir_;
    QString connectionString_;
    bool ready_ = false;
};
