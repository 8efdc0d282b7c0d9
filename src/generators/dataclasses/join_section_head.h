#pragma once
// The two lines that open the joins of one child in every join pass.

#include <QStringView>

namespace generators::dataclasses {

constexpr QStringView kJoinSectionHead = uR"(

    'Foreign Keys - Join Classes
)";

} // namespace generators::dataclasses
