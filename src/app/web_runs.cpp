// "Generate ASPX!" (Command8 and its caption link) and the solution dialog's Ok (Command21).

#include "app/generator_steps.h"

namespace app {

void Command8_Click(MainWindow&) {}

void Command21_Click(MainWindow&) {}

} // namespace app
