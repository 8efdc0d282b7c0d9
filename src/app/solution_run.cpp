// The solution dialog's Ok (Command21): a whole web solution.

#include "app/generator_steps.h"

namespace app {

void Command21_Click(MainWindow&) {}

} // namespace app
