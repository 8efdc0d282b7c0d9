#pragma once
// Opening the solution dialog pt(5) and what it does to the other pages: it opens on the
// class prefix and the output folder, its solution name becomes the class prefix, and
// its Ok starts the solution run (Command21_Click).

namespace app
{

class MainWindow;

void Command19_Click(MainWindow& window);

// Connects Command19 (open), the solution name and Ok (Command21).
void connectSolutionDialog(MainWindow& window);

} // namespace app
