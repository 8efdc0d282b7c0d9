#include "generation_ui/aspx_generator_page.h"

#include "generation_ui/edit_page_names.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <tuple>

namespace generation_ui
{

AspxGeneratorPage::AspxGeneratorPage(QWidget* parent) : GeneratorPage(QStringLiteral("pt_3"), parent)
{
    auto* top = new QVBoxLayout(this);
    top->addWidget(kit::heading(QStringLiteral("Label2"), QStringLiteral("ASPX Generator"), this));

    auto* upper = new QHBoxLayout();
    auto* listColumn = new QGridLayout();
    std::tie(s_t2, tdn2) = addTableList(listColumn, QStringLiteral("Etiquette6_5"), QStringLiteral("s_t2"),
                                        QStringLiteral("tdn2"));
    upper->addLayout(listColumn, 1);

    auto* fields = new QGridLayout();
    const char* const captions[4] = {"Table", "aspx", "aspx.vb", "VS Projet Name"};
    const int captionIndex[4] = {6, 7, 8, 9};
    for (int i = 0; i < 4; ++i) {
        fields->addWidget(
            kit::label(kit::element("Etiquette6", captionIndex[i]), QString::fromLatin1(captions[i]), this),
            i, 0);
        tb2[std::size_t(i)] = new kit::TextBox(kit::element("tb2", i), this);
        tb2[std::size_t(i)]->setReadOnly(i < 3);
        fields->addWidget(tb2[std::size_t(i)], i, 1);
    }
    fields->addWidget(kit::label(QStringLiteral("Etiquette6_10"), QStringLiteral("Path"), this), 4, 0);
    const FolderRow folderRow = makeFolderRow(QStringLiteral("pn2"), 0);
    pn2 = folderRow.folder;
    chpth_0 = folderRow.picker;
    fields->addLayout(folderRow.row, 4, 1);
    auto* generateRow = new QHBoxLayout();
    Command8 = kit::pictureButton(QStringLiteral("Command8"), QStyle::SP_MediaPlay,
                                  QStringLiteral("VB.Net Generation !"), this);
    Etiquette6_17 = kit::captionLink(17, QStringLiteral("Generate ASPX!"), this);
    generateRow->addWidget(Command8);
    generateRow->addWidget(Etiquette6_17);
    generateRow->addStretch();
    fields->addLayout(generateRow, 5, 1);
    stasp = kit::label(QStringLiteral("stasp"), QString(), this);
    fields->addWidget(stasp, 6, 1);
    Label6 = kit::label(
        QStringLiteral("Label6"),
        QStringLiteral("This is not done to create your application, but to build templates of your aspx "
                       "using the generated Data Access modules and save many time."),
        this);
    Label6->setWordWrap(true);
    fields->addWidget(Label6, 7, 0, 1, 2);
    fields->setRowStretch(8, 1);
    upper->addLayout(fields, 2);
    top->addLayout(upper, 2);

    top->addWidget(kit::label(QStringLiteral("Etiquette6_11"), QStringLiteral("Files to be created"), this));
    auto* previews = new QGridLayout();
    const char* const previewCaptions[2] = {"Aspx", "Aspx.Vb"};
    const int previewCaptionIndex[2] = {12, 15};
    for (int i = 0; i < 2; ++i) {
        previews->addWidget(kit::label(kit::element("Etiquette6", previewCaptionIndex[i]),
                                       QString::fromLatin1(previewCaptions[i]), this),
                            0, i);
        gasp[std::size_t(i)] = kit::previewBox(kit::element("gasp", i), this);
        previews->addWidget(gasp[std::size_t(i)], 1, i);
    }
    top->addLayout(previews, 3);

    // A click, the keyboard or code may select an item. Emptying the list reports row -1 and
    // focus alone makes an item current without selecting it: neither is a click on an item.
    const auto clicked = [this] {
        if (!tdn2->selectedText().isEmpty())
            tdn2_Click();
    };
    connect(tdn2, &QListWidget::currentRowChanged, this, clicked);
    connect(tdn2, &QListWidget::itemSelectionChanged, this, clicked);
    connect(tdn2, &QListWidget::itemClicked, this, clicked);
    connect(s_t2, &QLineEdit::textChanged, this, &AspxGeneratorPage::s_t2_Change);
    for (int i = 0; i < int(tb2.size()); ++i)
        connect(tb2[std::size_t(i)], &QLineEdit::textChanged, this, [this, i] { tb2_Change(i); });
    shareControls(pn2, chpth_0, Command8, {gasp.begin(), gasp.end()});
}

QString AspxGeneratorPage::projectName() const
{
    return tb2[3]->text();
}

void AspxGeneratorPage::setProjectName(const QString& name)
{
    tb2[3]->setText(name);
}

void AspxGeneratorPage::chooseTable(const QString& table)
{
    const bool unchanged = tb2[0]->text() == table;
    tb2[0]->setText(table);
    if (unchanged)
        tb2_Change(0);
}

QString AspxGeneratorPage::chosenTable() const
{
    return tb2[0]->text();
}

generators::web::EditPageInputs AspxGeneratorPage::editPageInputs() const
{
    generators::web::EditPageInputs page;
    page.tableBox = tb2[0]->text();
    page.pageFile = tb2[1]->text();
    page.codeFile = tb2[2]->text();
    page.project = tb2[3]->text();
    page.folder = pn2->text();
    return page;
}

void AspxGeneratorPage::showStep(const QString& text)
{
    stasp->setText(text);
}

void AspxGeneratorPage::listTables(const QStringList& tables)
{
    tdn2->clear();
    tdn2->addItems(tables);
}

void AspxGeneratorPage::tdn2_Click()
{
    tb2[0]->setText(tdn2->selectedText());
}

void AspxGeneratorPage::s_t2_Change()
{
    if (selectTypedTable(tdn2, s_t2->text()))
        tb2[0]->setText(tdn2->selectedText());
}

void AspxGeneratorPage::tb2_Change(int index)
{
    if (index != 0)
        return;
    const generators::web::EditPageInputs page = editPageOf(tb2[0]->text(), QString(), QString());
    tb2[1]->setText(page.pageFile);
    tb2[2]->setText(page.codeFile);
}

} // namespace generation_ui
