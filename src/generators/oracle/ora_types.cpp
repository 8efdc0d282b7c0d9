#include "generators/oracle/ora_types.h"
#include "platform/ado/ado.h"

#include <iterator>

namespace generators::oracle
{

namespace
{

struct OraType {
    int code;
    const char* word;
};

// Only these codes have a word of their own; date alone (adDBDate) and time alone
// (adDBTime) stay text like everything else.
constexpr OraType kOraTypes[] = {
    {platform::ado::adDBTimeStamp, "Date"},
    {platform::ado::adNumeric, "Number"},
    {platform::ado::adVarNumeric, "Number"},
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
