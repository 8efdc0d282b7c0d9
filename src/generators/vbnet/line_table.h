#pragma once
// Writing a table of generated lines kept as a raw-string block (see template.h).
// Two rules on top of placeholder expansion:
// - a line that holds <column> is written once per name of the block's column list,
//   which is asked for once, when the first such line is due (the catalogue read comes
//   after the lines above it, as the file is written in order);
// - a line that starts with a tag "[name]" or "[!name]" is written only when the
//   condition `name` holds (or does not); the tag itself is not written.

#include "generators/common/module_file.h"
#include "generators/common/template.h"

#include <functional>

namespace generators::vbnet {

struct LineTableSource {
    // The names written in place of <column>; asked for at most once per block.
    std::function<QStringList()> columns;
    // The value of a tag's condition.
    std::function<bool(QStringView name)> condition;
};

void writeLineTable(ModuleFile& file, QStringView block, const Placeholders& values,
                    const LineTableSource& source = {});

} // namespace generators::vbnet
