#include "generators/common/module_file.h"

#include <QDir>

namespace generators
{

ModuleFile::ModuleFile(RunContext& ctx, int preview) : ctx_(ctx), preview_(preview) {}

ModuleFile::~ModuleFile()
{
    close();
}

bool ModuleFile::open(const QString& path, platform::OpenMode mode)
{
    close();
    writeFailed_ = false;
    const bool opened = ctx_.output
                            ? ctx_.output->open(writer_, path, mode, platform::TextEncoding::Windows1252)
                            : writer_.open(path, mode, platform::TextEncoding::Windows1252);
    if (!opened) {
        ctx_.problem(QStringLiteral("%1: cannot be opened (%2)")
                         .arg(QDir::toNativeSeparators(path), writer_.errorString()));
        return false;
    }
    return true;
}

bool ModuleFile::openModule(platform::OpenMode mode)
{
    ctx_.host.showPreview(preview_);
    ctx_.host.yield();
    return open(ctx_.in.pn + ctx_.in.gnn[preview_], mode);
}

void ModuleFile::emit_line(const QString& line)
{
    if (writer_.isOpen() && !writer_.writeLine(line) && !writeFailed_) {
        writeFailed_ = true;
        // A file cut short is not put in place: the earlier one stays whole.
        if (ctx_.output)
            ctx_.output->spoil(writer_.path());
        ctx_.problem(QStringLiteral("%1: cannot be written (%2)").arg(writer_.path(), writer_.errorString()));
    }
    if (preview_ != kNoPreview) {
        ctx_.host.appendPreviewLine(preview_, line);
        if (previewYields(preview_))
            ctx_.host.yield();
    }
}

void ModuleFile::emitLines(const QStringList& lines)
{
    for (const QString& line : lines)
        emit_line(line);
}

void ModuleFile::close()
{
    if (!writer_.isOpen())
        return;
    const QString path = writer_.path();
    if (!writer_.close() && !writeFailed_) {
        writeFailed_ = true;
        if (ctx_.output)
            ctx_.output->spoil(path);
        ctx_.problem(QStringLiteral("%1: cannot be written (%2)").arg(path, writer_.errorString()));
    }
}

} // namespace generators
