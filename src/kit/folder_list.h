#pragma once
// The folder list control of the folder picker.

#include <QListWidget>

namespace kit
{

// The folder list: the levels of the current folder from the root down, then its
// sub-folders; a double click opens an entry.
class FolderList : public QListWidget
{
    Q_OBJECT
public:
    explicit FolderList(const QString& name, QWidget* parent = nullptr);

    // Opens `folder` when it exists; otherwise keeps the current folder. Returns
    // whether the folder was opened.
    bool setPath(const QString& folder);
    QString path() const { return path_; }

private:
    void refill();
    QString path_;
};

} // namespace kit
