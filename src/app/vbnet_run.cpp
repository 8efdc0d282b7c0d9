// "Generate VB.Net Files!" (Command11 and its caption link).

#include "app/main_window.h"

namespace app {

void MainWindow::Command11_Click() {}

} // namespace app
