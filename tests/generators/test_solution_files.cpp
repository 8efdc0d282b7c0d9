// The solution files: every file byte for byte, the solution file's name, the project file's
// references and file list, the style-sheet copy, and files that cannot be written.

#include "generators/web/solution_files.h"
#include "support/golden.h"
#include "support/recording_host.h"
#include "support/scripted_catalogue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using generators::web::SolutionInputs;

namespace
{

const QString kGuid = QStringLiteral("{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}");

// Folders as the solution run prepares them: <dir>/sol/ and <dir>/sol/Shop_Web/.
SolutionInputs shopSolution(const QString& dir)
{
    SolutionInputs in;
    in.sng = QStringLiteral("Shop_");
    in.spg = dir + QStringLiteral("/sol/");
    in.png = QStringLiteral("Shop_Web");
    in.ppg = in.spg + in.png + QLatin1Char('/');
    in.gnn = {QStringLiteral("Shop_Access.vb"), QStringLiteral("Shop_Manager.vb"),
              QStringLiteral("Shop_Classes.vb")};
    in.tdn1 = QStringList{QStringLiteral("Customers"), QStringLiteral("Order Lines")};
    in.psEnabled = true;
    in.newGuid = [] { return kGuid; };
    QDir().mkpath(in.ppg);
    return in;
}

struct SolutionRun {
    testsupport::RecordingHost host;
    testsupport::ScriptedCatalogue catalogue;
    QStringList problems;

    void run(const SolutionInputs& in)
    {
        generators::RunContext ctx(generators::RunInputs{}, catalogue, host);
        generators::web::writeSolutionFiles(ctx, in);
        problems = ctx.problems;
    }
};

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

} // namespace

class SolutionFilesTest : public QObject
{
    Q_OBJECT
private slots:
    // One solution of two tables, an Oracle-capable connection and all three modules. Files
    // from an earlier, longer run are replaced; one GUID serves the project and the solution.
    void everyFileByteForByte()
    {
        QTemporaryDir dir;
        SolutionInputs in = shopSolution(dir.path());
        int guids = 0;
        in.newGuid = [&guids] {
            ++guids;
            return kGuid;
        };
        writeBytes(in.ppg + "AssemblyInfo.vb", QByteArray(4000, 'x'));
        writeBytes(in.spg + "Shop.sln", QByteArray(4000, 'x'));
        SolutionRun run;
        run.run(in);

        // No style sheet was named: the one problem of the run.
        QCOMPARE(run.problems, QStringList{in.ppg + "Styles.css: not written, no style sheet is named"});
        QCOMPARE(guids, 1);
        const QList<std::pair<QString, QString>> files = {
            {"solution_AssemblyInfo.vb", in.ppg + "AssemblyInfo.vb"},
            {"solution_Global.asax", in.ppg + "Global.asax"},
            {"solution_Global.asax.resx", in.ppg + "Global.asax.resx"},
            {"solution_Global.asax.vb", in.ppg + "Global.asax.vb"},
            {"solution_Shop_Web.vbproj", in.ppg + "Shop_Web.vbproj"},
            {"solution_Shop_Web.vbproj.webinfo", in.ppg + "Shop_Web.vbproj.webinfo"},
            {"solution_Shop.sln", in.spg + "Shop.sln"},
        };
        for (const auto& [golden, path] : files)
            QUILLMERE_COMPARE_GOLDEN("web/" + golden, testsupport::readFileBytes(path));
        // Nothing else: no style sheet was named, and the files show in no preview.
        QCOMPARE(QDir(in.ppg).entryList(QDir::Files).size(), 6);
        QCOMPARE(QDir(in.spg).entryList(QDir::Files), QStringList{"Shop.sln"});
        QVERIFY(run.host.previews.isEmpty());
        QCOMPARE(run.host.yields, 0);

        const QByteArray project = testsupport::readFileBytes(in.ppg + "Shop_Web.vbproj");
        const QByteArray solution = testsupport::readFileBytes(in.spg + "Shop.sln");
        QCOMPARE(project.count(kGuid.toLatin1()), 1);
        QCOMPARE(solution.count(kGuid.toLatin1()), 5);
    }

    // Modules switched off still have their Data_Access entries; without the stored-procedure
    // connection kind there is no Oracle reference; no chosen table, no page entries.
    void projectWithModulesOffAndNoTable()
    {
        QTemporaryDir dir;
        SolutionInputs in = shopSolution(dir.path());
        in.gnn = {QStringLiteral("Shop_Access.vb"), QString(), QString()};
        in.tdn1.clear();
        in.psEnabled = false;
        SolutionRun run;
        run.run(in);
        QUILLMERE_COMPARE_GOLDEN("web/solution_modules_off.vbproj",
                                 testsupport::readFileBytes(in.ppg + "Shop_Web.vbproj"));
    }

