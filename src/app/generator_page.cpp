#include "app/generator_page.h"

namespace app {

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

void GeneratorPage::appendPreview(int index, const QString& text)
{
    appendToPreview(previews_.at(index), text);
}

} // namespace app
