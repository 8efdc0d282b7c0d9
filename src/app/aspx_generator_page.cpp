#include "app/aspx_generator_page.h"

#include "platform/colours.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace app {

AspxGeneratorPage::AspxGeneratorPage(QWidget* parent) : Panel(QStringLiteral("pt_3"), parent)
{
    auto* top = new QVBoxLayout(this);
    top->addWidget(heading(QStringLiteral("Label2"), QStringLiteral("ASPX Generator"), this));

    auto* upper = new QHBoxLayout();
    auto* listColumn = new QGridLayout();
    auto* searchRow = new QHBoxLayout();
    searchRow->addWidget(label(QStringLiteral("Etiquette6_5"), QStringLiteral("DataBase Tables:"), this));
    s_t2 = new TextBox(QStringLiteral("s_t2"), this);
    s_t2->setMaximumWidth(70);
    searchRow->addWidget(s_t2);
    listColumn->addLayout(searchRow, 0, 0);
    tdn2 = new SortedList(QStringLiteral("tdn2"), this);
    listColumn->addWidget(tdn2, 1, 0);
    upper->addLayout(listColumn, 1);

    auto* fields = new QGridLayout();
    const char* const captions[4] = {"Table", "aspx", "aspx.vb", "VS Projet Name"};
    const int captionIndex[4] = {6, 7, 8, 9};
    for (int i = 0; i < 4; ++i) {
        fields->addWidget(label(element("Etiquette6", captionIndex[i]), QString::fromLatin1(captions[i]), this), i, 0);
        tb2[std::size_t(i)] = new TextBox(element("tb2", i), this);
        tb2[std::size_t(i)]->setReadOnly(i < 3);
        fields->addWidget(tb2[std::size_t(i)], i, 1);
    }
    fields->addWidget(label(QStringLiteral("Etiquette6_10"), QStringLiteral("Path"), this), 4, 0);
    auto* pathRow = new QHBoxLayout();
    pn2 = new TextBox(QStringLiteral("pn2"), this);
    pathRow->addWidget(pn2);
    chpth_0 = pictureButton(element("chpth", 0), QStyle::SP_DirOpenIcon, QStringLiteral("Search..."), this);
    pathRow->addWidget(chpth_0);
    fields->addLayout(pathRow, 4, 1);
    auto* generateRow = new QHBoxLayout();
    Command8 = pictureButton(QStringLiteral("Command8"), QStyle::SP_MediaPlay, QStringLiteral("VB.Net Generation !"),
                             this);
    Etiquette6_17 = new ClickLabel(QStringLiteral("Etiquette6_17"), QStringLiteral("Generate ASPX!"), this);
    platform::setTag(Etiquette6_17, QStringLiteral("link"));
    platform::setBackColor(Etiquette6_17, 0x8000);
    platform::setForeColor(Etiquette6_17, 0xC0FFFF);
    Etiquette6_17->setCursor(Qt::PointingHandCursor);
    Etiquette6_17->setContentsMargins(4, 2, 4, 2);
    generateRow->addWidget(Command8);
    generateRow->addWidget(Etiquette6_17);
    generateRow->addStretch();
    fields->addLayout(generateRow, 5, 1);
    stasp = label(QStringLiteral("stasp"), QString(), this);
    fields->addWidget(stasp, 6, 1);
    Label6 = label(QStringLiteral("Label6"),
                   QStringLiteral("This is not done to create your application, but to build templates of your aspx "
                                  "using the generated Data Access modules and save many time."),
                   this);
    Label6->setWordWrap(true);
    fields->addWidget(Label6, 7, 0, 1, 2);
    fields->setRowStretch(8, 1);
    upper->addLayout(fields, 2);
    top->addLayout(upper, 2);

    top->addWidget(label(QStringLiteral("Etiquette6_11"), QStringLiteral("Files to be created"), this));
    auto* previews = new QGridLayout();
    const char* const previewCaptions[2] = {"Aspx", "Aspx.Vb"};
    const int previewCaptionIndex[2] = {12, 15};
    for (int i = 0; i < 2; ++i) {
        previews->addWidget(
            label(element("Etiquette6", previewCaptionIndex[i]), QString::fromLatin1(previewCaptions[i]), this), 0, i);
        gasp[std::size_t(i)] = previewBox(element("gasp", i), this);
        previews->addWidget(gasp[std::size_t(i)], 1, i);
    }
    top->addLayout(previews, 3);
}

} // namespace app
