#pragma once
// Export of the browser's rows into a new workbook, opened in the desktop's spreadsheet
// program. Row 1 holds the field names, each record the next row, in recordset order.

#include "platform/ado/ado.h"

#include <QString>
#include <functional>

namespace browser
{

enum class ExportOutcome {
    Shown,      // written and handed to the spreadsheet program
    CannotOpen, // no workbook: it cannot be created, the sheet name is refused, no rows
                // have been opened yet, or no spreadsheet program takes the file
    Failed,     // no records to export, or the file cannot be written
};

// Opens a written workbook; false when no program can take it.
using SpreadsheetOpener = std::function<bool(const QString& path)>;
// The desktop's program for the file's type.
bool openWithDesktop(const QString& path);

// The message shown for an outcome; empty for Shown.
QString exportMessage(ExportOutcome outcome);

// Writes `rows` (walked from its first record to its end) into a new workbook in
// `folder`, its one sheet named `sheetName`, and hands the file to `open`. A file that
// is not handed over is removed. `writtenPath` receives the file handed over.
ExportOutcome exportRows(platform::ado::Recordset& rows, const QString& sheetName, const QString& folder,
                         const SpreadsheetOpener& open, QString* writtenPath = nullptr);

} // namespace browser
