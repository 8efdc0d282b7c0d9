#pragma once
// The names under which the program keeps its settings. The application kvl_net holds the
// program's own settings and the Oracle logins (a section per service); kvl_nets holds the
// SQL Server logins (a section per database).

#include <QString>

namespace platform::settings
{

inline const QString kProgram = QStringLiteral("kvl_net");
inline const QString kSqlServerLogins = QStringLiteral("kvl_nets");

// One of the program's own settings: its section and key under kProgram.
struct Key {
    const char* section;
    const char* key;
    QString sectionName() const { return QString::fromLatin1(section); }
    QString keyName() const { return QString::fromLatin1(key); }
};

inline constexpr Key kLook{"style", "s"};             // the colour look, a number
inline constexpr Key kStyleSheet{"style", "stcss"};   // the solution's style sheet
inline constexpr Key kProjectName{"sn", "s"};         // the solution's project name
inline constexpr Key kKeepOraclePassword{"c1", "c1"}; // the password ticks
inline constexpr Key kKeepSqlServerPassword{"sc1", "sc1"};
inline constexpr Key kProvider{"access", "spro"};   // the Access box's provider
inline constexpr Key kOutputFolder{"access", "pn"}; // the VB page's output folder

} // namespace platform::settings
