#include "platform/user_feedback.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QCursor>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace platform
{

namespace
{

bool& busyState()
{
    static bool busy = false;
    return busy;
}

} // namespace

void setWaitCursor(bool busy)
{
    if (busy == busyState())
        return;
    busyState() = busy;
    if (busy) {
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    } else {
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
    }
}

bool waitCursorShown()
{
    return busyState();
}

void Messages::show(const QString& text, QWidget* parent) const
{
    if (sink_) {
        sink_(text);
        return;
    }
    const MessageBoxTexts texts = messageBoxTexts(text);
    QDialog box(parent);
    box.setObjectName(QStringLiteral("messageBox"));
    box.setWindowTitle(QStringLiteral("Quillmere"));
    const QScreen* screen = parent && parent->screen() ? parent->screen() : QGuiApplication::primaryScreen();
    const QSize room = screen ? screen->availableGeometry().size() : QSize(800, 600);
    auto* layout = new QVBoxLayout(&box);
    auto* shown = new QLabel(texts.text, &box);
    shown->setObjectName(QStringLiteral("messageText"));
    shown->setTextFormat(Qt::PlainText);
    shown->setWordWrap(true);
    shown->setTextInteractionFlags(Qt::TextSelectableByMouse);
    shown->setMaximumWidth(room.width() * 3 / 4);
    layout->addWidget(shown);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
    if (!texts.detailedText.isEmpty()) {
        // The whole list, to scroll through and copy.
        auto* details = new QPlainTextEdit(texts.detailedText, &box);
        details->setObjectName(QStringLiteral("messageDetails"));
        details->setReadOnly(true);
        details->setLineWrapMode(QPlainTextEdit::NoWrap);
        details->setMinimumHeight(details->fontMetrics().lineSpacing() * 6);
        layout->addWidget(details, 1);
        QPushButton* copy = buttons->addButton(QStringLiteral("Copy"), QDialogButtonBox::ActionRole);
        copy->setObjectName(QStringLiteral("messageCopy"));
        QObject::connect(copy, &QPushButton::clicked, &box,
                         [all = texts.detailedText] { QGuiApplication::clipboard()->setText(all); });
    }
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    layout->addWidget(buttons);
    // However long the text, the box stays within the screen; the details pane scrolls.
    const QSize most(room.width() * 9 / 10, room.height() * 9 / 10);
    box.setMaximumSize(most);
    box.resize(box.sizeHint().boundedTo(most));
    box.exec();
}

MessageBoxTexts messageBoxTexts(const QString& text)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.size() <= kShownMessageLines)
        return {text, QString()};
    const QStringList shown = lines.mid(0, kShownMessageLines);
    return {shown.join(QLatin1Char('\n')) +
                QStringLiteral("\n\u2026 and %1 more").arg(lines.size() - kShownMessageLines),
            text};
}

void yield()
{
    QCoreApplication::processEvents();
}

void yieldWithoutInput()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace platform
