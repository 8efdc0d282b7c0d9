#pragma once
// What the VB and ASPX generator pages share: the output folder box with its picker
// button, the generate button, and the code previews a generation run writes.

#include "app/controls.h"

#include <QList>
#include <QPlainTextEdit>

namespace app {

class GeneratorPage : public Panel {
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
    void appendPreview(int index, const QString& text);

signals:
    void outputFolderEdited();
    void outputFolderLeft();
    void folderPickRequested();
    void generateRequested();

protected:
    using Panel::Panel;
    // Takes the page's shared controls and wires them to the signals above.
    void shareControls(TextBox* folder, QPushButton* picker, QPushButton* generate,
                       const QList<QPlainTextEdit*>& previews);

private:
    TextBox* folder_ = nullptr;
    QList<QPlainTextEdit*> previews_;
};

} // namespace app
