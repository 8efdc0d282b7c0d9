// The package generator over the real database layer. No Oracle server is at hand, so
// PostgreSQL stands in for the types and keys it reports. It refuses the Oracle row
// limit " where rownum<2", so the type test runs the column queries without it and a
// second test shows what the refused queries leave.

#include "generators/common/ado_catalogue.h"
#include "generators/oracle/system_ora.h"
#include "platform/text_file.h"
#include "support/fixture_catalogue.h"
#include "support/fixture_db.h"
#include "support/recording_host.h"

#include <QTemporaryDir>
#include <QTest>

using namespace generators;
using platform::ado::Connection;
using platform::ado::DataControl;

namespace
{

RunInputs packageInputs(const QString& folder, const QString& connectionString, const QStringList& tables)
{
    RunInputs in;
    in.pn = folder + QLatin1Char('/');
    in.dbn = QStringLiteral("Pg");
    in.gn = {true, false, false};
    in.gnn[0] = QStringLiteral("PgAccess.vb");
    in.ps = true;
    in.tdn1 = tables;
    in.cnxstr = QStringLiteral("Data Source=orcl");
    in.db_cnxstr = connectionString;
    in.net_ns = QStringLiteral("OracleClient");
    in.net_prefix = QStringLiteral("Oracle");
    return in;
}

struct PackageRun {
    QStringList problems;
    QStringList package;
};

PackageRun runPackages(const RunInputs& in, Catalogue& catalogue)
{
    testsupport::RecordingHost host;
    RunContext ctx(in, catalogue, host);
    system_ora(ctx, int(in.tdn1.size()) - 1);
    return {ctx.problems, platform::readTextLines(in.pn + QStringLiteral("PgAccess.pkg"),
                                                  platform::TextEncoding::Windows1252)
                              .lines};
}

// The lines that follow `line` (its first occurrence) in `lines`.
QStringList after(const QStringList& lines, const QString& line, qsizetype count)
{
    const qsizetype at = lines.indexOf(line);
    return at < 0 ? QStringList() : lines.mid(at + 1, count);
}

} // namespace

class OraclePgTest : public QObject
{
    Q_OBJECT
private slots:
    void typesAndKeysOfARealDatabase()
    {
        if (!testsupport::pgAvailable())
            QSKIP("no PostgreSQL test server");
        const QString pg = testsupport::pgFixture("oracle/package_types_pg.sql");
        QVERIFY(!pg.isEmpty());
        QTemporaryDir dir;
        testsupport::FixtureCatalogue db(pg);
        RunInputs in = packageInputs(dir.path(), pg, {"audit_log", "dept", "order_line"});
        const PackageRun run = runPackages(in, db.catalogue);

        QVERIFY2(run.problems.isEmpty(), qPrintable(run.problems.join('\n')));
        QVERIFY(db.connection && db.connection->state() == platform::ado::adStateOpen);
        QCOMPARE(
            after(run.package, "CREATE OR REPLACE PACKAGE dept_PKG as", 8).mid(3),
            (QStringList{"        z_deptno Number DEFAULT NULL,", "        z_dname Varchar2 DEFAULT NULL,",
                         "        z_opened Date DEFAULT NULL,", "        z_founded Varchar2 DEFAULT NULL,",
                         "        z_staff Varchar2 DEFAULT NULL"}));
        QCOMPARE(after(run.package, "   CURSOR C IS SELECT rowid FROM dept", 2),
                 (QStringList{" where deptno=z_deptno", ";"}));
        QCOMPARE(after(run.package, "   CURSOR C IS SELECT rowid FROM order_line", 3),
                 (QStringList{" where order_id=z_order_id", " and line_no=z_line_no", ";"}));
        QCOMPARE(after(run.package, "   CURSOR C IS SELECT rowid FROM audit_log", 1), QStringList{";"});
    }

    // With the Oracle row limit every column query is refused: the refusal is reported (once,
    // the query being the same each time), the packages keep their fixed lines, and the key
    // still comes from the catalogue.
    void refusedColumnQueriesAreReported()
    {
        if (!testsupport::pgAvailable())
            QSKIP("no PostgreSQL test server");
        const QString pg = testsupport::pgFixture("oracle/package_types_pg.sql");
        QVERIFY(!pg.isEmpty());
        QTemporaryDir dir;
        testsupport::FixtureCatalogue db(pg);
        RunInputs in = packageInputs(dir.path(), pg, {"dept"});
        in.row_limit = QStringLiteral(" where rownum<2");
        const PackageRun run = runPackages(in, db.catalogue);

        QCOMPARE(run.problems.size(), 1); // the same query each time, told once
        for (const QString& problem : run.problems)
            QVERIFY2(problem.startsWith("dept: column query \"SELECT * from dept where rownum<2\""),
                     qPrintable(problem));
        QCOMPARE(after(run.package, "PROCEDURE Insert_Row(z_Rowid IN OUT VARCHAR2,", 1),
                 QStringList{"                   );"});
        QCOMPARE(after(run.package, "   CURSOR C IS SELECT rowid FROM dept", 2),
                 (QStringList{" where deptno=z_deptno", ";"}));
    }

    // Needs no server: nothing listens on the port, so the new connection cannot open.
    void failedReconnectIsReportedOnce()
    {
        const QString nowhere = QStringLiteral(
            "DRIVER={PostgreSQL Unicode};Server=127.0.0.1;Port=1;Database=none;Uid=none;Pwd=;");
        QTemporaryDir dir;
        testsupport::FixtureCatalogue db(nowhere);
        const PackageRun run = runPackages(packageInputs(dir.path(), nowhere, {"A", "B"}), db.catalogue);

        QVERIFY(!run.problems.isEmpty());
        QVERIFY2(run.problems[0].startsWith("The database connection could not be reopened ("),
                 qPrintable(run.problems[0]));
        for (const QString& problem : run.problems)
            QVERIFY2(!problem.contains("primary key"), qPrintable(problem));
        QCOMPARE(run.package.size(), qsizetype(2 * 72));
    }
};

QTEST_GUILESS_MAIN(OraclePgTest)
#include "test_oracle_pg.moc"
