#include "cssbuilder/css_builder_window.h"

#include "cssbuilder/builder_files.h"
#include "cssbuilder/builder_look.h"
#include "cssbuilder/style_preview.h"
#include "cssbuilder/style_rules.h"
#include "platform/colours.h"
#include "platform/dropped_status.h"
#include "platform/folders.h"
#include "platform/screen_units.h"
#include "platform/settings_keys.h"
#include "platform/settings_store.h"

#include <QComboBox>
#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

namespace cssbuilder
{

namespace
{

constexpr int kClientWidthTwips = 13620;
constexpr int kClientHeightTwips = 10455;
constexpr quint32 kWindowColour = 0xFFFFC0;

// The lists are kept in alphabetical order whatever the order of adding; the empty item
// sorts first.
void addSorted(QComboBox* list, const QString& item)
{
    int at = 0;
    while (at < list->count() && QString::compare(list->itemText(at), item, Qt::CaseInsensitive) <= 0)
        ++at;
    list->insertItem(at, item);
}

int storedLook()
{
    bool ok = false;
    const int look =
        platform::settings::get(platform::settings::kProgram, platform::settings::kLook.sectionName(),
                                platform::settings::kLook.keyName(), QStringLiteral("0"))
            .toInt(&ok);
    return ok ? look : 0;
}

} // namespace

CssBuilderWindow::CssBuilderWindow(const platform::Messages& messages, PreviewEngine engine)
    : QWidget(nullptr), messages_(messages)
{
    setObjectName(QStringLiteral("fcss"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("CSS Builder"));
    resize(platform::twipsToPixels(kClientWidthTwips), platform::twipsToPixels(kClientHeightTwips));
    platform::setBackColor(this, kWindowColour);
    c_ = buildControls(this, engine);
    connectHandlers();
    Form_Load();
}

void CssBuilderWindow::Form_Load()
{
    fillLists();
    const QString folder = platform::withTrailingSeparator(platform::programFolder());
    writeStartFiles(folder);
    c_.wb->navigate(htm_file_);
    centreOnScreen();
    look_style_ = storedLook();
    apply_look(this, look_style_);
    QDir::setCurrent(folder);
    // The first rule: its handlers show the font size and write the style sheet.
    c_.h_pr[0]->setValue(18);
    web_colors_ = buildWebColors();
}

void CssBuilderWindow::fillLists()
{
    for (QComboBox* list : c_.cb) {
        list->clear();
        list->addItem(QString());
    }
    for (const QString& family : QFontDatabase::families())
        addSorted(c_.cb[0], family);
    for (const QString& item : verticalAlignItems())
        addSorted(c_.cb[1], item);
    for (std::size_t i = 0; i < c_.hcb.size(); ++i)
        c_.hcb[i]->setMaximum(c_.cb[i]->count() - 1);
}

void CssBuilderWindow::writeStartFiles(const QString& folder)
{
    css_file_ = folder + QLatin1String(kStyleSheetName);
    writeFile(css_file_, emptyStyleSheetLines());
    htm_file_ = folder + QLatin1String(kPreviewPageName);
    writeFile(htm_file_, previewPageLines());
}

// A file that cannot be written is reported when it starts failing, or fails for another
// reason, rather than at every change of a control.
void CssBuilderWindow::writeFile(const QString& path, const QStringList& lines)
{
    const QString failure = writeBuilderFile(path, lines);
    QString& reported = writeFailures_[path];
    if (failure == reported)
        return;
    reported = failure;
    if (failure.isEmpty())
        return;
    const QString message =
        QStringLiteral("%1: cannot be written (%2)").arg(QDir::toNativeSeparators(path), failure);
    platform::logFailure(message);
    messages_.show(message, this);
}

void CssBuilderWindow::centreOnScreen()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    move(std::max(0, (area.width() - width()) / 2), std::max(0, (area.height() - height()) / 2));
}

void CssBuilderWindow::fin_Click(int)
{
    close();
}

void CssBuilderWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        fin_Click(0);
        return;
    }
    QWidget::keyPressEvent(event);
}

CssBuilderWindow* CssBuilderWindow::showBuilder(QPointer<CssBuilderWindow>& open,
                                                const platform::Messages& messages, PreviewEngine engine)
{
    if (!open)
        open = new CssBuilderWindow(messages, engine);
    open->show();
    open->raise();
    open->activateWindow();
    return open;
}

} // namespace cssbuilder
