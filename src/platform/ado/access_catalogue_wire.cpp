#include "platform/ado/access_catalogue_wire.h"

#include <QDataStream>
#include <QIODevice>

namespace platform::ado
{

namespace
{
constexpr quint32 kMagic = 0x51414331; // "QAC1"
} // namespace

// Static, yet in the types' own namespace, where QList's operators find them.

static QDataStream& operator<<(QDataStream& s, const Field& f)
{
    return s << f.name << qint32(f.type);
}
static QDataStream& operator>>(QDataStream& s, Field& f)
{
    qint32 type = 0;
    s >> f.name >> type;
    f.type = type;
    return s;
}
static QDataStream& operator<<(QDataStream& s, const AccessIndex& i)
{
    return s << i.name << i.primary << i.unique << i.unreadable << i.columns;
}
static QDataStream& operator>>(QDataStream& s, AccessIndex& i)
{
    return s >> i.name >> i.primary >> i.unique >> i.unreadable >> i.columns;
}
static QDataStream& operator<<(QDataStream& s, const AccessTable& t)
{
    return s << t.name << t.system << t.columns << t.indexes;
}
static QDataStream& operator>>(QDataStream& s, AccessTable& t)
{
    return s >> t.name >> t.system >> t.columns >> t.indexes;
}
static QDataStream& operator<<(QDataStream& s, const AccessRelation& r)
{
    return s << r.name << r.parent << r.child << r.parentColumns << r.childColumns << qint32(r.updateRule)
             << qint32(r.deleteRule);
}
static QDataStream& operator>>(QDataStream& s, AccessRelation& r)
{
    qint32 update = 0, remove = 0;
    s >> r.name >> r.parent >> r.child >> r.parentColumns >> r.childColumns >> update >> remove;
    r.updateRule = update;
    r.deleteRule = remove;
    return s;
}

QByteArray accessCatalogueMessage(const Status& read, const AccessCatalogue& catalogue)
{
    QByteArray message;
    QDataStream s(&message, QIODevice::WriteOnly);
    s.setVersion(QDataStream::Qt_6_0);
    s << kMagic << read.ok << read.message << catalogue.tables << catalogue.relations << kMagic;
    return message;
}

bool fromAccessCatalogueMessage(const QByteArray& message, Status* read, AccessCatalogue* catalogue)
{
    QDataStream s(message);
    s.setVersion(QDataStream::Qt_6_0);
    quint32 magic = 0, end = 0;
    bool ok = false;
    QString text;
    AccessCatalogue got;
    s >> magic;
    if (magic != kMagic)
        return false;
    s >> ok >> text >> got.tables >> got.relations >> end;
    if (s.status() != QDataStream::Ok || end != kMagic || !s.atEnd())
        return false;
    *read = ok ? Status{} : Status::failure(text);
    *catalogue = std::move(got);
    return true;
}

} // namespace platform::ado
