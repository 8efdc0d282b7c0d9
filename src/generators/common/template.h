#pragma once
// Tables of generated lines are kept as raw strings, one generated line per source line,
// and expanded by one function. A placeholder is a lower-case word in angle brackets;
// any other text in angle brackets (such as <Table> in comments) is literal.

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>
#include <utility>

namespace generators
{

using Placeholders = QList<std::pair<QString, QString>>;
// Lists of placeholders looked up in order: the first that has a name gives its value.
using PlaceholderScopes = QList<const Placeholders*>;

// Replaces every "<name>" of `values` in one pass (a value is never expanded again).
// "<dq>" always stands for one double quote and "<lt>" for "<", for markup whose tag
// reads as a placeholder. A placeholder no value stands for is left as it stands, and its
// name is added to `unknown` when that is given.
QString expand(QStringView line, const Placeholders& values, QList<QStringView>* unknown = nullptr);
QString expand(QStringView line, const PlaceholderScopes& scopes, QList<QStringView>* unknown = nullptr);

// A name in angle brackets is a placeholder when it is a lower-case letter followed by
// lower-case letters, digits or "_".
bool isPlaceholderName(QStringView name);

// The placeholders a line names, in order, the built-in <dq> and <lt> aside.
QList<QStringView> placeholdersOf(QStringView line);

// The lines of a raw-string block: the newline right after R"( and the one right before
// )" are not lines; every line in between is, empty ones included.
QStringList templateLines(QStringView block);
// The same lines as views into the block.
QList<QStringView> templateLineViews(QStringView block);

// Expands every line of a block.
QStringList expandBlock(QStringView block, const Placeholders& values);

// Splits a leading "[name]" tag off a template line and returns the name; a line without
// a tag gives no name and stays as it is.
std::optional<QStringView> takeLineTag(QStringView& line);

// List commas: every item's line but the last ends in ",".
inline QString listComma(qsizetype index, qsizetype count)
{
    return index < count - 1 ? QStringLiteral(",") : QString();
}

} // namespace generators
