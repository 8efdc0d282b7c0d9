#include "platform/ado/ado.h"

#include <algorithm>
#include <iterator>

namespace platform::ado
{

bool isNumericType(int type)
{
    static constexpr int numeric[] = {adSmallInt,         adInteger,     adSingle,  adDouble,
                                      adCurrency,         adDecimal,     adTinyInt, adUnsignedTinyInt,
                                      adUnsignedSmallInt, adUnsignedInt, adBigInt,  adUnsignedBigInt,
                                      adNumeric,          adVarNumeric};
    return std::find(std::begin(numeric), std::end(numeric), type) != std::end(numeric);
}

} // namespace platform::ado
