#include "browser/data_browser_page.h"

#include "browser/grid_ends.h"
#include "browser/recordset_model.h"
#include "kit/action_guard.h"
#include "platform/colours.h"

#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>
#include <algorithm>

namespace browser
{

using kit::element;

namespace
{

// Room above and below a grid row's text.
constexpr int kRowPadding = 4;

// A caption and its text box side by side in the first row of a panel, from `column` on.
kit::TextBox* captionedBox(QGridLayout* panel, const QString& name, const QString& caption, int column)
{
    QWidget* parent = panel->parentWidget();
    panel->addWidget(kit::label(name + QStringLiteral("_label"), caption, parent), 0, column);
    auto* box = new kit::TextBox(name, parent);
    panel->addWidget(box, 0, column + 1);
    return box;
}

} // namespace

DataBrowserPage::DataBrowserPage(const platform::Messages& messages, QWidget* parent)
    : kit::Panel(QStringLiteral("pt_0"), parent), messages_(messages), exportFolder_(QDir::tempPath())
{
    auto* top = new QVBoxLayout(this);
    top->addWidget(kit::heading(QStringLiteral("Label4"), QStringLiteral("Data Browser"), this));
    auto* body = new QHBoxLayout();

    auto* left = new QVBoxLayout();
    auto* listHead = new QHBoxLayout();
    listHead->addWidget(kit::label(QStringLiteral("Etiquette6_41"), QStringLiteral("Table Name"), this));
    listHead->addStretch();
    tp = new kit::TextBox(QStringLiteral("tp"), this);
    tp->setMaximumWidth(40);
    listHead->addWidget(tp);
    left->addLayout(listHead);
    t = new kit::SortedList(QStringLiteral("t"), this);
    left->addWidget(t, 1);
    auto* openRow = new QHBoxLayout();
    Command2 = kit::pictureButton(QStringLiteral("Command2"), QStyle::SP_DialogOpenButton,
                                  QStringLiteral("Open Table..."), this);
    openRow->addWidget(Command2);
    openRow->addStretch();
    left->addLayout(openRow);
    auto* countRow = new QHBoxLayout();
    countRow->addWidget(kit::label(QStringLiteral("Etiquette6_42"), QStringLiteral("Records Count"), this));
    nr = new kit::TextBox(QStringLiteral("nr"), this);
    nr->setMaximumWidth(100);
    countRow->addWidget(nr);
    left->addLayout(countRow);
    body->addLayout(left, 1);

    auto* right = new QVBoxLayout();
    auto* tabs = new QHBoxLayout();
    const char* const captions[3] = {"Sort", "Select Value", "Search from..to.."};
    auto* panels = new QGridLayout();
    for (int i = 0; i < 3; ++i) {
        chdbc[std::size_t(i)] =
            new kit::ClickLabel(element("chdbc", i), QString::fromLatin1(captions[i]), this);
        chdbc[std::size_t(i)]->setContentsMargins(6, 3, 6, 3);
        platform::setBackColor(chdbc[std::size_t(i)], kCriteriaTabColour);
        tabs->addWidget(chdbc[std::size_t(i)]);
        dbs[std::size_t(i)] = new kit::Panel(element("dbs", i), this);
        dbs[std::size_t(i)]->setMinimumHeight(60);
        panels->addWidget(dbs[std::size_t(i)], 0, 0);
    }
    tabs->addStretch();
    right->addLayout(tabs);
    right->addLayout(panels);
    buildCriteriaPanels();
    keepCriteriaSteady();

    ss2 = new QTableView(this);
    ss2->setObjectName(QStringLiteral("ss2"));
    // The browser only reads: the grid takes no edits.
    ss2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ss2->setSelectionMode(QAbstractItemView::SingleSelection);
    // A value stays on one line, as a spreadsheet cell shows it, in rows as high as the
    // font; headers read from the left like the values under them.
    ss2->setWordWrap(false);
    ss2->verticalHeader()->setMinimumSectionSize(0);
    ss2->verticalHeader()->setDefaultSectionSize(ss2->fontMetrics().height() + kRowPadding);
    ss2->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    model_ = new RecordsetModel(ss2);
    ss2->setModel(model_);
    reachQueryEnd(ss2, model_);
    attachRunGuard(nullptr);
    right->addWidget(ss2, 1);

    auto* exportRow = new QHBoxLayout();
    exportRow->addStretch();
    exp_e = kit::label(QStringLiteral("exp_e"), QStringLiteral("Export DataGrid to Excel >>"), this);
    exportRow->addWidget(exp_e);
    Command4 = kit::pictureButton(QStringLiteral("Command4"), QStyle::SP_FileDialogDetailedView,
                                  QStringLiteral("Export Grid to Excel"), this);
    exportRow->addWidget(Command4);
    right->addLayout(exportRow);
    body->addLayout(right, 3);
    top->addLayout(body, 1);

    connectHandlers();
}

void DataBrowserPage::buildCriteriaPanels()
{
    auto* sortPanel = new QGridLayout(dbs[0]);
    sortPanel->addWidget(kit::label(QStringLiteral("c_label"), QStringLiteral("Column"), dbs[0]), 0, 0);
    c = new kit::TextBox(QStringLiteral("c"), dbs[0]);
    sortPanel->addWidget(c, 1, 0);
    c_srt[0] =
        kit::pictureButton(element("c_srt", 0), QStyle::SP_ArrowUp, QStringLiteral("Sort Asc"), dbs[0]);
    c_srt[1] =
        kit::pictureButton(element("c_srt", 1), QStyle::SP_ArrowDown, QStringLiteral("Sort Desc"), dbs[0]);
    sortPanel->addWidget(c_srt[0], 1, 1);
    sortPanel->addWidget(c_srt[1], 1, 2);
    sortPanel->setColumnStretch(3, 1);

    auto* filterPanel = new QGridLayout(dbs[1]);
    cv1 = kit::label(QStringLiteral("cv1"), QString(), dbs[1]);
    filterPanel->addWidget(cv1, 0, 0);
    v = captionedBox(filterPanel, QStringLiteral("v"), QStringLiteral("Value"), 1);
    Command7 = kit::pictureButton(QStringLiteral("Command7"), QStyle::SP_DialogApplyButton,
                                  QStringLiteral("Select"), dbs[1]);
    filterPanel->addWidget(Command7, 0, 3);
    const char* const kinds[4] = {"Begin with", "End with", "Contain", "Equal"};
    auto* options = new QHBoxLayout();
    for (int i = 0; i < 4; ++i) {
        s1[std::size_t(i)] = new QRadioButton(QString::fromLatin1(kinds[i]), dbs[1]);
        s1[std::size_t(i)]->setObjectName(element("s1", i));
        options->addWidget(s1[std::size_t(i)]);
    }
    s1[0]->setChecked(true);
    options->addStretch();
    filterPanel->addLayout(options, 1, 0, 1, 4);
    filterPanel->setColumnStretch(2, 1);

    auto* rangePanel = new QGridLayout(dbs[2]);
    cv2 = kit::label(QStringLiteral("cv2"), QString(), dbs[2]);
    rangePanel->addWidget(cv2, 0, 0);
    sfr = captionedBox(rangePanel, QStringLiteral("sfr"), QStringLiteral("From"), 1);
    sto = captionedBox(rangePanel, QStringLiteral("sto"), QStringLiteral("To"), 3);
    Command10 = kit::pictureButton(QStringLiteral("Command10"), QStyle::SP_FileDialogContentsView,
                                   QStringLiteral("Search"), dbs[2]);
    rangePanel->addWidget(Command10, 0, 5);
    rangePanel->setColumnStretch(2, 1);
    rangePanel->setColumnStretch(4, 1);
}

// The three panels share one place and the tabs gain a frame under the mouse: both are
// given the size of their largest state, so the grid below never moves.
void DataBrowserPage::keepCriteriaSteady()
{
    int height = 0;
    for (kit::Panel* panel : dbs)
        height = std::max(height, panel->sizeHint().height());
    for (kit::Panel* panel : dbs)
        panel->setMinimumHeight(height);
    for (kit::ClickLabel* tab : chdbc) {
        platform::setBorderStyle(tab, 1);
        tab->setFixedSize(tab->sizeHint());
        platform::setBorderStyle(tab, 0);
    }
}

void DataBrowserPage::connectHandlers()
{
    for (int i = 0; i < 3; ++i) {
        connect(chdbc[std::size_t(i)], &kit::ClickLabel::clicked, this, [this, i] { chdbc_Click(i); });
        connect(chdbc[std::size_t(i)], &kit::ClickLabel::mouseMoved, this, [this, i] { chdbc_MouseMove(i); });
    }
    // The list's click follows the selection, by mouse or by keyboard; emptying the list
    // (no row) is no click.
    connect(t, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            t_Click();
    });
    // A click on the row already selected changes no row, and is a click all the same.
    connect(t, &QListWidget::itemClicked, this, &DataBrowserPage::t_Click);
    connect(model_, &RecordsetModel::readFailed, this, &DataBrowserPage::reportFailure);
    connect(model_, &RecordsetModel::readEnded, this, &DataBrowserPage::runPendingLater);
    connect(model_, &QAbstractItemModel::modelReset, this, [this] { columnWidths_.clear(); });
    // Rows read as the grid scrolls may be wider than the first ones.
    connect(model_, &RecordsetModel::rowsRead, this, &DataBrowserPage::widenColumns);
    connect(model_, &RecordsetModel::slowRead, this, [this](bool lasting) {
        emit waitingText(lasting ? QStringLiteral("Reading rows from the database...") : QString());
    });
    connect(Command2, &QPushButton::clicked, this, &DataBrowserPage::Command2_Click);
    // Enter on a table, or a double-click, opens it as the button does.
    connect(t, &QListWidget::itemActivated, this, &DataBrowserPage::Command2_Click);
    for (int i = 0; i < 2; ++i)
        connect(c_srt[std::size_t(i)], &QPushButton::clicked, this, [this, i] { c_srt_Click(i); });
    connect(Command7, &QPushButton::clicked, this, &DataBrowserPage::Command7_Click);
    connect(Command10, &QPushButton::clicked, this, &DataBrowserPage::Command10_Click);
    connect(Command4, &QPushButton::clicked, this, &DataBrowserPage::Command4_Click);
    connect(c, &QLineEdit::textChanged, this, &DataBrowserPage::c_Change);
    connect(ss2->horizontalHeader(), &QHeaderView::sectionClicked, this, &DataBrowserPage::ss2_pick_column);
    connect(ss2, &QTableView::clicked, this, &DataBrowserPage::ss2_pick_current_column);
    connect(ss2, &QTableView::doubleClicked, this, &DataBrowserPage::ss2_pick_value);
}

QStringList DataBrowserPage::tables() const
{
    return t->items();
}

void DataBrowserPage::clearTables()
{
    t->clear();
}

void DataBrowserPage::addTable(const QString& table)
{
    t->addItem(table);
}

void DataBrowserPage::clearRecordCount()
{
    nr->clear();
}

void DataBrowserPage::attachDataControl(platform::ado::DataControl* data)
{
    data2_ = data;
    model_->setWindowReader(data ? readRowsAt(data) : nullptr);
}

void DataBrowserPage::attachRunGuard(kit::RunGuard* guard)
{
    static kit::RunGuard unattached;
    guard_ = guard ? guard : &unattached;
    model_->setRunGuard(guard_);
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
    for (kit::ClickLabel* tab : chdbc)
        platform::setBorderStyle(tab, 0);
}

void DataBrowserPage::t_Click()
{
    nr->clear();
}

void DataBrowserPage::c_Change()
{
    cv1->setText(c->text());
    cv2->setText(c->text());
}

} // namespace browser
