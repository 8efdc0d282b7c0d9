#pragma once
// Asking the user for a file. A chooser receives the dialog's file name (such as "*.mdb")
// and default extension and returns the chosen path, or the unchanged file name when
// cancelled. The session holds the one the pages use; tests put theirs there.

#include <QString>
#include <functional>

class QWidget;

namespace kit
{

using FileChooser =
    std::function<QString(QWidget* parent, const QString& fileName, const QString& extension)>;

} // namespace kit
