// Class modules through the real database layer on a SQLite fixture: column types from
// the driver (apostrophe, '#' and bare literals), a two-column first index followed by a
// one-column index, a table without any index, and a table whose name and column hold
// a blank. Files and preview are compared byte for byte with the goldens.

#include "generators/classmodule/class_module_run.h"
#include "generators/common/ado_catalogue.h"
#include "support/fixture_db.h"
#include "support/golden.h"
#include "support/recording_host.h"

#include <QTemporaryDir>
#include <QTest>

using namespace generators;

class ClassModuleOdbcTest : public QObject
{
    Q_OBJECT
private slots:
    void threeTables()
    {
        QTemporaryDir dir;
        const QString cnx = testsupport::sqliteFixture(QStringLiteral("classmodule/shop.sql"), dir.path());
        QVERIFY2(!cnx.isEmpty(), "the fixture database could not be built");
        auto connection = std::make_unique<platform::ado::Connection>();
        const platform::ado::Status opened = connection->open(cnx);
        QVERIFY2(opened.ok, qPrintable(opened.message));
        platform::ado::DataControl data3, data4;
        data3.setConnectionString(cnx);
        data4.setConnectionString(cnx);
        AdoCatalogue catalogue(connection, cnx, data3, data4);

        RunInputs in;
        in.pn = dir.filePath("out/");
        in.dbn = QStringLiteral("shop_");
        in.tdn1 = QStringList{"Notes", "Order Notes", "Orders"};
        testsupport::RecordingHost host;
        RunContext ctx(in, catalogue, host);
        classmodule::runClassModules(ctx, standardTypeTables());
        QCOMPARE(host.messages, QStringList{"End of Generation"});

        QString expectedPreview;
        const QList<std::pair<QString, QString>> files{{"Notes", "odbc_Notes.cls"},
                                                       {"Order Notes", "odbc_Order_Notes.cls"},
                                                       {"Orders", "odbc_Orders.cls"}};
        for (const auto& [table, golden] : files) {
            const QString path = in.pn + "shop_" + table + ".cls";
            const QByteArray bytes = testsupport::readFileBytes(path);
            QUILLMERE_COMPARE_GOLDEN("classmodule/" + golden, bytes);
            expectedPreview += "\r\n******* " + path + "\r\n" + QString::fromLatin1(bytes.chopped(2));
        }
        QCOMPARE(host.previews[kPreviewVb6], expectedPreview);
    }
};

QTEST_GUILESS_MAIN(ClassModuleOdbcTest)
#include "test_classmodule_odbc.moc"