    void solutionFileName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("project");
        QTest::addColumn<QString>("solutionFile");
        QTest::newRow("one trailing underscore dropped") << "db_"
                                                         << "db_Web"
                                                         << "db.sln";
        QTest::newRow("two underscores: only one dropped") << "db__"
                                                           << "db__Web"
                                                           << "db_.sln";
        QTest::newRow("no underscore") << "Shop"
                                       << "ShopWeb"
                                       << "Shop.sln";
        QTest::newRow("inner underscore stays") << "my_db"
                                                << "my_dbWeb"
                                                << "my_db.sln";
    }
    void solutionFileName()
    {
        QFETCH(QString, name);
        QFETCH(QString, project);
        QFETCH(QString, solutionFile);
        QTemporaryDir dir;
        SolutionInputs in = shopSolution(dir.path());
        in.sng = name;
        in.png = project;
        in.ppg = in.spg + project + '/';
        QDir().mkpath(in.ppg);
        SolutionRun run;
        run.run(in);

        QCOMPARE(QDir(in.spg).entryList(QDir::Files), QStringList{solutionFile});
        QVERIFY(QFile::exists(in.ppg + project + ".vbproj"));
        QVERIFY(QFile::exists(in.ppg + project + ".vbproj.webinfo"));
        // The project keeps the whole name, in the solution file too.
        const QByteArray sln = testsupport::readFileBytes(in.spg + solutionFile);
        QVERIFY(sln.contains(") = \"" + project.toLatin1() + "\", \"http://localhost/" + project.toLatin1() +
                             "/" + project.toLatin1() + ".vbproj\", \""));
    }

    // The copy ends every line with CR LF and keeps the bytes of each line as they are.
    void styleSheetCopy_data()
    {
        QTest::addColumn<QByteArray>("sheet");
        QTest::addColumn<QByteArray>("copy");
        QTest::newRow("LF lines") << QByteArray("a { }\nb { }\n") << QByteArray("a { }\r\nb { }\r\n");
        QTest::newRow("CR LF lines unchanged")
            << QByteArray("a { }\r\n\r\nb\r\n") << QByteArray("a { }\r\n\r\nb\r\n");
        QTest::newRow("last line without line end")
            << QByteArray("a { }\r\nb { color: red; }") << QByteArray("a { }\r\nb { color: red; }\r\n");
        QTest::newRow("empty sheet") << QByteArray() << QByteArray();
        QTest::newRow("blanks kept") << QByteArray("  x  \n") << QByteArray("  x  \r\n");
        // UTF-8 text whose bytes include one that Windows-1252 leaves undefined (0x81).
        QTest::newRow("bytes kept") << QByteArray("/* \xc3\x81rea \xe2\x82\xac */\n")
                                    << QByteArray("/* \xc3\x81rea \xe2\x82\xac */\r\n");
    }
    void styleSheetCopy()
    {
        QFETCH(QByteArray, sheet);
        QFETCH(QByteArray, copy);
        QTemporaryDir dir;
        SolutionInputs in = shopSolution(dir.path());
        in.stcss = dir.filePath("look.css");
        writeBytes(in.stcss, sheet);
        SolutionRun run;
        run.run(in);
        QCOMPARE(testsupport::readFileBytes(in.ppg + "Styles.css"), copy);
        QCOMPARE(testsupport::readFileBytes(in.stcss), sheet);
        QVERIFY(run.problems.isEmpty());
    }

    // A sheet that does not open gives no copy; the project still lists it, so the run names
    // the sheet as a problem.
    void styleSheetThatDoesNotOpen_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("problem");
        QTest::newRow("empty path") << ""
                                    << "no style sheet is named";
        QTest::newRow("missing file") << "missing.css"
                                      << "the style sheet <dir>/missing.css does not exist";
        QTest::newRow("a folder") << "sheets/"
                                  << "the style sheet <dir>/sheets/ is not a file";
        QTest::newRow("a FIFO, not waited on") << "pipe.css"
                                               << "the style sheet <dir>/pipe.css is not a file";
        QTest::newRow("unreadable file")
            << "locked.css"
            << "the style sheet <dir>/locked.css cannot be read (Permission denied)";
    }
    void styleSheetThatDoesNotOpen()
    {
        QFETCH(QString, sheet);
        QFETCH(QString, problem);
        QTemporaryDir dir;
        QDir(dir.path()).mkdir("sheets");
        SolutionInputs in = shopSolution(dir.path());
        in.stcss = sheet.isEmpty() ? sheet : dir.filePath(sheet);
        if (sheet == "pipe.css")
            QCOMPARE(::mkfifo(QFile::encodeName(in.stcss).constData(), 0600), 0);
        if (sheet == "locked.css") {
            writeBytes(in.stcss, "a { }\n");
            QFile(in.stcss).setPermissions(QFileDevice::WriteOwner);
            if (QFile(in.stcss).open(QIODevice::ReadOnly))
                QSKIP("the file stays readable (the test runs with every file permission)");
        }
        SolutionRun run;
        run.run(in);
        QVERIFY(!QFile::exists(in.ppg + "Styles.css"));
        QVERIFY(testsupport::readFileBytes(in.ppg + "Shop_Web.vbproj").contains("RelPath = \"Styles.css\""));
        QCOMPARE(run.problems,
                 QStringList{in.ppg + "Styles.css: not written, " + problem.replace("<dir>", dir.path())});
    }

    // The sheet chosen is the project's own Styles.css: a second run copies it onto itself
    // without losing it.
    void styleSheetCopiedOntoItself()
    {
        QTemporaryDir dir;
        SolutionInputs in = shopSolution(dir.path());
        in.stcss = in.ppg + "Styles.css";
        writeBytes(in.stcss, "body { margin: 0 }\n");
        SolutionRun run;
        run.run(in);
        QCOMPARE(testsupport::readFileBytes(in.stcss), QByteArray("body { margin: 0 }\r\n"));
    }

    // A FIFO at a file's name in the project folder is not waited on: that file is named
    // under the end message as one that cannot be opened, and the others are written.
    void fifoInPlaceOfAFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("written line by line") << "Global.asax";
        QTest::newRow("the style sheet's copy") << "Styles.css";
    }
    void fifoInPlaceOfAFile()
    {
        QFETCH(QString, name);
        QTemporaryDir dir;
        SolutionInputs in = shopSolution(dir.path());
        in.stcss = dir.filePath("look.css");
        writeBytes(in.stcss, "a { }\n");
        QCOMPARE(::mkfifo(QFile::encodeName(in.ppg + name).constData(), 0600), 0);
        SolutionRun run;
        run.run(in);
        QCOMPARE(run.problems,
                 QStringList{in.ppg + name + ": cannot be opened (" + name + " is not a regular file)"});
        QVERIFY(QFileInfo(in.ppg + "Shop_Web.vbproj").isFile());
        QVERIFY(QFileInfo(in.ppg + (name == "Styles.css" ? "Global.asax" : "Styles.css")).isFile());
    }

    // A missing project folder: its files are not written and are told under the end
    // message; the solution file is still written.
    void missingProjectFolder()
    {
        QTemporaryDir dir;
        SolutionInputs in = shopSolution(dir.path());
        in.ppg = in.spg + "missing/";
        in.stcss = dir.filePath("look.css");
        writeBytes(in.stcss, "a { }\n");
        SolutionRun run;
        run.run(in);

        QVERIFY(!QFile::exists(in.ppg));
        QCOMPARE(run.problems.size(), 7);
        for (const QString name : {"AssemblyInfo.vb", "Global.asax", "Global.asax.resx", "Global.asax.vb",
                                   "Styles.css", "Shop_Web.vbproj", "Shop_Web.vbproj.webinfo"})
            QVERIFY2(run.problems.filter(in.ppg + name + ": ").size() == 1, qPrintable(name));
        QUILLMERE_COMPARE_GOLDEN("web/solution_Shop.sln", testsupport::readFileBytes(in.spg + "Shop.sln"));
    }

    // Without an injected source the GUID comes from the platform, in its registry form.
    void platformGuid()
    {
        QTemporaryDir dir;
        SolutionInputs in = shopSolution(dir.path());
        in.newGuid = nullptr;
        SolutionRun run;
        run.run(in);
        const QString project = QString::fromLatin1(testsupport::readFileBytes(in.ppg + "Shop_Web.vbproj"));
        const QRegularExpressionMatch guid =
            QRegularExpression(
                QStringLiteral("ProjectGuid = \"(\\{[0-9A-F]{8}(-[0-9A-F]{4}){3}-[0-9A-F]{12}\\})\""))
                .match(project);
        QVERIFY(guid.hasMatch());
        QCOMPARE(testsupport::readFileBytes(in.spg + "Shop.sln").count(guid.captured(1).toLatin1()), 5);
    }
};

QTEST_MAIN(SolutionFilesTest)
#include "test_solution_files.moc"
