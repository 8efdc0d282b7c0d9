// The ASPX Generator page: the table chosen in tdn2, by a click or by the search box, names the
// page file and its code-behind.

#include "support/page_controls.h"
#include "window_fixture.h"

#include <QSignalSpy>
#include <QTest>

class AspxInputsTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        fixture = std::make_unique<WindowFixture>();
        fixture->start();
        page = std::make_unique<testsupport::AspxPageControls>(&fixture->window());
        fixture->window().Command_Click(3);
        for (const char* table : {"ORDERS", "ADDRESS", "CUSTOMER"})
            page->tdn2->addItem(QString::fromLatin1(table));
    }
    void cleanup() { fixture.reset(); }

    void startsWithoutFileNames()
    {
        for (int i = 0; i < 3; ++i)
            QVERIFY2(page->tb2[std::size_t(i)]->text().isEmpty(), qPrintable(QString::number(i)));
        for (int i = 0; i < 3; ++i)
            QVERIFY(page->tb2[std::size_t(i)]->isReadOnly());
        QVERIFY(!page->tb2[3]->isReadOnly());
    }

    void clickNamesThePageFiles_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("table");
        QTest::newRow("first") << 0 << "ADDRESS";
        QTest::newRow("middle") << 1 << "CUSTOMER";
        QTest::newRow("last") << 2 << "ORDERS";
    }
    void clickNamesThePageFiles()
    {
        QFETCH(int, row);
        QFETCH(QString, table);
        QListWidget* list = page->tdn2;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
        QCOMPARE(page->tb2[0]->text(), table);
        QCOMPARE(page->tb2[1]->text(), QStringLiteral("edit_") + table + QStringLiteral(".aspx"));
        QCOMPARE(page->tb2[2]->text(), QStringLiteral("edit_") + table + QStringLiteral(".aspx.vb"));
    }

    void keyboardSelectionCountsAsAClick()
    {
        QListWidget* list = page->tdn2;
        list->setCurrentRow(0);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(page->tb2[0]->text(), QStringLiteral("CUSTOMER"));
        QCOMPARE(page->tb2[2]->text(), QStringLiteral("edit_CUSTOMER.aspx.vb"));
    }

    void typeAhead_data()
    {
        QTest::addColumn<QString>("search");
        QTest::addColumn<QString>("table"); // empty: nothing selected, boxes untouched
        QTest::newRow("cu") << "cu"
                            << "CUSTOMER";
        QTest::newRow("upper case") << "CUS"
                                    << "CUSTOMER";
        QTest::newRow("b lands on the next name") << "b"
                                                  << "CUSTOMER";
        QTest::newRow("a") << "a"
                           << "ADDRESS";
        QTest::newRow("o") << "o"
                           << "ORDERS";
        QTest::newRow("z selects nothing") << "z"
                                           << "";
        QTest::newRow("ox selects nothing") << "ox"
                                            << "";
        QTest::newRow("digit before every name") << "0"
                                                 << "ADDRESS";
    }
    void typeAhead()
    {
        QFETCH(QString, search);
        QFETCH(QString, table);
        page->s_t2->setText(search);
        if (table.isEmpty()) {
            QCOMPARE(page->tb2[0]->text(), QString());
            QCOMPARE(page->tb2[1]->text(), QString());
            QVERIFY(page->tdn2->selectedItems().isEmpty());
            return;
        }
        QCOMPARE(page->tdn2->selectedText(), table);
        QCOMPARE(page->tb2[0]->text(), table);
        QCOMPARE(page->tb2[1]->text(), QStringLiteral("edit_") + table + QStringLiteral(".aspx"));
        QCOMPARE(page->tb2[2]->text(), QStringLiteral("edit_") + table + QStringLiteral(".aspx.vb"));
    }

    void searchWithoutMatchKeepsFormerChoice()
    {
        QTest::keyClicks(page->s_t2, QStringLiteral("cu"));
        page->s_t2->clear();
        QTest::keyClicks(page->s_t2, QStringLiteral("z"));
        QCOMPARE(page->tb2[0]->text(), QStringLiteral("CUSTOMER"));
        QCOMPARE(page->tb2[1]->text(), QStringLiteral("edit_CUSTOMER.aspx"));
        QCOMPARE(page->tdn2->selectedText(), QStringLiteral("CUSTOMER"));
    }

    // Emptying and refilling the list (a new connect) is no click on an item.
    void emptyingTheListLeavesTheNames()
    {
        page->tdn2->setCurrentRow(1);
        QCOMPARE(page->tb2[0]->text(), QStringLiteral("CUSTOMER"));
        page->tdn2->clear();
        QCOMPARE(page->tb2[0]->text(), QStringLiteral("CUSTOMER"));
        QCOMPARE(page->tb2[1]->text(), QStringLiteral("edit_CUSTOMER.aspx"));
        QCOMPARE(page->tb2[2]->text(), QStringLiteral("edit_CUSTOMER.aspx.vb"));
        page->tdn2->addItem(QStringLiteral("PRODUCT"));
        QCOMPARE(page->tb2[0]->text(), QStringLiteral("CUSTOMER"));
    }
    void emptyingAnUnusedListWritesNothing()
    {
        page->tdn2->clear();
        for (int i = 0; i < 3; ++i)
            QCOMPARE(page->tb2[std::size_t(i)]->text(), QString());
    }
    void focusAloneChoosesNothing()
    {
        page->tdn2->setFocus();
        QApplication::processEvents();
        QCOMPARE(page->tb2[0]->text(), QString());
        QCOMPARE(page->tb2[1]->text(), QString());
    }

    // The solution run writes tb2(0) for each table and reads the names from the two boxes.
    void writingTheTableBoxNamesTheFiles()
    {
        page->tb2[0]->setText(QStringLiteral("ORDERS"));
        QCOMPARE(page->tb2[1]->text(), QStringLiteral("edit_ORDERS.aspx"));
        QCOMPARE(page->tb2[2]->text(), QStringLiteral("edit_ORDERS.aspx.vb"));
        page->tb2[0]->setText(QString());
        QCOMPARE(page->tb2[1]->text(), QStringLiteral("edit_.aspx"));
        QCOMPARE(page->tb2[2]->text(), QStringLiteral("edit_.aspx.vb"));
    }

    void projectNameTouchesNoOtherBox()
    {
        page->tb2[0]->setText(QStringLiteral("ORDERS"));
        QSignalSpy aspx(page->tb2[1], &QLineEdit::textChanged);
        QSignalSpy codeBehind(page->tb2[2], &QLineEdit::textChanged);
        QSignalSpy table(page->tb2[0], &QLineEdit::textChanged);
        QTest::keyClicks(page->tb2[3], QStringLiteral("ShopWeb"));
        QVERIFY(aspx.isEmpty() && codeBehind.isEmpty() && table.isEmpty());
        QCOMPARE(page->tb2[1]->text(), QStringLiteral("edit_ORDERS.aspx"));
    }

private:
    std::unique_ptr<WindowFixture> fixture;
    std::unique_ptr<testsupport::AspxPageControls> page;
};

QTEST_MAIN(AspxInputsTest)
#include "test_aspx_inputs.moc"
