#include "app/caption_links.h"

#include "app/aspx_generator_page.h"
#include "app/generator_steps.h"
#include "app/main_window.h"
#include "app/solution_dialog.h"
#include "app/vb_generator_page.h"
#include "kit/controls.h"

namespace app
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

void runVbNetFiles(MainWindow& window)
{
    window.Command11_Click();
}

LinkHandler linkHandler(int index)
{
    const std::optional<CaptionLink> link = captionLink(index);
    if (!link)
        return nullptr;
    switch (*link) {
    case CaptionLink::VbNetRun:
        return &runVbNetFiles;
    case CaptionLink::ClassModules:
        return &Command18_Click;
    case CaptionLink::AspxPage:
        return &Command8_Click;
    case CaptionLink::SolutionDialog:
        return &Command19_Click;
    }
    return nullptr;
}

void Etiquette6_Click(MainWindow& window, int index)
{
    if (const LinkHandler run = linkHandler(index))
        run(window);
}

void connectCaptionLinks(MainWindow& window)
{
    MainWindow* w = &window;
    QObject::connect(window.vbGenerator, &VbGeneratorPage::classModulesRequested, w,
                     [w] { Command18_Click(*w); });
    QObject::connect(window.aspxGenerator, &AspxGeneratorPage::generateRequested, w,
                     [w] { Command8_Click(*w); });
    for (kit::Panel* page :
         {static_cast<kit::Panel*>(window.vbGenerator), static_cast<kit::Panel*>(window.aspxGenerator)})
        QObject::connect(page, &kit::Panel::captionLinkClicked, w,
                         [w](int index) { Etiquette6_Click(*w, index); });
}

} // namespace app
