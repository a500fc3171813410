#include "skin/win/message_dialog.h"

#include "art/art_ids.h"
#include "skin/win/fitted_text.h"
#include "skin/win/layout_rect.h"
#include "skin/win/skin_button.h"
#include "skin/win/skinned_dialog.h"

namespace tesh::skin {
namespace {

constexpr int kOkId = IDOK;
constexpr int kCancelId = IDCANCEL;
constexpr int kCloseId = 3;
constexpr COLORREF kTextColour = RGB(255, 255, 255);
constexpr COLORREF kTitleColour = RGB(242, 244, 246);
constexpr int kTitleSpacing = 1;
constexpr UINT kTitleFormat = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX;

enum class Kind { kConfirm, kNote };

class MessageDialog : public SkinnedDialog {
  public:
    MessageDialog(Kind kind, const std::wstring& title, const std::wstring& text)
        : kind_(kind), title_(title), text_(text) {}

    // Shows the dialog modally; returns the id of the button that closed it.
    int Run(HWND owner) {
        const int picture =
            kind_ == Kind::kConfirm ? IDB_MESSAGE_CONFIRM_NORMAL : IDB_MESSAGE_NOTE_NORMAL;
        if (!CreateDialogWindow(kMessageDialogClass, "", owner, picture)) return kCancelId;
        SetTitle(title_);
        SetResult(kCancelId);
        RunModal();
        return result();
    }

  protected:
    void OnCreated() override {
        titleFont_ = MakeBoldFont(kMessageTextFace, kMessageTextHeight);
        textFont_ = MakeFont(kMessageTextFace, kMessageTextHeight);
        const bool confirm = kind_ == Kind::kConfirm;
        AddButton(ok_, kOkId, confirm ? kMessageConfirmOkLayout : kMessageNoteOkLayout);
        if (confirm) AddButton(cancel_, kCancelId, kMessageConfirmCancelLayout);
        AddButton(close_, kCloseId, kMessageCloseLayout);
    }

    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
            case WM_COMMAND:
                if (LOWORD(wParam) == kOkId) Finish(kOkId);
                if (LOWORD(wParam) == kCancelId || LOWORD(wParam) == kCloseId) {
                    Finish(kCancelId);
                }
                return 0;
            case WM_CLOSE:
                Finish(kCancelId);
                return 0;
            default:
                return SkinnedDialog::OnMessage(message, wParam, lParam);
        }
    }

    bool OnKey(WPARAM key) override {
        if (key == VK_RETURN) {
            Finish(kOkId);
            return true;
        }
        if (key == VK_ESCAPE) {
            Finish(kCancelId);
            return true;
        }
        return false;
    }

    void PaintOver(HDC dc) override {
        SetBkMode(dc, TRANSPARENT);
        HGDIOBJ old = SelectObject(dc, titleFont_.get());
        SetTextColor(dc, kTitleColour);
        const int spacing = SetTextCharacterExtra(dc, kTitleSpacing);
        RECT title = kMessageTitleRect;
        DrawTextW(dc, title_.c_str(), static_cast<int>(title_.size()), &title, kTitleFormat);
        SetTextCharacterExtra(dc, spacing);
        SelectObject(dc, textFont_.get());
        SetTextColor(dc, kTextColour);
        DrawFittedText(dc, text_, kMessageTextRect, kMessageTextFormat);
        SelectObject(dc, old);
    }

  private:
    void AddButton(SkinButton& button, int id, const char* layout) {
        const LayoutRecord place = Layout(layout);
        button.Create(hwnd(), id, place);
        button.SetSkin(RectOf(place), sources());
    }
    void Finish(int result) {
        SetResult(result);
        Close();
    }

    Kind kind_;
    std::wstring title_;
    std::wstring text_;
    OwnedFont titleFont_;
    OwnedFont textFont_;
    SkinButton ok_;
    SkinButton cancel_;
    SkinButton close_;
};

}  // namespace

bool Confirm(HWND owner, const std::wstring& title, const std::wstring& text) {
    MessageDialog dialog(Kind::kConfirm, title, text);
    return dialog.Run(owner) == kOkId;
}

void ShowMessage(HWND owner, const std::wstring& title, const std::wstring& text) {
    MessageDialog dialog(Kind::kNote, title, text);
    dialog.Run(owner);
}

}  // namespace tesh::skin
