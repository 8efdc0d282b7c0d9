// The Data Browser's own work on Access files, where the driver cannot sort or compare: the
// filters, range searches and sorts done over the rows read, for 300,000 rows of the column
// types of an Access table (Text, Text, Byte, Integer, Long Integer, Double, Date/Time,
// Currency, Yes/No). The rows come from SQLite through the same cursor the browser uses, so
// the figures are the browser's work plus a fast driver's reading; the MDBTools driver's own
// reading speed is measured apart, on a sample file whose table is first filled with rows up
// to the free space of its pages (the library writes rows, but adds no page to a file), and
// adds its per-row cost.
// For each action: the time until the first 100 rows, the time to read every row kept, the
// rows kept and the growth of the process's peak memory.

#include "platform/ado/access_queries.h"
#include "platform/ado/row_cursor.h"
#include "support/fixture_db.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <array>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <malloc.h>
#include <mdbtools.h>

using namespace platform::ado;

namespace
{

constexpr int kRows = 300000;

// Dates as the MDBTools driver writes them; Yes/No as 1 and 0.
const char* const kScript =
    "CREATE TABLE big (A VARCHAR(50), B VARCHAR(100), C INTEGER, D INTEGER, E INTEGER, F DOUBLE, G "
    "VARCHAR(20), H NUMERIC(15,4), I INTEGER);\n"
    "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 299999)\n"
    "INSERT INTO big SELECT 'Row ' || i, 'Name ' || (i * 7919 % 5000), i % 256, i % 30000, i * 7919 % "
    "1000003, i / 7.0, date('2000-01-01', '+' || (i * 7919 % 3650) || ' days') || ' 00:00:00', (i * 7919 % "
    "100000) / 100.0, i % 2 FROM n;\n";

AccessCatalogue bigCatalogue()
{
    AccessTable table;
    table.name = QStringLiteral("big");
    const std::pair<const char*, int> columns[] = {
        {"A", adVarWChar}, {"B", adVarWChar}, {"C", adUnsignedTinyInt}, {"D", adSmallInt}, {"E", adInteger},
        {"F", adDouble},   {"G", adDate},     {"H", adCurrency},        {"I", adBoolean}};
    for (const auto& [name, type] : columns)
        table.columns.append({QString::fromLatin1(name), type});
    AccessCatalogue catalogue;
    catalogue.tables.append(table);
    return catalogue;
}

long statusKb(const char* key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(qstrlen(key)).trimmed().split(' ').first().toLong();
    }
    return 0;
}

void resetPeak()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}

// Runs `sql` as the browser does on an Access file: the plan's rows through a cursor.
bool measure(Connection& db, const AccessCatalogue& catalogue, const char* action, const QString& sql)
{
    malloc_trim(0);
    resetPeak();
    const long before = statusKb("VmRSS:");
    QElapsedTimer timer;
    timer.start();
    AccessQueryPlan plan;
    Status refused;
    std::unique_ptr<RowCursor> cursor;
    Status status;
    if (planAccessQuery(catalogue, sql, QStringLiteral("\""), &plan, &refused)) {
        std::unique_ptr<RowCursor> source;
        status = db.openCursor(plan.source, &source);
        if (status.ok)
            cursor = RowCursor::derived(std::move(source), plan.keep, plan.arrange);
    } else {
        status = refused.ok ? db.openCursor(sql, &cursor) : refused;
    }
    if (!status.ok) {
        std::fprintf(stderr, "bench_access_browser: %s: %s\n", action, qPrintable(status.message));
        return false;
    }
    QList<QStringList> first;
    status = cursor->fetch(100, &first);
    const double firstMs = double(timer.nsecsElapsed()) / 1e6;
    qint64 rest = 0;
    if (status.ok)
        status = cursor->readToEnd(&rest);
    const double allMs = double(timer.nsecsElapsed()) / 1e6;
    std::printf("%-34s  first rows %7.0f ms  every row %7.0f ms  rows %7lld  peak +%6.1f MB\n", action,
                firstMs, allMs, qint64(first.size()) + rest, double(statusKb("VmHWM:") - before) / 1024.0);
    std::fflush(stdout);
    return status.ok;
}

