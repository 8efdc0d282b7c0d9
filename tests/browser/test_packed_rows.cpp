// The grid's packed row store gives back every value as it was read, across batches,
// empty values and rows short of values included.
#include "browser/packed_rows.h"

#include <QTest>

using browser::PackedRows;

class PackedRowsTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        rows.reset(3);
        rows.append({{"1", "Ada", "ada@example.org"}, {"2", "", "x"}, {"3", "O'Brien"}});
        rows.append({{"4", "Élise", ""}});
        rows.append({{"", "", ""}, {"6", "last", "row", "extra"}});
    }

    void values_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("value");
        QTest::newRow("first value") << 0 << 0 << "1";
        QTest::newRow("first row, last value") << 0 << 2 << "ada@example.org";
        QTest::newRow("empty between values") << 1 << 1 << "";
        QTest::newRow("after an empty value") << 1 << 2 << "x";
        QTest::newRow("missing value") << 2 << 2 << "";
        QTest::newRow("second batch") << 3 << 1 << "Élise";
        QTest::newRow("empty row") << 4 << 1 << "";
        QTest::newRow("last batch, extra value dropped") << 5 << 2 << "row";
    }
    void values()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, value);
        QCOMPARE(rows.rowCount(), 6);
        QCOMPARE(rows.value(row, column), value);
    }

    void resetEmpties()
    {
        rows.reset(1);
        QCOMPARE(rows.rowCount(), 0);
        rows.append({{"only"}});
        QCOMPARE(rows.value(0, 0), QStringLiteral("only"));
    }

private:
    PackedRows rows;
};

QTEST_GUILESS_MAIN(PackedRowsTest)
#include "test_packed_rows.moc"
