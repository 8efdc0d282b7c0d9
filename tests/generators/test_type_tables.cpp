#include "generators/common/type_tables.h"
#include "platform/ado/ado.h"

#include <QTest>

using generators::TypeTables;
using namespace platform::ado;

using Words = QList<QPair<QString, QList<int>>>;
using Table = std::array<QString, generators::kTypeTableSize>;
Q_DECLARE_METATYPE(Words)

namespace
{

const Table& table(const QString& name)
{
    const TypeTables& tables = generators::standardTypeTables();
    if (name == QLatin1String("vb_types"))
        return tables.vb_types;
    return name == QLatin1String("sql_quotes") ? tables.sql_quotes : tables.net_types;
}

} // namespace

// Each table by its words: the codes that carry a word, blanks included, and "" for every
// code of 0..300 that no word names.
class TypeTablesTest : public QObject
{
    Q_OBJECT
private slots:
    void everyCode_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<Words>("words");
        const QList<int> text{adEmpty,       adBSTR,     adIDispatch,    adError,        adIUnknown,
                              adGUID,        adChar,     adWChar,        adUserDefined,  adVarChar,
                              adLongVarChar, adVarWChar, adLongVarWChar, adLongVarBinary};
        const QList<int> dates{adDate, adDBDate, adDBTime, adDBTimeStamp};
        // The VB6 word holds every value of its code: no overflow, no rounding.
        QTest::newRow("vb_types") << "vb_types"
                                  << Words{
                                         {"String", text},
                                         {"Integer", {adSmallInt, adTinyInt, adUnsignedTinyInt}},
                                         {"Long", {adInteger, adUnsignedSmallInt}},
                                         {"Single", {adSingle}},
                                         {"Double", {adDouble, adDecimal, adNumeric, adVarNumeric}},
                                         {"Currency", {adCurrency}},
                                         {"Date", dates},
                                         {"Boolean", {adBoolean}},
                                         {"Variant", {adVariant, adUnsignedInt, adBigInt, adUnsignedBigInt}},
                                         {"Byte", {adBinary, adVarBinary}}};
        // A GUID and a variant are quoted like text, and so is a variable-length binary;
        // a fixed binary is not.
        QTest::newRow("sql_quotes") << "sql_quotes"
                                    << Words{{"'", text + QList<int>{adVariant, adVarBinary}}, {"#", dates}};
        QTest::newRow("net_types") << "net_types"
                                   << Words{{"String", text},
                                            {" String ", {adVariant}},
                                            {"Integer",
                                             {adSmallInt, adInteger, adTinyInt, adUnsignedTinyInt,
                                              adUnsignedSmallInt, adUnsignedInt}},
                                            {"Decimal",
                                             {adSingle, adDouble, adDecimal, adBigInt, adUnsignedBigInt,
                                              adNumeric, adVarNumeric}},
                                            {" Decimal ", {adCurrency}},
                                            {"Date", dates},
                                            {"Boolean", {adBoolean}},
                                            {"Byte", {adBinary, adVarBinary}}};
    }
    void everyCode()
    {
        QFETCH(QString, name);
        QFETCH(Words, words);
        Table expected;
        for (const auto& [word, codes] : words) {
            for (int code : codes)
                expected[std::size_t(code)] = word;
        }
        const Table& actual = table(name);
        for (std::size_t code = 0; code < expected.size(); ++code)
            QVERIFY2(actual[code] == expected[code],
                     qPrintable(QStringLiteral("code %1: \"%2\", expected \"%3\"")
                                    .arg(code)
                                    .arg(actual[code], expected[code])));
    }

    // Codes the provider reports beyond the tables, or never, give "" in all three.
    void lookupOutsideTheTables_data()
    {
        QTest::addColumn<int>("code");
        QTest::newRow("adFileTime, unlisted") << 64;
        QTest::newRow("last slot") << 300;
        QTest::newRow("above range") << 301;
        QTest::newRow("far above range") << 100000;
        QTest::newRow("negative") << -1;
    }
    void lookupOutsideTheTables()
    {
        QFETCH(int, code);
        const TypeTables& tables = generators::standardTypeTables();
        QCOMPARE(TypeTables::lookup(tables.vb_types, code), QString());
        QCOMPARE(TypeTables::lookup(tables.sql_quotes, code), QString());
        QCOMPARE(TypeTables::lookup(tables.net_types, code), QString());
    }
};

QTEST_GUILESS_MAIN(TypeTablesTest)
#include "test_type_tables.moc"