// Adds rows to Table1 of a copy of testV2007.accdb (Text, Text, Byte, Integer, Long Integer,
// Double, Date/Time, Currency, Yes/No) until its pages are full; the number added.
int fillTable(const QString& path)
{
    MdbHandle* mdb = mdb_open(QFile::encodeName(path).constData(), MDB_WRITABLE);
    if (!mdb)
        return 0;
    char name[] = "Table1";
    MdbTableDef* table = mdb_read_table_by_name(mdb, name, MDB_TABLE);
    int added = 0;
    if (table && mdb_read_columns(table)) {
        mdb_read_indices(table);
        std::vector<MdbField> fields(table->num_cols);
        std::vector<std::array<unsigned char, 256>> values(table->num_cols);
        for (bool room = true; room && added < 100000; ++added) {
            const std::int64_t k = std::int64_t(added) * 7919 % 1000003;
            for (guint i = 0; i < table->num_cols; ++i) {
                auto* column = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
                MdbField& f = fields[i];
                f = MdbField{};
                f.value = values[i].data();
                f.colnum = int(i);
                f.is_fixed = mdb_is_fixed_col(column);
                const auto put = [&](const auto& v) {
                    std::memcpy(values[i].data(), &v, sizeof v);
                    f.siz = int(sizeof v);
                };
                switch (column->col_type) {
                case MDB_TEXT: {
                    const QByteArray text = QStringLiteral("Name %1").arg(k % 5000).toLatin1();
                    f.siz = mdb_ascii2unicode(mdb, text.constData(), 0,
                                              reinterpret_cast<char*>(values[i].data()), values[i].size());
                    break;
                }
                case MDB_BYTE:
                    put(std::uint8_t(k % 256));
                    break;
                case MDB_INT:
                    put(std::int16_t(k % 30000));
                    break;
                case MDB_LONGINT:
                    put(std::int32_t(k));
                    break;
                case MDB_DOUBLE:
                    put(double(k) / 7.0);
                    break;
                case MDB_DATETIME:
                    put(double(36526 + k % 3650));
                    break;
                case MDB_MONEY:
                    put(std::int64_t(k % 100000) * 100);
                    break;
                default: // Yes/No lives in the null mask
                    f.is_null = k % 2 == 0;
                }
            }
            room = mdb_insert_row(table, int(table->num_cols), fields.data()) != 0;
        }
        --added;
        mdb_free_tabledef(table);
    }
    mdb_close(mdb);
    return std::max(added, 0);
}

// The MDBTools driver's reading speed: a sample file's table read again and again.
bool driverSpeed()
{
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("testV2007.accdb"));
    if (!QFile::copy(QStringLiteral(QUILLMERE_FIXTURES_DIR "/access/testV2007.accdb"), copy))
        return false;
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    // The library's notes on what it leaves undone (the indexes, a new page) are not wanted.
    std::fflush(stdout);
    std::fflush(stderr);
    const int savedOut = dup(1), savedErr = dup(2);
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, 1);
    dup2(null, 2);
    const int added = fillTable(copy);
    std::fflush(stdout);
    std::fflush(stderr);
    dup2(savedOut, 1);
    dup2(savedErr, 2);
    for (int fd : {null, savedOut, savedErr})
        close(fd);
    std::printf("MDBTools driver: Table1 of testV2007.accdb filled to %d rows\n", added + 2);
    Connection db;
    if (!db.open(QStringLiteral("Provider=Microsoft.ACE.OLEDB.12.0;Data Source=") + copy).ok)
        return false;
    constexpr int kReads = 500;
    qint64 rows = 0;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < kReads; ++i) {
        std::unique_ptr<RowCursor> cursor;
        qint64 read = 0;
        if (!db.openCursor(QStringLiteral("SELECT * from Table1"), &cursor).ok ||
            !cursor->readToEnd(&read).ok)
            return false;
        rows += read;
    }
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    std::printf("MDBTools driver, 9 columns: %lld rows in %.0f ms (%d statements), %.1f us a row with its "
                "statement\n",
                rows, ms, kReads, ms * 1000.0 / double(rows));
    std::printf("MDBTools driver: %d rows would take about %.1f s to read\n", kRows,
                ms / double(rows) * kRows / 1000.0);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QTemporaryDir dir;
    const QString script = dir.filePath(QStringLiteral("big.sql"));
    QFile file(script);
    if (!file.open(QIODevice::WriteOnly) || file.write(kScript) < 0)
        return 1;
    file.close();
    std::printf("building the %d-row table...\n", kRows);
    std::fflush(stdout);
    const QString sqlite = testsupport::sqliteFixture(script, dir.path());
    Connection db;
    if (sqlite.isEmpty() || !db.open(sqlite).ok) {
        std::fprintf(stderr, "bench_access_browser: the SQLite table could not be built\n");
        return 1;
    }
    const AccessCatalogue catalogue = bigCatalogue();
    const struct {
        const char* action;
        const char* sql;
    } actions[] = {
        {"read every row (no browser work)", "SELECT * from big"},
        {"filter contains '99' (text)", "SELECT * from big where B like '%99%'"},
        {"filter equal (long integer)", "SELECT * from big where E = '7919'"},
        {"range of one January (date)", "SELECT * from big where G >= {ts '2005-01-01 00:00:00'} and G <= "
                                        "{ts '2005-01-31 00:00:00'}"},
        {"range 10..20 (currency)", "SELECT * from big where H >= 10 and H <= 20"},
        {"sort text desc", "SELECT * from big order by B desc"},
        {"sort date asc", "SELECT * from big order by G asc"},
        {"sort currency desc", "SELECT * from big order by H desc"},
    };
    bool ok = true;
    for (const auto& a : actions)
        ok = measure(db, catalogue, a.action, QString::fromLatin1(a.sql)) && ok;
    ok = driverSpeed() && ok;
    return ok ? 0 : 1;
}
