#include "kit/type_ahead.h"

#include "platform/text_file.h"

namespace kit
{

namespace
{

// Code of the first character in the single-byte code page; 0 for an empty text.
int firstCode(const QString& upper)
{
    if (upper.isEmpty())
        return 0;
    const QByteArray bytes = platform::toWindows1252(upper.left(1));
    return bytes.isEmpty() ? 0 : int(quint8(bytes.at(0)));
}

} // namespace

int typeAheadRow(const QStringList& items, const QString& search)
{
    if (search.isEmpty())
        return -1;
    const QString wanted = search.toUpper();
    const int c = firstCode(wanted);
    int best = 256;
    int start = 0;
    for (int i = 0; i < items.size(); ++i) {
        const int a = firstCode(items.at(i).toUpper());
        if (a <= c && c - a < best) {
            best = c - a;
            start = i;
        }
    }
    for (int i = start; i < items.size(); ++i) {
        if (items.at(i).toUpper() >= wanted)
            return i;
    }
    return -1;
}

} // namespace kit
