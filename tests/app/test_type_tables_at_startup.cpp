#include "app/main_window.h"
#include "app/program.h"
#include "support/temp_home.h"

#include <QSet>
#include <QTest>

// The tables the start-up fills, checked against the full list of codes: every listed
// code exactly (blanks included), every other code of 0..300 empty in all three.
class TypeTablesAtStartupTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        program.setEndStep([] {});
        program.start();
    }

    void listed_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("vb");
        QTest::addColumn<QString>("quote");
        QTest::addColumn<QString>("net");
        const struct {
            int code;
            const char *vb, *quote, *net;
        } rows[] = {
            {0, "String", "'", "String"},     {2, "Integer", "", "Integer"},   {3, "Long", "", "Integer"},
            {4, "Single", "", "Decimal"},     {5, "Double", "", "Decimal"},    {6, "Currency", "", " Decimal "},
            {7, "Date", "#", "Date"},         {8, "String", "'", "String"},    {9, "String", "'", "String"},
            {10, "String", "'", "String"},    {11, "Boolean", "", "Boolean"},  {12, "Variant", "'", " String "},
            {13, "String", "'", "String"},    {14, "Double", "", "Decimal"},   {16, "Integer", "", "Integer"},
            {17, "Integer", "", "Integer"},   {18, "Long", "", "Integer"},     {19, "Variant", "", "Integer"},
            {20, "Variant", "", "Decimal"},   {21, "Variant", "", "Decimal"},  {72, "String", "'", "String"},
            {128, "Byte", "", "Byte"},        {129, "String", "'", "String"},  {130, "String", "'", "String"},
            {131, "Double", "", "Decimal"},   {132, "String", "'", "String"},  {133, "Date", "#", "Date"},
            {134, "Date", "#", "Date"},       {135, "Date", "#", "Date"},      {139, "Double", "", "Decimal"},
            {200, "String", "'", "String"},   {201, "String", "'", "String"},  {202, "String", "'", "String"},
            {203, "String", "'", "String"},   {204, "Byte", "'", "Byte"},      {205, "String", "'", "String"},
        };
        for (const auto& row : rows)
            QTest::addRow("code %d", row.code) << row.code << row.vb << row.quote << row.net;
    }
    void listed()
    {
        QFETCH(int, code);
        QFETCH(QString, vb);
        QFETCH(QString, quote);
        QFETCH(QString, net);
        const generators::TypeTables& tables = program.window()->form().typeTables;
        QCOMPARE(tables.vb_types[std::size_t(code)], vb);
        QCOMPARE(tables.sql_quotes[std::size_t(code)], quote);
        QCOMPARE(tables.net_types[std::size_t(code)], net);
    }

    void everyOtherCodeIsEmpty()
    {
        const QSet<int> listed{0,   2,   3,   4,   5,   6,   7,   8,   9,   10,  11,  12,  13,  14,  16,  17,  18, 19,
                               20,  21,  72,  128, 129, 130, 131, 132, 133, 134, 135, 139, 200, 201, 202, 203, 204, 205};
        const generators::TypeTables& tables = program.window()->form().typeTables;
        for (int code = 0; code <= 300; ++code) {
            if (listed.contains(code))
                continue;
            QVERIFY2(tables.vb_types[std::size_t(code)].isEmpty(), qPrintable(QString::number(code)));
            QVERIFY2(tables.sql_quotes[std::size_t(code)].isEmpty(), qPrintable(QString::number(code)));
            QVERIFY2(tables.net_types[std::size_t(code)].isEmpty(), qPrintable(QString::number(code)));
        }
        QCOMPARE(generators::TypeTables::lookup(tables.net_types, 301), QString());
        QCOMPARE(generators::TypeTables::lookup(tables.vb_types, -1), QString());
    }

private:
    testsupport::TempHome home;
    app::Program program;
};

QTEST_MAIN(TypeTablesAtStartupTest)
#include "test_type_tables_at_startup.moc"
