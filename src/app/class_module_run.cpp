// "VB6 Classes only!" (Command18 and its caption link).

#include "app/generator_steps.h"

namespace app {

void Command18_Click(MainWindow&) {}

} // namespace app
