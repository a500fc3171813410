#include "option/win/profile_dialog.h"

#include "art/art_ids.h"
#include "option/win/file_dialogs.h"

namespace tesh::option {
namespace {

constexpr int kNameId = 10;
constexpr int kFirstProgramId = 11;
constexpr int kFirstBrowseId = 21;
constexpr int kProgramPathLimit = 499;  // the record's program fields hold 500 bytes
constexpr int kNameText = 1045;
constexpr int kProgramText = 1046;
constexpr int kBrowseText = 1047;

}  // namespace

const char* const ProfileDialog::kNameLayout = "EDIT_PROFILE_NAME,120,78,182,15,";
const char* const ProfileDialog::kProgramLayouts[3] = {"EDIT_PATH_TOEXECUTEABLE,35,137,265,15,",
                                                       "EDIT_PATH_TOEXECUTEABLE,35,157,265,15,",
                                                       "EDIT_PATH_TOEXECUTEABLE,35,177,265,15,"};
const char* const ProfileDialog::kBrowseLayouts[3] = {
    "BUTTON_BROWER,304,136,24,17,", "BUTTON_BROWER,304,156,24,17,", "BUTTON_BROWER,304,176,24,17,"};
const char* const ProfileDialog::kOkLayout = "BUTTON_OK,14,310,60,26,";
const char* const ProfileDialog::kCancelLayout = "BUTTON_CANCEL,78,310,100,26,";
const char* const ProfileDialog::kCloseLayout = "BUTTON_Exit,494,3,22,22,";

std::optional<ProfileIdentity> ProfileDialog::Run(HWND owner, const ProfileIdentity& start,
                                                  const HelpTexts& texts) {
    ProfileDialog dialog(start, texts);
    if (!dialog.CreateDialogWindow(kClassName, kTitle, owner, IDB_PROFILE_DIALOG_NORMAL))
        return std::nullopt;
    dialog.RunModal();
    return dialog.chosen_;
}

void ProfileDialog::OnCreated() {
    name_.Create(hwnd(), kNameId, Layout(kNameLayout));
    SendMessageA(name_.hwnd(), EM_LIMITTEXT, kProfileNameLimit, 0);
    name_.SetText(start_.name.substr(0, kProfileNameLimit));
    name_.SetHint(texts_.Text(kNameText, ""));
    for (int i = 0; i < 3; ++i) {
        programs_[i].Create(hwnd(), kFirstProgramId + i, Layout(kProgramLayouts[i]));
        SendMessageA(programs_[i].hwnd(), EM_LIMITTEXT, kProgramPathLimit, 0);
        programs_[i].SetText(start_.programs[i]);
        programs_[i].SetHint(texts_.Text(kProgramText, ""));
        AddButton(browse_[i], kFirstBrowseId + i, kBrowseLayouts[i]);
        browse_[i].SetTooltip(texts_.Text(kBrowseText, ""));
    }
    AddOkCancel(kOkLayout, kCancelLayout, kCloseLayout);
    SetFocus(name_.hwnd());
}

bool ProfileDialog::Accept() {
    ProfileIdentity identity;
    identity.name = name_.Text().substr(0, kProfileNameLimit);
    for (int i = 0; i < 3; ++i) identity.programs[i] = programs_[i].Text();
    chosen_ = identity;
    return true;
}

void ProfileDialog::OnCommand(int id, int) {
    if (id >= kFirstBrowseId && id < kFirstBrowseId + 3) {
        if (std::optional<std::string> path = AskProgram(hwnd()))
            programs_[id - kFirstBrowseId].SetText(*path);
    }
}

}  // namespace tesh::option
