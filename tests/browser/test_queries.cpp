#include "browser/browser_queries.h"
#include "browser/date_bound.h"

#include <QTest>

using namespace browser;

class BrowserQueriesTest : public QObject
{
    Q_OBJECT
private slots:
    void queries_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("expected");
        const QString t = QStringLiteral("Customers");
        const QString c = QStringLiteral("Name");
        QTest::newRow("open") << openQuery(t) << "SELECT * from Customers";
        QTest::newRow("open, no table") << openQuery(QString()) << "SELECT * from ";
        QTest::newRow("sort asc") << sortQuery(t, c, false) << "SELECT * from Customers order by Name asc";
        QTest::newRow("sort desc") << sortQuery(t, c, true) << "SELECT * from Customers order by Name desc";
        QTest::newRow("sort, no column")
            << sortQuery(t, QString(), false) << "SELECT * from Customers order by  asc";
        QTest::newRow("begin with") << filterQuery(t, c, "Br", BeginWith)
                                    << "SELECT * from Customers where Name like 'Br%'";
        QTest::newRow("end with") << filterQuery(t, c, "an", EndWith)
                                  << "SELECT * from Customers where Name like '%an'";
        QTest::newRow("contain") << filterQuery(t, c, "ri", Contain)
                                 << "SELECT * from Customers where Name like '%ri%'";
        QTest::newRow("equal") << filterQuery(t, c, "Ada", Equal)
                               << "SELECT * from Customers where Name = 'Ada'";
        QTest::newRow("no option") << filterQuery(t, c, "Ada", NoFilter) << "SELECT * from Customers";
        QTest::newRow("empty value") << filterQuery(t, c, QString(), BeginWith)
                                     << "SELECT * from Customers where Name like '%'";
        QTest::newRow("quote in value")
            << filterQuery(t, c, "O'Brien", Equal) << "SELECT * from Customers where Name = 'O''Brien'";
        QTest::newRow("quotes in like")
            << filterQuery(t, c, "'x''", Contain) << "SELECT * from Customers where Name like '%''x''''%'";

