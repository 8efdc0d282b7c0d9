#pragma once
// A new GUID in its registry text form: "{", 32 upper-case hexadecimal digits in groups
// of 8, 4, 4, 4 and 12 joined by "-", and "}" (38 characters).

#include <QString>

namespace platform
{

QString new_guid();

} // namespace platform
