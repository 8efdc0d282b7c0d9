#include "platform/static_edge.h"

#include <QAbstractButton>
#include <QEvent>
#include <QFrame>
#include <QPainter>
#include <QWidget>

namespace platform
{

namespace
{

const char* const kEdgeName = "static_edge";
constexpr int kFocusMarkWidth = 2;

// A frame on top of the button that follows its size; it takes no mouse events, so
// the button behaves as before.
class EdgeFrame : public QFrame
{
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
        if (watched == parent() && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
            update();
        return false;
    }

    // The edge covers the outline the style marks a focused button with, so the mark is drawn
    // here, inside the edge.
    void paintEvent(QPaintEvent* event) override
    {
        QFrame::paintEvent(event);
        const QWidget* owner = parentWidget();
        if (!owner->hasFocus() || !qobject_cast<const QAbstractButton*>(owner))
            return;
        QPainter painter(this);
        painter.setPen(QPen(owner->palette().color(QPalette::Highlight), kFocusMarkWidth));
        const int inset = 1 + kFocusMarkWidth;
        painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
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
