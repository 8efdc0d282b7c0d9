// "Generate VB.Net Files!" through the real window, offscreen: a database of the shop
// fixture, tables moved into the chosen list with the arrow, modules ticked, Generate
// clicked; the files in the output folder are compared with the goldens.

#include "app/main_window.h"
#include "app/program.h"
#include "app/vb_generator_page.h"
#include "connection/connection_page.h"
#include "platform/user_feedback.h"
#include "support/fixture_db.h"
#include "support/golden.h"
#include "support/temp_home.h"

#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

template <typename T> T* child(QWidget* window, const QString& name)
{
    T* widget = window->findChild<T*>(name);
    if (!widget)
        qWarning("no control named %s", qPrintable(name));
    return widget;
}

} // namespace

class VbnetEndToEndTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        messages.clear();
        platform::setMessageSink([this](const QString& text) { messages.append(text); });
    }
    void cleanup() { platform::setMessageSink({}); }

    void generateThroughTheWindow_data()
    {
        QTest::addColumn<bool>("clickAgainDuringTheRun");
        QTest::newRow("one click") << false;
        QTest::newRow("a second click while the run yields") << true;
    }
    void generateThroughTheWindow()
    {
        QFETCH(bool, clickAgainDuringTheRun);
        testsupport::TempHome home;
        QVERIFY(home.isValid());
        QTemporaryDir dir;
        const QString cnx = testsupport::sqliteFixture(QStringLiteral("vbnet/shop.sql"), dir.path());
        QVERIFY(!cnx.isEmpty());

        app::Program program;
        program.start();
        app::MainWindow* window = program.window();
        QVERIFY(window);
        connectToShop(*window, cnx);
        if (QTest::currentTestFailed())
            return;

        // Choose the tables with the arrow button, one at a time.
        auto* tdn = child<QListWidget>(window, "tdn");
        auto* add = child<QPushButton>(window, "tadd_1");
        QVERIFY(tdn && add);
        for (const QString table : {"Orders", "Customers", "OrderLines"}) {
            const QList<QListWidgetItem*> found = tdn->findItems(table, Qt::MatchExactly);
            QCOMPARE(found.size(), 1);
            tdn->setCurrentItem(found.first());
            add->click();
        }
        QCOMPARE(child<QListWidget>(window, "tdn1")->count(), 3);

        auto* dbn = child<QLineEdit>(window, "dbn");
        auto* pn = child<QLineEdit>(window, "pn");
        dbn->setText("Shop_");
        pn->setText(dir.filePath("out/"));
        child<QCheckBox>(window, "gn_0")->setChecked(true);
        child<QCheckBox>(window, "gn_1")->setChecked(true);
        for (const QString name : {"gn_2", "gcfk", "gwcf", "ps"})
            child<QCheckBox>(window, name)->setChecked(false);

        auto* generate = child<QPushButton>(window, "Command11");
        if (clickAgainDuringTheRun)
            QTimer::singleShot(0, generate, [generate] { generate->click(); });
        generate->click();

        QCOMPARE(messages, QStringList{"End of Generation"});
        QUILLMERE_COMPARE_GOLDEN("vbnet/odbc_several_tables_Access.vb",
                                 testsupport::readFileBytes(dir.filePath("out/Shop_Access.vb")));
        QUILLMERE_COMPARE_GOLDEN("vbnet/odbc_several_tables_Manager.vb",
                                 testsupport::readFileBytes(dir.filePath("out/Shop_Manager.vb")));
        QVERIFY(child<QWidget>(window, "pb1")->isHidden());
    }

private:
    // What Connect gives for a full connection string (the "other" kind): the open
    // connection, the data controls, the connection words and the table lists.
    void connectToShop(app::MainWindow& window, const QString& cnx)
    {
        app::FormState& form = window.form();
        form.db_cnxstr = cnx;
        form.db_cnx = std::make_unique<platform::ado::Connection>();
        const platform::ado::Status opened = form.db_cnx->open(cnx);
        QVERIFY2(opened.ok, qPrintable(opened.message));
        form.connected = 1;
        for (platform::ado::DataControl* data : {&form.Data2, &form.data3, &form.data4})
            data->setConnectionString(cnx);
        form.net_ns = QStringLiteral("OleDB");
        form.net_prefix = QStringLiteral("OleDB");
        form.from_dual.clear();
        form.row_limit.clear();
        form.schema_filter.clear();
        window.vbGenerator->tdn->addItems({"Customers", "Lost", "Notes", "Order Details", "OrderLines", "Orders"});
        // The connection string written into generated code, as the user may edit it.
        child<QLineEdit>(&window, "cnxstr")->setText(QStringLiteral("DRIVER=SQLite3;Database=C:\\data\\shop.db"));
    }

    QStringList messages;
};

QTEST_MAIN(VbnetEndToEndTest)
#include "test_vbnet_e2e.moc"