        const QString k = QStringLiteral("Id");
        QTest::newRow("number range") << rangeQuery(t, k, RangeKind::Number, "2", "10.5")
                                      << "SELECT * from Customers where Id >= 2 and Id <= 10.5";
        QTest::newRow("number, only to") << rangeQuery(t, k, RangeKind::Number, QString(), "-1e3")
                                         << "SELECT * from Customers where Id <= -1e3";
        QTest::newRow("number, only from") << rangeQuery(t, k, RangeKind::Number, ".5", QString())
                                           << "SELECT * from Customers where Id >= .5";
        QTest::newRow("number bound that is no number")
            << rangeQuery(t, k, RangeKind::Number, "0 or 1=1", "x'y")
            << "SELECT * from Customers where Id >= '0 or 1=1' and Id <= 'x''y'";
        QTest::newRow("text range") << rangeQuery(t, c, RangeKind::Text, "B", "O'Z")
                                    << "SELECT * from Customers where Name >= 'B' and Name <= 'O''Z'";
        QTest::newRow("date range")
            << rangeQuery(t, k, RangeKind::Date, "2003-12-31", "2004-01-05")
            << "SELECT * from Customers where Id >= {d '2003-12-31'} and Id <= {d '2004-01-05'}";
        QTest::newRow("timestamp range")
            << rangeQuery(t, k, RangeKind::Timestamp, "2003-12-31", "2004-01-05 12:30:00")
            << "SELECT * from Customers where Id >= {ts '2003-12-31 00:00:00'} and Id <= {ts '2004-01-05 "
               "12:30:00'}";
        QTest::newRow("time range")
            << rangeQuery(t, k, RangeKind::Time, "08:30:00", "22:15:00")
            << "SELECT * from Customers where Id >= {t '08:30:00'} and Id <= {t '22:15:00'}";
        QTest::newRow("date as typed") << rangeQuery(t, k, RangeKind::Date, "soon'", QString())
                                       << "SELECT * from Customers where Id >= {d 'soon'''}";
        QTest::newRow("no bounds") << rangeQuery(t, k, RangeKind::Text, QString(), QString())
                                   << "SELECT * from Customers";
        QTest::newRow("no range kind")
            << rangeQuery(t, k, RangeKind::None, "1", "2") << "SELECT * from Customers";
    }
    void queries()
    {
        QFETCH(QString, query);
        QFETCH(QString, expected);
        QCOMPARE(query, expected);
    }

    void rangeKinds_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("kind");
        const auto number = int(RangeKind::Number);
        const auto text = int(RangeKind::Text);
        const auto none = int(RangeKind::None);
        for (const char* code :
             {"2", "3", "4", "5", "6", "14", "16", "17", "18", "19", "20", "21", "131", "139"})
            QTest::newRow(code) << code << number;
        for (const char* code : {"129", "130", "200", "201", "202", "203"})
            QTest::newRow(code) << code << text;
        QTest::newRow("133") << "133" << int(RangeKind::Date);
        QTest::newRow("134") << "134" << int(RangeKind::Time);
        for (const char* code : {"7", "135"})
            QTest::newRow(code) << code << int(RangeKind::Timestamp);
        for (const char* code : {"", "0", "11", "72", "128", "204", "205", " 131", "131 ", "0131", "x"})
            QTest::newRow(qPrintable(QStringLiteral("'%1'").arg(QLatin1String(code)))) << code << none;
    }
    void rangeKinds()
    {
        QFETCH(QString, code);
        QFETCH(int, kind);
        QCOMPARE(int(rangeKind(code)), kind);
    }

    void dateBounds_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("rewritten");
        QTest::newRow("us, iso") << "en_US"
                                 << "2003-12-31"
                                 << "12/31/2003";
        QTest::newRow("us, own form") << "en_US"
                                      << "12/31/2003"
                                      << "12/31/2003";
        QTest::newRow("us, one digit") << "en_US"
                                       << "1/2/2003"
                                       << "01/02/2003";
        QTest::newRow("us, two-digit year 03") << "en_US"
                                               << "12/31/03"
                                               << "12/31/2003";
        QTest::newRow("us, two-digit year 45") << "en_US"
                                               << "6/1/45"
                                               << "06/01/1945";
        QTest::newRow("us, with a time") << "en_US"
                                         << "2024-05-01 10:00:00"
                                         << "05/01/2024";
        QTest::newRow("us, local with a time") << "en_US"
                                               << "5/1/2024 10:00 AM"
                                               << "05/01/2024";
        QTest::newRow("us, no such day") << "en_US"
                                         << "2/30/2003"
                                         << "2/30/2003";
        QTest::newRow("us, no date") << "en_US"
                                     << "soon"
                                     << "soon";
        QTest::newRow("us, blanks around") << "en_US"
                                           << " 2003-12-31 "
                                           << "12/31/2003";
        QTest::newRow("us, month name") << "en_US"
                                        << "December 31, 2003"
                                        << "12/31/2003";
        QTest::newRow("us, short month name") << "en_US"
                                              << "Dec 31, 2003"
                                              << "12/31/2003";
        QTest::newRow("us, dashes") << "en_US"
                                    << "12-31-2003"
                                    << "12/31/2003";
        QTest::newRow("us, dots") << "en_US"
                                  << "1.2.03"
                                  << "01/02/2003";
        QTest::newRow("uk, day first") << "en_GB"
                                       << "31/12/2003"
                                       << "12/31/2003";
        QTest::newRow("uk, two-digit year") << "en_GB"
                                            << "31/12/03"
                                            << "12/31/2003";
        QTest::newRow("uk, long form") << "en_GB"
                                       << "Wednesday, 31 December 2003"
                                       << "12/31/2003";
        QTest::newRow("uk, not month first") << "en_GB"
                                             << "12/31/2003"
                                             << "12/31/2003";
        QTest::newRow("uk, month name") << "en_GB"
                                        << "31 December 2003"
                                        << "12/31/2003";
        QTest::newRow("uk, dashes") << "en_GB"
                                    << "31-12-2003"
                                    << "12/31/2003";
        QTest::newRow("german, dashes") << "de_DE"
                                        << "31-12-2003"
                                        << "12.31.2003";
        QTest::newRow("german, own separator") << "de_DE"
                                               << "31.12.2003"
                                               << "12.31.2003";
        QTest::newRow("german, iso") << "de_DE"
                                     << "2003-01-05"
                                     << "01.05.2003";
        QTest::newRow("german, two-digit year") << "de_DE"
                                                << "5.1.29"
                                                << "01.05.2029";
    }
    void dateBounds()
    {
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        QFETCH(QString, rewritten);
        QCOMPARE(rewriteDateBound(typed, QLocale(locale)), rewritten);
    }

    // What the query takes from a date box: the date in ISO form, read in the box's locale.
    void datesForQuery_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("forQuery");
        QTest::newRow("us") << "en_US"
                            << "5/2/24"
                            << "2024-05-02";
        QTest::newRow("german") << "de_DE"
                                << "5.2.2024"
                                << "2024-02-05";
        QTest::newRow("iso") << "de_DE"
                             << "2024-02-05"
                             << "2024-02-05";
        QTest::newRow("no date") << "en_US"
                                 << "someday"
                                 << "someday";
        // A year the query cannot write is no date: the text goes as typed, and the
        // database names the fault.
        QTest::newRow("year before 1") << "en_US"
                                       << "1/2/-0003"
                                       << "1/2/-0003";
        QTest::newRow("year before 1, month name") << "en_US"
                                                   << "January 1, -0044"
                                                   << "January 1, -0044";
        QTest::newRow("last year written") << "en_US"
                                           << "12/31/9999"
                                           << "9999-12-31";
    }
    void datesForQuery()
    {
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        QFETCH(QString, forQuery);
        QCOMPARE(dateForQuery(typed, QLocale(locale)), forQuery);
    }

    // What the query takes from a time box: the time on the 24-hour clock, with seconds.
    void timesForQuery_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("forQuery");
        QTest::newRow("24-hour, one-digit hour") << "en_US"
                                                 << "8:30"
                                                 << "08:30:00";
        QTest::newRow("24-hour, seconds") << "en_US"
                                          << " 22:15:07 "
                                          << "22:15:07";
        QTest::newRow("us, afternoon") << "en_US"
                                       << "9:05 PM"
                                       << "21:05:00";
        QTest::newRow("us, seconds") << "en_US"
                                     << "12:00:30 AM"
                                     << "00:00:30";
        QTest::newRow("german") << "de_DE"
                                << "07:45"
                                << "07:45:00";
        QTest::newRow("no such hour") << "en_US"
                                      << "25:00"
                                      << "25:00";
        QTest::newRow("no time") << "en_US"
                                 << "noon"
                                 << "noon";
    }
    void timesForQuery()
    {
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        QFETCH(QString, forQuery);
        QCOMPARE(timeForQuery(typed, QLocale(locale)), forQuery);
    }
};

QTEST_GUILESS_MAIN(BrowserQueriesTest)
#include "test_queries.moc"
