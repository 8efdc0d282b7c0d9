#include "generation_ui/vb_generator_page.h"

#include "kit/action_guard.h"
#include "platform/colours.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <tuple>

namespace generation_ui
{

namespace
{

const char* const kModuleCaptions[3] = {"Data Access Module", "Data Manager Module", "Data Classes Module"};
const char* const kModuleTags[3] = {"Access", "Manager", "Classes"};
const char* const kTabCaptions[5] = {"Data Access File", "Data Manager File", "Data Classes File",
                                     "Oracle Stored Proc.", "VB6 Classes"};
const char* const kArrowCaptions[4] = {">>", ">", "<", "<<"};

// Captions of the arrow buttons per animation phase.
const char* const kOuterPhases[3][2] = {{">>  ", "  <<"}, {" >> ", " << "}, {"  >>", "<<  "}};
const char* const kInnerPhases[4][2] = {
    {">   ", "   <"}, {" >  ", "  < "}, {"  > ", " <  "}, {"   >", "<   "}};

} // namespace

VbGeneratorPage::VbGeneratorPage(kit::RunGuard& guard, QWidget* parent)
    : GeneratorPage(QStringLiteral("pt_1"), parent), guard_(guard)
{
    auto* top = new QVBoxLayout(this);
    top->addWidget(kit::heading(QStringLiteral("Label1"), QStringLiteral("VB Net Generator"), this));

    // Table lists and arrows.
    auto* lists = new QGridLayout();
    std::tie(s_t, tdn) =
        addTableList(lists, QStringLiteral("Etiquette6_0"), QStringLiteral("s_t"), QStringLiteral("tdn"));
    auto* arrows = new QVBoxLayout();
    arrows->addStretch();
    for (int i = 0; i < 4; ++i) {
        tadd[std::size_t(i)] =
            kit::commandButton(kit::element("tadd", i), QString::fromLatin1(kArrowCaptions[i]), this);
        tadd[std::size_t(i)]->setFixedWidth(48);
        arrows->addWidget(tadd[std::size_t(i)]);
        connect(tadd[std::size_t(i)], &QPushButton::clicked, this, [this, i] { tadd_Click(i); });
    }
    arrows->addStretch();
    lists->addLayout(arrows, 1, 1);
    lists->addWidget(
        kit::label(QStringLiteral("Etiquette6_1"), QStringLiteral("Tables used for VB Net Generator:"), this),
        0, 2);
    tdn1 = new kit::SortedList(QStringLiteral("tdn1"), this);
    lists->addWidget(tdn1, 1, 2);

    // Prefix, folder, modules, options, generate buttons.
    auto* choices = new QGridLayout();
    choices->addWidget(kit::label(QStringLiteral("Etiquette6_2"), QStringLiteral("VB Prefix"), this), 0, 0);
    dbn = new kit::TextBox(QStringLiteral("dbn"), this);
    choices->addWidget(dbn, 0, 1);
    choices->addWidget(kit::label(QStringLiteral("Etiquette6_3"), QStringLiteral("Path"), this), 1, 0);
    const FolderRow folderRow = makeFolderRow(QStringLiteral("pn"), 1);
    pn = folderRow.folder;
    chpth_1 = folderRow.picker;
    choices->addLayout(folderRow.row, 1, 1);
    choices->addWidget(
        kit::label(QStringLiteral("Etiquette6_4"), QStringLiteral("Files to be created"), this), 2, 1);
    for (int i = 0; i < 3; ++i) {
        gn[std::size_t(i)] = new QCheckBox(QString::fromLatin1(kModuleCaptions[i]), this);
        gn[std::size_t(i)]->setObjectName(kit::element("gn", i));
        platform::setTag(gn[std::size_t(i)], QString::fromLatin1(kModuleTags[i]));
        gn[std::size_t(i)]->setChecked(true);
        gnn[std::size_t(i)] = kit::label(kit::element("gnn", i), QString(), this);
        choices->addWidget(gn[std::size_t(i)], 3 + i, 0);
        choices->addWidget(gnn[std::size_t(i)], 3 + i, 1);
        // Setting the value from code raises the click handler too.
        connect(gn[std::size_t(i)], &QCheckBox::toggled, this, [this, i] { gn_Click(i); });
    }
    ps = new QCheckBox(QStringLiteral("Use and generate Oracle Stored Procedures (.pkg)"), this);
    ps->setObjectName(QStringLiteral("ps"));
    gcfk = new QCheckBox(QStringLiteral("Generate 'Join Classes' and access for Foreign Keys"), this);
    gcfk->setObjectName(QStringLiteral("gcfk"));
    gwcf = new QCheckBox(QStringLiteral("Generate Web Config File"), this);
    gwcf->setObjectName(QStringLiteral("gwcf"));
    for (QCheckBox* box : {ps, gcfk, gwcf})
        box->setChecked(true);
    choices->addWidget(ps, 6, 0, 1, 2);
    choices->addWidget(gcfk, 7, 0, 1, 2);
    choices->addWidget(gwcf, 8, 0, 1, 2);
    // Room to spare goes below the boxes, not between them.
    choices->setRowStretch(9, 1);

    auto* generate = new QGridLayout();
    Command11 = kit::pictureButton(QStringLiteral("Command11"), QStyle::SP_MediaPlay,
                                   QStringLiteral("VB.Net Generation !"), this);
    Etiquette6_13 = kit::captionLink(13, QStringLiteral("Generate VB.Net Files!"), this);
    Command18 = kit::pictureButton(
        QStringLiteral("Command18"), QStyle::SP_FileIcon,
        QStringLiteral("VB6 Generation ! This generate one class file <prefix><table>.cls by table"), this);
    Etiquette6_14 = kit::captionLink(14, QStringLiteral("VB6 Classes only!"), this);
    Command19 = kit::pictureButton(QStringLiteral("Command19"), QStyle::SP_DirHomeIcon,
                                   QStringLiteral("VB.Net Full solution Generation ! (Beta version)"), this);
    Etiquette6_22 = kit::captionLink(22, QStringLiteral("Generate Solution!"), this);
    generate->addWidget(Command11, 0, 0);
    generate->addWidget(Etiquette6_13, 0, 1);
    generate->addWidget(Command18, 1, 0);
    generate->addWidget(Etiquette6_14, 1, 1);
    generate->addWidget(Command19, 2, 0);
    generate->addWidget(Etiquette6_22, 2, 1);
    pb1 = new kit::ProgressBar(this);
    pb1->setObjectName(QStringLiteral("pb1"));
    pb1->setRange(0, 100);
    pb1->setValue(0);
    pb1->setTextVisible(false);
    pb1->hide();
    generate->addWidget(pb1, 3, 0, 1, 2);
    generate->setRowStretch(4, 1);

    auto* upper = new QHBoxLayout();
    upper->addLayout(lists, 3);
    upper->addLayout(choices, 3);
    upper->addLayout(generate, 2);
    top->addLayout(upper, 2);

    // Previews: five boxes in one place, the tabs in a column at their left.
    auto* lower = new QHBoxLayout();
    auto* tabs = new QVBoxLayout();
    for (int i = 0; i < 5; ++i) {
        vvbg[std::size_t(i)] =
            new kit::ClickLabel(kit::element("vvbg", i), QString::fromLatin1(kTabCaptions[i]), this);
        vvbg[std::size_t(i)]->setMinimumWidth(130);
        vvbg[std::size_t(i)]->setContentsMargins(4, 4, 4, 4);
        platform::setBackColor(vvbg[std::size_t(i)], kTabColour);
        tabs->addWidget(vvbg[std::size_t(i)]);
        connect(vvbg[std::size_t(i)], &kit::ClickLabel::clicked, this, [this, i] { vvbg_Click(i); });
        connect(vvbg[std::size_t(i)], &kit::ClickLabel::mouseMoved, this, [this, i] { vvbg_MouseMove(i); });
    }
    l_def = kit::label(
        QStringLiteral("l_def"),
        QStringLiteral("If generated code is too large, these text boxes may have not whole information. "
                       "See created files to get full source code."),
        this);
    l_def->setWordWrap(true);
    l_def->setMaximumWidth(130);
    // Wrapped, the note needs more lines than a layout's minimum allows for it.
    l_def->setMinimumHeight(l_def->heightForWidth(l_def->maximumWidth()));
    tabs->addWidget(l_def);
    tabs->addStretch();
    lower->addLayout(tabs);
    auto* previews = new QGridLayout();
    for (int i = 0; i < 5; ++i) {
        QPlainTextEdit* box = kit::previewBox(kit::element("gnl", i), this);
        previews->addWidget(box, 0, 0);
        gnl[std::size_t(i)] = box;
    }
    lower->addLayout(previews, 1);
    top->addLayout(lower, 3);

    connect(s_t, &QLineEdit::textChanged, this, &VbGeneratorPage::s_t_Change);
    connect(s_t, &kit::TextBox::clicked, this, &VbGeneratorPage::s_t_Change);
    connect(s_t, &kit::TextBox::doubleClicked, this, &VbGeneratorPage::s_t_Change);
    connect(dbn, &QLineEdit::textChanged, this, &VbGeneratorPage::dbn_Change);
    shareControls(pn, chpth_1, Command11, {gnl.begin(), gnl.end()});
    connect(Command18, &QPushButton::clicked, this, &VbGeneratorPage::classModulesRequested);
    connect(Command19, &QPushButton::clicked, this, &VbGeneratorPage::solutionRequested);
}

void VbGeneratorPage::focusTableList()
{
    tdn->setFocus();
}

QString VbGeneratorPage::prefix() const
{
    return dbn->text();
}

void VbGeneratorPage::setPrefix(const QString& prefix)
{
    dbn->setText(prefix);
}

QStringList VbGeneratorPage::chosenTables() const
{
    return tdn1->items();
}

std::array<QString, 3> VbGeneratorPage::moduleFileNames() const
{
    return {gnn[0]->text(), gnn[1]->text(), gnn[2]->text()};
}

bool VbGeneratorPage::storedProceduresAllowed() const
{
    return ps->isEnabled();
}

void VbGeneratorPage::fillRunInputs(generators::RunInputs& in) const
{
    in.pn = pn->text();
    in.dbn = dbn->text();
    for (std::size_t i = 0; i < 3; ++i) {
        in.gn[i] = gn[i]->isChecked();
        in.gnn[i] = gnn[i]->text();
    }
    in.gcfk = gcfk->isChecked();
    in.ps = ps->isChecked();
    in.gwcf = gwcf->isChecked();
    in.tdn1 = tdn1->items();
}

void VbGeneratorPage::allowStoredProcedures(bool allowed)
{
    if (!allowed)
        ps->setChecked(false);
    ps->setEnabled(allowed);
}

void VbGeneratorPage::startWithTables(const QStringList& tables)
{
    tdn->clear();
    tdn1->clear();
    tdn->addItems(tables);
    vvbg_Click(0);
    for (int i = 0; i < 3; ++i) {
        gn[std::size_t(i)]->setChecked(false);
        gnn[std::size_t(i)]->clear();
    }
    for (int i = 0; i < 3; ++i) {
        gn[std::size_t(i)]->setChecked(true);
        gn_Click(i);
    }
}

void VbGeneratorPage::tickWebConfig()
{
    gwcf->setChecked(true);
}

void VbGeneratorPage::setProgressVisible(bool visible)
{
    pb1->setVisible(visible);
}

void VbGeneratorPage::setProgressValue(double value)
{
    if (value < pb1->minimum() || value > pb1->maximum())
        return;
    pb1->setValue(int(value));
}

double VbGeneratorPage::progressValue() const
{
    return pb1->value();
}

void VbGeneratorPage::setProgressMaximum(double maximum)
{
    pb1->setMaximum(int(maximum));
}

double VbGeneratorPage::progressMaximum() const
{
    return pb1->maximum();
}

void VbGeneratorPage::tadd_Click(int index)
{
    kit::ActionGuard guard(guard_);
    if (!guard)
        return;
    switch (index) {
    case 0:
        tdn1->addItems(tdn->items());
        tdn->clear();
        break;
    case 3:
        tdn->addItems(tdn1->items());
        tdn1->clear();
        break;
    case 1:
    case 2: {
        kit::SortedList* from = index == 1 ? tdn : tdn1;
        kit::SortedList* to = index == 1 ? tdn1 : tdn;
        const QString text = from->selectedText();
        if (text.isEmpty())
            return;
        to->addItem(text);
        delete from->takeItem(from->currentRow());
        break;
    }
    default:
        break;
    }
}

void VbGeneratorPage::s_t_Change()
{
    selectTypedTable(tdn, s_t->text());
}

void VbGeneratorPage::gn_Click(int index)
{
    if (index < 0 || index > 2)
        return;
    QCheckBox* box = gn[std::size_t(index)];
    gnn[std::size_t(index)]->setText(
        box->isChecked() ? dbn->text() + platform::tag(box) + QStringLiteral(".vb") : QString());
}

void VbGeneratorPage::dbn_Change()
{
    gn_Click(0);
    gn_Click(1);
    gn_Click(2);
}

void VbGeneratorPage::vvbg_Click(int index)
{
    for (int k = 0; k < 5; ++k) {
        gnl[std::size_t(k)]->hide();
        platform::setBackStyle(vvbg[std::size_t(k)], 1);
        platform::setBackColor(vvbg[std::size_t(k)], kTabColour);
    }
    if (index < 0 || index > 4)
        return;
    gnl[std::size_t(index)]->show();
    platform::setBackColor(vvbg[std::size_t(index)], kChosenTabColour);
}

void VbGeneratorPage::vvbg_MouseMove(int index)
{
    clearTabFrames();
    if (index >= 0 && index < 5)
        platform::setBorderStyle(vvbg[std::size_t(index)], 1);
}

void VbGeneratorPage::clearTabFrames()
{
    for (kit::ClickLabel* tab : vvbg)
        platform::setBorderStyle(tab, 0);
}

void VbGeneratorPage::animateArrows()
{
    const int outer = (platform::tag(tadd[0]).toInt() + 1) % 3;
    tadd[0]->setText(QString::fromLatin1(kOuterPhases[outer][0]));
    tadd[3]->setText(QString::fromLatin1(kOuterPhases[outer][1]));
    platform::setTag(tadd[0], QString::number(outer));
    const int inner = (platform::tag(tadd[1]).toInt() + 1) % 4;
    tadd[1]->setText(QString::fromLatin1(kInnerPhases[inner][0]));
    tadd[2]->setText(QString::fromLatin1(kInnerPhases[inner][1]));
    platform::setTag(tadd[1], QString::number(inner));
}

} // namespace generation_ui
