#pragma once
// Four captions of the label array Etiquette6 are links: each runs the handler of the picture
// button beside it. A click on any other caption does nothing.

#include <optional>

namespace generation_ui
{

enum class CaptionLink { VbNetRun, ClassModules, AspxPage, SolutionDialog };

// The handler that caption `index` runs, if it is a link.
std::optional<CaptionLink> captionLink(int index);

} // namespace generation_ui
