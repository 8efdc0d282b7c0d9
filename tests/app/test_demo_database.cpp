// The bundled demo database: its script builds through the SQLite driver, its
// connection string in the history's "other" list is offered at start-up, and one
// Connect fills the VB Generator page.
#include "app/main_window.h"
#include "app/program.h"
#include "connection/connection_page.h"
#include "generation_ui/vb_generator_page.h"
#include "support/fixture_db.h"
#include "support/page_controls.h"
#include "support/temp_home.h"

#include <QCheckBox>
#include <QFile>
#include <QTest>

class DemoDatabaseTest : public QObject
{
    Q_OBJECT
private slots:
    void connectFillsTheGeneratorPage()
    {
        testsupport::TempHome home;
        const QString cs = testsupport::sqliteFixture(QStringLiteral(QUILLMERE_SOURCE_DIR "/data/demo.sql"),
                                                      home.programFolder());
        QVERIFY(!cs.isEmpty());
        QFile history(home.historyFile());
        QVERIFY(history.open(QIODevice::WriteOnly));
        history.write(("2" + cs + "\r\n").toUtf8());
        history.close();

        QStringList messages;
        app::Program program;
        program.session().messages().setSink([&](const QString& text) { messages << text; });
        program.setEndStep([] {});
        program.start();
        app::MainWindow& w = *program.window();
        const testsupport::VbPageControls vb(&w);
        testsupport::ConnectionPageControls cp(&w);
        QCOMPARE(cp.ocnx->count(), 1);
        QCOMPARE(cp.ocnx->itemText(0), cs);

        cp.ocnx->setCurrentIndex(0);
        cp.Command13->click();
        QCOMPARE(messages, QStringList{});
        QVERIFY(w.connection().connected());
        QVERIFY(!testsupport::page<generation_ui::VbGeneratorPage>(&w)->isHidden());
        QCOMPARE(vb.tdn->items(),
                 (QStringList{"categories", "customers", "order_lines", "orders", "products"}));
        QVERIFY(vb.gn[0]->isChecked());

        platform::ado::Recordset keys;
        QVERIFY(w.connection().openSchema(platform::ado::adSchemaForeignKeys, {}, &keys).ok);
        QCOMPARE(keys.recordCount(), 4);
    }
};

QTEST_MAIN(DemoDatabaseTest)
#include "test_demo_database.moc"
