#include "platform/ado/connection_attributes.h"

namespace platform::ado
{

QChar closingQuote(QChar open)
{
    if (open == QLatin1Char('{'))
        return QLatin1Char('}');
    return open == QLatin1Char('"') || open == QLatin1Char('\'') ? open : QChar();
}

namespace
{

// Reads the value quoted from `open` to `close`; returns the position after the closing
// character (the end of the text when it is never closed).
qsizetype readQuoted(const QString& text, qsizetype open, QChar close, QString& value)
{
    const qsizetype n = text.size();
    qsizetype i = open + 1;
    while (i < n) {
        if (text[i] == close) {
            if (i + 1 < n && text[i + 1] == close) {
                value += close;
                i += 2;
                continue;
            }
            return i + 1;
        }
        value += text[i++];
    }
    return n;
}

} // namespace

QList<ConnectionAttribute> connectionAttributes(const QString& text, QuoteReading reading)
{
    QList<ConnectionAttribute> attributes;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const qsizetype equals = text.indexOf(QLatin1Char('='), i);
        const qsizetype semicolon = text.indexOf(QLatin1Char(';'), i);
        if (equals < 0 || (semicolon >= 0 && semicolon < equals)) {
            if (semicolon < 0)
                break;
            i = semicolon + 1;
            continue;
        }
        ConnectionAttribute attribute;
        qsizetype keyEnd = equals;
        while (i < keyEnd && text[i].isSpace())
            ++i;
        while (keyEnd > i && text[keyEnd - 1].isSpace())
            --keyEnd;
        attribute.keyStart = i;
        attribute.keyLength = keyEnd - i;
        attribute.valueStart = equals + 1;
        qsizetype start = attribute.valueStart;
        while (start < n && text[start].isSpace())
            ++start;
        QChar close = start < n ? closingQuote(text[start]) : QChar();
        if (reading == QuoteReading::odbc && close != QLatin1Char('}'))
            close = QChar();
        const bool quoted = !close.isNull();
        const qsizetype afterQuote = quoted ? readQuoted(text, start, close, attribute.value) : start;
        const qsizetype end = text.indexOf(QLatin1Char(';'), afterQuote);
        attribute.valueLength = (end < 0 ? n : end) - attribute.valueStart;
        if (!quoted)
            attribute.value = attribute.writtenIn(text).trimmed().toString();
        if (attribute.keyLength > 0)
            attributes.append(attribute);
        i = end < 0 ? n : end + 1;
    }
    return attributes;
}

} // namespace platform::ado
