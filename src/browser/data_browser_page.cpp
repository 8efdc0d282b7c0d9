#include "browser/data_browser_page.h"

#include "platform/colours.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace browser {

using app::element;

DataBrowserPage::DataBrowserPage(QWidget* parent) : app::Panel(QStringLiteral("pt_0"), parent)
{
    auto* top = new QVBoxLayout(this);
    top->addWidget(app::heading(QStringLiteral("Label4"), QStringLiteral("Data Browser"), this));
    auto* body = new QHBoxLayout();

    auto* left = new QVBoxLayout();
    left->addWidget(app::label(QStringLiteral("Etiquette6_41"), QStringLiteral("Table Name"), this));
    t = new app::SortedList(QStringLiteral("t"), this);
    left->addWidget(t, 1);
    auto* openRow = new QHBoxLayout();
    Command2 = app::pictureButton(QStringLiteral("Command2"), QStyle::SP_DialogOpenButton,
                                  QStringLiteral("Open Table..."), this);
    openRow->addWidget(Command2);
    openRow->addStretch();
    left->addLayout(openRow);
    auto* countRow = new QHBoxLayout();
    countRow->addWidget(app::label(QStringLiteral("Etiquette6_42"), QStringLiteral("Records Count"), this));
    nr = new app::TextBox(QStringLiteral("nr"), this);
    nr->setMaximumWidth(100);
    countRow->addWidget(nr);
    left->addLayout(countRow);
    body->addLayout(left, 1);

    auto* right = new QVBoxLayout();
    auto* tabs = new QHBoxLayout();
    const char* const captions[3] = {"Sort", "Select Value", "Search from..to.."};
    auto* panels = new QGridLayout();
    for (int i = 0; i < 3; ++i) {
        chdbc[std::size_t(i)] = new app::ClickLabel(element("chdbc", i), QString::fromLatin1(captions[i]), this);
        chdbc[std::size_t(i)]->setContentsMargins(6, 3, 6, 3);
        platform::setBackColor(chdbc[std::size_t(i)], kCriteriaTabColour);
        tabs->addWidget(chdbc[std::size_t(i)]);
        connect(chdbc[std::size_t(i)], &app::ClickLabel::clicked, this, [this, i] { chdbc_Click(i); });
        connect(chdbc[std::size_t(i)], &app::ClickLabel::mouseMoved, this, [this, i] { chdbc_MouseMove(i); });
        dbs[std::size_t(i)] = new app::Panel(element("dbs", i), this);
        dbs[std::size_t(i)]->setMinimumHeight(60);
        panels->addWidget(dbs[std::size_t(i)], 0, 0);
    }
    tabs->addStretch();
    right->addLayout(tabs);
    right->addLayout(panels);
    ss2 = new QTableView(this);
    ss2->setObjectName(QStringLiteral("ss2"));
    right->addWidget(ss2, 1);
    body->addLayout(right, 3);
    top->addLayout(body, 1);

    connect(t, &QListWidget::itemClicked, this, &DataBrowserPage::t_Click);
}

void DataBrowserPage::chdbc_Click(int index)
{
    for (int k = 0; k < 3; ++k) {
        platform::setBackStyle(chdbc[std::size_t(k)], 1);
        platform::setBackColor(chdbc[std::size_t(k)], kCriteriaTabColour);
        dbs[std::size_t(k)]->hide();
    }
    if (index < 0 || index > 2)
        return;
    platform::setBackColor(chdbc[std::size_t(index)], kChosenCriteriaTabColour);
    dbs[std::size_t(index)]->show();
}

void DataBrowserPage::chdbc_MouseMove(int index)
{
    clearTabFrames();
    if (index >= 0 && index < 3)
        platform::setBorderStyle(chdbc[std::size_t(index)], 1);
}

void DataBrowserPage::clearTabFrames()
{
    for (app::ClickLabel* tab : chdbc)
        platform::setBorderStyle(tab, 0);
}

void DataBrowserPage::t_Click()
{
    nr->clear();
}

} // namespace browser
