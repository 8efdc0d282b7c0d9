#include "generation_ui/generator_page.h"

#include "kit/type_ahead.h"

#include <utility>

namespace generation_ui
{

namespace
{

// The width of a table list's search box.
constexpr int kSearchBoxWidth = 70;
// Characters of a folder the Path box shows at the least: enough to read its last names.
constexpr int kFolderBoxCharacters = 32;

} // namespace

std::pair<kit::TextBox*, kit::SortedList*> GeneratorPage::addTableList(QGridLayout* grid,
                                                                       const QString& captionName,
                                                                       const QString& searchName,
                                                                       const QString& listName)
{
    auto* searchRow = new QHBoxLayout();
    searchRow->addWidget(kit::label(captionName, QStringLiteral("DataBase Tables:"), this));
    auto* search = new kit::TextBox(searchName, this);
    search->setMaximumWidth(kSearchBoxWidth);
    searchRow->addWidget(search);
    grid->addLayout(searchRow, 0, 0);
    auto* list = new kit::SortedList(listName, this);
    grid->addWidget(list, 1, 0);
    return {search, list};
}

bool GeneratorPage::selectTypedTable(kit::SortedList* list, const QString& search)
{
    const int row = kit::typeAheadRow(list->items(), search);
    if (row < 0)
        return false;
    list->setCurrentRow(row);
    list->item(row)->setSelected(true);
    return true;
}

GeneratorPage::FolderRow GeneratorPage::makeFolderRow(const QString& folderName, int pickerIndex)
{
    auto* row = new QHBoxLayout();
    auto* folder = new kit::TextBox(folderName, this);
    folder->setMinimumWidth(folder->fontMetrics().averageCharWidth() * kFolderBoxCharacters);
    row->addWidget(folder);
    QPushButton* picker = kit::pictureButton(kit::element("chpth", pickerIndex), QStyle::SP_DirOpenIcon,
                                             QStringLiteral("Search..."), this);
    row->addWidget(picker);
    return {row, folder, picker};
}

void GeneratorPage::shareControls(kit::TextBox* folder, QPushButton* picker, QPushButton* generate,
                                  const QList<QPlainTextEdit*>& previews)
{
    folder_ = folder;
    previews_ = previews;
    connect(folder, &QLineEdit::textChanged, this, &GeneratorPage::outputFolderEdited);
    // The whole folder in the tool tip; the box shows its end, where the names that tell
    // one folder from another are.
    connect(folder, &QLineEdit::textChanged, folder, [folder](const QString& text) {
        folder->setToolTip(text);
        if (!folder->hasFocus())
            folder->setCursorPosition(int(text.size()));
    });
    connect(folder, &kit::TextBox::lostFocus, this, &GeneratorPage::endOutputFolderWithSeparator);
    connect(folder, &kit::TextBox::lostFocus, folder,
            [folder] { folder->setCursorPosition(int(folder->text().size())); });
    connect(picker, &QPushButton::clicked, this, &GeneratorPage::folderPickRequested);
    connect(generate, &QPushButton::clicked, this, &GeneratorPage::generateRequested);
}

QString GeneratorPage::outputFolder() const
{
    return folder_->text();
}

void GeneratorPage::setOutputFolder(const QString& folder)
{
    kit::setTextIfChanged(folder_, folder);
}

void GeneratorPage::endOutputFolderWithSeparator()
{
    kit::endWithSeparator(folder_);
}

void GeneratorPage::clearPreview(int index)
{
    // Clearing rebuilds the box's document even when it holds nothing, and the pages of a
    // solution clear their boxes once per page.
    QPlainTextEdit* box = previews_.at(index);
    if (!box->document()->isEmpty())
        box->clear();
}

void GeneratorPage::appendPreview(int index, QString text)
{
    kit::appendToPreview(previews_.at(index), std::move(text));
}

} // namespace generation_ui
