#pragma once
// The attributes of a connection string ("key=value;key=value"), located in the text they
// were read from, so that a caller can both read the values and rebuild the text around them.

#include <QList>
#include <QString>
#include <QStringView>

namespace platform::ado
{

struct ConnectionAttribute {
    qsizetype keyStart = 0; // the name, without the blanks around it
    qsizetype keyLength = 0;
    qsizetype valueStart = 0; // the value as written: all after '=' up to the ';' that ends it
    qsizetype valueLength = 0;
    QString value; // the value as a driver reads it

    QStringView keyIn(const QString& text) const { return QStringView(text).mid(keyStart, keyLength); }
    QStringView writtenIn(const QString& text) const
    {
        return QStringView(text).mid(valueStart, valueLength);
    }
};

// The character that closes a value opened by `open`: the same quote, or '}' for '{'; none
// when `open` does not open a quoted value.
QChar closingQuote(QChar open);

// How quotes are read: OLE DB quotes a value with double or single quotes or braces; ODBC,
// which gets a DRIVER= or DSN= string as typed, quotes with braces only.
enum class QuoteReading { oleDb, odbc };

// Every attribute of the text, in order. A quoted value runs to its closing character, a
// doubled closing character standing for one, and may hold ';'; text after the closing
// character up to the ';' is written but not read, and an unclosed value runs to the end.
// Any other value is read trimmed. A segment without '=' and an attribute with an empty
// name are passed over.
QList<ConnectionAttribute> connectionAttributes(const QString& text,
                                                QuoteReading reading = QuoteReading::oleDb);

} // namespace platform::ado
