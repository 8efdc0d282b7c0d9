#pragma once
// The builder's live preview, the control wb: an embedded web browser that is only ever
// asked to navigate to the local preview page. Every request is recorded, so the rest of
// the program (and its tests) can see what the browser was asked to show without
// waiting for it to render.

#include <QUrl>
#include <QWidget>

class QTextBrowser;
#ifdef QUILLMERE_HAVE_WEBENGINE
class QWebEngineView;
#endif

namespace cssbuilder
{

// What shows the page: the browser engine when the program was built with it, or a
// plain rich-text view that knows a part of CSS (tests use it: it starts at once).
enum class PreviewEngine { browser, plainText };

class StylePreview : public QWidget
{
    Q_OBJECT
public:
    explicit StylePreview(PreviewEngine engine, QWidget* parent = nullptr);

    // Asks the browser to load the local file `path` (and so reload it when it is shown).
    void navigate(const QString& path);

    QUrl requestedUrl() const { return requested_; }
    int navigationCount() const { return navigations_; }
    bool usesBrowserEngine() const;

signals:
    void navigationRequested(const QUrl& url);

private:
    void showPlain(const QString& path);

    QUrl requested_;
    int navigations_ = 0;
    QTextBrowser* plain_ = nullptr;
#ifdef QUILLMERE_HAVE_WEBENGINE
    QWebEngineView* engine_ = nullptr;
#endif
};

} // namespace cssbuilder
