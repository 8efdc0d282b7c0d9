#include "platform/settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::settings
{

namespace
{

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

// Creates the file owner-only before QSettings first writes it (QSettings keeps the
// mode of an existing file when it rewrites it), and narrows a settings file of ours that
// others can read. Anything else in its place (a folder, a link, another user's file) is
// left alone; the save then fails and says so.
void prepareFile(const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QByteArray name = QFile::encodeName(path);
    const int descriptor =
        ::open(name.constData(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0600);
    if (descriptor < 0)
        return;
    struct stat info {
    };
    if (::fstat(descriptor, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid() &&
        (info.st_mode & 0777) != 0600)
        ::fchmod(descriptor, 0600);
    ::close(descriptor);
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
    QSettings store(path, QSettings::IniFormat);
    store.beginGroup(encodeSection(section));
    store.setValue(key, value);
    store.endGroup();
    store.sync();
    // The window shows nothing here; the trace on standard error is all a failed save leaves.
    if (store.status() != QSettings::NoError)
        std::fprintf(stderr, "Quillmere: the setting %s/%s could not be saved in %s\n", qPrintable(section),
                     qPrintable(key), qPrintable(path));
}

QString Store::get(const QString& application, const QString& section, const QString& key,
                   const QString& defaultValue) const
{
    return settings::get(application, section, key, defaultValue);
}

void Store::save(const QString& application, const QString& section, const QString& key, const QString& value)
{
    settings::save(application, section, key, value);
    if (observer_)
        observer_(application, section, key, value);
}

} // namespace platform::settings
