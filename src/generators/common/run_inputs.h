#pragma once
// A plain snapshot of what a generation run reads from the main window. Field names
// are the names of the controls and form values they come from.

#include <QString>
#include <QStringList>
#include <array>

namespace generators
{

struct RunInputs {
    QString pn;                   // output folder, a plain prefix of file names
    QString dbn;                  // class prefix
    std::array<bool, 3> gn{};     // Data Access, Data Manager, Data Classes module boxes
    std::array<QString, 3> gnn;   // their file-name captions
    bool gcfk = false;            // join classes and access for foreign keys
    bool ps = false;              // Oracle stored procedures
    bool gwcf = false;            // Web.config
    QStringList tdn1;             // chosen tables, in list order
    QString cnxstr;               // connection string written into generated code
    QString db_cnxstr;            // connection string of the open database
    QString net_ns;               // "OleDB", "OracleClient", "SQLClient"
    QString net_prefix;           // "OleDB", "Oracle", "SQL"
    QString from_dual;            // " from dual" on Oracle
    QString row_limit;            // " where rownum<2" on Oracle
    QString schema_filter;        // Oracle schema chosen with Select Schema
    bool solutionVisible = false; // the solution dialog pt(5) is shown
    QString ppg;                  // project folder of the solution dialog
};

} // namespace generators
