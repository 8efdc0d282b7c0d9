#pragma once
// The three type tables, indexed by data type code 0..300: the VB6 type name, the quote
// around a literal of that type in generated SQL, and the VB.NET type name. A code that
// is not listed, or lies outside 0..300, gives "". They are constants, built once from
// one list of codes; the window's form and every generator read the same tables.

#include <QString>
#include <array>

namespace generators
{

constexpr int kTypeTableSize = 301;

struct TypeTables {
    std::array<QString, kTypeTableSize> vb_types;
    std::array<QString, kTypeTableSize> sql_quotes;
    std::array<QString, kTypeTableSize> net_types;

    static QString lookup(const std::array<QString, kTypeTableSize>& table, int code)
    {
        return code >= 0 && code < kTypeTableSize ? table[std::size_t(code)] : QString();
    }
};

// The tables.
const TypeTables& standardTypeTables();

} // namespace generators
