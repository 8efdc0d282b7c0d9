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
    CannotOpen, // no workbook: it cannot be created, the sheet name is refused, or no
                // rows have been opened yet
    NotOpened,  // written and kept, but no spreadsheet program takes the file
    Failed,     // no records to export, or the file cannot be written
};

// Why an export stopped short, and how many records it had written by then.
struct ExportProblem {
    QString reason;
    qint64 rowsWritten = 0;
    bool cutShort = false; // the rows stopped coming before their end
};

// Opens a written workbook; false when no program can take it.
using SpreadsheetOpener = std::function<bool(const QString& path)>;
// The desktop's program for the file's type.
bool openWithDesktop(const QString& path);

// The message shown for an outcome; empty for Shown. A workbook kept unopened is named
// on a second line; a failure with a known reason gives it on the next lines.
QString exportMessage(ExportOutcome outcome, const QString& writtenPath = {},
                      const ExportProblem& problem = {});

// Writes the rows of `rows` (read from where it stands to its end, a chunk at a time)
// into a new workbook in `folder`, its one sheet named `sheetName`, and hands the file
// to `open`. A null cursor is a browser with no rows opened. A read of the rows that
// fails, a folder that cannot take the file and a file that cannot be written all fail
// the export, with `problem` saying why; a file that is not written whole is removed.
// `writtenPath` receives the file kept.
ExportOutcome exportRows(platform::ado::RowCursor* rows, const QString& sheetName, const QString& folder,
                         const SpreadsheetOpener& open, QString* writtenPath = nullptr,
                         ExportProblem* problem = nullptr);

} // namespace browser
