#include "generators/common/line_table.h"

#include <QHash>

namespace generators
{

RowSets::RowSets(std::initializer_list<std::pair<QString, RowSet>> sets)
{
    for (const auto& [tag, rows] : sets)
        add(tag, rows);
}

RowSets& RowSets::add(const QString& tag, RowSet rows)
{
    entries_.append({tag, std::move(rows), {}});
    return *this;
}

RowSets& RowSets::addFetched(const QString& tag, std::function<RowSet()> fetch)
{
    entries_.append({tag, {}, std::move(fetch)});
    return *this;
}

RowSet when(bool condition)
{
    return condition ? RowSet{Placeholders{}} : RowSet{};
}

RowSet rowsOf(const QString& key, const QStringList& names)
{
    RowSet rows;
    for (const QString& name : names)
        rows.append({{key, name}});
    return rows;
}

RowSet fieldRows(const QList<platform::ado::Field>& fields, QString (*typeWord)(int adoType))
{
    RowSet rows;
    for (const platform::ado::Field& field : fields)
        rows.append({{QStringLiteral("column"), field.name}, {QStringLiteral("type"), typeWord(field.type)}});
    return rows;
}

RowSet withListComma(RowSet rows)
{
    for (qsizetype k = 0; k < rows.size(); ++k)
        rows[k].append({QStringLiteral("comma"), listComma(k, rows.size())});
    return rows;
}

namespace
{

// One writing of a table: the row sets fetched so far and where errors go.
class TableWriter
{
public:
    TableWriter(const LineTable& table, const RowSets& rows,
                const std::function<void(const QString&)>& emitLine,
                const std::function<void(const QString&)>& reportError)
        : table_(table), rows_(rows), emitLine_(emitLine), reportError_(reportError)
    {
    }

    // `values` are the rows' placeholders, the innermost row first, then the table's.
    void writeLine(qsizetype number, QStringView line, const PlaceholderScopes& values)
    {
        const std::optional<QStringView> tag = takeLineTag(line);
        if (!tag) {
            QList<QStringView> unknown;
            const QString expanded = expand(line, values, &unknown);
            if (unknown.isEmpty())
                emitLine_(expanded);
            else
                reportError_(
                    QStringLiteral("%1, line %2: <%3> has no value")
                        .arg(table_.id.toString(), QString::number(number), unknown.first().toString()));
            return;
        }
        const bool negated = tag->startsWith(QLatin1Char('!'));
        const QStringView name = negated ? tag->sliced(1) : *tag;
        const RowSet* rows = rowSet(name);
        if (!rows) {
            reportError_(QStringLiteral("%1, line %2: [%3] has no row set")
                             .arg(table_.id.toString(), QString::number(number), name.toString()));
            return;
        }
        if (negated) {
            if (rows->isEmpty())
                writeLine(number, line, values);
            return;
        }
        if (rows->isEmpty())
            return;
        // Each row is looked up ahead of the values around it, without a copy of either.
        PlaceholderScopes inner;
        inner.reserve(values.size() + 1);
        inner.append(nullptr);
        inner.append(values);
        for (const Placeholders& row : *rows) {
            inner[0] = &row;
            writeLine(number, line, inner);
        }
    }

private:
    const RowSet* rowSet(QStringView tag)
    {
        for (const RowSets::Entry& entry : rows_.entries()) {
            if (entry.tag != tag)
                continue;
            if (!entry.fetch)
                return &entry.rows;
            auto fetched = fetched_.find(entry.tag);
            if (fetched == fetched_.end())
                fetched = fetched_.insert(entry.tag, entry.fetch());
            return &fetched.value();
        }
        return nullptr;
    }

    const LineTable& table_;
    const RowSets& rows_;
    const std::function<void(const QString&)>& emitLine_;
    const std::function<void(const QString&)>& reportError_;
    QHash<QString, RowSet> fetched_;
};

} // namespace

void expandLineTable(const LineTable& table, const Placeholders& values, const RowSets& rows,
                     const std::function<void(const QString& line)>& emitLine,
                     const std::function<void(const QString& error)>& reportError)
{
    TableWriter writer(table, rows, emitLine, reportError);
    const QList<QStringView> lines = templateLineViews(table.text);
    const PlaceholderScopes scopes{&values};
    for (qsizetype i = 0; i < lines.size(); ++i)
        writer.writeLine(i + 1, lines.at(i), scopes);
}

QStringList expandLineTable(const LineTable& table, const Placeholders& values, const RowSets& rows,
                            QStringList& errors)
{
    QStringList lines;
    expandLineTable(
        table, values, rows, [&](const QString& line) { lines.append(line); },
        [&](const QString& text) { errors.append(text); });
    return lines;
}

void writeLineTable(ModuleFile& file, const LineTable& table, const Placeholders& values, const RowSets& rows)
{
    expandLineTable(
        table, values, rows, [&](const QString& line) { file.emit_line(line); },
        [&](const QString& text) { file.problem(text); });
}

LineNames namesOf(QStringView line)
{
    LineNames names;
    while (const std::optional<QStringView> tag = takeLineTag(line))
        names.tags.append(*tag);
    names.placeholders = placeholdersOf(line);
    return names;
}

} // namespace generators
