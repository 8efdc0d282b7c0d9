#include "cssbuilder/style_preview.h"

#include "cssbuilder/builder_files.h"
#include "cssbuilder/style_rules.h"
#include "platform/own_file.h"

#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <fcntl.h>
#include <unistd.h>

#ifdef QUILLMERE_HAVE_WEBENGINE
#include <QLoggingCategory>
#include <QWebEngineView>
#endif

namespace cssbuilder
{

namespace
{

#ifdef QUILLMERE_HAVE_WEBENGINE
// The browser engine refuses to start its sandbox for root; it must be told before its
// first page is created.
void allowEngineWithoutSandboxForRoot()
{
    if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

// The engine reports on the terminal what it does without (no GPU, no session bus, ...), in
// lines marked ERROR that mean nothing to the preview. Only its fatal lines are kept, unless
// the user chose the engine's flags. Its start-up report of the graphics set-up goes too;
// QT_LOGGING_RULES still brings it back.
void keepEngineLogToFatal()
{
    if (!qEnvironmentVariableIsSet("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--log-level=3");
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
}
#endif

// The plain view reads what a page refers to (its style sheet) as the program's own files
// are read: a link there is not followed and a FIFO not waited on.
class PlainPage : public QTextBrowser
{
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl& name) override
    {
        if (!name.isLocalFile() && !name.isRelative())
            return QTextBrowser::loadResource(type, name);
        const QString path = name.isLocalFile() ? name.toLocalFile() : QDir::current().filePath(name.path());
        const int descriptor = platform::openOwnFile(path, O_RDONLY, nullptr);
        QFile file;
        if (descriptor < 0 || !file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
            if (descriptor >= 0)
                ::close(descriptor);
            // An empty resource, not none: the document would then open the file itself.
            return QByteArray();
        }
        return file.readAll();
    }
};

} // namespace

StylePreview::StylePreview(PreviewEngine engine, QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
#ifdef QUILLMERE_HAVE_WEBENGINE
    if (engine == PreviewEngine::browser) {
        allowEngineWithoutSandboxForRoot();
        keepEngineLogToFatal();
        engine_ = new QWebEngineView(this);
        layout->addWidget(engine_);
        return;
    }
#else
    Q_UNUSED(engine)
#endif
    plain_ = new PlainPage(this);
    // A read-only page with no mark for the focus: a click gives it the keys for scrolling,
    // Tab passes it by.
    plain_->setFocusPolicy(Qt::ClickFocus);
    layout->addWidget(plain_);
}

bool StylePreview::usesBrowserEngine() const
{
    return plain_ == nullptr;
}

void StylePreview::navigate(const QString& path)
{
    requested_ = QUrl::fromLocalFile(path);
    ++navigations_;
    emit navigationRequested(requested_);
#ifdef QUILLMERE_HAVE_WEBENGINE
    if (engine_) {
        engine_->load(requested_);
        return;
    }
#endif
    showPlain(path);
}

// The plain view cannot follow the page's import, so it is handed the style sheet beside
// the page before the page itself.
void StylePreview::showPlain(const QString& path)
{
    const QFileInfo page(path);
    const auto sheet = readBuilderFile(page.dir().filePath(QLatin1String(kStyleSheetName)));
    const auto html = readBuilderFile(path);
    plain_->document()->setDefaultStyleSheet(sheet.ok ? sheet.lines.join(QLatin1Char('\n')) : QString());
    plain_->setHtml(html.ok ? html.lines.join(QLatin1Char('\n')) : QString());
}

} // namespace cssbuilder
