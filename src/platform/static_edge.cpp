#include "platform/static_edge.h"

#include <QEvent>
#include <QFrame>
#include <QWidget>

namespace platform {

namespace {

const char* const kEdgeName = "static_edge";

// A frame on top of the button that follows its size; it takes no mouse events, so
// the button behaves as before.
class EdgeFrame : public QFrame {
public:
    explicit EdgeFrame(QWidget* owner) : QFrame(owner)
    {
        setObjectName(QString::fromLatin1(kEdgeName));
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(1);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(owner->rect());
        owner->installEventFilter(this);
        show();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == parent() && (event->type() == QEvent::Resize || event->type() == QEvent::Show)) {
            setGeometry(parentWidget()->rect());
            raise();
        }
        return false;
    }
};

} // namespace

void static_edge(QWidget* widget)
{
    if (!widget || hasStaticEdge(widget))
        return;
    new EdgeFrame(widget);
}

bool hasStaticEdge(const QWidget* widget)
{
    return widget && widget->findChild<QFrame*>(QString::fromLatin1(kEdgeName), Qt::FindDirectChildrenOnly);
}

} // namespace platform
