#include "generators/common/type_tables.h"
#include "platform/ado/ado.h"

namespace generators
{

namespace
{

using namespace platform::ado;

struct TypeRow {
    int code;
    const char* vb;
    const char* quote;
    const char* net;
};

// Note the blanks around " Decimal " (adCurrency) and " String " (adVariant): they are
// written as they stand.
// The VB6 names hold every value of their code: 32-bit integers and unsigned 16-bit ones
// as Long, unsigned 32-bit and 64-bit integers as Variant (a Long or a Single would
// overflow or round them). A GUID is text and is quoted like any other.
constexpr TypeRow kRows[] = {
    {adEmpty, "String", "'", "String"},
    {adSmallInt, "Integer", "", "Integer"},
    {adInteger, "Long", "", "Integer"},
    {adSingle, "Single", "", "Decimal"},
    {adDouble, "Double", "", "Decimal"},
    {adCurrency, "Currency", "", " Decimal "},
    {adDate, "Date", "#", "Date"},
    {adBSTR, "String", "'", "String"},
    {adIDispatch, "String", "'", "String"},
    {adError, "String", "'", "String"},
    {adBoolean, "Boolean", "", "Boolean"},
    {adVariant, "Variant", "'", " String "},
    {adIUnknown, "String", "'", "String"},
    {adDecimal, "Double", "", "Decimal"},
    {adTinyInt, "Integer", "", "Integer"},
    {adUnsignedTinyInt, "Integer", "", "Integer"},
    {adUnsignedSmallInt, "Long", "", "Integer"},
    {adUnsignedInt, "Variant", "", "Integer"},
    {adBigInt, "Variant", "", "Decimal"},
    {adUnsignedBigInt, "Variant", "", "Decimal"},
    {adGUID, "String", "'", "String"},
    {adBinary, "Byte", "", "Byte"},
    {adChar, "String", "'", "String"},
    {adWChar, "String", "'", "String"},
    {adNumeric, "Double", "", "Decimal"},
    {adUserDefined, "String", "'", "String"},
    {adDBDate, "Date", "#", "Date"},
    {adDBTime, "Date", "#", "Date"},
    {adDBTimeStamp, "Date", "#", "Date"},
    {adVarNumeric, "Double", "", "Decimal"},
    {adVarChar, "String", "'", "String"},
    {adLongVarChar, "String", "'", "String"},
    {adVarWChar, "String", "'", "String"},
    {adLongVarWChar, "String", "'", "String"},
    {adVarBinary, "Byte", "'", "Byte"},
    {adLongVarBinary, "String", "'", "String"},
};

} // namespace

const TypeTables& standardTypeTables()
{
    static const TypeTables tables = [] {
        TypeTables t;
        for (const TypeRow& row : kRows) {
            const auto code = std::size_t(row.code);
            t.vb_types[code] = QString::fromLatin1(row.vb);
            t.sql_quotes[code] = QString::fromLatin1(row.quote);
            t.net_types[code] = QString::fromLatin1(row.net);
        }
        return t;
    }();
    return tables;
}

} // namespace generators
