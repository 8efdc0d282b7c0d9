#pragma once
// The dates of an Access table as the file stores them. The MDBTools driver's text of a date
// before 1900 is wrong ("1900-01-00 00:00:00"), so the browser's rows take their date values
// from the file itself, read beside the driver's rows, row for row, in the same order (both
// read the table's pages in turn).

#include "platform/ado/access_catalogue.h"

#include <memory>
#include <optional>

namespace platform::ado
{

// A stored date (days since 1899-12-30, the fraction the time of day, counted forward from
// the day's start also before that day, as Jet counts it) as "yyyy-MM-dd hh:mm:ss", the form
// the driver gives; nothing outside Jet's years 100 to 9999.
std::optional<QString> jetDateText(double stored);

class AccessDateColumns
{
public:
    // The reader of the date columns of `table` in the file at `path`; null when the table
    // has none or the file cannot be opened. Only for a table whose rows the helper read.
    static std::unique_ptr<AccessDateColumns> open(const QString& path, const AccessTable& table);
    ~AccessDateColumns();
    AccessDateColumns(const AccessDateColumns&) = delete;
    AccessDateColumns& operator=(const AccessDateColumns&) = delete;

    // Puts the stored dates of the table's next row into the driver's `row` (a null stays
    // empty); false once the file has no further row.
    bool fillNext(QStringList* row);

private:
    struct File;
    explicit AccessDateColumns(std::unique_ptr<File> file);
    std::unique_ptr<File> file_;
};

} // namespace platform::ado
