#include "skin/win/spin_edit.h"

#include "art/art_ids.h"
#include "skin/win/skin_messages.h"

namespace tesh::skin {
namespace {

constexpr char kClassName[] = "TeshSpinEdit";
constexpr RECT kEditRect = {1, 1, 32, 16};
constexpr RECT kUpRect = {34, 0, 50, 8};
constexpr RECT kDownRect = {34, 9, 50, 17};
constexpr int kWidth = 50;
constexpr int kHeight = 17;
constexpr int kEditId = 1;
constexpr int kUpId = 2;
constexpr int kDownId = 3;

}  // namespace

bool SpinEdit::Create(HWND owner, int id, int x, int y) {
    owner_ = owner;
    if (!CreateControl(kClassName, owner, id, RECT{x, y, x + kWidth, y + kHeight}, WS_CLIPCHILDREN))
        return false;
    if (!edit_.Create(hwnd(), kEditId, kEditRect, ES_CENTER, hwnd()) ||
        !up_.Create(hwnd(), kUpId, kUpRect) || !down_.Create(hwnd(), kDownId, kDownRect))
        return false;
    edit_.SetNumeric(true, true);
    edit_.SetColours(RGB(255, 255, 255), RGB(0, 0, 0));
    OwnedBitmap pictures[4] = {LoadSkinBitmap(IDB_SPIN_NORMAL), LoadSkinBitmap(IDB_SPIN_HOVER),
                               LoadSkinBitmap(IDB_SPIN_PRESSED), LoadSkinBitmap(IDB_SPIN_DISABLED)};
    SkinSources sources{pictures[0].get(), pictures[1].get(), pictures[2].get(), pictures[3].get()};
    up_.SetSkin(kUpRect, sources);
    down_.SetSkin(kDownRect, sources);
    Show();
    return true;
}

void SpinEdit::SetRange(int minimum, int maximum, int step) {
    spin_.minimum = minimum;
    spin_.maximum = maximum;
    spin_.step = step;
}

void SpinEdit::SetValue(int value) {
    spin_.value = value;
    Show();
}

void SpinEdit::Show() {
    if (edit_.hwnd()) edit_.SetText(SpinText(spin_, spin_.value));
}

void SpinEdit::Change(int value) {
    spin_.value = value;
    Show();
    PostMessageA(owner_, kMsgSpinChanged, static_cast<WPARAM>(value), id());
}

void SpinEdit::OnTyped(bool enter) {
    if (commitTyping_ && !enter) return;
    std::string text = edit_.Text();
    SpinTyping typed = SpinTyped(spin_, text, enter);
    if (typed.rewrite) {
        edit_.SetText(typed.text);
        SendMessageA(edit_.hwnd(), EM_SETSEL, typed.text.size(), typed.text.size());
    }
    spin_.value = typed.value;
    if (typed.notify) PostMessageA(owner_, kMsgSpinChanged, static_cast<WPARAM>(typed.value), id());
}

LRESULT SpinEdit::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == EditKillFocusMessage()) {
        // Leaving the field takes what was typed, as Enter does.
        if (commitTyping_) OnTyped(true);
        return 0;
    }
    switch (message) {
        case WM_COMMAND:
            if (LOWORD(wParam) == kUpId && spin_.value < spin_.maximum) Change(SpinUp(spin_));
            if (LOWORD(wParam) == kDownId && spin_.value > spin_.minimum) Change(SpinDown(spin_));
            return 0;
        case kMsgEditChanged:
            OnTyped(wParam == kEnterReleased);
            return 0;
        case WM_ERASEBKGND: {
            RECT r;
            GetClientRect(hwnd(), &r);
            FillRect(reinterpret_cast<HDC>(wParam), &r,
                     static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
            return 1;
        }
        default:
            return Default(message, wParam, lParam);
    }
}

}  // namespace tesh::skin
