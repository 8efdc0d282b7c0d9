#pragma once
// The three type tables, indexed by data type code 0..300: the VB6 type name, the quote
// around a literal of that type in generated SQL, and the VB.NET type name. A code that
// is not listed, or lies outside 0..300, gives "".

#include <QString>
#include <array>

namespace generators {

constexpr int kTypeTableSize = 301;

struct TypeTables {
    std::array<QString, kTypeTableSize> vb_types;
    std::array<QString, kTypeTableSize> sql_quotes;
    std::array<QString, kTypeTableSize> net_types;

    // Sets every listed entry (the start-up fill); other entries are left as they are.
    void fill();

    static QString lookup(const std::array<QString, kTypeTableSize>& table, int code)
    {
        return code >= 0 && code < kTypeTableSize ? table[std::size_t(code)] : QString();
    }
};

// The filled tables, for generators that need a type name.
const TypeTables& standardTypeTables();

} // namespace generators
