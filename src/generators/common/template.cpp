#include "generators/common/template.h"

namespace generators
{

namespace
{

bool isBuiltIn(QStringView name)
{
    return name == u"dq" || name == u"lt";
}

const QString* valueOf(QStringView name, const Placeholders& values)
{
    for (const auto& [key, value] : values) {
        if (name == key)
            return &value;
    }
    return nullptr;
}

const QString* valueOf(QStringView name, const PlaceholderScopes& scopes)
{
    for (const Placeholders* values : scopes) {
        if (const QString* value = valueOf(name, *values))
            return value;
    }
    return nullptr;
}

// Calls `visit` for every "<name>" of the line with the name and the index of its ">".
template <typename Visit> void forEachBracketed(QStringView line, Visit visit)
{
    qsizetype i = line.indexOf(QLatin1Char('<'));
    while (i >= 0) {
        const qsizetype close = line.indexOf(QLatin1Char('>'), i + 1);
        if (close < 0)
            return;
        visit(i, line.sliced(i + 1, close - i - 1), close);
        i = line.indexOf(QLatin1Char('<'), i + 1);
    }
}

template <typename Values>
QString expandWith(QStringView line, const Values& values, QList<QStringView>* unknown)
{
    QString out;
    out.reserve(line.size() + 32);
    qsizetype done = 0;
    forEachBracketed(line, [&](qsizetype open, QStringView name, qsizetype close) {
        if (open < done)
            return;
        const QString* value = valueOf(name, values);
        if (!value && !isBuiltIn(name)) {
            if (unknown && isPlaceholderName(name))
                unknown->append(name);
            return;
        }
        out.append(line.sliced(done, open - done));
        if (value)
            out.append(*value);
        else
            out.append(name == u"dq" ? QLatin1Char('"') : QLatin1Char('<'));
        done = close + 1;
    });
    out.append(line.sliced(done));
    return out;
}

} // namespace

QString expand(QStringView line, const Placeholders& values, QList<QStringView>* unknown)
{
    return expandWith(line, values, unknown);
}

QString expand(QStringView line, const PlaceholderScopes& scopes, QList<QStringView>* unknown)
{
    return expandWith(line, scopes, unknown);
}

bool isPlaceholderName(QStringView name)
{
    if (name.isEmpty() || name.front() < u'a' || name.front() > u'z')
        return false;
    for (const QChar c : name) {
        if (!((c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'_'))
            return false;
    }
    return true;
}

QList<QStringView> placeholdersOf(QStringView line)
{
    QList<QStringView> names;
    forEachBracketed(line, [&](qsizetype, QStringView name, qsizetype) {
        if (isPlaceholderName(name) && !isBuiltIn(name))
            names.append(name);
    });
    return names;
}

QList<QStringView> templateLineViews(QStringView block)
{
    if (block.startsWith(QLatin1Char('\n')))
        block = block.sliced(1);
    if (block.endsWith(QLatin1Char('\n')))
        block.chop(1);
    return block.split(QLatin1Char('\n'));
}

QStringList templateLines(QStringView block)
{
    QStringList lines;
    for (QStringView line : templateLineViews(block))
        lines.append(line.toString());
    return lines;
}

QStringList expandBlock(QStringView block, const Placeholders& values)
{
    QStringList lines = templateLines(block);
    for (QString& line : lines)
        line = expand(line, values);
    return lines;
}

std::optional<QStringView> takeLineTag(QStringView& line)
{
    if (!line.startsWith(QLatin1Char('[')))
        return std::nullopt;
    const qsizetype close = line.indexOf(QLatin1Char(']'));
    if (close < 0)
        return std::nullopt;
    const QStringView name = line.sliced(1, close - 1);
    line = line.sliced(close + 1);
    return name;
}

} // namespace generators
