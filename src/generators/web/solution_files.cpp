#include "generators/web/solution_files.h"

#include "generators/common/module_file.h"
#include "generators/web/solution_templates.h"
#include "generators/web/web_addresses.h"
#include "platform/guid.h"
#include "platform/own_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <unistd.h>

namespace generators::web
{

namespace
{

using namespace templates;

struct Reference {
    const char* name;
    const char* assembly;
};

// The name of the XML reference and its assembly differ in letter case.
constexpr Reference kReferences[] = {
    {"System", "System"},         {"System.Data", "System.Data"}, {"System.Drawing", "System.Drawing"},
    {"System.Web", "System.Web"}, {"System.XML", "System.Xml"},
};
constexpr Reference kOracleReference = {"System.Data.OracleClient", "System.Data.OracleClient"};

void writeFile(RunContext& ctx, const QString& path, const QStringList& lines)
{
    ModuleFile file(ctx, kNoPreview);
    if (file.open(path, platform::OpenMode::Output))
        file.emitLines(lines);
    file.close();
}

// The lines of a table; an error of the table is a problem of the run.
QStringList linesOf(RunContext& ctx, const LineTable& table, const Placeholders& values = {})
{
    QStringList errors;
    const QStringList lines = expandLineTable(table, values, {}, errors);
    for (const QString& error : std::as_const(errors))
        ctx.problem(error);
    return lines;
}

QStringList referenceBlock(RunContext& ctx, const Reference& reference)
{
    return linesOf(ctx, kProjectReference,
                   {{QStringLiteral("refname"), QString::fromLatin1(reference.name)},
                    {QStringLiteral("refassembly"), QString::fromLatin1(reference.assembly)}});
}

QStringList projectLines(RunContext& ctx, const SolutionInputs& in, const QString& guid)
{
    QStringList lines =
        linesOf(ctx, kProjectHead, {{QStringLiteral("project"), in.png}, {QStringLiteral("guid"), guid}});
    for (const Reference& reference : kReferences)
        lines += referenceBlock(ctx, reference);
    if (in.psEnabled)
        lines += referenceBlock(ctx, kOracleReference);
    lines += linesOf(ctx, kProjectImportsAndFiles);
    // A module that is switched off has an empty name and still gets its block.
    for (const QString& module : in.gnn)
        lines += linesOf(ctx, kProjectModuleFile, {{QStringLiteral("module"), module}});
    for (const QString& table : in.tdn1)
        lines += linesOf(ctx, kProjectPageFiles, {{QStringLiteral("table"), table}});
    lines += linesOf(ctx, kProjectTail);
    return lines;
}

// Copies the style sheet line by line, each line ended by CR LF. The bytes of a line are
// copied as they are (the sheet may be in any encoding), and the whole sheet is read before
// the copy is opened, so that a sheet chosen inside the project folder is not lost. The
// project lists the sheet and every page links it, so a sheet that cannot be copied is a
// problem of the run.
void copyStyleSheet(RunContext& ctx, const QString& source, const QString& target)
{
    const auto notCopied = [&](const QString& why) {
        ctx.problem(QStringLiteral("%1: not written, %2").arg(QDir::toNativeSeparators(target), why));
    };
    if (source.isEmpty()) {
        notCopied(QStringLiteral("no style sheet is named"));
        return;
    }
    const QFileInfo sheet(source);
    if (!sheet.exists() || !sheet.isFile()) {
        notCopied(QStringLiteral("the style sheet %1 %2")
                      .arg(source, sheet.exists() ? QStringLiteral("is not a file")
                                                  : QStringLiteral("does not exist")));
        return;
    }
    QFile in(source);
    QByteArray bytes;
    if (in.open(QIODevice::ReadOnly))
        bytes = in.readAll();
    if (!in.isOpen() || in.error() != QFileDevice::NoError) {
        notCopied(QStringLiteral("the style sheet %1 cannot be read (%2)").arg(source, in.errorString()));
        return;
    }
    in.close();

    QByteArray copy;
    copy.reserve(bytes.size() + bytes.count('\n') + 2);
    QList<QByteArray> lines = bytes.split('\n');
    if (lines.last().isEmpty())
        lines.removeLast(); // a final line end starts no line
    for (QByteArray& line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
        copy += line;
        copy += "\r\n";
    }
    QFile out;
    QString reason;
    const int descriptor = ctx.output
                               ? ctx.output->open(target, platform::OpenMode::Output, &reason)
                               : platform::openRegularFile(target, O_WRONLY | O_CREAT | O_TRUNC, &reason);
    if (descriptor < 0 || !out.open(descriptor, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        if (descriptor >= 0) {
            // Nothing can be written there: the earlier file stays.
            ::close(descriptor);
            if (ctx.output)
                ctx.output->spoil(target);
        }
        ctx.problem(
            QStringLiteral("%1: cannot be opened (%2)")
                .arg(QDir::toNativeSeparators(target), reason.isEmpty() ? out.errorString() : reason));
        return;
    }
    if (out.write(copy) != copy.size() || !out.flush()) {
        ctx.problem(QStringLiteral("%1: cannot be written (%2)")
                        .arg(QDir::toNativeSeparators(target), out.errorString()));
        if (ctx.output)
            ctx.output->spoil(target);
    }
}

} // namespace

QString solutionFileName(const QString& sng)
{
    return sng.endsWith(QLatin1Char('_')) ? sng.chopped(1) : sng;
}

void writeSolutionFiles(RunContext& ctx, const SolutionInputs& in)
{
    const QString& folder = in.ppg;
    writeFile(ctx, folder + QStringLiteral("AssemblyInfo.vb"), linesOf(ctx, kAssemblyInfo));
    writeFile(ctx, folder + QStringLiteral("Global.asax"),
              linesOf(ctx, kGlobalAsax, {{QStringLiteral("project"), in.png}}));
    writeFile(ctx, folder + QStringLiteral("Global.asax.resx"),
              linesOf(ctx, kGlobalAsaxResx,
                      {{QStringLiteral("xsdns"), xsdNamespace()},
                       {QStringLiteral("msdatans"), msdataNamespace()},
                       {QStringLiteral("fxtoken"), kFrameworkToken.toString()}}));
    writeFile(ctx, folder + QStringLiteral("Global.asax.vb"), linesOf(ctx, kGlobalAsaxClass));
    copyStyleSheet(ctx, in.stcss, folder + QStringLiteral("Styles.css"));

    const QString guid = in.newGuid ? in.newGuid() : platform::new_guid();
    writeFile(ctx, folder + in.png + QStringLiteral(".vbproj"), projectLines(ctx, in, guid));
    const Placeholders web = {{QStringLiteral("webroot"), webRoot()},
                              {QStringLiteral("project"), in.png},
                              {QStringLiteral("guid"), guid}};
    writeFile(ctx, folder + in.png + QStringLiteral(".vbproj.webinfo"), linesOf(ctx, kWebInfo, web));
    writeFile(ctx, in.spg + solutionFileName(in.sng) + QStringLiteral(".sln"), linesOf(ctx, kSolution, web));
}

} // namespace generators::web
