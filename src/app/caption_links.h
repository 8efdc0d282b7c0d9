#pragma once
// Four captions of the label array Etiquette6 are links: each runs the handler of the picture
// button beside it. A click on any other caption does nothing.

#include <optional>

namespace app
{

class MainWindow;

enum class CaptionLink { VbNetRun, ClassModules, AspxPage, SolutionDialog };

// The handler that caption `index` runs, if it is a link.
std::optional<CaptionLink> captionLink(int index);

// A button handler in the form the links run it.
using LinkHandler = void (*)(MainWindow&);

// The window's Command11_Click in that form.
void runVbNetFiles(MainWindow& window);

// The function that a click on caption `index` runs, or nullptr when the caption is no link.
LinkHandler linkHandler(int index);

void Etiquette6_Click(MainWindow& window, int index);

// Connects the picture buttons Command18 and Command8 to their generators and the caption
// links of the generator pages to Etiquette6_Click.
void connectCaptionLinks(MainWindow& window);

} // namespace app
