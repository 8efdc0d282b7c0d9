#include "platform/settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <sys/stat.h>

namespace platform::settings {

namespace {

SaveObserver& observer()
{
    static SaveObserver instance;
    return instance;
}

constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

// QSettings reads '/' (and '\' in INI keys) as a group separator. A service name such
// as "host/orcl" must stay one section, so both are escaped, and '%' with them so the
// escape reads back unambiguously.
QString encodeSection(const QString& section)
{
    QString out;
    out.reserve(section.size());
    for (const QChar c : section) {
        if (c == QLatin1Char('%'))
            out += QStringLiteral("%25");
        else if (c == QLatin1Char('/'))
            out += QStringLiteral("%2F");
        else if (c == QLatin1Char('\\'))
            out += QStringLiteral("%5C");
        else
            out += c;
    }
    return out;
}

// Creates the file empty and owner-only before QSettings first writes it: QSettings
// keeps the permissions of an existing file when it rewrites it.
void prepareFile(const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.exists() && file.open(QIODevice::WriteOnly))
        file.close();
    QFile::setPermissions(path, kOwnerOnly);
}

} // namespace

QString filePath(const QString& application)
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return base + QStringLiteral("/Quillmere/") + application + QStringLiteral(".ini");
}

QString get(const QString& application, const QString& section, const QString& key,
            const QString& defaultValue)
{
    const QString path = filePath(application);
    if (!QFileInfo::exists(path))
        return defaultValue;
    QSettings store(path, QSettings::IniFormat);
    store.beginGroup(encodeSection(section));
    const QVariant value = store.value(key);
    store.endGroup();
    return value.isValid() ? value.toString() : defaultValue;
}

void save(const QString& application, const QString& section, const QString& key, const QString& value)
{
    const QString path = filePath(application);
    prepareFile(path);
    {
        // QSettings replaces the file by a new one when it writes; the mask keeps that new
        // file owner-only from its first byte.
        const mode_t previousMask = ::umask(077);
        QSettings store(path, QSettings::IniFormat);
        store.beginGroup(encodeSection(section));
        store.setValue(key, value);
        store.endGroup();
        store.sync();
        ::umask(previousMask);
    }
    QFile::setPermissions(path, kOwnerOnly);
    if (observer())
        observer()(application, section, key, value);
}

void setSaveObserver(SaveObserver o)
{
    observer() = std::move(o);
}

} // namespace platform::settings
