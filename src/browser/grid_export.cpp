#include "browser/grid_export.h"

#include "platform/ado/row_cursor.h"
#include "platform/spreadsheet.h"
#include "platform/yielding_call.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QUrl>
#include <algorithm>
#include <optional>

namespace browser
{

namespace
{

// A double holds this many significant digits exactly; longer numbers stay text so
// that no digit is lost.
constexpr int kExactDigits = 15;
// Rows read from the query per step: the workbook is written as they come.
constexpr int kExportChunk = 500;
// Column widths in characters: the widest a fitted column grows, and the room beside
// its text.
constexpr qsizetype kWidestColumnChars = 60;
constexpr double kColumnMargin = 1.5;

// How a date/time field's cells show; none for other fields.
std::optional<platform::DateTimeShown> dateTimeShown(int type)
{
    switch (type) {
    case platform::ado::adDBDate:
        return platform::DateTimeShown::Date;
    case platform::ado::adDBTime:
        return platform::DateTimeShown::Time;
    case platform::ado::adDate:
    case platform::ado::adDBTimeStamp:
        return platform::DateTimeShown::DateAndTime;
    default:
        return std::nullopt;
    }
}

// The driver's text of a date, time or timestamp ("2024-06-15 08:30:00.5"); invalid when
// it reads as none of them. Read as UTC: the value is written as it stands, never shifted
// by the local clock's rules (a time in a summer-time gap stays as it is), and no time
// zone is looked up for each cell.
QDateTime parseDateTime(const QString& value)
{
    const QString text = value.trimmed();
    static const QRegularExpression between(QStringLiteral("[ T]"));
    const qsizetype gap = text.indexOf(between);
    if (gap > 0) {
        const QDate date = QDate::fromString(text.left(gap), Qt::ISODate);
        const QTime time = QTime::fromString(text.mid(gap + 1), Qt::ISODateWithMs);
        return date.isValid() && time.isValid() ? QDateTime(date, time, Qt::UTC) : QDateTime();
    }
    if (const QDate date = QDate::fromString(text, Qt::ISODate); date.isValid())
        return QDateTime(date, QTime(0, 0), Qt::UTC);
    const QTime time = QTime::fromString(text, Qt::ISODateWithMs);
    return time.isValid() ? QDateTime(QDate(2000, 1, 1), time, Qt::UTC) : QDateTime();
}

// The number of decimal digits in a text.
qsizetype digitCount(const QString& text)
{
    return std::count_if(text.cbegin(), text.cend(), [](QChar ch) { return ch.isDigit(); });
}

// The default text of a boolean: "True" or "False" whatever the driver's spelling.
QString booleanText(const QString& value)
{
    const QString v = value.trimmed().toLower();
    if (v == QLatin1String("1") || v == QLatin1String("-1") || v == QLatin1String("t") ||
        v == QLatin1String("true"))
        return QStringLiteral("True");
    if (v == QLatin1String("0") || v == QLatin1String("f") || v == QLatin1String("false"))
        return QStringLiteral("False");
    return value;
}

// A value of a numeric field becomes a number in the sheet, of a date/time field a date,
// time or both, of a boolean field "True" or "False", everything else its text; an empty
// value (a null) leaves the cell empty. A value the sheet cannot take as such is written
// as its text; a failed write is passed over.
void writeCell(platform::SpreadsheetWorkbook& book, int row, int column, int type, const QString& value)
{
    if (value.isEmpty())
        return;
    if (type == platform::ado::adBoolean) {
        book.setText(row, column, booleanText(value));
        return;
    }
    if (const auto shown = dateTimeShown(type)) {
        const QDateTime stamp = parseDateTime(value);
        if (stamp.isValid() && book.setDateTime(row, column, stamp, *shown))
            return;
    }
    if (platform::ado::isNumericType(type)) {
        bool ok = false;
        const double number = value.toDouble(&ok);
        if (ok && digitCount(value) <= kExactDigits && book.setNumber(row, column, number))
            return;
    }
    book.setText(row, column, value);
}

// Each column as wide as its header and the widest of the first rows, within reason.
void fitColumns(platform::SpreadsheetWorkbook& book, const QList<platform::ado::Field>& fields,
                const QList<QStringList>& firstRows)
{
    for (int i = 0; i < int(fields.size()); ++i) {
        qsizetype widest = fields[i].name.size();
        for (const QStringList& record : firstRows)
            widest = std::max(widest, record.value(i).size());
        book.setColumnWidth(i + 1, double(std::min<qsizetype>(widest, kWidestColumnChars)) + kColumnMargin);
    }
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

// Why no workbook can be made in `folder`, in the user's words where the cause is plain.
QString folderProblem(const QString& folder, const QString& error)
{
    const QFileInfo info(folder);
    if (info.exists() && !info.isDir())
        return QStringLiteral("the export folder %1 is not a folder (a file of that name is there).")
            .arg(folder);
    if (!info.exists())
        return QStringLiteral("the export folder %1 does not exist.").arg(folder);
    return QStringLiteral("the folder %1 cannot be written to: %2").arg(folder, error);
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
    // The desktop's opener starts even when no program takes workbooks, and then shows
    // nothing: ask first which program it would use, where the desktop can tell.
    QProcess query;
    query.start(QStringLiteral("xdg-mime"),
                {QStringLiteral("query"), QStringLiteral("default"),
                 QStringLiteral("application/vnd.openxmlformats-officedocument.spreadsheetml.sheet")});
    if (query.waitForFinished(3000) && query.exitStatus() == QProcess::NormalExit && query.exitCode() == 0 &&
        query.readAllStandardOutput().trimmed().isEmpty())
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

QString exportMessage(ExportOutcome outcome, const QString& writtenPath, const ExportProblem& problem)
{
    switch (outcome) {
    case ExportOutcome::CannotOpen:
        return QStringLiteral("Excel cannot be open");
    case ExportOutcome::NotOpened:
        return QStringLiteral("Excel cannot be open") + QLatin1Char('\n') + writtenPath;
    case ExportOutcome::Failed: {
        QString text = QStringLiteral("Export failed");
        if (!problem.reason.isEmpty()) {
            QString reason = problem.reason.simplified();
            reason[0] = reason[0].toUpper();
            text += QLatin1Char('\n') + reason;
        }
        if (problem.cutShort)
            text +=
                QStringLiteral("\n%1 rows had been written when the export stopped; no workbook was kept.")
                    .arg(problem.rowsWritten);
        return text;
    }
    case ExportOutcome::Shown:
        break;
    }
    return {};
}

ExportOutcome exportRows(platform::ado::RowCursor* rows, const QString& sheetName, const QString& folder,
                         const SpreadsheetOpener& open, QString* writtenPath, ExportProblem* problem)
{
    ExportProblem unused;
    ExportProblem& why = problem ? *problem : unused;
    why = ExportProblem();
    // The workbook, its sheet and the header row.
    QTemporaryFile file(fileTemplate(folder, sheetName));
    file.setAutoRemove(false);
    if (!file.open()) {
        why.reason = folderProblem(folder, file.errorString());
        return ExportOutcome::Failed;
    }
    const QString path = file.fileName();
    file.close();
    UnlessKept cleanup(path);
    platform::SpreadsheetWorkbook book(path);
    if (!book.isValid() || !book.addSheet(sheetName))
        return ExportOutcome::CannotOpen;
    // A data control that has run no query (or whose last query failed) has no fields.
    if (!rows || rows->fields().isEmpty())
        return ExportOutcome::CannotOpen;
    const QList<platform::ado::Field> fields = rows->fields();
    for (int i = 0; i < int(fields.size()); ++i) {
        if (!book.setText(1, i + 1, fields[i].name))
            return ExportOutcome::CannotOpen;
    }

    // A read that fails (a dropped link, say) leaves the workbook short of rows: it is
    // not kept, and the message says where the rows stopped.
    const auto cutShort = [&](const platform::ado::Status& read, int written) {
        why.reason = QStringLiteral("the rows could not be read: ") + read.message;
        why.rowsWritten = written;
        why.cutShort = true;
        return ExportOutcome::Failed;
    };
    // A query without records has no first record to move to.
    QList<QStringList> chunk;
    platform::ado::Status read = rows->fetch(kExportChunk, &chunk);
    if (!read.ok)
        return cutShort(read, 0);
    if (chunk.isEmpty()) {
        why.reason = QStringLiteral("there are no rows to export: the table, or the part of it chosen, is "
                                    "empty; no workbook was written.");
        return ExportOutcome::Failed;
    }
    fitColumns(book, fields, chunk);
    int row = 1;

    // The records, a chunk at a time; a cell that cannot take its value stays empty.
    while (!chunk.isEmpty()) {
        for (const QStringList& record : std::as_const(chunk)) {
            ++row;
            for (int i = 0; i < int(fields.size()); ++i)
                writeCell(book, row, i + 1, fields[i].type, record.value(i));
        }
        chunk.clear();
        read = rows->fetch(kExportChunk, &chunk);
        if (!read.ok)
            return cutShort(read, row - 1);
    }
    // Packing a large workbook takes seconds: the window goes on meanwhile.
    bool saved = false;
    platform::runWhileYielding([&] { saved = book.save(); });
    if (!saved) {
        why.reason = book.errorString();
        return ExportOutcome::Failed;
    }
    cleanup.keep();
    if (writtenPath)
        *writtenPath = path;
    // With no program to show it, the workbook stays for the user to open elsewhere.
    if (!open || !open(path))
        return ExportOutcome::NotOpened;
    return ExportOutcome::Shown;
}

} // namespace browser
