// TeshUlmaOpticalOption: one instance at a time; the main window runs modally and the
// process ends when it closes. Closing writes nothing.
#include <windows.h>

#include "option/app_model.h"
#include "option/option_names.h"
#include "option/win/block_view.h"
#include "option/win/main_window.h"
#include "option/win/system_ports.h"
#include "settings/file_io.h"
#include "settings/win/windows_registry.h"
#include "skin/win/cool_menu.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    using namespace tesh;
    HANDLE instance = CreateMutexA(nullptr, FALSE, option::kInstanceMutexName);
    if (!instance) return 0;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        // A second start ends silently; the running window is left as it is.
        CloseHandle(instance);
        return 0;
    }
    const std::string directory = ProgramDirectory();
    WindowsRegistry registry;
    SettingsStore store(directory, registry);
    option::BlockView block;
    option::MonitorWindow monitor;
    option::WindowsDoubleClick doubleClick;
    auto model = std::make_unique<option::AppModel>(
        option::AppPorts{block, monitor, store, registry, doubleClick});
    skin::CoolMenu::Install();
    {
        option::MainWindow window(*model, store, directory);
        if (window.Create()) window.RunModal();
    }
    skin::CoolMenu::Uninstall();
    block.Close();
    CloseHandle(instance);
    return 0;
}
