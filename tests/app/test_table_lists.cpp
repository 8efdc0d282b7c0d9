#include "app/main_window.h"
#include "app/program.h"
#include "kit/action_guard.h"
#include "kit/type_ahead.h"
#include "platform/colours.h"
#include "support/page_controls.h"
#include "support/temp_home.h"

#include <QRegularExpression>
#include <QTest>
#include <QTimer>

class TableListsTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        home = std::make_unique<testsupport::TempHome>();
        program = std::make_unique<app::Program>();
        program->setEndStep([] {});
        program->start();
        page = std::make_unique<testsupport::VbPageControls>(program->window());
        program->window()->Command_Click(1);
    }
    void cleanup()
    {
        program.reset();
        home.reset();
    }

    void sortedLikeASortedListBox()
    {
        for (const char* name : {"orders", "ADDRESS", "Customer", "address", "b_2", "B_1", "customer"})
            page->tdn->addItem(QString::fromLatin1(name));
        QCOMPARE(page->tdn->items(),
                 (QStringList{"ADDRESS", "address", "B_1", "b_2", "Customer", "customer", "orders"}));
    }

    void allTablesBothWays()
    {
        page->tdn->addItem("ORDERS");
        page->tdn->addItem("ADDRESS");
        page->tdn->addItem("CUSTOMER");
        page->tdn1->addItem("BILLING");
        QTest::mouseClick(page->tadd[0], Qt::LeftButton);
        QCOMPARE(page->tdn->count(), 0);
        QCOMPARE(page->tdn1->items(), (QStringList{"ADDRESS", "BILLING", "CUSTOMER", "ORDERS"}));
        QTest::mouseClick(page->tadd[3], Qt::LeftButton);
        QCOMPARE(page->tdn1->count(), 0);
        QCOMPARE(page->tdn->items(), (QStringList{"ADDRESS", "BILLING", "CUSTOMER", "ORDERS"}));
    }

    void oneTableBothWays()
    {
        for (const char* name : {"ADDRESS", "CUSTOMER", "ORDERS"})
            page->tdn->addItem(QString::fromLatin1(name));
        page->tdn1->addItem("BILLING");
        page->tdn1->addItem("PRODUCT");
        // No selection: nothing moves.
        page->tdn->setCurrentRow(-1);
        page->tdn1->setCurrentRow(-1);
        QTest::mouseClick(page->tadd[1], Qt::LeftButton);
        QTest::mouseClick(page->tadd[2], Qt::LeftButton);
        QCOMPARE(page->tdn->count(), 3);
        QCOMPARE(page->tdn1->count(), 2);
        page->tdn->setCurrentRow(1);
        QTest::mouseClick(page->tadd[1], Qt::LeftButton);
        QCOMPARE(page->tdn->items(), (QStringList{"ADDRESS", "ORDERS"}));
        QCOMPARE(page->tdn1->items(), (QStringList{"BILLING", "CUSTOMER", "PRODUCT"}));
        page->tdn1->setCurrentRow(2);
        QTest::mouseClick(page->tadd[2], Qt::LeftButton);
        QCOMPARE(page->tdn->items(), (QStringList{"ADDRESS", "ORDERS", "PRODUCT"}));
        QCOMPARE(page->tdn1->items(), (QStringList{"BILLING", "CUSTOMER"}));
    }

    // The action depends on the index, never on the animated caption.
    void arrowsKeepTheirMeaningWhileAnimated()
    {
        page->tdn->addItem("ORDERS");
        for (int tick = 0; tick < 5; ++tick)
            program->window()->Timer2_Timer();
        QTest::mouseClick(page->tadd[0], Qt::LeftButton);
        QCOMPARE(page->tdn1->items(), QStringList{"ORDERS"});
    }

    void arrowsRefusedWhileAnActionRuns()
    {
        page->tdn->addItem("ORDERS");
        {
            kit::ActionGuard running(program->session().runGuard());
            QVERIFY(program->session().runGuard().busy());
            QTest::mouseClick(page->tadd[0], Qt::LeftButton);
            QCOMPARE(page->tdn->count(), 1);
        }
        QVERIFY(!program->session().runGuard().busy());
        QTest::mouseClick(page->tadd[0], Qt::LeftButton);
        QCOMPARE(page->tdn1->count(), 1);
    }

    void typeAhead_data()
    {
        QTest::addColumn<QString>("search");
        QTest::addColumn<QString>("selected");
        QTest::newRow("c") << "c"
                           << "CUSTOMER";
        QTest::newRow("b") << "b"
                           << "CUSTOMER";
        QTest::newRow("cz") << "cz"
                            << "ORDERS";
        QTest::newRow("q keeps the former selection") << "q"
                                                      << "ADDRESS";
        QTest::newRow("z keeps the former selection") << "z"
                                                      << "ADDRESS";
        QTest::newRow("digit 0") << "0"
                                 << "ADDRESS";
        QTest::newRow("lower case") << "customer"
                                    << "CUSTOMER";
        QTest::newRow("p") << "pr"
                           << "PRODUCT";
    }
    void typeAhead()
    {
        QFETCH(QString, search);
        QFETCH(QString, selected);
        for (const char* name : {"PRODUCT", "ADDRESS", "ORDERS", "CUSTOMER"})
            page->tdn->addItem(QString::fromLatin1(name));
        page->tdn->setCurrentRow(0); // the former selection
        page->s_t->clear();
        QTest::keyClicks(page->s_t, search);
        QCOMPARE(page->tdn->selectedText(), selected);
    }

    void typeAheadRule()
    {
        const QStringList items{"ADDRESS", "CUSTOMER", "ORDERS", "PRODUCT"};
        QCOMPARE(kit::typeAheadRow(items, ""), -1);
        QCOMPARE(kit::typeAheadRow({}, "c"), -1);
        QCOMPARE(kit::typeAheadRow(items, "D"), 2); // from ADDRESS's start on, first not below "D"
        QCOMPARE(kit::typeAheadRow({"abc", "Abd"}, "ABD"), 1);
    }

    void moduleFileNames()
    {
        QCOMPARE(page->gnn[0]->text(), QString()); // empty until the first change
        page->dbn->setText("shop_");
        QCOMPARE(page->gnn[0]->text(), QString("shop_Access.vb"));
        QCOMPARE(page->gnn[1]->text(), QString("shop_Manager.vb"));
        QCOMPARE(page->gnn[2]->text(), QString("shop_Classes.vb"));
        QTest::mouseClick(page->gn[1], Qt::LeftButton);
        QCOMPARE(page->gnn[1]->text(), QString());
        page->dbn->setText("crm_");
        QCOMPARE(page->gnn[0]->text(), QString("crm_Access.vb"));
        QCOMPARE(page->gnn[1]->text(), QString()); // unticked boxes are not renamed
        page->gn[1]->setChecked(true);             // a write from code counts as a click
        QCOMPARE(page->gnn[1]->text(), QString("crm_Manager.vb"));
        page->dbn->clear();
        QCOMPARE(page->gnn[0]->text(), QString("Access.vb"));
        QCOMPARE(page->gnn[1]->text(), QString("Manager.vb"));
        QCOMPARE(page->gnn[2]->text(), QString("Classes.vb"));
    }

    void startStateOfTheBoxes()
    {
        for (QCheckBox* box : {page->gn[0], page->gn[1], page->gn[2], page->ps, page->gcfk, page->gwcf})
            QVERIFY(box->isChecked());
        QCOMPARE(platform::tag(page->gn[0]), QString("Access"));
        QCOMPARE(platform::tag(page->gn[2]), QString("Classes"));
        QCOMPARE(platform::tag(page->tadd[0]), QString());
        QCOMPARE(page->tadd[0]->text(), QString(">>"));
        QCOMPARE(page->tadd[3]->text(), QString("<<"));
    }

    void arrowAnimation()
    {
        app::MainWindow& w = *program->window();
        const QStringList expected[] = {
            {" >> ", " >  ", "  < ", " << "}, // first tick: phase 1 on both pairs
            {"  >>", "  > ", " <  ", "<<  "}, {">>  ", "   >", "<   ", "  <<"},
            {" >> ", ">   ", "   <", " << "}, {"  >>", " >  ", "  < ", "<<  "},
        };
        for (const QStringList& captions : expected) {
            w.Timer2_Timer();
            QCOMPARE((QStringList{page->tadd[0]->text(), page->tadd[1]->text(), page->tadd[2]->text(),
                                  page->tadd[3]->text()}),
                     captions);
        }
        QCOMPARE(platform::tag(page->tadd[0]), QString("2"));
        QCOMPARE(platform::tag(page->tadd[1]), QString("1"));
        QVERIFY(QRegularExpression("^\\d\\d-\\d\\d-\\d{4} \\d\\d:\\d\\d:\\d\\d$")
                    .match(w.statusPanel(2))
                    .hasMatch());
    }

    void timerDrivesTheAnimation()
    {
        const QString before = page->tadd[1]->text();
        QTRY_VERIFY_WITH_TIMEOUT(page->tadd[1]->text() != before, 2000);
    }

private:
    std::unique_ptr<testsupport::TempHome> home;
    std::unique_ptr<app::Program> program;
    std::unique_ptr<testsupport::VbPageControls> page;
};

QTEST_MAIN(TableListsTest)
#include "test_table_lists.moc"
