#include "browser/grid_export.h"

#include "platform/spreadsheet.h"

#include <QDesktopServices>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QUrl>
#include <algorithm>

namespace browser
{

namespace
{

// A double holds this many significant digits exactly; longer numbers stay text so
// that no digit is lost.
constexpr int kExactDigits = 15;

bool numericType(int type)
{
    static constexpr int numeric[] = {platform::ado::adSmallInt,
                                      platform::ado::adInteger,
                                      platform::ado::adSingle,
                                      platform::ado::adDouble,
                                      platform::ado::adCurrency,
                                      platform::ado::adDecimal,
                                      platform::ado::adTinyInt,
                                      17,
                                      18,
                                      19,
                                      platform::ado::adBigInt,
                                      21,
                                      platform::ado::adNumeric,
                                      139};
    return std::find(std::begin(numeric), std::end(numeric), type) != std::end(numeric);
}

// A value of a numeric field becomes a number in the sheet, everything else its text;
// an empty value (a null) leaves the cell empty. A failed write is passed over.
void writeCell(platform::SpreadsheetWorkbook& book, int row, int column, int type, const QString& value)
{
    if (value.isEmpty())
        return;
    if (numericType(type)) {
        static const QRegularExpression digits(QStringLiteral("\\d"));
        bool ok = false;
        const double number = value.toDouble(&ok);
        if (ok && value.count(digits) <= kExactDigits && book.setNumber(row, column, number))
            return;
    }
    book.setText(row, column, value);
}

// The file name shows the sheet's name where it can.
QString fileTemplate(const QString& folder, const QString& sheetName)
{
    QString stem = sheetName;
    stem.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_-]")), QStringLiteral("_"));
    if (stem.isEmpty())
        stem = QStringLiteral("grid");
    return folder + QLatin1Char('/') + stem + QStringLiteral("-XXXXXX.xlsx");
}

// Removes the file unless it was handed over.
class UnlessKept
{
public:
    explicit UnlessKept(QString path) : path_(std::move(path)) {}
    ~UnlessKept()
    {
        if (!kept_)
            QFile::remove(path_);
    }
    void keep() { kept_ = true; }

private:
    QString path_;
    bool kept_ = false;
};

} // namespace

bool openWithDesktop(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

QString exportMessage(ExportOutcome outcome)
{
    switch (outcome) {
    case ExportOutcome::CannotOpen:
        return QStringLiteral("Excel cannot be open");
    case ExportOutcome::Failed:
        return QStringLiteral("Export failed");
    case ExportOutcome::Shown:
        break;
    }
    return {};
}

ExportOutcome exportRows(platform::ado::Recordset& rows, const QString& sheetName, const QString& folder,
                         const SpreadsheetOpener& open, QString* writtenPath)
{
    // The workbook, its sheet and the header row.
    QTemporaryFile file(fileTemplate(folder, sheetName));
    file.setAutoRemove(false);
    if (!file.open())
        return ExportOutcome::CannotOpen;
    const QString path = file.fileName();
    file.close();
    UnlessKept cleanup(path);
    platform::SpreadsheetWorkbook book(path);
    if (!book.isValid() || !book.addSheet(sheetName))
        return ExportOutcome::CannotOpen;
    // A data control that has run no query (or whose last query failed) has no fields.
    if (rows.fieldCount() == 0)
        return ExportOutcome::CannotOpen;
    const QList<platform::ado::Field>& fields = rows.fields();
    for (int i = 0; i < int(fields.size()); ++i) {
        if (!book.setText(1, i + 1, fields[i].name))
            return ExportOutcome::CannotOpen;
    }

    // A recordset without records has no first record to move to.
    if (rows.recordCount() == 0)
        return ExportOutcome::Failed;
    rows.moveFirst();
    int row = 1;

    // The records; a cell that cannot take its value stays empty.
    while (!rows.eof()) {
        ++row;
        for (int i = 0; i < rows.fieldCount(); ++i)
            writeCell(book, row, i + 1, fields[i].type, rows.value(i));
        rows.moveNext();
    }
    if (!book.save())
        return ExportOutcome::Failed;
    if (!open || !open(path))
        return ExportOutcome::CannotOpen;
    cleanup.keep();
    if (writtenPath)
        *writtenPath = path;
    return ExportOutcome::Shown;
}

} // namespace browser
