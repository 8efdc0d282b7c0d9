#pragma once
// The text of the help box, lines joined and ended by CR LF.

#include <QString>

namespace app
{

QString helpText();

} // namespace app
