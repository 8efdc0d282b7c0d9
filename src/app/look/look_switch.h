#pragma once
// The two look buttons: a switch saves the chosen look and rebuilds the main window.

namespace app {

class MainWindow;

void look_Click(MainWindow& window, int index);

// Connects look(0) and look(1) to look_Click.
void connectLookButtons(MainWindow& window);

} // namespace app
