#include "app/window_run.h"

#include "app/main_window.h"

namespace app
{

WindowRun::WindowRun(MainWindow& window)
    : catalogue(window.form().db_cnx, window.form().db_cnxstr, window.form().data3, window.form().data4),
      host(window), ctx(window.runInputs(), catalogue, host)
{
}

} // namespace app
