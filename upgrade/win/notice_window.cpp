#include "upgrade/win/notice_window.h"

#include "art/art_ids.h"
#include "skin/layout_record.h"
#include "skin/win/layout_rect.h"
#include "skin/win/skin_button.h"
#include "skin/win/skinned_dialog.h"
#include "upgrade/upgrader_names.h"

namespace tesh::upgrade {

namespace {

constexpr char kOkLayout[] = "BUTTON_OK,125,171,55,28,";
constexpr char kConfirmOkLayout[] = "BUTTON_OK,74,171,60,28,";
constexpr char kConfirmCancelLayout[] = "BUTTON_CANCEL,138,171,100,28,";
constexpr char kExitLayout[] = "BUTTON_EXIT,276,4,22,22,";

struct NoticeLook {
    const char* title;
    int firstPicture;
    const char* okLayout;
    const char* cancelLayout;  // null: no CANCEL button
    bool swallowsEnterAndEscape;
};

NoticeLook LookOf(NoticeKind kind) {
    switch (kind) {
        case NoticeKind::kConfirm:
            return {kConfirmNoticeTitle, IDB_CONFIRM_NORMAL, kConfirmOkLayout, kConfirmCancelLayout,
                    false};
        case NoticeKind::kDriverUpdate:
            return {kDriverNoticeTitle, IDB_DRIVER_NORMAL, kOkLayout, nullptr, false};
        case NoticeKind::kFailure:
            return {kFailureNoticeTitle, IDB_FAILURE_NORMAL, kOkLayout, nullptr, false};
        case NoticeKind::kSuccess:
            break;
    }
    // The user replugs the mouse before pressing OK: Enter and Escape do nothing.
    return {kSuccessNoticeTitle, IDB_SUCCESS_NORMAL, kOkLayout, nullptr, true};
}

class NoticeWindow : public skin::SkinnedDialog {
  public:
    explicit NoticeWindow(NoticeKind kind) : look_(LookOf(kind)) {}

    bool Create(HWND owner) {
        return CreateDialogWindow(kNoticeClass, look_.title, owner, look_.firstPicture);
    }
    NoticeAnswer answer() const { return answer_; }

  protected:
    void OnCreated() override {
        AddButton(ok_, kOkButtonId, look_.okLayout);
        if (look_.cancelLayout) AddButton(cancel_, kCancelButtonId, look_.cancelLayout);
        AddButton(exit_, kExitButtonId, kExitLayout);
    }

    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
            case WM_COMMAND:
                if (LOWORD(wParam) == kOkButtonId) {
                    Finish(NoticeAnswer::kOk);
                } else if (LOWORD(wParam) == kCancelButtonId || LOWORD(wParam) == kExitButtonId) {
                    Finish(NoticeAnswer::kCancel);
                }
                return 0;
            case WM_CLOSE:
                Finish(NoticeAnswer::kCancel);
                return 0;
            default:
                return SkinnedDialog::OnMessage(message, wParam, lParam);
        }
    }

    bool OnKey(WPARAM key) override {
        if (key != VK_RETURN && key != VK_ESCAPE) return false;
        if (!look_.swallowsEnterAndEscape) {
            Finish(key == VK_RETURN ? NoticeAnswer::kOk : NoticeAnswer::kCancel);
        }
        return true;
    }

  private:
    void AddButton(skin::SkinButton& button, int id, const char* layout) {
        const LayoutRecord place = Layout(layout);
        button.Create(hwnd(), id, place);
        button.SetSkin(skin::RectOf(place), sources());
    }
    void Finish(NoticeAnswer answer) {
        answer_ = answer;
        Close();
    }

    NoticeLook look_;
    NoticeAnswer answer_ = NoticeAnswer::kCancel;
    skin::SkinButton ok_;
    skin::SkinButton cancel_;
    skin::SkinButton exit_;
};

}  // namespace

NoticeAnswer ShowNotice(NoticeKind kind, HWND owner) {
    NoticeWindow notice(kind);
    if (!notice.Create(owner)) return NoticeAnswer::kCancel;
    notice.RunModal();
    return notice.answer();
}

}  // namespace tesh::upgrade
