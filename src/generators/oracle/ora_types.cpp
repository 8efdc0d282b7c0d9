#include "generators/oracle/ora_types.h"

#include <iterator>

namespace generators::oracle {

namespace {

struct OraType {
    int code;
    const char* word;
};

// Only these codes have a word of their own; date alone (133) and time alone (134)
// stay text like everything else.
constexpr OraType kOraTypes[] = {
    {135, "Date"},
    {131, "Number"},
    {139, "Number"},
};

} // namespace

QString ora_types(int adoType)
{
    for (const OraType& entry : kOraTypes) {
        if (entry.code == adoType)
            return QString::fromLatin1(entry.word);
    }
    return QStringLiteral("Varchar2");
}

} // namespace generators::oracle
