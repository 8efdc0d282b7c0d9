#pragma once
// The folder picker panel pt(4): a drive list (the mounted volumes), a folder list and
// its Ok and Cancel buttons. Cancel closes the panel; Ok is handled by the session, which
// passes the folder on to the output folder boxes.

#include "kit/controls.h"
#include "kit/folder_list.h"

#include <QComboBox>
#include <QListWidget>

namespace generation_ui
{

class FolderPicker : public kit::Panel
{
    Q_OBJECT
public:
    explicit FolderPicker(QWidget* parent = nullptr);

    // Shows the panel centred over the pages at `folder`: the drive that holds it
    // chosen, then the folder itself listed when it exists.
    void openAt(const QString& folder);
    // The folder listed now.
    QString chosenFolder() const;

signals:
    void okClicked();

private:
    // Chooses the drive (mounted volume) that holds `path`; raises Drive1_Change.
    void chooseDriveOf(const QString& path);
    void Drive1_Change();
    QString drivePath() const;

    QComboBox* Drive1 = nullptr;
    kit::FolderList* Dir1 = nullptr;
    QPushButton* Command9 = nullptr;  // "Ok"
    QPushButton* Command17 = nullptr; // "Cancel"
};

// The mounted volume whose root is the longest prefix of `path` ("/" at least).
QString driveOf(const QString& path, const QStringList& drives);
QStringList mountedDrives();

} // namespace generation_ui
