// The configuration application and the real monitor from a copy of the staged program
// directory on a virtual mouse of the test's own, with what the tests do to them as a
// user does and what they look at afterwards.
#pragma once

#include <windows.h>

#include <string>

#include "option/win/dpi_row.h"
#include "option/win/main_page.h"
#include "option/win/main_window_layout.h"
#include "settings/file_io.h"
#include "settings/ini_file.h"
#include "settings/settings_store.h"
#include "skin/layout_record.h"
#include "tests/wine/installed_monitor_test.h"
#include "tests/wine/option_program.h"

namespace tesh::test {

constexpr char kSlotFileOfSlot4[] = "config\\Default4.qfm";
constexpr char kDialogClass[] = "#32770";

class OptionAppTest : public InstalledMonitorTest {
  protected:
    OptionAppTest()
        : InstalledMonitorTest(StagedProgramDirectory() + "TeshUlmaOpticalOption.exe"),
          app_(program_.directory()) {}

    int Config(const std::string& key) { return program_.ConfigInt(key); }
    int SlotValue(int slot, const std::string& key) {
        return IniFile(program_.File(SlotFileName(slot))).ReadInt("Setting", key, -99);
    }
    // A point of a DPI row, in the row's own coordinates.
    POINT RowPoint(int row, POINT inRow) {
        const LayoutRecord r = Layout(option::MainPage::kDpiRows[row]);
        return app_.OnPage(POINT{r.left + inRow.x, r.top + inRow.y});
    }
    static POINT Centre(const RECT& r) {
        return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    // Clicks Apply and waits until the application has finished it: the files are
    // written before the monitor is told, Apply is enabled again once it has answered.
    void ApplyAndWait() {
        const std::string marker = program_.File(kSlotFileOfSlot4);
        DeleteFileA(marker.c_str());
        app_.Click(option::layout::kApply);
        HWND apply = OptionProgram::WindowAt(app_.At(option::layout::kApply));
        ASSERT_TRUE(WaitUntil([&] { return FileExists(marker) && IsWindowEnabled(apply); }));
    }

    // The common file dialog the application opened: the path typed into its name
    // field, then Enter.
    void AnswerFileDialog(const std::string& path) {
        HWND dialog = nullptr;
        ASSERT_TRUE(
            WaitUntil([&] { return (dialog = VisibleWindowOfClass(kDialogClass)) != nullptr; }));
        SetForegroundWindow(dialog);
        app_.input.Type(path);
        app_.input.PressKey(VK_RETURN);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }));
    }
    // The switch of a DPI row: disabled while the row is the active level.
    bool SwitchEnabled(int row) {
        return IsWindowEnabled(
            OptionProgram::WindowAt(RowPoint(row, Centre(option::DpiRow::SwitchRect()))));
    }

    OptionProgram app_;
};

}  // namespace tesh::test
