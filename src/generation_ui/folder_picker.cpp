#include "generation_ui/folder_picker.h"

#include "platform/static_edge.h"
#include "platform/user_feedback.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QShortcut>
#include <QStorageInfo>
#include <QVBoxLayout>

namespace generation_ui
{

QStringList mountedDrives()
{
    QStringList drives{QStringLiteral("/")};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (volume.isValid() && volume.isReady() && !drives.contains(root))
            drives.append(root);
    }
    drives.sort();
    return drives;
}

QString driveOf(const QString& path, const QStringList& drives)
{
    QString best = QStringLiteral("/");
    for (const QString& drive : drives) {
        const bool holds =
            path == drive || path.startsWith(drive == QLatin1String("/") ? drive : drive + '/');
        if (holds && drive.size() > best.size())
            best = drive;
    }
    return best;
}

FolderPicker::FolderPicker(QWidget* parent) : Panel(QStringLiteral("pt_4"), parent)
{
    setAutoFillBackground(true);
    resize(360, 360);
    auto* layout = new QVBoxLayout(this);
    Drive1 = new QComboBox(this);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    Drive1->addItems(mountedDrives());
    layout->addWidget(Drive1);
    Dir1 = new kit::FolderList(QStringLiteral("Dir1"), this);
    layout->addWidget(Dir1, 1);
    auto* buttons = new QHBoxLayout();
    Command9 = kit::commandButton(QStringLiteral("Command9"), QStringLiteral("Ok"), this);
    Command17 = kit::commandButton(QStringLiteral("Command17"), QStringLiteral("Cancel"), this);
    buttons->addWidget(Command9);
    buttons->addWidget(Command17);
    layout->addLayout(buttons);
    connect(Drive1, &QComboBox::currentIndexChanged, this, &FolderPicker::Drive1_Change);
    connect(Command9, &QPushButton::clicked, this, &FolderPicker::okClicked);
    connect(Command17, &QPushButton::clicked, this, &QWidget::hide);
    // Escape cancels the open picker wherever the focus is in the window.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this, nullptr, nullptr, Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, Command17, &QPushButton::click);
    // Floating over a page of the same colour, the panel needs its edge to read as a dialog.
    platform::static_edge(this);
    setDialogFrame(true);
    hide();
}

void FolderPicker::openAt(const QString& folder)
{
    kit::centreOnParent(this);
    chooseDriveOf(folder);
    Dir1->setPath(folder);
    show();
    raise();
}

QString FolderPicker::chosenFolder() const
{
    return Dir1->path();
}

QString FolderPicker::drivePath() const
{
    return Drive1->currentText();
}

void FolderPicker::chooseDriveOf(const QString& path)
{
    QStringList drives;
    for (int i = 0; i < Drive1->count(); ++i)
        drives.append(Drive1->itemText(i));
    const int index = Drive1->findText(driveOf(path, drives));
    if (index < 0)
        return;
    Drive1->setCurrentIndex(index); // raises Drive1_Change when the drive changes
}

void FolderPicker::Drive1_Change()
{
    Dir1->setPath(drivePath()); // a drive that cannot be opened keeps the folder
    platform::yield();
}

} // namespace generation_ui
