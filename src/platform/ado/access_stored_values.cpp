#include "platform/ado/access_stored_values.h"

#include <QDate>
#include <QFile>
#include <cmath>

#include <mdbtools.h>

namespace platform::ado
{

namespace
{

// 1899-12-30, day 0 of Jet's dates, and its range: 100-01-01 to 9999-12-31.
constexpr qint64 kJetDayZero = 2415019;
constexpr double kFirstJetDay = -657434;
constexpr double kLastJetDay = 2958465;

} // namespace

std::optional<QString> jetDateText(double stored)
{
    if (!std::isfinite(stored) || stored < kFirstJetDay || stored >= kLastJetDay + 1)
        return std::nullopt;
    // The whole days count from day 0 either way; the fraction is the time of that day.
    double whole = std::trunc(stored);
    qint64 seconds = std::llround(std::fabs(stored - whole) * 86400.0);
    if (seconds >= 86400) {
        seconds -= 86400;
        whole += 1; // the time counts forward within its day, before day 0 too
    }
    const QDate date = QDate::fromJulianDay(kJetDayZero + qint64(whole));
    if (!date.isValid() || date.year() < 100 || date.year() > 9999)
        return std::nullopt;
    return QStringLiteral("%1-%2-%3 %4:%5:%6")
        .arg(date.year(), 4, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString jetText(QByteArrayView stored)
{
    const auto unit = [&](qsizetype at) {
        return char16_t(quint8(stored[at]) | quint8(stored[at + 1]) << 8);
    };
    QString text;
    if (stored.size() >= 2 && quint8(stored[0]) == 0xff && quint8(stored[1]) == 0xfe) {
        bool compressed = true;
        for (qsizetype at = 2; at < stored.size();) {
            if (stored[at] == 0) {
                compressed = !compressed;
                ++at;
            } else if (compressed) {
                text += QChar(char16_t(quint8(stored[at++])));
            } else if (at + 1 < stored.size()) {
                text += QChar(unit(at));
                at += 2;
            } else {
                break;
            }
        }
        return text;
    }
    for (qsizetype at = 0; at + 1 < stored.size(); at += 2)
        text += QChar(unit(at));
    return text;
}

struct AccessStoredValues::File {
    MdbHandle* mdb = nullptr;
    MdbTableDef* table = nullptr;
    bool unicode = false; // the file's text is UTF-16 (Jet 4, ACE), not a code page (Jet 3)
    QList<int> columns;   // the positions of the date and text columns
    // Their values as the library's text: bound, so that the library reads them (and tells
    // a null by an empty text).
    std::vector<std::vector<char>> texts;
    std::vector<int> lengths;
    ~File()
    {
        if (table)
            mdb_free_tabledef(table);
        if (mdb)
            mdb_close(mdb);
    }
};

AccessStoredValues::AccessStoredValues(std::unique_ptr<File> file) : file_(std::move(file)) {}

AccessStoredValues::~AccessStoredValues() = default;

std::unique_ptr<AccessStoredValues> AccessStoredValues::open(const QString& path, const AccessTable& table)
{
    auto file = std::make_unique<File>();
    file->mdb = mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS);
    if (!file->mdb)
        return nullptr;
    file->unicode = file->mdb->f->jet_version != MDB_VER_JET3;
    for (qsizetype i = 0; i < table.columns.size(); ++i) {
        if (table.columns[i].type == adDate || (file->unicode && table.columns[i].type == adVarWChar))
            file->columns.append(int(i));
    }
    if (file->columns.isEmpty())
        return nullptr;
    QByteArray name = table.name.toUtf8();
    file->table = mdb_read_table_by_name(file->mdb, name.data(), MDB_TABLE);
    if (!file->table || !mdb_read_columns(file->table) ||
        file->table->num_cols != guint(table.columns.size()))
        return nullptr;
    file->texts.assign(std::size_t(file->columns.size()), std::vector<char>(file->mdb->bind_size + 1));
    file->lengths.assign(std::size_t(file->columns.size()), 0);
    for (qsizetype i = 0; i < file->columns.size(); ++i)
        mdb_bind_column(file->table, file->columns[i] + 1, file->texts[std::size_t(i)].data(),
                        &file->lengths[std::size_t(i)]);
    mdb_rewind_table(file->table);
    return std::unique_ptr<AccessStoredValues>(new AccessStoredValues(std::move(file)));
}

bool AccessStoredValues::fillNext(QStringList* row)
{
    if (!mdb_fetch_row(file_->table))
        return false;
    for (qsizetype i = 0; i < file_->columns.size(); ++i) {
        const int c = file_->columns[i];
        const auto* column =
            static_cast<const MdbColumn*>(g_ptr_array_index(file_->table->columns, guint(c)));
        // The library leaves where the row's value lies in the page it read.
        if (c >= row->size() || file_->lengths[std::size_t(i)] <= 0 || column->cur_value_start < 0 ||
            column->cur_value_len < 0 ||
            column->cur_value_start + column->cur_value_len > file_->mdb->fmt->pg_size)
            continue;
        const char* stored = reinterpret_cast<const char*>(file_->mdb->pg_buf) + column->cur_value_start;
        if (column->col_type == MDB_DATETIME) {
            if (column->cur_value_len != 8)
                continue;
            if (const auto text = jetDateText(mdb_get_double(file_->mdb->pg_buf, column->cur_value_start)))
                (*row)[c] = *text;
        } else if (column->col_type == MDB_TEXT && (*row)[c].contains(QLatin1Char('?'))) {
            // Only where the driver put a question mark for a character it could not give.
            (*row)[c] = jetText(QByteArrayView(stored, column->cur_value_len));
        }
    }
    return true;
}

} // namespace platform::ado
