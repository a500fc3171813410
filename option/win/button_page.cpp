#include "option/win/button_page.h"

#include <algorithm>
#include <utility>

#include "art/art_ids.h"
#include "option/button_labels.h"
#include "option/library_listings.h"
#include "option/win/catalogue_menu.h"
#include "option/win/macro_manager.h"
#include "option/win/media_player_dialog.h"
#include "option/win/program_dialog.h"
#include "option/win/shortcut_dialog.h"
#include "option/win/timer_create_dialog.h"
#include "option/win/timer_edit_dialog.h"
#include "settings/win/windows_keyboard_layout.h"
#include "skin/win/layout_rect.h"

namespace tesh::option {
namespace {

constexpr char kClassName[] = "TeshButtonPage";
constexpr int kRightHandedId = 240;
constexpr int kLeftHandedId = 241;
constexpr int kMacroManagerId = 242;
constexpr int kRightHanded = 0, kLeftHanded = 1;
// Posted to itself by a label's click, so that the menu runs after the label has
// finished with its own button-up.
constexpr UINT kOpenMenuMessage = WM_APP + 20;

// The highlight pictures are drawn over the mouse of their column: a mark on the
// button of the slot and, in the Quixshift column, a ring on each button that is a
// Quixshift button (picture groups of twelve: normal layer, slot 3 alone, slot 4
// alone, both, neither).
constexpr int kMouseCentreX[2] = {285, 676};
struct Spot {
    int x, y;  // from the mouse's centre line, right-handed
};
constexpr Spot kButtonSpots[kShiftLayerOffset] = {
    {-25, 80}, {25, 80}, {0, 77}, {-50, 140}, {-50, 170}, {0, 0},
    {0, 0},    {0, 64},  {0, 90}, {0, 104},   {0, 112},   {0, 0},
};
constexpr int kSideButtonA = 3, kSideButtonB = 4;
constexpr int kMarkRadius = 7;
constexpr COLORREF kRingColour = RGB(0xe6, 0xe9, 0xec);
constexpr int kRingPen = 2;
enum PictureGroup { kNormalLayer, kShiftA, kShiftB, kShiftBoth, kShiftNone };

RECT SpotRect(int column, int button, bool leftHanded) {
    const Spot s = kButtonSpots[button];
    const int x = kMouseCentreX[column] + (leftHanded ? -s.x : s.x);
    return RECT{x - kMarkRadius, s.y - kMarkRadius, x + kMarkRadius + 1, s.y + kMarkRadius + 1};
}

constexpr int kFirstSet = 1, kSecondSet = 2;

}  // namespace

const COLORREF ButtonPage::kHighlightColour = RGB(0x3c, 0x89, 0xbf);

POINT ButtonPage::HighlightSpot(int picture, bool leftHanded) {
    if (picture < 0 || picture >= kHighlightPictures) return POINT{0, 0};
    const RECT r =
        SpotRect(picture < kShiftLayerOffset ? 0 : 1, picture % kShiftLayerOffset, leftHanded);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

bool ButtonPage::Create(HWND mainWindow, int id, const RECT& rect, bool windowsXp) {
    windowsXp_ = windowsXp;
    if (!CreatePage(kClassName, mainWindow, id, rect, IDB_BUTTON_PAGE_NORMAL)) return false;
    const skin::SkinSources pictures = sources();
    for (int slot = 0; slot < kButtonSlots; ++slot) {
        const char* place = ButtonLabelLayout(slot);
        labels_[slot].Create(hwnd(), LabelOfSlot(slot), Layout(place));
        labels_[slot].SetHoverId(LabelOfSlot(slot));
    }
    rightHanded_.Create(hwnd(), kRightHandedId, Layout(kRightHandedLayout));
    rightHanded_.SetSkin(skin::LayoutRect(kRightHandedLayout), pictures);
    leftHanded_.Create(hwnd(), kLeftHandedId, Layout(kLeftHandedLayout));
    leftHanded_.SetSkin(skin::LayoutRect(kLeftHandedLayout), pictures);
    orientation_.Add(rightHanded_, kRightHanded);
    orientation_.Add(leftHanded_, kLeftHanded);
    macroManager_.Create(hwnd(), kMacroManagerId, Layout(kMacroManagerLayout));
    macroManager_.SetSkin(skin::LayoutRect(kMacroManagerLayout), pictures);
    Refresh();
    return true;
}

void ButtonPage::Refresh() {
    RefreshLabels();
    orientation_.Select(model_.edited().Orientation == 1 ? kLeftHanded : kRightHanded);
    ShowHighlight(-1);
    for (const PageRect& r : kMousePictureRects) {
        const RECT rect{r.left, r.top, r.right, r.bottom};
        InvalidateRect(hwnd(), &rect, FALSE);
    }
}

void ButtonPage::OnHover(bool begins, int labelId) {
    const int slot = SlotOfLabel(labelId);
    if (slot < 0) return;
    ShowHighlight(begins ? HighlightPicture(slot, model_.edited()) : -1);
}

void ButtonPage::ShowHighlight(int picture) {
    if (picture == highlight_) return;
    for (const int p : {highlight_, picture}) {
        if (p < 0) continue;
        const PageRect r = HighlightPictureRect(p);
        const RECT rect{r.left, r.top, r.right, r.bottom};
        InvalidateRect(hwnd(), &rect, FALSE);
    }
    highlight_ = picture;
}

namespace {

// The page's mice are drawn for the right hand; for the left hand each is mirrored
// about its centre line, where the highlight marks mirror too.
void MirrorMice(HDC dc) {
    for (int column = 0; column < 2; ++column) {
        const PageRect& r = kMousePictureRects[column];
        const int centre = kMouseCentreX[column];
        const int half = std::min(centre - r.left, r.right - centre);
        const int left = centre - half, width = 2 * half, height = r.bottom - r.top;
        HDC copy = CreateCompatibleDC(dc);
        HBITMAP bits = CreateCompatibleBitmap(dc, width, height);
        HGDIOBJ old = SelectObject(copy, bits);
        BitBlt(copy, 0, 0, width, height, dc, left, r.top, SRCCOPY);
        StretchBlt(dc, left + width - 1, r.top, -width, height, copy, 0, 0, width, height, SRCCOPY);
        SelectObject(copy, old);
        DeleteObject(bits);
        DeleteDC(copy);
    }
}

}  // namespace

void ButtonPage::PaintOver(HDC dc) {
    const bool leftHanded = model_.edited().Orientation == 1;
    if (leftHanded) MirrorMice(dc);
    if (highlight_ < 0) return;
    const int column = highlight_ < kShiftLayerOffset ? 0 : 1;
    const int group = highlight_ / kShiftLayerOffset;
    const int saved = SaveDC(dc);
    skin::OwnedBrush mark(CreateSolidBrush(kHighlightColour));
    SelectObject(dc, mark.get());
    SelectObject(dc, GetStockObject(NULL_PEN));
    const RECT spot = SpotRect(column, highlight_ % kShiftLayerOffset, leftHanded);
    Ellipse(dc, spot.left, spot.top, spot.right, spot.bottom);
    HPEN ring = CreatePen(PS_SOLID, kRingPen, kRingColour);
    SelectObject(dc, ring);
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    const bool ringA = group == kShiftA || group == kShiftBoth;
    const bool ringB = group == kShiftB || group == kShiftBoth;
    for (const auto& [button, on] :
         {std::pair{kSideButtonA, ringA}, std::pair{kSideButtonB, ringB}}) {
        if (!on) continue;
        RECT r = SpotRect(column, button, leftHanded);
        InflateRect(&r, kRingPen + 1, kRingPen + 1);
        Ellipse(dc, r.left, r.top, r.right, r.bottom);
    }
    RestoreDC(dc, saved);
    DeleteObject(ring);
}

void ButtonPage::RefreshLabels() {
    const ProfileRecord& profile = model_.edited();
    const WindowsKeyboardLayout layout;
    // Fixed buttons and twins without a function look inert: every state shows the
    // page's disabled picture.
    const skin::SkinSources live = sources();
    const skin::SkinSources inert = {live.disabled, live.disabled, live.disabled, live.disabled};
    for (int slot = 0; slot < kButtonSlots; ++slot) {
        if (!SlotExists(slot)) continue;
        const ButtonRecord& button = profile.Buttons[slot];
        skin::SkinButton& label = labels_[slot];
        const int set = UsesFirstBitmapSet(slot, button.code) ? kFirstSet : kSecondSet;
        if (set != labelSets_[slot]) {
            label.SetSkin(skin::LayoutRect(ButtonLabelLayout(slot)),
                          set == kFirstSet ? inert : live);
            labelSets_[slot] = set;
        }
        label.SetCaption(ButtonLabel(button, profile, layout));
        UpdateWindow(label.hwnd());
    }
}

CatalogueLists ButtonPage::Lists() const {
    CatalogueLists lists;
    lists.macroSets = MacroSetListings(model_.library());
    lists.timers = TimerListings(model_.timers());
    lists.devices = QuibDevicesOf(model_.devices());
    return lists;
}

void ButtonPage::OnLabel(int slot) {
    const uint8_t code = model_.edited().Buttons[slot].code;
    if (!SlotOpensMenu(slot, code)) return;
    if (!toggle_.ShouldOpen(reinterpret_cast<uintptr_t>(labels_[slot].hwnd()))) return;
    PostMessageA(hwnd(), kOpenMenuMessage, static_cast<WPARAM>(slot), 0);
}

void ButtonPage::ShowMenu(int slot) {
    const CatalogueLists lists = Lists();
    // The profile and slot are taken now: the choice goes there whatever happens to
    // the working copy while the menu or a dialog is up.
    std::optional<MenuSession> session =
        OpenButtonMenu(model_.working(), ButtonTarget{model_.slot(), slot}, windowsXp_, lists);
    if (!session) return;
    lastMenuSlot_ = slot;
    skin::SkinButton& label = labels_[slot];
    RECT r;
    GetWindowRect(label.hwnd(), &r);
    label.SetSelected(true);
    toggle_.Shown(reinterpret_cast<uintptr_t>(label.hwnd()));
    int chosen = 0;
    {
        CatalogueMenu menu(session->items);
        chosen = menu.Track(hwnd(), POINT{r.left, r.bottom});
    }
    PostMessageA(hwnd(), WM_NULL, 0, 0);
    // A click outside the menu closes it and then reaches the window under the pointer,
    // which must not open the menu again when it is this label. A choice, or Escape,
    // leaves the next click on the label free (the pointer may rest on it meanwhile).
    toggle_.Closed(chosen ? 0 : reinterpret_cast<uintptr_t>(skin::SkinMenu::ClosingClickWindow()));
    label.SetSelected(false);
    SetFocus(hwnd());
    if (chosen) Carry(*session, chosen);
}

void ButtonPage::Carry(const MenuSession& session, int command) {
    const ButtonTarget target = session.target;
    ButtonChoice choice;
    choice.command = command;
    switch (KindOfCommand(command)) {
        case CommandKind::kAssign:
            // A macro is copied whole from the library into the button.
            if (const auto index = MacroOfCommand(command)) {
                choice.macro = MacroContentOf(model_.library(), *index);
                if (!choice.macro) return;
            }
            break;
        case CommandKind::kShortcutDialog: {
            const ButtonRecord& button =
                model_.working().Profiles[target.profile].Buttons[target.slot];
            const std::optional<ShortcutChoice> shortcut =
                ShortcutDialog::Run(hwnd(), ShortcutPreset(button));
            if (!shortcut) return;
            choice.shortcut = *shortcut;
            break;
        }
        case CommandKind::kProgramDialog: {
            const ButtonRecord& button =
                model_.working().Profiles[target.profile].Buttons[target.slot];
            std::optional<std::string> path = ProgramDialog::Run(hwnd(), ProgramPreset(button));
            if (!path) return;
            choice.programPath = std::move(*path);
            break;
        }
        case CommandKind::kSelectPlayer: {
            const std::optional<int> player = MediaPlayerDialog::Run(
                hwnd(), model_.working().Profiles[target.profile].MediaOption);
            if (player) SetMediaOption(model_.working(), target.profile, *player);
            return;
        }
        case CommandKind::kCreateTimer:
            if (TimerCreateDialog::Run(hwnd(), model_.timers())) model_.SaveTimers();
            return;
        case CommandKind::kEditTimers:
            if (TimerEditDialog::Run(hwnd(), model_.timers())) model_.SaveTimers();
            return;
        case CommandKind::kMacroManager:
            OpenMacroManager(MacroManagerSet(command).value_or(-1),
                             model_.working().Profiles[target.profile].Buttons[target.slot]);
            return;
        default:
            return;
    }
    // The dialogs' OK lands in the profile and slot whose menu opened them, whatever
    // the working copy went through meanwhile.
    if (ApplyButtonCommand(model_.working(), twins_, target, choice, Lists()) ==
        ApplyOutcome::kAssigned)
        RefreshLabels();
}

void ButtonPage::OpenMacroManager(int set, const ButtonRecord& button) {
    const ManagerMode mode = set < 0 ? ManagerMode::kCreateNew : ManagerMode::kEdit;
    std::optional<MacroLibrary> library =
        MacroManager::Run(hwnd(), model_.library(), mode, set, ButtonMacroOf(button));
    if (!library) return;
    model_.library() = std::move(*library);
    model_.SaveLibrary();
}

LRESULT ButtonPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            if (const int slot = SlotOfLabel(id); slot >= 0) {
                OnLabel(slot);
                return 0;
            }
            if (id == kMacroManagerId) {
                // The manager opens on the macro of the button whose menu opened last.
                const int slot = std::max(lastMenuSlot_, 0);
                OpenMacroManager(-1, model_.edited().Buttons[slot]);
                return 0;
            }
            int value = 0;
            if (orientation_.OnCommand(id, &value)) {
                SetOrientation(model_.edited(), value);
                Refresh();
            }
            return 0;
        }
        case kLabelHoverMessage:
            OnHover(wParam == 1, static_cast<int>(lParam));
            return 0;
        case kOpenMenuMessage:
            ShowMenu(static_cast<int>(wParam));
            return 0;
        default:
            return ChildPage::OnMessage(message, wParam, lParam);
    }
}

}  // namespace tesh::option
