#pragma once
// Values of an Access table as the file stores them, where the MDBTools driver's text is
// wrong: a date before 1900 ("1900-01-00 00:00:00") and a character beyond the Basic
// Multilingual Plane in a Text column ("??"). The browser's rows take these values from the
// file itself, read beside the driver's rows, row for row, in the same order (both read the
// table's pages in turn).

#include "platform/ado/access_catalogue.h"

#include <memory>
#include <optional>

namespace platform::ado
{

// A stored date (days since 1899-12-30, the fraction the time of day, counted forward from
// the day's start also before that day, as Jet counts it) as "yyyy-MM-dd hh:mm:ss", the form
// the driver gives; nothing outside Jet's years 100 to 9999.
std::optional<QString> jetDateText(double stored);

// A Text value as Jet 4 and later store it: UTF-16, or "compressed" (led by FF FE, one byte a
// character, a zero byte switching to and from two-byte characters).
QString jetText(QByteArrayView stored);

class AccessStoredValues
{
public:
    // The reader of the date and text columns of `table` in the file at `path`; null when the
    // table has none. Only for a table whose rows the helper read.
    static std::unique_ptr<AccessStoredValues> open(const QString& path, const AccessTable& table);
    ~AccessStoredValues();
    AccessStoredValues(const AccessStoredValues&) = delete;
    AccessStoredValues& operator=(const AccessStoredValues&) = delete;

    // Puts the stored values of the table's next row into the driver's `row` where its text
    // of them is wrong (a null stays empty); false once the file has no further row.
    bool fillNext(QStringList* row);

private:
    struct File;
    explicit AccessStoredValues(std::unique_ptr<File> file);
    std::unique_ptr<File> file_;
};

} // namespace platform::ado
