#include "kit/controls.h"

#include "platform/colours.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QScreen>
#include <QScrollBar>
#include <QStyleOptionProgressBar>
#include <QStylePainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <qdrawutil.h>

namespace kit
{

namespace
{

// Shows '*' in place of each character of a password box.
class StarPasswordStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == QStyle::SH_LineEdit_PasswordCharacter)
            return '*';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// The width a drop-down list is designed for, in characters.
constexpr int kDropDownContentsLength = 12;

constexpr quint32 kHeadingBack = 0x80;     // dark red
constexpr quint32 kHeadingText = 0xC0FFFF; // light yellow

} // namespace

QString element(const char* name, int index)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

TextBox::TextBox(const QString& name, QWidget* parent) : QLineEdit(parent)
{
    setObjectName(name);
}

void TextBox::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    emit lostFocus();
}

void TextBox::mousePressEvent(QMouseEvent* event)
{
    QLineEdit::mousePressEvent(event);
    emit clicked();
}

void TextBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    QLineEdit::mouseDoubleClickEvent(event);
    emit doubleClicked();
}

PasswordBox::PasswordBox(const QString& name, QWidget* parent) : TextBox(name, parent)
{
    auto* style = new StarPasswordStyle();
    style->setParent(this);
    setStyle(style);
    setEchoMode(QLineEdit::Password);
}

DropDown::DropDown(const QString& name, QWidget* parent) : QComboBox(parent)
{
    setObjectName(name);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(kDropDownContentsLength);
}

void DropDown::showPopup()
{
    // The pop-up takes the box's width; a longer item widens it, up to the screen's width.
    QAbstractItemView* list = view();
    int wanted = list->sizeHintForColumn(0) + 2 * list->frameWidth();
    if (count() > maxVisibleItems())
        wanted += list->verticalScrollBar()->sizeHint().width();
    if (const QScreen* screen = this->screen())
        wanted = std::min(wanted, screen->availableGeometry().width());
    list->setMinimumWidth(std::max(0, wanted));
    QComboBox::showPopup();
    // Some styles lay the list over the box with the current item on it, which can put it far
    // from the box; it opens right under the box (above it when the screen ends first).
    QWidget* popup = list->window();
    if (popup == window())
        return;
    const QPoint under = mapToGlobal(QPoint(0, height()));
    QPoint at = under;
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        if (at.y() + popup->height() > area.bottom() + 1)
            at.setY(std::max(area.top(), mapToGlobal(QPoint(0, 0)).y() - popup->height()));
        at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() + 1 - popup->width())));
    }
    popup->move(at);
}

ComboBox::ComboBox(const QString& name, QWidget* parent) : DropDown(name, parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setDuplicatesEnabled(true);
}

void ComboBox::focusOutEvent(QFocusEvent* event)
{
    QComboBox::focusOutEvent(event);
    // Opening the box's own list and another window (or a message box) taking the activation
    // send a focus-out too, yet the focus comes back to the box afterwards: the user has not
    // left it. Only a move to another control of the window counts.
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason)
        return;
    const QWidget* now = QApplication::focusWidget();
    if (hasFocus() || (now && (isAncestorOf(now) || now == view() || view()->isAncestorOf(now))))
        return;
    emit lostFocus();
}

ClickLabel::ClickLabel(const QString& name, const QString& caption, QWidget* parent) : QLabel(caption, parent)
{
    setObjectName(name);
    setMouseTracking(true);
}

void ClickLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked();
    event->accept();
}

void ClickLabel::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMoved();
    event->accept();
}

Panel::Panel(const QString& name, QWidget* parent) : QWidget(parent)
{
    setObjectName(name);
    setMouseTracking(true);
}

void Panel::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMoved();
    event->accept();
}

void Panel::setDialogFrame(bool framed)
{
    dialogFrame_ = framed;
    update();
}

void Panel::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (!dialogFrame_)
        return;
    // Inside the one-pixel edge, which stays the outermost line.
    QPainter painter(this);
    qDrawWinPanel(&painter, rect().adjusted(1, 1, -1, -1), palette(), false);
}

