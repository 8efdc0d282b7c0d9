#include "cssbuilder/css_builder_window.h"

#include "app/controls.h"
#include "platform/colours.h"
#include "platform/settings_store.h"
#include "platform/static_edge.h"

#include <QGuiApplication>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace cssbuilder {

namespace {
QPointer<CssBuilderWindow>& current()
{
    static QPointer<CssBuilderWindow> window;
    return window;
}
} // namespace

CssBuilderWindow::CssBuilderWindow() : QWidget(nullptr)
{
    setObjectName(QStringLiteral("fcss"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("CSS Builder"));
    resize(13620 / 15, 10455 / 15);
    platform::setBackColor(this, 0xFFFFC0);
    auto* layout = new QVBoxLayout(this);
    fin_0_ = app::pictureButton(app::element("fin", 0), QStyle::SP_DialogCloseButton, QStringLiteral("Exit"), this);
    layout->addWidget(fin_0_, 0, Qt::AlignRight | Qt::AlignTop);
    layout->addStretch();
    connect(fin_0_, &QPushButton::clicked, this, [this] { fin_Click(0); });
    Form_Load();
}

void CssBuilderWindow::Form_Load()
{
    bool ok = false;
    const int look = platform::settings::get(QStringLiteral("kvl_net"), QStringLiteral("style"), QStringLiteral("s"),
                                             QStringLiteral("0"))
                         .toInt(&ok);
    if (ok)
        look_style_ = look;
    for (QPushButton* button : findChildren<QPushButton*>())
        platform::static_edge(button);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(std::max(0, area.width() / 2 - width() / 2), std::max(0, area.height() / 2 - height() / 2));
    }
}

void CssBuilderWindow::fin_Click(int)
{
    close();
}

CssBuilderWindow* CssBuilderWindow::showBuilder()
{
    if (!current())
        current() = new CssBuilderWindow();
    current()->show();
    current()->raise();
    current()->activateWindow();
    return current();
}

CssBuilderWindow* CssBuilderWindow::openWindow()
{
    return current();
}

} // namespace cssbuilder
