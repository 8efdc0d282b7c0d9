#include "support/temp_home.h"

#include <QDir>

namespace testsupport
{

TempHome::TempHome()
{
    hadHome_ = qEnvironmentVariableIsSet("QUILLMERE_HOME");
    hadConfig_ = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    oldHome_ = qgetenv("QUILLMERE_HOME");
    oldConfig_ = qgetenv("XDG_CONFIG_HOME");
    QDir().mkpath(programFolder());
    QDir().mkpath(configFolder());
    qputenv("QUILLMERE_HOME", QFile::encodeName(programFolder()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configFolder()));
}

TempHome::~TempHome()
{
    if (hadHome_)
        qputenv("QUILLMERE_HOME", oldHome_);
    else
        qunsetenv("QUILLMERE_HOME");
    if (hadConfig_)
        qputenv("XDG_CONFIG_HOME", oldConfig_);
    else
        qunsetenv("XDG_CONFIG_HOME");
}

} // namespace testsupport
