#include "app/generator_page.h"

#include "app/type_ahead.h"

#include <utility>

namespace app
{

namespace
{

// The width of a table list's search box.
constexpr int kSearchBoxWidth = 70;

} // namespace

std::pair<TextBox*, SortedList*> GeneratorPage::addTableList(QGridLayout* grid, const QString& captionName,
                                                             const QString& searchName,
                                                             const QString& listName)
{
    auto* searchRow = new QHBoxLayout();
    searchRow->addWidget(label(captionName, QStringLiteral("DataBase Tables:"), this));
    auto* search = new TextBox(searchName, this);
    search->setMaximumWidth(kSearchBoxWidth);
    searchRow->addWidget(search);
    grid->addLayout(searchRow, 0, 0);
    auto* list = new SortedList(listName, this);
    grid->addWidget(list, 1, 0);
    return {search, list};
}

bool GeneratorPage::selectTypedTable(SortedList* list, const QString& search)
{
    const int row = typeAheadRow(list->items(), search);
    if (row < 0)
        return false;
    list->setCurrentRow(row);
    list->item(row)->setSelected(true);
    return true;
}

GeneratorPage::FolderRow GeneratorPage::makeFolderRow(const QString& folderName, int pickerIndex)
{
    auto* row = new QHBoxLayout();
    auto* folder = new TextBox(folderName, this);
    row->addWidget(folder);
    QPushButton* picker = pictureButton(element("chpth", pickerIndex), QStyle::SP_DirOpenIcon,
                                        QStringLiteral("Search..."), this);
    row->addWidget(picker);
    return {row, folder, picker};
}

void GeneratorPage::shareControls(TextBox* folder, QPushButton* picker, QPushButton* generate,
                                  const QList<QPlainTextEdit*>& previews)
{
    folder_ = folder;
    previews_ = previews;
    connect(folder, &QLineEdit::textChanged, this, &GeneratorPage::outputFolderEdited);
    connect(folder, &TextBox::lostFocus, this, &GeneratorPage::outputFolderLeft);
    connect(picker, &QPushButton::clicked, this, &GeneratorPage::folderPickRequested);
    connect(generate, &QPushButton::clicked, this, &GeneratorPage::generateRequested);
}

QString GeneratorPage::outputFolder() const
{
    return folder_->text();
}

void GeneratorPage::setOutputFolder(const QString& folder)
{
    setTextIfChanged(folder_, folder);
}

void GeneratorPage::endOutputFolderWithSeparator()
{
    endWithSeparator(folder_);
}

void GeneratorPage::clearPreview(int index)
{
    previews_.at(index)->clear();
}

void GeneratorPage::appendPreview(int index, QString text)
{
    appendToPreview(previews_.at(index), std::move(text));
}

} // namespace app
