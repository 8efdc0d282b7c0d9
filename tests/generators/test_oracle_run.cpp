// A whole VB.NET run in stored-procedure mode: the package writer, the data manager
// module and the closing pass have to meet in files that compile together.

#include "generators/vbnet/generation_run.h"
#include "platform/text_file.h"
#include "support/golden.h"
#include "support/recording_host.h"
#include "support/scripted_catalogue.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace generators;

namespace
{

ForeignKeyRow foreignKey(const QString& parent, const QString& parentColumn, const QString& child,
                         const QString& childColumn)
{
    ForeignKeyRow row;
    row.pkTable = parent;
    row.pkColumn = parentColumn;
    row.fkTable = child;
    row.fkColumn = childColumn;
    row.ordinal = 1;
    return row;
}

QStringList fileLines(const QString& path)
{
    return platform::readTextLines(path, platform::TextEncoding::Windows1252).lines;
}

// Names of the DAL members that a module calls.
QSet<QString> dalCalls(const QStringList& lines)
{
    static const QRegularExpression call(QStringLiteral(R"(\bDAL\.(\w+))"));
    QSet<QString> names;
    for (const QString& line : lines) {
        for (auto it = call.globalMatch(line); it.hasNext();)
            names.insert(it.next().captured(1));
    }
    return names;
}

// Every box ticked, stored-procedure mode, the inputs an Oracle connect leaves.
RunInputs scottInputs(const QString& folder)
{
    RunInputs in;
    in.pn = folder + QLatin1Char('/');
    in.dbn = QStringLiteral("Scott");
    in.gn = {true, true, true};
    in.gnn = {QStringLiteral("ScottAccess.vb"), QStringLiteral("ScottManager.vb"),
              QStringLiteral("ScottClasses.vb")};
    in.gcfk = true;
    in.ps = true;
    in.gwcf = true;
    in.tdn1 = QStringList{"DEPT", "EMP"};
    in.cnxstr = QStringLiteral("Data Source=orcl;User ID=scott");
    in.db_cnxstr = in.cnxstr;
    in.net_ns = QStringLiteral("OracleClient");
    in.net_prefix = QStringLiteral("Oracle");
    in.from_dual = QStringLiteral(" from dual");
    in.row_limit = QStringLiteral(" where rownum<2");
    return in;
}

void scriptScott(testsupport::ScriptedCatalogue& catalogue)
{
    catalogue.setTableColumns("DEPT", {{"DEPTNO", 131}, {"DNAME", 200}});
    catalogue.setPrimaryKey("DEPT", {"DEPTNO"});
    catalogue.setTableColumns("EMP", {{"EMPNO", 139}, {"ENAME", 200}, {"HIREDATE", 135}, {"DEPTNO", 131}});
    catalogue.setPrimaryKey("EMP", {"EMPNO"});
    catalogue.setForeignKeys({foreignKey("DEPT", "DEPTNO", "EMP", "DEPTNO")});
}

} // namespace

class OracleRunTest : public QObject
{
    Q_OBJECT
private slots:
    void everyBoxTicked()
    {
        QTemporaryDir dir;
        const RunInputs in = scottInputs(dir.path());
        testsupport::ScriptedCatalogue catalogue;
        scriptScott(catalogue);
        testsupport::RecordingHost host;
        RunContext ctx(in, catalogue, host);

        vbnet::runGeneration(ctx);

        QVERIFY2(ctx.problems.isEmpty(), qPrintable(ctx.problems.join('\n')));
        QCOMPARE(host.messages, QStringList{"End of Generation"});
        QCOMPARE(catalogue.reconnects, 1);
        // Every pass took its steps: the package writer two per table among them.
        QCOMPARE(host.progressMax, 14.0);
        QCOMPARE(host.progress, host.progressMax);
        QCOMPARE(host.shownPreviews.value(0), int(kPreviewOracle));

        const QStringList access = fileLines(dir.filePath("ScottAccess.vb"));
        const QStringList manager = fileLines(dir.filePath("ScottManager.vb"));
        const QStringList classes = fileLines(dir.filePath("ScottClasses.vb"));
        const QByteArray accessBytes = testsupport::readFileBytes(dir.filePath("ScottAccess.vb"));
        QUILLMERE_COMPARE_GOLDEN("oracle/run_access.vb", accessBytes);
        const QByteArray packageBytes = testsupport::readFileBytes(dir.filePath("ScottAccess.pkg"));
        QUILLMERE_COMPARE_GOLDEN("oracle/run.pkg", packageBytes);

        // Each module opens and closes its namespace once, the closing line last.
        const QList<std::pair<const char*, const QStringList*>> modules{
            {"access", &access}, {"manager", &manager}, {"classes", &classes}};
        for (const auto& [name, lines] : modules) {
            QVERIFY2(!lines->isEmpty(), name);
            QCOMPARE(lines->count("NameSpace Common.Data.Pkg"), qsizetype(1));
            QCOMPARE(lines->count("End NameSpace"), qsizetype(1));
            QCOMPARE(lines->last(), QStringLiteral("End NameSpace"));
        }

        // DAL is closed once, after the join reader, which therefore sits inside it.
        QCOMPARE(access.count("Public Class DAL"), qsizetype(1));
        QCOMPARE(access.count("End Class"), qsizetype(1));
        QCOMPARE(access[access.size() - 2], QStringLiteral("End Class"));
        const qsizetype joinReader = access.indexOf(
            "    Public Shared Function GetEMP_DEPTReader(ByVal z_EMP_DEPT as EMP_DEPT) As IDataReader");
        QVERIFY(joinReader > access.indexOf("Public Class DAL"));
        QVERIFY(joinReader < access.indexOf("End Class"));

        // Every DAL member the other modules call exists in the package data access module.
        QSet<QString> members;
        static const QRegularExpression member(
            QStringLiteral(R"(^\s+Public Shared (?:Function|Sub) (\w+)\()"));
        for (const QString& line : access) {
            const QRegularExpressionMatch m = member.match(line);
            if (m.hasMatch())
                members.insert(m.captured(1));
        }
        const QSet<QString> called = dalCalls(manager) + dalCalls(classes);
        QVERIFY(called.contains("DelEMP"));
        for (const QString& name : called)
            QVERIFY2(members.contains(name), qPrintable(name));
    }

    // A connection that cannot be reopened is one problem: the foreign-key scan that fails
    // after it says nothing more, and the run still ends with its message.
    void failedReconnectIsToldOnce()
    {
        QTemporaryDir dir;
        const RunInputs in = scottInputs(dir.path());
        testsupport::ScriptedCatalogue catalogue;
        scriptScott(catalogue);
        catalogue.reconnectFails = true;
        catalogue.foreignKeysFail = true; // as a closed connection answers
        testsupport::RecordingHost host;
        RunContext ctx(in, catalogue, host);

        vbnet::runGeneration(ctx);

        QCOMPARE(catalogue.reconnects, 1);
        const QString reconnect = "The database connection could not be reopened (scripted failure)";
        QCOMPARE(ctx.problems, QStringList{reconnect});
        QCOMPARE(host.messages, QStringList{"End of Generation\n" + reconnect});
        QVERIFY(QFile::exists(dir.filePath("ScottAccess.pkg")));
    }
};

QTEST_GUILESS_MAIN(OracleRunTest)
#include "test_oracle_run.moc"
