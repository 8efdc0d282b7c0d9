// "Generate ASPX!" (Command8 and its caption link): the edit page and its code-behind.

#include "app/generator_steps.h"

namespace app {

void Command8_Click(MainWindow&) {}

} // namespace app
