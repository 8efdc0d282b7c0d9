// Web.config: where it goes, its bytes, and the connection string made safe for XML.

#include "generators/dataclasses/web_config_writer.h"
#include "test_dataclasses_support.h"

#include <QTest>
#include <QXmlStreamReader>

using namespace generators;
using namespace dataclassestest;

class WebConfigTest : public QObject
{
    Q_OBJECT
private slots:
    void attributeValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("ordinary string unchanged") << "Provider=SQLOLEDB.1;Data Source=srv;User ID='sa'"
                                                   << "Provider=SQLOLEDB.1;Data Source=srv;User ID='sa'";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("ampersand") << "Password=a&b"
                                   << "Password=a&amp;b";
        QTest::newRow("angle brackets") << "<x>"
                                        << "&lt;x&gt;";
        QTest::newRow("double quote") << "Password=\"q\""
                                      << "Password=&quot;q&quot;";
        QTest::newRow("entity text is escaped again") << "&amp;"
                                                      << "&amp;amp;";
        QTest::newRow("Latin-1 letter") << QString::fromUtf8("Caf\xc3\xa9") << "Caf&#233;";
        QTest::newRow("euro sign") << QString::fromUtf8("\xe2\x82\xac") << "&#8364;";
        QTest::newRow("outside the basic plane") << QString::fromUtf8("\xf0\x9f\x98\x80") << "&#128512;";
        QTest::newRow("lone surrogate") << QString(QChar(0xd800)) << "&#65533;";
    }
    void attributeValue()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(dataclasses::xmlAttributeValue(text), expected);
    }

    // An ordinary run writes into the output folder, a solution run into the project
    // folder; neither touches a preview, and the other folder gets nothing.
    void folderAndBytes_data()
    {
        QTest::addColumn<bool>("solution");
        QTest::newRow("output folder") << false;
        QTest::newRow("project folder") << true;
    }
    void folderAndBytes()
    {
        QFETCH(bool, solution);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("project"));
        testsupport::ScriptedCatalogue catalogue;
        scriptShop(catalogue);
        ContGenRun run;
        run.in = shopInputs(dir.path(), {"ORDERS"});
        run.in.gn = {false, false, false};
        run.in.gwcf = true;
        run.in.dbn = QString::fromUtf8("Caf\xc3\xa9_");
        run.in.cnxstr =
            QString::fromUtf8("Provider=SQLOLEDB.1;Data Source=srv;User ID=sa;Password=\"R&D<\xc3\xa9>\"");
        run.in.solutionVisible = solution;
        run.in.ppg = dir.path() + "/project/";
        run.catalogue = &catalogue;
        run.run();

        const QString written = (solution ? run.in.ppg : run.in.pn) + "Web.config";
        const QString other = (solution ? run.in.pn : run.in.ppg) + "Web.config";
        QUILLMERE_COMPARE_GOLDEN("dataclasses/Web.config", testsupport::readFileBytes(written));
        QVERIFY(!QFile::exists(other));
        // The file is well-formed, and an XML reader gets the key and the connection string back.
        QXmlStreamReader xml(testsupport::readFileBytes(written));
        QString key, value;
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"add") {
                key = xml.attributes().value("key").toString();
                value = xml.attributes().value("value").toString();
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(key, run.in.dbn + "cnxstr");
        QCOMPARE(value, run.in.cnxstr);
        QVERIFY(run.host.previews.isEmpty());
        QVERIFY(run.host.shownPreviews.isEmpty());
        QCOMPARE(run.host.messages, solution ? QStringList{} : QStringList{"End of Generation"});
    }

    void emptyValues()
    {
        QTemporaryDir dir;
        testsupport::ScriptedCatalogue catalogue;
        ContGenRun run;
        run.in = shopInputs(dir.path(), {"ORDERS"});
        run.in.gn = {false, false, false};
        run.in.gwcf = true;
        run.in.dbn.clear();
        run.in.cnxstr.clear();
        run.catalogue = &catalogue;
        run.run();
        const QList<QByteArray> lines = byteLines(run.bytes("Web.config"));
        QCOMPARE(lines.size(), 17);
        QCOMPARE(lines[3], QByteArray("  <add key=\"cnxstr\" value=\"\" />"));
    }

    // Without the option an existing file stays as it was; an unwritable folder is
    // reported and the run still ends.
    void notWritten_data()
    {
        QTest::addColumn<bool>("gwcf");
        QTest::addColumn<QString>("folder"); // below the temporary folder
        QTest::addColumn<int>("problems");
        QTest::newRow("option off") << false << "" << 0;
        QTest::newRow("missing folder") << true << "missing/" << 1;
    }
    void notWritten()
    {
        QFETCH(bool, gwcf);
        QFETCH(QString, folder);
        QFETCH(int, problems);
        QTemporaryDir dir;
        QFile old(dir.filePath("Web.config"));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();
        testsupport::ScriptedCatalogue catalogue;
        ContGenRun run;
        run.in = shopInputs(dir.path(), {"ORDERS"});
        run.in.pn = dir.path() + '/' + folder;
        run.in.gn = {false, false, false};
        run.in.gwcf = gwcf;
        run.catalogue = &catalogue;
        run.run();
        QCOMPARE(testsupport::readFileBytes(dir.filePath("Web.config")), QByteArray("old"));
        QCOMPARE(run.problems.size(), problems);
        QCOMPARE(run.host.messages.size(), 1);
        QVERIFY(run.host.messages.first().startsWith("End of Generation"));
    }
};

QTEST_GUILESS_MAIN(WebConfigTest)
#include "test_webconfig.moc"
