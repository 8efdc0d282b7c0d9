#pragma once
// The line tables of the solution files (see line_table.h). All angle brackets but the
// placeholders are the files' own XML, written <lt> where the element name would read as
// a placeholder.

#include "generators/common/line_table.h"

namespace generators::web::templates
{

// The public key token of the framework's own assemblies, as every resource file of that
// framework version carries it.
extern const QStringView kFrameworkToken;

extern const LineTable kAssemblyInfo;    // AssemblyInfo.vb
extern const LineTable kGlobalAsax;      // Global.asax: <project>
extern const LineTable kGlobalAsaxResx;  // Global.asax.resx: <xsdns>, <msdatans>, <fxtoken>
extern const LineTable kGlobalAsaxClass; // Global.asax.vb

// The project file, in the order of writing: its head (<project>, <guid>), one reference
// block per reference (<refname>, <refassembly>), the imports and the fixed file blocks,
// one block per data-layer module (<module>), two blocks per chosen table (<table>), the tail.
extern const LineTable kProjectHead;
extern const LineTable kProjectReference;
extern const LineTable kProjectImportsAndFiles;
extern const LineTable kProjectModuleFile;
extern const LineTable kProjectPageFiles;
extern const LineTable kProjectTail;

extern const LineTable kWebInfo;  // <webroot>, <project>
extern const LineTable kSolution; // <webroot>, <project>, <guid>

QList<const LineTable*> solutionLineTables();

} // namespace generators::web::templates
