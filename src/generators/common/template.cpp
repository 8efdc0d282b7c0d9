#include "generators/common/template.h"

namespace generators {

QString expand(QStringView line, const Placeholders& values)
{
    QString out;
    out.reserve(line.size() + 32);
    qsizetype i = 0;
    while (i < line.size()) {
        const QChar c = line[i];
        if (c == QLatin1Char('<')) {
            const qsizetype close = line.indexOf(QLatin1Char('>'), i + 1);
            if (close > i) {
                const QStringView name = line.sliced(i + 1, close - i - 1);
                if (name == u"dq") {
                    out.append(QLatin1Char('"'));
                    i = close + 1;
                    continue;
                }
                bool replaced = false;
                for (const auto& [key, value] : values) {
                    if (name == key) {
                        out.append(value);
                        replaced = true;
                        break;
                    }
                }
                if (replaced) {
                    i = close + 1;
                    continue;
                }
            }
        }
        out.append(c);
        ++i;
    }
    return out;
}

QStringList templateLines(QStringView block)
{
    if (block.startsWith(QLatin1Char('\n')))
        block = block.sliced(1);
    if (block.endsWith(QLatin1Char('\n')))
        block.chop(1);
    QStringList lines;
    for (QStringView line : block.split(QLatin1Char('\n')))
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
