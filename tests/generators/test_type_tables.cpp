#include "generators/common/type_tables.h"

#include <QTest>

using generators::TypeTables;

class TypeTablesTest : public QObject {
    Q_OBJECT
private slots:
    void lookup_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("vb");
        QTest::addColumn<QString>("quote");
        QTest::addColumn<QString>("net");
        QTest::newRow("adEmpty") << 0 << "String" << "'" << "String";
        QTest::newRow("adCurrency keeps blanks") << 6 << "Currency" << "" << " Decimal ";
        QTest::newRow("adVariant keeps blanks") << 12 << "Variant" << "'" << " String ";
        QTest::newRow("adBoolean no quote") << 11 << "Boolean" << "" << "Boolean";
        QTest::newRow("adGUID quoted text") << 72 << "String" << "'" << "String";
        QTest::newRow("adBinary no quote") << 128 << "Byte" << "" << "Byte";
        QTest::newRow("adVarBinary quoted") << 204 << "Byte" << "'" << "Byte";
        QTest::newRow("adDBTimeStamp") << 135 << "Date" << "#" << "Date";
        // VB6 types that hold every value of the code: no overflow, no rounding.
        QTest::newRow("adSmallInt") << 2 << "Integer" << "" << "Integer";
        QTest::newRow("adInteger") << 3 << "Long" << "" << "Integer";
        QTest::newRow("adUnsignedSmallInt") << 18 << "Long" << "" << "Integer";
        QTest::newRow("adUnsignedInt") << 19 << "Variant" << "" << "Integer";
        QTest::newRow("adBigInt") << 20 << "Variant" << "" << "Decimal";
        QTest::newRow("adUnsignedBigInt") << 21 << "Variant" << "" << "Decimal";
        QTest::newRow("adVarNumeric") << 139 << "Double" << "" << "Decimal";
        QTest::newRow("adLongVarBinary") << 205 << "String" << "'" << "String";
        QTest::newRow("adFileTime unlisted") << 64 << "" << "" << "";
        QTest::newRow("adChapter unlisted") << 136 << "" << "" << "";
        QTest::newRow("adPropVariant unlisted") << 138 << "" << "" << "";
        QTest::newRow("last slot") << 300 << "" << "" << "";
        QTest::newRow("above range") << 301 << "" << "" << "";
        QTest::newRow("negative") << -1 << "" << "" << "";
    }
    void lookup()
    {
        QFETCH(int, code);
        QFETCH(QString, vb);
        QFETCH(QString, quote);
        QFETCH(QString, net);
        TypeTables tables;
        tables.fill();
        QCOMPARE(TypeTables::lookup(tables.vb_types, code), vb);
        QCOMPARE(TypeTables::lookup(tables.sql_quotes, code), quote);
        QCOMPARE(TypeTables::lookup(tables.net_types, code), net);
    }

    void listedCodes()
    {
        int listed = 0;
        for (int code = 0; code <= 300; ++code)
            listed += generators::standardTypeTables().vb_types[std::size_t(code)].isEmpty() ? 0 : 1;
        QCOMPARE(listed, 36);
    }
};

QTEST_GUILESS_MAIN(TypeTablesTest)
#include "test_type_tables.moc"
