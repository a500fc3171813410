#include "option/win/colour_page.h"

#include "art/art_ids.h"

namespace tesh::option {
namespace {

constexpr char kClassName[] = "TeshColourPage";

}  // namespace

const LightingLayout ColourPage::kLighting = {
    {{"All light Off,655,120,100,20,", 0},
     {"Full lightened,405,120,100,20,", 1},
     {"Breathing,532,120,100,20,", 2}},
    "Choose a single color,405,200,155,22,",
    "Choose a custom color,588,200,155,22,",
    {427, 227},
    {"Red,616,229,45,19,", "Green,664,229,45,19,", "Blue,712,229,45,19,"},
    "Custom Color,587,227,22,22,",
    "Custom Color Window,584,270,176,28,",
    "Color Select,590,276,164,16,",
    "Breathing,534,45,97,70,",
};

bool ColourPage::Create(HWND mainWindow, int id, const RECT& rect,
                        const std::string& programDirectory) {
    if (!CreatePage(kClassName, mainWindow, id, rect, IDB_COLOUR_PAGE_NORMAL)) return false;
    lighting_.Create(hwnd(), sources(), kLighting, programDirectory);
    Refresh();
    return true;
}

LRESULT ColourPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (lighting_.OnPageMessage(message, wParam, lParam, model_.edited())) return 0;
    return ChildPage::OnMessage(message, wParam, lParam);
}

}  // namespace tesh::option
