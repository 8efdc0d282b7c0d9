#pragma once
// Temporary program and config folders for one test: QUILLMERE_HOME and
// XDG_CONFIG_HOME point into a fresh temporary folder while the object lives, so the
// user's own settings and history are never touched.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace testsupport
{

class TempHome
{
public:
    TempHome();
    ~TempHome();
    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;

    bool isValid() const { return dir_.isValid(); }
    QString programFolder() const { return dir_.path() + QStringLiteral("/program"); }
    QString configFolder() const { return dir_.path() + QStringLiteral("/config"); }
    QString historyFile() const { return programFolder() + QStringLiteral("/Quillmere.ini"); }
    QString settingsFile(const QString& application) const
    {
        return configFolder() + QStringLiteral("/Quillmere/") + application + QStringLiteral(".ini");
    }
    QString path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    QByteArray oldHome_, oldConfig_;
    bool hadHome_ = false, hadConfig_ = false;
};

} // namespace testsupport
