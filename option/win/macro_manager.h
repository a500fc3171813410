// "Tesh Ulma Macro Manager": the macro sets and their macros at the left (the set
// selector with its menu, the macro list with in-place naming, New and Delete), the
// selected macro's events at the right in the list editor or the timeline editor. It
// works on a copy of the library, which OK hands back and Cancel drops.
#pragma once

#include <windows.h>

#include <optional>

#include "option/macro_manager_model.h"
#include "option/win/drop_down_button.h"
#include "option/win/macro_list_editor.h"
#include "option/win/macro_timeline_editor.h"
#include "skin/win/ok_cancel_dialog.h"
#include "skin/win/skin_button.h"
#include "skin/win/skin_list_box.h"

namespace tesh::option {

class MacroManager : public skin::OkCancelDialog {
  public:
    // The copy as OK left it, or nullopt after Cancel (or when the window could not
    // be made). `button` is the macro of the button whose menu opened the manager.
    static std::optional<MacroLibrary> Run(HWND owner, const MacroLibrary& library,
                                           ManagerMode mode, int setIndex,
                                           std::optional<ButtonMacro> button);
    // Ends an open manager as Cancel does (the application must close); its recorder's
    // hook is removed first. False when none is open.
    static bool CancelOpen();

    static constexpr char kClassName[] = "TeshMacroManager";
    static const char* const kSetLayout;
    static const char* const kMacroListLayout;
    static const char* const kNewLayout;
    static const char* const kDeleteLayout;
    static const char* const kSwitchLayout;
    static const char* const kOkLayout;
    static const char* const kCancelLayout;
    static const char* const kCloseLayout;
    static constexpr RECT kEditorRect = {268, 44, 748, 400};

  protected:
    void OnCreated() override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // OK keeps what is being recorded and what the timeline shows.
    bool Accept() override;
    void OnCommand(int id, int code) override;

  private:
    MacroManager(const MacroLibrary& library, ManagerMode mode, int setIndex,
                 std::optional<ButtonMacro> button)
        : model_(library, mode, setIndex, std::move(button)) {}
    void ShowSet();
    void ShowMacro();
    void OnSetMenu();
    void AddSet();
    void DeleteSet();
    void NewMacro();
    void DeleteMacro();
    void OnNameEdited(bool committed, int row);
    void SwitchEditor();
    void LeaveTimeline();
    void EnableControls(bool enable);
    bool Notice(ManagerNotice notice);

    MacroManagerModel model_;
    bool timelineShown_ = false;
    int newRow_ = -1;  // the line being named by New
    DropDownButton setButton_;
    skin::SkinListBox macros_;
    skin::SkinButton new_, delete_, switch_;
    MacroListEditor listEditor_{model_};
    MacroTimelineEditor timeline_{model_};
};

}  // namespace tesh::option
