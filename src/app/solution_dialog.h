#pragma once
// The solution dialog pt(5): filled from the class prefix and the output folder when it opens,
// it keeps the prefix, the project name and the project folder in step with the solution name.

namespace app {

class MainWindow;

void Command19_Click(MainWindow& window);
void sng_Change(MainWindow& window);
void Command20_Click(MainWindow& window);

// Connects Command19 (open), sng, Ok (Command21) and Cancel (Command20).
void connectSolutionDialog(MainWindow& window);

} // namespace app
