#include "generators/common/type_tables.h"

namespace generators {

namespace {

struct TypeRow {
    int code;
    const char* vb;
    const char* quote;
    const char* net;
};

// Note the blanks around " Decimal " (6) and " String " (12): they are written as they stand.
// The VB6 names hold every value of their code: 32-bit integers and unsigned 16-bit ones
// as Long, unsigned 32-bit and 64-bit integers as Variant (a Long or a Single would
// overflow or round them). A GUID is text and is quoted like any other.
constexpr TypeRow kRows[] = {
    {0, "String", "'", "String"},      {2, "Integer", "", "Integer"},     {3, "Long", "", "Integer"},
    {4, "Single", "", "Decimal"},      {5, "Double", "", "Decimal"},      {6, "Currency", "", " Decimal "},
    {7, "Date", "#", "Date"},          {8, "String", "'", "String"},      {9, "String", "'", "String"},
    {10, "String", "'", "String"},     {11, "Boolean", "", "Boolean"},    {12, "Variant", "'", " String "},
    {13, "String", "'", "String"},     {14, "Double", "", "Decimal"},     {16, "Integer", "", "Integer"},
    {17, "Integer", "", "Integer"},    {18, "Long", "", "Integer"},       {19, "Variant", "", "Integer"},
    {20, "Variant", "", "Decimal"},    {21, "Variant", "", "Decimal"},    {72, "String", "'", "String"},
    {128, "Byte", "", "Byte"},         {129, "String", "'", "String"},    {130, "String", "'", "String"},
    {131, "Double", "", "Decimal"},    {132, "String", "'", "String"},    {133, "Date", "#", "Date"},
    {134, "Date", "#", "Date"},        {135, "Date", "#", "Date"},        {139, "Double", "", "Decimal"},
    {200, "String", "'", "String"},    {201, "String", "'", "String"},    {202, "String", "'", "String"},
    {203, "String", "'", "String"},    {204, "Byte", "'", "Byte"},        {205, "String", "'", "String"},
};

} // namespace

void TypeTables::fill()
{
    for (const TypeRow& row : kRows)
        vb_types[std::size_t(row.code)] = QString::fromLatin1(row.vb);
    for (const TypeRow& row : kRows)
        sql_quotes[std::size_t(row.code)] = QString::fromLatin1(row.quote);
    for (const TypeRow& row : kRows)
        net_types[std::size_t(row.code)] = QString::fromLatin1(row.net);
}

const TypeTables& standardTypeTables()
{
    static const TypeTables tables = [] {
        TypeTables t;
        t.fill();
        return t;
    }();
    return tables;
}

} // namespace generators
