// The values the browser takes from an Access file where the driver's text is wrong: dates
// as Jet stores them and Text values as Jet 4 and later store them.

#include "platform/ado/access_stored_values.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace platform::ado;

class AccessStoredValuesTest : public QObject
{
    Q_OBJECT
private slots:
    // Jet's stored dates: whole days from 1899-12-30, the fraction the time of that day, also
    // before day 0 (-1.25 is the day before at 06:00, not 18:00).
    void storedDates_data()
    {
        QTest::addColumn<double>("stored");
        QTest::addColumn<QString>("text");
        QTest::newRow("day 0") << 0.0 << "1899-12-30 00:00:00";
        QTest::newRow("after day 0, with a time") << 2.75 << "1900-01-01 18:00:00";
        QTest::newRow("before day 0, its time forward") << -1.25 << "1899-12-29 06:00:00";
        QTest::newRow("half a day before nothing") << -0.5 << "1899-12-30 12:00:00";
        QTest::newRow("Gregorian start") << -115858.0 << "1582-10-15 00:00:00";
        QTest::newRow("proleptic day before it") << -115859.0 << "1582-10-14 00:00:00";
        QTest::newRow("1392") << -185532.0 << "1392-01-10 00:00:00";
        QTest::newRow("first day Jet holds") << -657434.0 << "0100-01-01 00:00:00";
        QTest::newRow("last second Jet holds") << 2958465.0 + 86399.0 / 86400 << "9999-12-31 23:59:59";
        QTest::newRow("a time that rounds to the next day") << 1.9999999999 << "1900-01-01 00:00:00";
        QTest::newRow("the same before day 0") << -1.9999999999 << "1899-12-30 00:00:00";
        QTest::newRow("before year 100") << -657435.0 << "";
        QTest::newRow("after year 9999") << 2958466.0 << "";
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << "";
    }
    void storedDates()
    {
        QFETCH(double, stored);
        QFETCH(QString, text);
        QCOMPARE(jetDateText(stored).value_or(QString()), text);
    }

    void storedText_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("text");
        QTest::newRow("UTF-16") << QByteArray::fromHex("680069003dd800de")
                                << QString::fromUtf8("hi\U0001F600");
        QTest::newRow("empty") << QByteArray() << QString();
        QTest::newRow("compressed") << QByteArray::fromHex("fffe616263") << "abc";
        QTest::newRow("compressed, then two bytes a character, then compressed again")
            << QByteArray::fromHex("fffe6100ac20006200") << QString::fromUtf8("a\u20ACb");
        QTest::newRow("an odd byte at the end is dropped") << QByteArray::fromHex("680069") << "h";
    }
    void storedText()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, text);
        QCOMPARE(jetText(stored), text);
    }
};

QTEST_MAIN(AccessStoredValuesTest)
#include "test_access_stored_values.moc"