QPushButton* pictureButton(const QString& name, QStyle::StandardPixmap picture, const QString& toolTip,
                           QWidget* parent)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    button->setIcon(button->style()->standardIcon(picture));
    button->setIconSize(QSize(24, 24));
    button->setToolTip(toolTip);
    button->setFixedSize(36, 34);
    // Enter on a focused button presses it, as Space does.
    button->setAutoDefault(true);
    return button;
}

QPushButton* commandButton(const QString& name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(true);
    return button;
}

QPlainTextEdit* previewBox(const QString& name, QWidget* parent)
{
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(name);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setUndoRedoEnabled(false);
    box->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // A horizontal bar that came and went with the long lines would cover the last line
    // just scrolled into view.
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Generated lines are read, selected and copied, never typed over; Tab goes on to the
    // next control.
    box->setReadOnly(true);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->setTabChangesFocus(true);
    return box;
}

QLabel* label(const QString& name, const QString& caption, QWidget* parent)
{
    auto* l = new QLabel(caption, parent);
    l->setObjectName(name);
    return l;
}

QLabel* heading(const QString& name, const QString& caption, QWidget* parent)
{
    auto* l = label(name, caption, parent);
    platform::setTag(l, QStringLiteral("heading"));
    platform::setBackColor(l, kHeadingBack);
    platform::setForeColor(l, kHeadingText);
    QFont font = l->font();
    font.setBold(true);
    l->setFont(font);
    l->setContentsMargins(6, 2, 6, 2);
    return l;
}

void ProgressBar::paintEvent(QPaintEvent* event)
{
    if (minimum() != maximum()) {
        QProgressBar::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionProgressBar option;
    initStyleOption(&option);
    option.minimum = 0;
    option.maximum = 1;
    option.progress = 0;
    painter.drawControl(QStyle::CE_ProgressBar, option);
}

bool keepLastLines(QString& text, int count)
{
    qsizetype at = text.size();
    for (int seen = 0; seen < count; ++seen) {
        at = at > 0 ? text.lastIndexOf(QLatin1Char('\n'), at - 1) : -1;
        if (at < 0)
            return false;
    }
    text.remove(0, at);
    return true;
}

void appendToPreview(QPlainTextEdit* box, QString lines)
{
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    // Text the box would drop at once never goes in: its cost is the lines it lays out.
    if (keepLastLines(lines, kPreviewLines))
        box->clear();
    QTextCursor cursor(box->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(lines);
    // The oldest lines go in one cut. The document's own block limit would walk the
    // cursor over them block by block, laying out every line it drops.
    QTextDocument* document = box->document();
    const int excess = document->blockCount() - kPreviewLines;
    if (excess > 0) {
        QTextCursor oldest(document);
        oldest.beginEditBlock();
        oldest.setPosition(document->findBlockByNumber(excess).position(), QTextCursor::KeepAnchor);
        oldest.removeSelectedText();
        oldest.endEditBlock();
    }
    box->moveCursor(QTextCursor::End);
    box->ensureCursorVisible();
}

void centreOnParent(QWidget* panel)
{
    const QWidget* area = panel->parentWidget();
    panel->move((area->width() - panel->width()) / 2, (area->height() - panel->height()) / 2);
}

ClickLabel* captionLink(int index, const QString& caption, Panel* panel)
{
    constexpr quint32 kLinkBack = 0x8000;   // dark green
    constexpr quint32 kLinkText = 0xC0FFFF; // light yellow
    auto* link = new ClickLabel(element("Etiquette6", index), caption, panel);
    QObject::connect(link, &ClickLabel::clicked, panel,
                     [panel, index] { emit panel->captionLinkClicked(index); });
    platform::setTag(link, QStringLiteral("link"));
    platform::setBackColor(link, kLinkBack);
    platform::setForeColor(link, kLinkText);
    link->setCursor(Qt::PointingHandCursor);
    link->setContentsMargins(4, 2, 4, 2);
    return link;
}

void setTextIfChanged(QLineEdit* box, const QString& text)
{
    if (box->text() != text)
        box->setText(text);
}

void endWithSeparator(QLineEdit* box)
{
    const QString text = box->text();
    if (!text.endsWith(QLatin1Char('/')))
        box->setText(text + QLatin1Char('/'));
}

} // namespace kit
