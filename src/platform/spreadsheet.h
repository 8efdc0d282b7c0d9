#pragma once
// A new spreadsheet workbook written as an .xlsx file: one sheet whose cells are set by
// row and column, counted from 1 as the sheet shows them. Nothing reaches the disk
// before save(); a workbook dropped unsaved leaves no file of its own.

#include <QDateTime>
#include <QString>

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

namespace platform
{

// How a date/time cell shows its value.
enum class DateTimeShown { Date, Time, DateAndTime };

class SpreadsheetWorkbook
{
public:
    // Prepares a workbook to be written at `path` (an existing file is replaced by save()).
    explicit SpreadsheetWorkbook(const QString& path);
    ~SpreadsheetWorkbook();
    SpreadsheetWorkbook(const SpreadsheetWorkbook&) = delete;
    SpreadsheetWorkbook& operator=(const SpreadsheetWorkbook&) = delete;

    bool isValid() const { return workbook_ != nullptr; }

    // Adds the sheet. Refused (false) for a name a spreadsheet program does not take:
    // empty, longer than 31 characters, holding one of []:*?/\, starting or ending with
    // an apostrophe, or "History"; and for a second sheet.
    bool addSheet(const QString& name);

    // Cell writes; false when the cell cannot take the value (outside the sheet, text
    // longer than a cell holds, no sheet, or a row above one already left behind:
    // rows are written from top to bottom).
    bool setText(int row, int column, const QString& text);
    bool setNumber(int row, int column, double value);
    // A date/time cell: the sheet's serial number under a date, time or date-and-time
    // format (yyyy-mm-dd, hh:mm:ss). A Date cell takes only the date of `value`, a
    // Time cell only its time; a date before 1900 or after 9999 is refused.
    bool setDateTime(int row, int column, const QDateTime& value, DateTimeShown shown);

    // The width of a column, in characters of the sheet's default font.
    bool setColumnWidth(int column, double characters);

    // Writes the file and ends the workbook; later calls fail.
    bool save();

    QString errorString() const { return error_; }

private:
    bool fail(const QString& what);
    lxw_format* formatFor(DateTimeShown shown);

    QString path_;
    lxw_workbook* workbook_ = nullptr;
    lxw_worksheet* sheet_ = nullptr;
    lxw_format* dateTimeFormats_[3] = {};
    QString error_;
};

} // namespace platform
