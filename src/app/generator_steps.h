#pragma once
// The generators that the picture buttons and their caption links start, as steps of the
// main window: the class-module generator (Command18), the page generator (Command8) and the
// solution generator (Command21, the solution dialog's Ok).

namespace app
{

class MainWindow;

void Command18_Click(MainWindow& window);
void Command8_Click(MainWindow& window);
void Command21_Click(MainWindow& window);

} // namespace app
