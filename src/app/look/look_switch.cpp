#include "app/look/look_switch.h"

#include "app/main_window.h"
#include "kit/action_guard.h"
#include "kit/look/look_rules.h"
#include "platform/settings_keys.h"
#include "platform/settings_store.h"

#include <QPushButton>

namespace app
{

void look_Click(MainWindow& window, int index)
{
    // Rebuilding the window under a running action would pull its controls away from it.
    kit::ActionGuard guard(window.session().runGuard());
    if (!guard)
        return;
    const bool connectionShown = window.statusPanel(1) != QLatin1String(kNotConnected);
    switch (kit::look::decideLookSwitch(index, window.form().look_style, connectionShown)) {
    case kit::look::LookSwitch::Nothing:
        return;
    case kit::look::LookSwitch::Refuse:
        window.showMessage(QString::fromLatin1(kit::look::refusalText));
        return;
    case kit::look::LookSwitch::Switch:
        window.session().settings().save(platform::settings::kProgram,
                                         platform::settings::kLook.sectionName(),
                                         platform::settings::kLook.keyName(), QString::number(index));
        window.reloadWindow();
        return;
    }
}

void connectLookButtons(MainWindow& window, const std::array<QPushButton*, 2>& buttons)
{
    MainWindow* w = &window;
    for (int i = 0; i < int(buttons.size()); ++i)
        QObject::connect(buttons[std::size_t(i)], &QPushButton::clicked, w, [w, i] { look_Click(*w, i); });
}

} // namespace app
