#pragma once
// The two look buttons: a switch saves the chosen look and rebuilds the main window.

#include <array>

class QPushButton;

namespace app
{

class MainWindow;

void look_Click(MainWindow& window, int index);

// Connects look(0) and look(1) to look_Click.
void connectLookButtons(MainWindow& window, const std::array<QPushButton*, 2>& buttons);

} // namespace app
