#pragma once
// The per-user settings store: string values addressed by application name, section
// and key. One INI file per application name (kvl_net, kvl_nets) in the per-user
// config folder ($XDG_CONFIG_HOME/Quillmere). The files may hold passwords, so they
// are readable by their owner only; every save is written to disk at once.

#include <QString>
#include <functional>

namespace platform::settings
{

QString get(const QString& application, const QString& section, const QString& key,
            const QString& defaultValue = QString());
void save(const QString& application, const QString& section, const QString& key, const QString& value);

// The file that holds an application's entries.
QString filePath(const QString& application);

// Called after a save, in the order of the saves (lets a test see the sequence).
using SaveObserver = std::function<void(const QString& application, const QString& section,
                                        const QString& key, const QString& value)>;

// The store as the running program uses it: the same files, and an observer told of
// every save made through it.
class Store
{
public:
    QString get(const QString& application, const QString& section, const QString& key,
                const QString& defaultValue = QString()) const;
    void save(const QString& application, const QString& section, const QString& key, const QString& value);
    void setSaveObserver(SaveObserver observer) { observer_ = std::move(observer); }

private:
    SaveObserver observer_;
};

} // namespace platform::settings
