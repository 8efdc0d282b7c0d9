// The connection history lists of the four boxes, and the Access file dialog.
#include "connection/connection_page.h"

#include "platform/trim_spaces.h"
#include "platform/user_feedback.h"

#include <QDir>
#include <QFileDialog>
#include <QPointer>

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

void fillCombo(QComboBox* box, const QStringList& entries)
{
    box->clear();
    box->addItems(entries);
    box->setCurrentIndex(-1);
    box->setEditText(QString());
}

QStringList comboEntries(const QComboBox* box)
{
    QStringList entries;
    for (int i = 0; i < box->count(); ++i)
        entries.append(box->itemText(i));
    return entries;
}

} // namespace

HistoryLists ConnectionPage::historyLists() const
{
    return {comboEntries(db), comboEntries(adb), comboEntries(ocnx), comboEntries(sdb)};
}

void ConnectionPage::setHistoryLists(const HistoryLists& lists)
{
    fillCombo(db, lists.db);
    fillCombo(adb, lists.adb);
    fillCombo(ocnx, lists.ocnx);
    fillCombo(sdb, lists.sdb);
}

void ConnectionPage::rememberEntry(QComboBox* box, bool skipEmpty)
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

void ConnectionPage::Command15_Click()
{
    const kit::FileChooser chooser = chooseFile_ ? chooseFile_ : kit::FileChooser(showFileDialog);
    // The dialog and the yield below let every other handler run, Close Connexion included.
    QPointer<ConnectionPage> alive(this);
    const QString chosen = chooser(window(), QStringLiteral("*.mdb"), QStringLiteral("mdb"));
    if (!alive)
        return;
    adb->setEditText(chosen);
    platform::yield();
    if (!alive)
        return;
    rememberEntry(adb, true);
}

} // namespace connection
