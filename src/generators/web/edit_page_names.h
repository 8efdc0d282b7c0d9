#pragma once
// The names an edit page and its code-behind are written with.

#include "generators/common/template.h"

#include <QString>

namespace generators::web
{

struct EditPageNames {
    // The page table: the table box without its leading and trailing blanks. Class,
    // control and element names are built from it: blanks left in them would make
    // neither the page nor its class compile.
    QString table;
    // The table box exactly as it holds the name, blanks included: the page's title,
    // headings and plain HTML table ids show it this way, where blanks break nothing.
    QString tableBox;
    QString project;  // the project name, as it stands; may be empty
    QString codeFile; // the code-behind file name, as it stands

    // <table>, <tablebox>, <project> and <codefile>.
    Placeholders placeholders() const
    {
        return {{QStringLiteral("table"), table},
                {QStringLiteral("tablebox"), tableBox},
                {QStringLiteral("project"), project},
                {QStringLiteral("codefile"), codeFile}};
    }
};

} // namespace generators::web
