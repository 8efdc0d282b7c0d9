#pragma once
// The two lines that open the joins of one child in every join pass.

#include "generators/common/line_table.h"

namespace generators::dataclasses {

inline const LineTable kJoinSectionHead{u"join section head", {}, {}, uR"(

    'Foreign Keys - Join Classes
)"};

} // namespace generators::dataclasses
