#include "platform/spreadsheet.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <xlsxwriter.h>

namespace platform
{

namespace
{

constexpr qsizetype kMaxSheetName = 31;

bool sheetNameTaken(const QString& name)
{
    if (name.isEmpty() || name.size() > kMaxSheetName)
        return false;
    if (name.startsWith(QLatin1Char('\'')) || name.endsWith(QLatin1Char('\'')))
        return false;
    for (QChar ch : name) {
        if (QStringLiteral("[]:*?/\\").contains(ch))
            return false;
    }
    // Reserved by spreadsheet programs for their change history.
    return name.compare(QStringLiteral("History"), Qt::CaseInsensitive) != 0;
}

bool inSheet(int row, int column)
{
    return row >= 1 && row <= LXW_ROW_MAX && column >= 1 && column <= LXW_COL_MAX;
}

} // namespace

SpreadsheetWorkbook::SpreadsheetWorkbook(const QString& path) : path_(path)
{
    // Rows go to a scratch file as they are finished, so a large grid never sits in
    // memory twice.
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    workbook_ = workbook_new_opt(QFile::encodeName(path).constData(), &options);
    if (!workbook_)
        error_ = QStringLiteral("cannot create a workbook for %1").arg(path);
}

SpreadsheetWorkbook::~SpreadsheetWorkbook()
{
    if (workbook_)
        lxw_workbook_free(workbook_);
}

bool SpreadsheetWorkbook::fail(const QString& what)
{
    error_ = what;
    return false;
}

bool SpreadsheetWorkbook::addSheet(const QString& name)
{
    if (!workbook_)
        return fail(QStringLiteral("the workbook is not open"));
    if (sheet_)
        return fail(QStringLiteral("the workbook already has its sheet"));
    if (!sheetNameTaken(name))
        return fail(QStringLiteral("\"%1\" cannot name a sheet").arg(name));
    sheet_ = workbook_add_worksheet(workbook_, name.toUtf8().constData());
    return sheet_ ? true : fail(QStringLiteral("\"%1\" cannot name a sheet").arg(name));
}

bool SpreadsheetWorkbook::setText(int row, int column, const QString& text)
{
    if (!sheet_ || !inSheet(row, column))
        return fail(QStringLiteral("no cell (%1, %2)").arg(row).arg(column));
    const lxw_error rc = worksheet_write_string(sheet_, lxw_row_t(row - 1), lxw_col_t(column - 1),
                                                text.toUtf8().constData(), nullptr);
    return rc == LXW_NO_ERROR ? true : fail(QString::fromUtf8(lxw_strerror(rc)));
}

bool SpreadsheetWorkbook::setNumber(int row, int column, double value)
{
    if (!sheet_ || !inSheet(row, column))
        return fail(QStringLiteral("no cell (%1, %2)").arg(row).arg(column));
    const lxw_error rc =
        worksheet_write_number(sheet_, lxw_row_t(row - 1), lxw_col_t(column - 1), value, nullptr);
    return rc == LXW_NO_ERROR ? true : fail(QString::fromUtf8(lxw_strerror(rc)));
}

lxw_format* SpreadsheetWorkbook::formatFor(DateTimeShown shown)
{
    static constexpr const char* patterns[] = {"yyyy-mm-dd", "hh:mm:ss", "yyyy-mm-dd hh:mm:ss"};
    const int index = int(shown);
    if (!dateTimeFormats_[index]) {
        dateTimeFormats_[index] = workbook_add_format(workbook_);
        if (dateTimeFormats_[index])
            format_set_num_format(dateTimeFormats_[index], patterns[index]);
    }
    return dateTimeFormats_[index];
}

bool SpreadsheetWorkbook::setDateTime(int row, int column, const QDateTime& value, DateTimeShown shown)
{
    if (!sheet_ || !inSheet(row, column))
        return fail(QStringLiteral("no cell (%1, %2)").arg(row).arg(column));
    const QDate date = value.date();
    const QTime time = value.time();
    // Spreadsheet programs count days from 1900 and stop at 9999.
    if (shown != DateTimeShown::Time && (date.year() < 1900 || date.year() > 9999))
        return fail(QStringLiteral("%1 is outside the sheet's dates").arg(date.toString(Qt::ISODate)));
    lxw_datetime stamp{};
    // A date of 0/0/0 makes the serial number the time of day alone; a Date cell keeps
    // no time of day.
    if (shown != DateTimeShown::Time) {
        stamp.year = date.year();
        stamp.month = date.month();
        stamp.day = date.day();
    }
    if (shown != DateTimeShown::Date) {
        stamp.hour = time.hour();
        stamp.min = time.minute();
        stamp.sec = time.second() + time.msec() / 1000.0;
    }
    const lxw_error rc =
        worksheet_write_datetime(sheet_, lxw_row_t(row - 1), lxw_col_t(column - 1), &stamp, formatFor(shown));
    return rc == LXW_NO_ERROR ? true : fail(QString::fromUtf8(lxw_strerror(rc)));
}

bool SpreadsheetWorkbook::setColumnWidth(int column, double characters)
{
    if (!sheet_ || !inSheet(1, column))
        return fail(QStringLiteral("no column %1").arg(column));
    const lxw_col_t index = lxw_col_t(column - 1);
    const lxw_error rc = worksheet_set_column(sheet_, index, index, characters, nullptr);
    return rc == LXW_NO_ERROR ? true : fail(QString::fromUtf8(lxw_strerror(rc)));
}

bool SpreadsheetWorkbook::save()
{
    if (!workbook_)
        return fail(QStringLiteral("the workbook is not open"));
    // workbook_close frees the workbook whatever it returns.
    errno = 0;
    const lxw_error rc = workbook_close(workbook_);
    const int written = errno;
    workbook_ = nullptr;
    sheet_ = nullptr;
    std::fill(std::begin(dateTimeFormats_), std::end(dateTimeFormats_), nullptr);
    if (rc != LXW_NO_ERROR && (written == ENOSPC || written == EDQUOT))
        return fail(QStringLiteral("the disk is full: %1 cannot be written").arg(path_));
    if (rc != LXW_NO_ERROR)
        return fail(QStringLiteral("cannot write %1: %2").arg(path_, QString::fromUtf8(lxw_strerror(rc))));
    return true;
}

} // namespace platform
