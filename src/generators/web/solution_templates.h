#pragma once
// The lines of the solution files, one generated line per source line. <dq> is a double
// quote; the lower-case names in angle brackets that each writer passes are replaced, all
// other angle brackets are the files' own XML.

#include <QStringView>

namespace generators::web::templates
{

// The public key token of the framework's own assemblies, as every resource file of that
// framework version carries it.
extern const QStringView kFrameworkToken;

extern const QStringView kAssemblyInfo;    // AssemblyInfo.vb
extern const QStringView kGlobalAsax;      // Global.asax: <project>
extern const QStringView kGlobalAsaxResx;  // Global.asax.resx: <xsdns>, <msdatans>, <fxtoken>
extern const QStringView kGlobalAsaxClass; // Global.asax.vb

// The project file, in the order of writing: its head (<project>, <guid>), one reference
// block per reference (<refname>, <refassembly>), the imports and the fixed file blocks,
// one block per data-layer module (<module>), two blocks per chosen table (<table>), the tail.
extern const QStringView kProjectHead;
extern const QStringView kProjectReference;
extern const QStringView kProjectImportsAndFiles;
extern const QStringView kProjectModuleFile;
extern const QStringView kProjectPageFiles;
extern const QStringView kProjectTail;

extern const QStringView kWebInfo;  // <webroot>, <project>
extern const QStringView kSolution; // <webroot>, <project>, <guid>

} // namespace generators::web::templates
