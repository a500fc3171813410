#include "option/win/update_page.h"

#include "art/art_ids.h"
#include "option/support_addresses.h"
#include "option/win/share_request.h"
#include "skin/win/layout_rect.h"
#include "skin/win/wide_text.h"

namespace tesh::option {
namespace {

constexpr char kClassName[] = "TeshUpdatePage";
constexpr int kFirstButtonId = 720;
constexpr int kButtonTexts[UpdatePage::kButtons] = {1071, 1073, 1074, 1072, 1075};
constexpr COLORREF kTextColour = RGB(240, 240, 240);
constexpr POINT kFirmwareAt = {146, 182};
constexpr POINT kSoftwareAt = {163, 209};

}  // namespace

const char* const UpdatePage::kLayouts[kButtons] = {
    "BUTTON_update,15,81,200,34,",         "BUTTON_help,405,81,200,34,",
    "BUTTON_Support_Form,400,210,100,30,", "BUTTON_Email_Request,10,265,100,30,",
    "BUTTON_Support_Form,400,265,100,30,",
};

std::string UpdatePage::Address(int button) {
    switch (button) {
        case 0:
            return SupportHost() + kProductSupportPath;
        case 1:
            return SupportHost() + kSupportStartPath;
        case 2:
            return SupportHost() + kSupportFormPath;
        default:
            return kSupportMail;
    }
}

bool UpdatePage::Create(HWND mainWindow, int id, const RECT& rect) {
    if (!CreatePage(kClassName, mainWindow, id, rect, IDB_UPDATE_PAGE_NORMAL)) return false;
    const skin::SkinSources pictures = sources();
    for (int i = 0; i < kButtons; ++i) {
        buttons_[i].Create(hwnd(), kFirstButtonId + i, Layout(kLayouts[i]));
        buttons_[i].SetSkin(skin::LayoutRect(kLayouts[i]), pictures);
    }
    font_ = skin::MakeFont("Arial", 12, 6);
    return true;
}

void UpdatePage::SetTexts(const HelpTexts& texts) {
    for (int i = 0; i < kButtons; ++i) buttons_[i].SetTooltip(texts.Text(kButtonTexts[i], ""));
}

void UpdatePage::SetVersionTexts(const std::string& software, const std::string& firmware) {
    software_ = L"V" + skin::Widen(software);
    firmware_ = L"V" + skin::Widen(firmware);
    if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

void UpdatePage::SetLinks(const SupportLinks& links) {
    if (links.driver != links_.driver) links_.driver = links.driver;
    if (links.help != links_.help) links_.help = links.help;
}

void UpdatePage::PaintOver(HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kTextColour);
    SelectObject(dc, font_.get());
    TextOutW(dc, kFirmwareAt.x, kFirmwareAt.y, firmware_.c_str(),
             static_cast<int>(firmware_.size()));
    TextOutW(dc, kSoftwareAt.x, kSoftwareAt.y, software_.c_str(),
             static_cast<int>(software_.size()));
}

LRESULT UpdatePage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) {
        const int button = LOWORD(wParam) - kFirstButtonId;
        if (button < 0 || button >= kButtons) return 0;
        OpenWithShell(Address(button));
        return 0;
    }
    return ChildPage::OnMessage(message, wParam, lParam);
}

}  // namespace tesh::option
