#pragma once
// Web.config: the connection string under the key <prefix>cnxstr and a fixed block of
// web-application settings. Written to the file only, no preview.

#include "generators/common/line_table.h"

namespace generators::dataclasses
{

// The text as an XML attribute value: &, <, > and " as entities, and every character
// above U+007F as a numeric character reference, so the file stays well-formed and its
// bytes agree with the utf-8 it declares whatever code page writes it.
QString xmlAttributeValue(const QString& text);

// Writes <folder>Web.config: the project folder during a solution run, else the output folder.
void writeWebConfig(RunContext& ctx);

// The line tables this writer writes.
QList<const LineTable*> webConfigLineTables();

} // namespace generators::dataclasses
