#pragma once
// What the VB and ASPX generator pages share: the output folder box with its picker
// button, the generate button, and the code previews a generation run writes.

#include "kit/controls.h"
#include "kit/sorted_list.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QList>
#include <QPlainTextEdit>
#include <utility>

namespace generation_ui
{

class GeneratorPage : public kit::Panel
{
    Q_OBJECT
public:
    // The output folder; a change is reported by outputFolderEdited, and an unchanged
    // write raises none.
    QString outputFolder() const;
    void setOutputFolder(const QString& folder);
    // Ends the output folder with one separator, as when its box loses the focus.
    void endOutputFolderWithSeparator();

    // The code previews, written by a generation run.
    void clearPreview(int index);
    void appendPreview(int index, QString text);

signals:
    void outputFolderEdited();
    void folderPickRequested();
    void generateRequested();

protected:
    using kit::Panel::Panel;

    // The type-ahead row (its caption "DataBase Tables:" and the search box) above the
    // list of the database's tables, in the first column of `grid`: the box and the list.
    std::pair<kit::TextBox*, kit::SortedList*> addTableList(QGridLayout* grid, const QString& captionName,
                                                            const QString& searchName,
                                                            const QString& listName);
    // Selects the table that the search text leads to; false when none qualifies (the list
    // keeps its selection then).
    static bool selectTypedTable(kit::SortedList* list, const QString& search);
    // The output folder box and its picker button chpth(pickerIndex), in one row.
    struct FolderRow {
        QHBoxLayout* row;
        kit::TextBox* folder;
        QPushButton* picker;
    };
    FolderRow makeFolderRow(const QString& folderName, int pickerIndex);
    // Takes the page's shared controls and wires them to the signals above.
    void shareControls(kit::TextBox* folder, QPushButton* picker, QPushButton* generate,
                       const QList<QPlainTextEdit*>& previews);

private:
    kit::TextBox* folder_ = nullptr;
    QList<QPlainTextEdit*> previews_;
};

} // namespace generation_ui
