// The connection history lists of the four boxes, and the Access file dialog.
#include "connection/connection_handlers.h"

#include "app/history_file.h"
#include "app/main_window.h"
#include "connection/connection_page.h"
#include "platform/trim_spaces.h"
#include "platform/user_feedback.h"

#include <QDir>
#include <QFileDialog>

namespace connection
{

namespace
{

QString showFileDialog(QWidget* parent, const QString& fileName, const QString& extension)
{
    // The folder of a typed name must exist; the file itself need not.
    QFileDialog dialog(parent);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setDirectory(QDir::currentPath());
    dialog.setDefaultSuffix(extension);
    dialog.selectFile(fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return fileName;
    return dialog.selectedFiles().first();
}

ConnectionHandlers::FileChooser& fileChooser()
{
    static ConnectionHandlers::FileChooser chooser = showFileDialog;
    return chooser;
}

} // namespace

void ConnectionHandlers::setFileChooser(FileChooser chooser)
{
    fileChooser() = chooser ? std::move(chooser) : FileChooser(showFileDialog);
}

void ConnectionHandlers::rememberEntry(QComboBox* box, bool skipEmpty)
{
    const QString text = platform::trimSpaces(box->currentText());
    box->setEditText(text);
    for (int i = 0; i < box->count(); ++i) {
        if (box->itemText(i) == text)
            return;
    }
    if (skipEmpty && text.isEmpty())
        return;
    // Adding an item must not change the box's text.
    box->addItem(text);
    box->setEditText(text);
}

void ConnectionHandlers::db_LostFocus()
{
    rememberEntry(page().db, false);
}
void ConnectionHandlers::sdb_LostFocus()
{
    rememberEntry(page().sdb, false);
}
void ConnectionHandlers::ocnx_LostFocus()
{
    rememberEntry(page().ocnx, false);
}
void ConnectionHandlers::adb_LostFocus()
{
    rememberEntry(page().adb, true);
}

void ConnectionHandlers::Command15_Click()
{
    const QString chosen = fileChooser()(window_, QStringLiteral("*.mdb"), QStringLiteral("mdb"));
    if (!alive())
        return;
    page().adb->setEditText(chosen);
    platform::yield();
    if (!alive())
        return;
    adb_LostFocus();
}

} // namespace connection
