#include "kit/folder_list.h"

#include <QDir>
#include <QFileInfo>

namespace kit
{

namespace
{
constexpr int kPathRole = Qt::UserRole;
}

FolderList::FolderList(const QString& name, QWidget* parent) : QListWidget(parent)
{
    setObjectName(name);
    path_ = QStringLiteral("/");
    connect(this, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { setPath(item->data(kPathRole).toString()); });
    refill();
}

bool FolderList::setPath(const QString& folder)
{
    if (folder.isEmpty())
        return false;
    const QFileInfo info(folder);
    if (!info.isDir())
        return false;
    path_ = QDir::cleanPath(info.absoluteFilePath());
    refill();
    return true;
}

void FolderList::refill()
{
    clear();
    // The levels from the root down to the current folder, indented by depth.
    QStringList levels;
    QDir dir(path_);
    levels.prepend(dir.absolutePath());
    while (dir.cdUp())
        levels.prepend(dir.absolutePath());
    int depth = 0;
    for (const QString& level : levels) {
        const QString name = level == QLatin1String("/") ? level : QFileInfo(level).fileName();
        auto* entry = new QListWidgetItem(QString(depth * 2, QLatin1Char(' ')) + name, this);
        entry->setData(kPathRole, level);
        if (level == path_)
            setCurrentItem(entry);
        ++depth;
    }
    const QStringList children =
        QDir(path_).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& child : children) {
        auto* entry = new QListWidgetItem(QString(depth * 2, QLatin1Char(' ')) + child, this);
        entry->setData(kPathRole, QDir(path_).filePath(child));
    }
}

} // namespace kit
