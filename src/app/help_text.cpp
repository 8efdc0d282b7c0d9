#include "app/help_text.h"

#include <QStringList>

namespace app
{

QString helpText()
{
    static const char* const lines[] = {
        "This Generator browses a Data Base and builds VB Net Modules:",
        "",
        "Data Class Module:",
        "This Module contains a class (description) and a sub (New) for each table.",
        "",
        "Data Access Module:",
        "This Module contains all functions to access a Database:",
        "A global Connection function",
        "For each Table:",
        ". A function with a Table Class argument, returns a Data Reader. ",
        "This Data Reader is issued from a select on the Table, with a Where Clause",
        "for each property not null in Table Class Argument.",
        ". An Update Sub, with 2 Table Class arguments. The first class contains fields",
        "to be updated. The second class contains Where Clause to be applied.",
        ". An Insert Sub, with Table Class argument. This Class contains Properties",
        "to be inserted.",
        "",
        "Data Manager Module:",
        "This module is the main module to access to the Data Base from your Aspx.",
        "The Module contains for each Table:",
        ". A Function, with a Table Class argument, returns a Table Class.",
        "This can read one item of the Table, on Table Class argument Criteria.",
        ". A Function, with a Table Class argument, returns an array of Table Classes.",
        "This can read N items of the Table, on Table Class argument Criteria.",
        ". A Sub with 2 Table Class arguments, update or insert rows in the Table.",
        "The first Class argument contains properties to be inserted or updated:",
        "if the rows already exist, an update is called, with the second Argument as",
        "Where Clause. If not, an insert is called, without the second argument.",
        "",
        "For Oracle Data Bases:",
        ". You can choose to use stored procedures. If it is, the system",
        "builds these stored procedures, and change the syntax in Data Access Module to ",
        "call these procedures.",
        ". You need to install oracle net objects (oracle_net.msi) to use the generated code.",
        "",
        "Click to close.",
    };
    QString text;
    for (const char* line : lines)
        text += QString::fromLatin1(line) + QStringLiteral("\r\n");
    return text;
}

} // namespace app
