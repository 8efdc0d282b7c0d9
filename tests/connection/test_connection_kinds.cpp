// What each Connect button builds: strings, summary, prefix and the generators' words.
#include "connection/connection_kinds.h"
#include "platform/ado/connection_attributes.h"

#include <QTest>

using namespace connection;

class ConnectionKindsTest : public QObject
{
    Q_OBJECT
private slots:
    void kinds_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("db_cnxstr");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("cnxstr");
        QTest::addColumn<QString>("dbn");   // "<unchanged>" when not set
        QTest::addColumn<QString>("words"); // net_ns|net_prefix|from_dual|row_limit

        QTest::newRow("Access") << int(Kind::access) << QStringList{"/data/shop.mdb"}
                                << "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/data/shop.mdb"
                                << "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/data/shop.mdb"
                                << "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/data/shop.mdb"
                                << "shop_"
                                << "OleDB|OleDB||";
        QTest::newRow("Access, empty path")
            << int(Kind::access) << QStringList{""} << "Provider=Microsoft.Jet.OLEDB.4.0;Data Source="
            << "Provider=Microsoft.Jet.OLEDB.4.0;Data Source="
            << "Provider=Microsoft.Jet.OLEDB.4.0;Data Source="
            << "_"
            << "OleDB|OleDB||";
        QTest::newRow("Access 2007 file")
            << int(Kind::access) << QStringList{"/data/Umsätze 2024.accdb"}
            << "Provider=Microsoft.ACE.OLEDB.12.0;Data Source=/data/Umsätze 2024.accdb"
            << "Provider=Microsoft.ACE.OLEDB.12.0;Data Source=/data/Umsätze 2024.accdb"
            << "Provider=Microsoft.ACE.OLEDB.12.0;Data Source=/data/Umsätze 2024.accdb"
            << "Umsätze 2024_"
            << "OleDB|OleDB||";
        QTest::newRow("Access 2007 file, extension in capitals")
            << int(Kind::access) << QStringList{"/data/SHOP.ACCDB"}
            << "Provider=Microsoft.ACE.OLEDB.12.0;Data Source=/data/SHOP.ACCDB"
            << "Provider=Microsoft.ACE.OLEDB.12.0;Data Source=/data/SHOP.ACCDB"
            << "Provider=Microsoft.ACE.OLEDB.12.0;Data Source=/data/SHOP.ACCDB"
            << "SHOP_"
            << "OleDB|OleDB||";
        QTest::newRow("Access, .accdb only as a folder name")
            << int(Kind::access) << QStringList{"/data/old.accdb/shop.MDB"}
            << "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/data/old.accdb/shop.MDB"
            << "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/data/old.accdb/shop.MDB"
            << "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/data/old.accdb/shop.MDB"
            << "shop_"
            << "OleDB|OleDB||";
        QTest::newRow("other") << int(Kind::other) << QStringList{"DRIVER=SQLite3;Database=/tmp/a.db;"}
                               << "DRIVER=SQLite3;Database=/tmp/a.db;"
                               << "DRIVER=SQLite3;Database=/tmp/a.db;"
                               << "DRIVER=SQLite3;Database=/tmp/a.db;"
                               << "<unchanged>"
                               << "OleDB|OleDB||";
        QTest::newRow("other, password masked in the panel only")
            << int(Kind::other) << QStringList{"DRIVER={PostgreSQL Unicode};Server=h;Uid=me;Pwd=secret;"}
            << "DRIVER={PostgreSQL Unicode};Server=h;Uid=me;Pwd=secret;"
            << "DRIVER={PostgreSQL Unicode};Server=h;Uid=me;Pwd=****;"
            << "DRIVER={PostgreSQL Unicode};Server=h;Uid=me;Pwd=secret;"
            << "<unchanged>"
            << "OleDB|OleDB||";
        QTest::newRow("Oracle") << int(Kind::oracle) << QStringList{"ORCL", "scott", "tiger"}
                                << "Provider=MSDAORA;Data Source=ORCL;User Id=scott;Password=tiger;"
                                << "Provider=MSDAORA;Data Source=ORCL"
                                << "Password=tiger;User ID=scott;Data Source=ORCL;"
                                << "ORCL_"
                                << "OracleClient|Oracle| from dual| where rownum<2";
        QTest::newRow("Oracle, empty boxes") << int(Kind::oracle) << QStringList{"", "", ""}
                                             << "Provider=MSDAORA;Data Source=;User Id=;Password=;"
                                             << "Provider=MSDAORA;Data Source="
                                             << "Password=;User ID=;Data Source=;"
                                             << "_"
                                             << "OracleClient|Oracle| from dual| where rownum<2";
        QTest::newRow("SQL Server")
            << int(Kind::sqlServer) << QStringList{"SQLOLEDB.1", "shop", "db1", "sa", "pw"}
            << "Provider=SQLOLEDB.1;Initial Catalog=shop;Data Source=db1;User Id=sa;Password=pw;"
            << "Provider=SQLOLEDB.1;Initial Catalog=shop;Data Source=db1"
            << "Initial Catalog=shop;Data Source=db1;User Id=sa;Password=pw;"
            << "shop_"
            << "SQLClient|SQL||";
        QTest::newRow("values are not trimmed")
            << int(Kind::sqlServer) << QStringList{"SQLOLEDB.1", " shop ", "db1", "sa", "pw"}
            << "Provider=SQLOLEDB.1;Initial Catalog= shop ;Data Source=db1;User Id=sa;Password=pw;"
            << "Provider=SQLOLEDB.1;Initial Catalog= shop ;Data Source=db1"
            << "Initial Catalog= shop ;Data Source=db1;User Id=sa;Password=pw;"
            << " shop _"
            << "SQLClient|SQL||";
        // A ';' or quote in a box stays inside its attribute.
        QTest::newRow("Oracle password with ; and quote")
            << int(Kind::oracle) << QStringList{"ORCL", "scott", "t;ig\"er"}
            << "Provider=MSDAORA;Data Source=ORCL;User Id=scott;Password=\"t;ig\"\"er\";"
            << "Provider=MSDAORA;Data Source=ORCL"
            << "Password=\"t;ig\"\"er\";User ID=scott;Data Source=ORCL;"
            << "ORCL_"
            << "OracleClient|Oracle| from dual| where rownum<2";
        QTest::newRow("SQL Server user injecting an attribute")
            << int(Kind::sqlServer) << QStringList{"SQLOLEDB.1", "shop", "db1", "sa;Data Source=evil", "pw"}
            << "Provider=SQLOLEDB.1;Initial Catalog=shop;Data Source=db1;User Id=\"sa;Data "
               "Source=evil\";Password=pw;"
            << "Provider=SQLOLEDB.1;Initial Catalog=shop;Data Source=db1"
            << "Initial Catalog=shop;Data Source=db1;User Id=\"sa;Data Source=evil\";Password=pw;"
            << "shop_"
            << "SQLClient|SQL||";
        QTest::newRow("Access path with ;")
            << int(Kind::access) << QStringList{"/data/a;b.mdb"}
            << "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=\"/data/a;b.mdb\""
            << "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=\"/data/a;b.mdb\""
            << "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=\"/data/a;b.mdb\""
            << "a;b_"
            << "OleDB|OleDB||";
    }
    void kinds()
    {
        QFETCH(int, kind);
        QFETCH(QStringList, boxes);
        QFETCH(QString, db_cnxstr);
        QFETCH(QString, panel);
        QFETCH(QString, cnxstr);
        QFETCH(QString, dbn);
        QFETCH(QString, words);
        KindValues v;
        switch (Kind(kind)) {
        case Kind::access:
            v = accessValues(boxes[0]);
            break;
        case Kind::other:
            v = otherValues(boxes[0]);
            break;
        case Kind::oracle:
            v = oracleValues(boxes[0], boxes[1], boxes[2]);
            break;
        case Kind::sqlServer:
            v = sqlServerValues(boxes[0], boxes[1], boxes[2], boxes[3], boxes[4]);
            break;
        }
        QCOMPARE(int(v.kind), kind);
        QCOMPARE(v.db_cnxstr, db_cnxstr);
        QCOMPARE(v.panel, panel);
        QCOMPARE(v.cnxstr, cnxstr);
        QCOMPARE(v.dbn.value_or("<unchanged>"), dbn);
        QCOMPARE(QStringList({v.net_ns, v.net_prefix, v.from_dual, v.row_limit}).join('|'), words);
    }

    void accessPrefix_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("prefix");
        QTest::newRow("plain") << "/data/shop.mdb"
                               << "shop_";
        QTest::newRow("dots in the name") << "/data/my.db.mdb"
                                          << "my.db_";
        QTest::newRow("no folder") << "shop.mdb"
                                   << "shop_";
        QTest::newRow("dot only in a folder") << "/my.dir/shop"
                                              << "_";
        QTest::newRow("empty") << ""
                               << "_";
        QTest::newRow("backslashes are not separators") << "C:\\data\\shop.mdb"
                                                        << "C:\\data\\shop_";
        QTest::newRow("wildcard of a cancelled dialog") << "*.mdb"
                                                        << "*_";
    }
    void accessPrefix()
    {
        QFETCH(QString, path);
        QFETCH(QString, prefix);
        QCOMPARE(connection::accessPrefix(path), prefix);
    }

    void maskPasswords_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("masked");
        QTest::newRow("no password") << "DRIVER=SQLite3;Database=/tmp/a.db;"
                                     << "DRIVER=SQLite3;Database=/tmp/a.db;";
        QTest::newRow("Password") << "Provider=X;User Id=u;Password=secret;Data Source=s"
                                  << "Provider=X;User Id=u;Password=****;Data Source=s";
        QTest::newRow("PWD any case, last") << "DSN=a;uid=u;pwd=secret"
                                            << "DSN=a;uid=u;pwd=****";
        QTest::newRow("spaces around the key") << "DSN=a; Password =secret;"
                                               << "DSN=a; Password =****;";
        QTest::newRow("quoted with ;") << "Provider=X;Password=\"se;cr\"\"et\";User Id=u"
                                       << "Provider=X;Password=****;User Id=u";
        QTest::newRow("braced with ;") << "DRIVER={X};PWD={se;cr}}et};UID=u"
                                       << "DRIVER={X};PWD=****;UID=u";
        QTest::newRow("empty password stays empty") << "DSN=a;PWD=;UID=u"
                                                    << "DSN=a;PWD=;UID=u";
        QTest::newRow("two passwords") << "Password=a;PWD=b"
                                       << "Password=****;PWD=****";
        QTest::newRow("key containing password") << "OldPassword=a;"
                                                 << "OldPassword=****;";
        QTest::newRow("database password of an Access file")
            << "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/d/shop.mdb;Jet OLEDB:Database Password=s3;"
            << "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/d/shop.mdb;Jet OLEDB:Database Password=****;";
        QTest::newRow("pwd only as the whole name") << "Pwds=a;"
                                                    << "Pwds=a;";
        // ODBC gets a DRIVER= or DSN= string as typed and quotes with braces only: a quote
        // that OLE DB would read as opening a value hides nothing from it.
        QTest::newRow("quote opened before the password") << "DRIVER={X};Description='Bob;PWD=Hunter2Secret;"
                                                          << "DRIVER={X};Description='Bob;PWD=****;";
        QTest::newRow("double quote opened before the password")
            << "DSN=a;Description=\"x;Password=Hunter2Secret;UID=u"
            << "DSN=a;Description=\"x;Password=****;UID=u";
        QTest::newRow("quoted password, each reading masked") << "DSN=a;PWD='se;cret';UID=u"
                                                              << "DSN=a;PWD=****;UID=u";
        QTest::newRow("password holding a line break") << "DSN=a;PWD=ab\ncd;UID=u"
                                                       << "DSN=a;PWD=****;UID=u";
    }
    void maskPasswords()
    {
        QFETCH(QString, input);
        QFETCH(QString, masked);
        QCOMPARE(connection::maskPasswords(input), masked);
    }

    // How a string is cut into attributes, on the cases where quoting, blanks or a missing
    // part could cut it wrongly: each attribute as name|written|read, and the masked string,
    // which keeps every other byte.
    void attributeEdgeCases_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QStringList>("attributes");
        QTest::addColumn<QString>("masked");
        QTest::newRow("unclosed quote runs to the end")
            << "DSN=a;PWD=\"se;cret" << QStringList{"DSN|a|a", "PWD|\"se;cret|se;cret"} << "DSN=a;PWD=****";
        QTest::newRow("doubled quote inside quotes")
            << "Password=\"se\"\"cret\";UID=u" << QStringList{"Password|\"se\"\"cret\"|se\"cret", "UID|u|u"}
            << "Password=****;UID=u";
        QTest::newRow("braces with }}")
            << "PWD={a}}b;c};UID=u" << QStringList{"PWD|{a}}b;c}|a}b;c", "UID|u|u"} << "PWD=****;UID=u";
        QTest::newRow("single quotes")
            << "Password='it''s;x';UID=u" << QStringList{"Password|'it''s;x'|it's;x", "UID|u|u"}
            << "Password=****;UID=u";
        QTest::newRow("text after the closing quote")
            << "Password=\"ab\" cd;UID=u" << QStringList{"Password|\"ab\" cd|ab", "UID|u|u"}
            << "Password=****;UID=u";
        QTest::newRow("lone quote before the last one")
            << "PWD=\"a\"b\";UID=u" << QStringList{"PWD|\"a\"b\"|a", "UID|u|u"} << "PWD=****;UID=u";
        QTest::newRow("segment without =")
            << "DSN=a;junk;PWD=x;tail" << QStringList{"DSN|a|a", "PWD|x|x"} << "DSN=a;junk;PWD=****;tail";
        QTest::newRow("empty key") << "=secret; =s2;PWD=x" << QStringList{"PWD|x|x"}
                                   << "=secret; =s2;PWD=****";
        QTest::newRow("blanks around key and value")
            << " Password = se cret ;UID = u " << QStringList{"Password| se cret |se cret", "UID| u |u"}
            << " Password =****;UID = u ";
        QTest::newRow("blanks around a quoted value")
            << "PWD = \"a b\" ;UID=u" << QStringList{"PWD| \"a b\" |a b", "UID|u|u"} << "PWD =****;UID=u";
        QTest::newRow("no trailing ;")
            << "UID=u;PWD=x" << QStringList{"UID|u|u", "PWD|x|x"} << "UID=u;PWD=****";
        QTest::newRow("; and = inside quotes")
            << "PWD=\"a;UID=b\";Data Source=c=d"
            << QStringList{"PWD|\"a;UID=b\"|a;UID=b", "Data Source|c=d|c=d"} << "PWD=****;Data Source=c=d";
        QTest::newRow("blank value stays, empty quotes do not")
            << "PWD= ;;Password=\"\";" << QStringList{"PWD| |", "Password|\"\"|"} << "PWD= ;;Password=****;";
        QTest::newRow("empty string") << "" << QStringList{} << "";
    }
    void attributeEdgeCases()
    {
        QFETCH(QString, input);
        QFETCH(QStringList, attributes);
        QFETCH(QString, masked);
        QStringList found;
        for (const platform::ado::ConnectionAttribute& a : platform::ado::connectionAttributes(input))
            found << a.keyIn(input).toString() + '|' + a.writtenIn(input).toString() + '|' + a.value;
        QCOMPARE(found, attributes);
        QCOMPARE(connection::maskPasswords(input), masked);
    }

    // The driver's reason becomes one second line; a password it repeats, as written or as
    // the driver read it, is masked.
    void notOpenedMessage_data()
    {
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("connectionString");
        QTest::addColumn<QString>("message");
        QTest::newRow("no reason") << ""
                                   << "DSN=a;"
                                   << "Connection not opened";
        QTest::newRow("one record") << "[08001] connection refused"
                                    << "DSN=a;PWD=pw"
                                    << "Connection not opened\n[08001] connection refused";
        QTest::newRow("records joined on one line")
            << "[01000] first\n[08001] second, failed\n\tIs the server running?\n"
            << "DSN=a;"
            << "Connection not opened\n[01000] first; [08001] second, failed; Is the server running?";
        QTest::newRow("password repeated") << "login as scott/tiger failed"
                                           << "DSN=a;UID=scott;PWD=tiger;"
                                           << "Connection not opened\nlogin as scott/**** failed";
        QTest::newRow("quoted password, read unquoted") << "bad password ti;g\"er"
                                                        << "Provider=MSDAORA;Password=\"ti;g\"\"er\";"
                                                        << "Connection not opened\nbad password ****";
        QTest::newRow("braced password, read unbraced") << "bad password a}b"
                                                        << "DRIVER={X};PWD={a}}b};"
                                                        << "Connection not opened\nbad password ****";
        QTest::newRow("unclosed quote, read to the end") << "bad se;cret"
                                                         << "DSN=a;PWD=\"se;cret"
                                                         << "Connection not opened\nbad ****";
        QTest::newRow("text after the closing quote, not read") << "bad ab"
                                                                << "Password=\"ab\" cd;UID=u"
                                                                << "Connection not opened\nbad ****";
        QTest::newRow("stray quote, every reading masked") << "no x\"y\"z, \"x\"y\"\"z\" or x"
                                                           << "PWD=\"x\"y\"\"z\";UID=u"
                                                           << "Connection not opened\nno ****, **** or ****";
        QTest::newRow("password part of a longer one") << "bad tiger or tigerlily"
                                                       << "DSN=a;PWD=tiger;Password=tigerlily;"
                                                       << "Connection not opened\nbad **** or ****";
        QTest::newRow("password read by ODBC after an opened quote")
            << "login failed for Hunter2Secret"
            << "DRIVER={X};Description='Bob;PWD=Hunter2Secret;"
            << "Connection not opened\nlogin failed for ****";
        QTest::newRow("password holding a line break, as given") << "bad ab\ncd here"
                                                                 << "DSN=a;PWD=ab\ncd;"
                                                                 << "Connection not opened\nbad **** here";
        QTest::newRow("password holding a line break, as one line") << "bad ab\n  cd here"
                                                                    << "DSN=a;PWD=ab\ncd;"
                                                                    << "Connection not opened\nbad **** here";
    }
    void notOpenedMessage()
    {
        QFETCH(QString, reason);
        QFETCH(QString, connectionString);
        QFETCH(QString, message);
        QCOMPARE(connection::notOpenedMessage(reason, connectionString), message);
    }
};

QTEST_GUILESS_MAIN(ConnectionKindsTest)
#include "test_connection_kinds.moc"
