#pragma once
// emit_line: the one way a generator writes. The line goes to the open file, then CR LF
// and the line are appended to the file's preview, which yields (the page previews do not).

#include "generators/common/run_context.h"
#include "generators/common/template.h"
#include "platform/text_file.h"

#include <QStringList>

namespace generators
{

class ModuleFile
{
public:
    // `preview` is the index of the preview box that echoes the lines, or kNoPreview.
    ModuleFile(RunContext& ctx, int preview);
    ~ModuleFile();

    // Opens for output or appending. A file that cannot be opened is recorded as a
    // problem of the run; its lines still reach the preview.
    bool open(const QString& path, platform::OpenMode mode);
    // Shows the file's preview and yields, then opens pn + gnn(preview): each module file
    // of the data layer is echoed in the preview of the same index.
    bool openModule(platform::OpenMode mode);
    void emit_line(const QString& line);
    void emitLines(const QStringList& lines);
    void close();
    bool isOpen() const { return writer_.isOpen(); }
    // Records a problem of the file's run.
    void problem(const QString& text) { ctx_.problem(text); }

private:
    RunContext& ctx_;
    int preview_;
    platform::TextFileWriter writer_;
    bool writeFailed_ = false;
};

} // namespace generators
