// The help box of the main window.

#include "app/main_window.h"
#include "platform/screen_units.h"

#include <QAbstractTextDocumentLayout>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>

#include <cmath>

namespace app
{

namespace
{
constexpr int kHelpLeft = 1400;
constexpr int kHelpTop = 500;
constexpr int kHelpSize = 7700;

// The outer size a text box needs to show all of its unwrapped lines without scrolling.
QSize helpTextSize(const QPlainTextEdit& box)
{
    const QTextDocument& document = *box.document();
    const QFontMetrics metrics(box.font());
    int width = 0;
    qreal height = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        width = std::max(width, metrics.horizontalAdvance(block.text()));
        height += document.documentLayout()->blockBoundingRect(block).height();
    }
    const int margins = 2 * (int(std::ceil(document.documentMargin())) + box.frameWidth());
    // One pixel more across, for the caret at the end of the longest line.
    return QSize(width + margins + box.cursorWidth() + 1, int(std::ceil(height)) + margins);
}

} // namespace

void MainWindow::Command16_Click()
{
    using platform::twipsToPixels;
    // The designed size, grown where the system's fonts need more room for the whole text,
    // within the window.
    help->ensurePolished(); // the font it shows with
    const QSize text = helpTextSize(*help);
    const QPoint at(twipsToPixels(kHelpLeft), twipsToPixels(kHelpTop));
    const QSize room = help->parentWidget()->size() - QSize(at.x(), at.y());
    const QSize designed(twipsToPixels(kHelpSize), twipsToPixels(kHelpSize));
    const QSize most = room.expandedTo(designed);
    help->setGeometry(QRect(at, designed.expandedTo(text).boundedTo(most)));
    if (help->isHidden()) {
        help->show();
        help->raise();
        // Whatever its scroll bars still hide once shown is added too.
        for (int pass = 0; pass < 3; ++pass) {
            const int wider = help->horizontalScrollBar()->maximum();
            const int taller = help->verticalScrollBar()->maximum() * help->fontMetrics().lineSpacing();
            if ((wider == 0 && taller == 0) || help->size() == most)
                break;
            help->resize((help->size() + QSize(wider, taller)).boundedTo(most));
        }
    } else {
        help->hide();
    }
}

void MainWindow::help_Click()
{
    help->hide();
}

} // namespace app
