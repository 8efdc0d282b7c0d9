#include "generators/common/line_table.h"

#include <QVarLengthArray>

#include <optional>
#include <unordered_map>
#include <vector>

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

// One "<...>" of a template line, as expand() meets them: where it opens and closes, the
// name between, and what the name is.
struct Bracket {
    qsizetype open, close;
    QStringView name;
    QChar builtIn;    // '"' for <dq>, '<' for <lt>, else null
    bool placeholder; // a name that should have a value
};

// A template line read once: its leading tags ("!" kept), and the brackets of the rest.
struct ParsedLine {
    QList<QStringView> tags;
    QStringView text;
    QList<Bracket> brackets;
};

ParsedLine parseLine(QStringView line)
{
    ParsedLine parsed;
    while (const std::optional<QStringView> tag = takeLineTag(line))
        parsed.tags.append(*tag);
    parsed.text = line;
    qsizetype open = line.indexOf(QLatin1Char('<'));
    while (open >= 0) {
        const qsizetype close = line.indexOf(QLatin1Char('>'), open + 1);
        if (close < 0)
            break;
        const QStringView name = line.sliced(open + 1, close - open - 1);
        const QChar builtIn = name == u"dq" ? QLatin1Char('"') : name == u"lt" ? QLatin1Char('<') : QChar();
        parsed.brackets.append({open, close, name, builtIn, isPlaceholderName(name)});
        open = line.indexOf(QLatin1Char('<'), open + 1);
    }
    return parsed;
}

// The lines of a table, read the first time it is written: reading them costs more than
// writing them. Tables are written on the program's main thread, most of them constants; a
// text is known again by where it lies and what it says (a copy is kept to compare, and
// the lines are views into it).
const QList<ParsedLine>& parsedLines(const LineTable& table)
{
    struct Parsed {
        QString text;
        QList<ParsedLine> lines;
    };
    static std::unordered_map<const QChar*, Parsed> known;
    auto found = known.find(table.text.data());
    if (found == known.end() || found->second.text != table.text) {
        found = known.insert_or_assign(table.text.data(), Parsed{table.text.toString(), {}}).first;
        for (QStringView line : templateLineViews(found->second.text))
            found->second.lines.append(parseLine(line));
    }
    return found->second.lines;
}

// The placeholders in scope, the innermost row last.
using Scopes = QVarLengthArray<const Placeholders*, 8>;

const QString* valueIn(QStringView name, const Scopes& scopes)
{
    for (qsizetype at = scopes.size() - 1; at >= 0; --at) {
        for (const auto& [key, value] : *scopes[at]) {
            // Most keys differ in length: told apart without a call.
            if (name.size() == key.size() && name == key)
                return &value;
        }
    }
    return nullptr;
}

// One writing of a table: the row sets fetched so far, the line being built and where
// errors go.
class TableWriter
{
public:
    TableWriter(const LineTable& table, const RowSets& rows,
                const std::function<void(const QString&)>& emitLine,
                const std::function<void(const QString&)>& reportError)
        : table_(table), rows_(rows), emitLine_(emitLine), reportError_(reportError),
          fetched_(std::size_t(rows.entries().size()))
    {
    }

    // Writes the line from its tag `tagAt` on, for `scopes`.
    void writeLine(qsizetype number, const ParsedLine& line, qsizetype tagAt, Scopes& scopes)
    {
        if (tagAt == line.tags.size()) {
            writeText(number, line, scopes);
            return;
        }
        const QStringView tag = line.tags[tagAt];
        const bool negated = tag.startsWith(QLatin1Char('!'));
        const QStringView name = negated ? tag.sliced(1) : tag;
        const RowSet* rows = rowSet(name);
        if (!rows) {
            reportError_(QStringLiteral("%1, line %2: [%3] has no row set")
                             .arg(table_.id.toString(), QString::number(number), name.toString()));
            return;
        }
        if (negated) {
            if (rows->isEmpty())
                writeLine(number, line, tagAt + 1, scopes);
            return;
        }
        // Each row is looked up ahead of the values around it, without a copy of either.
        for (const Placeholders& row : *rows) {
            scopes.append(&row);
            writeLine(number, line, tagAt + 1, scopes);
            scopes.removeLast();
        }
    }

private:
    // Replaces every bracket that has a value, as expand() does, into the line being built.
    void writeText(qsizetype number, const ParsedLine& line, const Scopes& scopes)
    {
        out_.resize(0);
        qsizetype done = 0;
        for (const Bracket& bracket : line.brackets) {
            if (bracket.open < done)
                continue;
            const QString* value = valueIn(bracket.name, scopes);
            if (!value && bracket.builtIn.isNull()) {
                if (bracket.placeholder) {
                    reportError_(
                        QStringLiteral("%1, line %2: <%3> has no value")
                            .arg(table_.id.toString(), QString::number(number), bracket.name.toString()));
                    return;
                }
                continue;
            }
            out_.append(line.text.sliced(done, bracket.open - done));
            if (value)
                out_.append(*value);
            else
                out_.append(bracket.builtIn);
            done = bracket.close + 1;
        }
        out_.append(line.text.sliced(done));
        emitLine_(out_);
    }

    const RowSet* rowSet(QStringView tag)
    {
        const QList<RowSets::Entry>& entries = rows_.entries();
        for (qsizetype at = 0; at < entries.size(); ++at) {
            const RowSets::Entry& entry = entries[at];
            if (entry.tag.size() != tag.size() || entry.tag != tag)
                continue;
            if (!entry.fetch)
                return &entry.rows;
            std::optional<RowSet>& fetched = fetched_[std::size_t(at)];
            if (!fetched)
                fetched = entry.fetch();
            return &*fetched;
        }
        return nullptr;
    }

    const LineTable& table_;
    const RowSets& rows_;
    const std::function<void(const QString&)>& emitLine_;
    const std::function<void(const QString&)>& reportError_;
    std::vector<std::optional<RowSet>> fetched_; // by entry
    QString out_;                                // its room kept from line to line
};

} // namespace

void expandLineTable(const LineTable& table, const Placeholders& values, const RowSets& rows,
                     const std::function<void(const QString& line)>& emitLine,
                     const std::function<void(const QString& error)>& reportError)
{
    TableWriter writer(table, rows, emitLine, reportError);
    const QList<ParsedLine>& lines = parsedLines(table);
    Scopes scopes{&values};
    for (qsizetype i = 0; i < lines.size(); ++i)
        writer.writeLine(i + 1, lines.at(i), 0, scopes);
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
