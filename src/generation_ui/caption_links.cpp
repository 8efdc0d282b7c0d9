#include "generation_ui/caption_links.h"

namespace generation_ui
{

std::optional<CaptionLink> captionLink(int index)
{
    switch (index) {
    case 13:
        return CaptionLink::VbNetRun;
    case 14:
        return CaptionLink::ClassModules;
    case 17:
        return CaptionLink::AspxPage;
    case 22:
        return CaptionLink::SolutionDialog;
    default:
        return std::nullopt;
    }
}

} // namespace generation_ui
