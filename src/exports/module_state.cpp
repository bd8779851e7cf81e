#include "exports/module_state.h"

#include "laundry/laundry.h"
#include "services/ui_mode.h"

#include <QApplication>

namespace exports {
namespace {

int g_mode = LAUNDRY_UI_AUTO;

// A host that is not a Qt program gets a QApplication the first time a
// message box may be needed; it lives as long as the process.
bool ensureWidgetApplication()
{
    if (QCoreApplication::instance())
        return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
    static int argc = 1;
    static char name[] = "laundry";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return app != nullptr;
}

promptui::UiMode resolvedMode()
{
    switch (g_mode) {
    case LAUNDRY_UI_QT:
        // Without widgets there is nothing to show a box on: fall back.
        return ensureWidgetApplication() ? promptui::UiMode::Qt : promptui::UiMode::Console;
    case LAUNDRY_UI_CONSOLE:
        return promptui::UiMode::Console;
    case LAUNDRY_UI_SCRIPTED:
        return promptui::UiMode::Scripted;
    default:
        return qobject_cast<QApplication*>(QCoreApplication::instance())
                   ? promptui::UiMode::Qt
                   : promptui::UiMode::Console;
    }
}

} // namespace

ModuleState::ModuleState()
{
    promptui::installUi(resolvedMode());
}

void setHostUiMode(int mode)
{
    g_mode = mode;
}

} // namespace exports
