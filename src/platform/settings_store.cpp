#include "platform/settings_store.h"

#include "platform/dropped_status.h"
#include "platform/own_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

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
// others can read. Anything else in its place (a folder, a link, a FIFO) is left alone and
// the save refused, since QSettings would write through a link to its target; another
// user's file keeps its mode. Returns why the save is refused, or an empty text.
QString prepareFile(const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    const int descriptor = openOwnFile(path, O_WRONLY | O_CREAT, nullptr, 0600);
    if (descriptor < 0)
        return ownFileRefusal(path);
    struct stat info {
    };
    if (::fstat(descriptor, &info) == 0 && info.st_uid == ::geteuid() && (info.st_mode & 0777) != 0600)
        ::fchmod(descriptor, 0600);
    ::close(descriptor);
    return {};
}

void reportUnsaved(const QString& section, const QString& key, const QString& path, const QString& reason)
{
    // The window shows nothing here; the dropped-status trace is all a failed save leaves.
    logDropped(QStringLiteral("Saving the setting %1/%2 in %3").arg(section, key, path), reason);
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
    // A FIFO would hold the read for good, a link would read another file.
    if (!QFileInfo::exists(path) || !ownFileRefusal(path).isEmpty())
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
    const QString refusal = prepareFile(path);
    if (!refusal.isEmpty()) {
        reportUnsaved(section, key, path, refusal);
        return;
    }
    QSettings store(path, QSettings::IniFormat);
    store.beginGroup(encodeSection(section));
    store.setValue(key, value);
    store.endGroup();
    store.sync();
    // A file that held garbage reads as a format error, and the save rewrites it all the
    // same; only a failed write, or a value that does not read back, is a failed save.
    bool saved = store.status() == QSettings::NoError;
    if (store.status() == QSettings::FormatError) {
        QSettings written(path, QSettings::IniFormat);
        saved = written.status() == QSettings::NoError &&
                written.value(encodeSection(section) + QLatin1Char('/') + key).toString() == value;
    }
    if (!saved)
        reportUnsaved(section, key, path, QStringLiteral("the file could not be written"));
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
