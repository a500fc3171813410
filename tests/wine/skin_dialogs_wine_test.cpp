// The shared window parts in the gallery, driven with real input under Wine: the
// confirmation and message dialogs, the check box, a radio group, the skinned menu and
// a child page; screenshots of the dialogs and the menu (build/screenshots).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "art/art_ids.h"
#include "skin/layout_record.h"
#include "skin/win/child_page.h"
#include "skin/win/fitted_text.h"
#include "skin/win/gallery/gallery_layout.h"
#include "skin/win/hint.h"
#include "skin/win/layout_rect.h"
#include "skin/win/message_dialog.h"
#include "skin/win/skin_button.h"
#include "tests/wine/gallery_driver.h"

namespace tesh::skin {
namespace {

using gallery::Notice;
using testing::GalleryDriver;
namespace g = gallery;

constexpr char kMenuClass[] = "#32768";
constexpr int kBright = 100;      // a pixel whose every channel is above this is text
constexpr int kTickBright = 200;  // the tick, brighter than any look of the box
constexpr wchar_t kLongText[] =
    L"Do you really want to delete the macro set? This will delete all macros grouped in "
    L"this macro set, and every button that plays one of them keeps its own copy.";
constexpr COLORREF kMenuBackground = RGB(0x1a, 0x1e, 0x23);
constexpr COLORREF kMenuHighlight = RGB(0x3c, 0x89, 0xbf);

// The pixels of a rectangle of the screen, row by row from the top.
class ScreenPixels {
  public:
    explicit ScreenPixels(const RECT& r) : rect_(r), pixels_(::tesh::test::CaptureScreen(r)) {}
    // The colour at a point relative to the rectangle's top-left corner.
    COLORREF At(int x, int y) const {
        const DWORD p = pixels_[static_cast<std::size_t>(y) * (rect_.right - rect_.left) + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    static bool Bright(COLORREF c, int level = kBright) {
        return GetRValue(c) > level && GetGValue(c) > level && GetBValue(c) > level;
    }
    // The rows (relative) of `area` that hold a pixel brighter than `level`.
    std::vector<int> BrightRows(const RECT& area, int level = kBright) const {
        std::vector<int> rows;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                if (Bright(At(x, y), level)) {
                    rows.push_back(y);
                    break;
                }
        return rows;
    }

  private:
    RECT rect_;
    std::vector<uint32_t> pixels_;
};

// Runs of consecutive rows: the lines of a text.
int LineCount(const std::vector<int>& rows) {
    int lines = 0;
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (i == 0 || rows[i] != rows[i - 1] + 1) ++lines;
    return lines;
}

bool SameColour(COLORREF a, COLORREF b) {
    auto alike = [](int x, int y) { return std::abs(x - y) <= 8; };
    return alike(GetRValue(a), GetRValue(b)) && alike(GetGValue(a), GetGValue(b)) &&
           alike(GetBValue(a), GetBValue(b));
}

class SkinDialogsTest : public testing::GallerySuite {
  protected:
    void SetUp() override {
        ASSERT_TRUE(started_);
        driver_->MoveTo(Bare());
        driver_->WaitFor([] { return HintText().empty(); });
        driver_->gallery().ClearNotices();
    }
    // A test that failed half-way leaves no dialog or menu behind for the next one.
    void TearDown() override {
        if (HWND dialog = FindWindowA(kMessageDialogClass, nullptr)) {
            PostMessageA(dialog, WM_CLOSE, 0, 0);
            DialogGone();
        }
        if (FindWindowA(kMenuClass, nullptr)) {
            driver_->OnUi([] { EndMenu(); });
            GalleryDriver::WaitFor([] { return !FindWindowA(kMenuClass, nullptr); });
        }
    }

    static bool ReceivedAny(UINT message) {
        std::vector<Notice> notices = Gallery().Notices();
        return std::any_of(notices.begin(), notices.end(),
                           [&](const Notice& n) { return n.message == message; });
    }

    // Clicks a gallery button that opens a dialog and waits for the dialog.
    static HWND OpenDialog(int buttonId) {
        driver_->Click(Centre(Gallery().button(buttonId).hwnd()));
        HWND dialog = nullptr;
        GalleryDriver::WaitFor([&] {
            dialog = FindWindowA(kMessageDialogClass, nullptr);
            return dialog && IsWindowVisible(dialog);
        });
        return dialog;
    }
    static bool DialogGone() {
        return GalleryDriver::WaitFor([] { return !FindWindowA(kMessageDialogClass, nullptr); });
    }
    // The screen point at the middle of a layout string's rectangle on the dialog.
    static POINT DialogPoint(HWND dialog, const char* layout) {
        const LayoutRecord r = Layout(layout);
        POINT p = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        ClientToScreen(dialog, &p);
        return p;
    }
    static RECT ScreenRectOf(HWND window, RECT r) {
        MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }

    static HWND WaitForMenu() {
        HWND menu = nullptr;
        GalleryDriver::WaitFor([&] {
            menu = FindWindowA(kMenuClass, nullptr);
            return menu && IsWindowVisible(menu);
        });
        return menu;
    }
    static RECT MenuItemRect(HMENU menu, int position) {
        RECT r = {};
        GetMenuItemRect(nullptr, menu, static_cast<UINT>(position), &r);
        return r;
    }
    static POINT MiddleOf(const RECT& r) {
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
};

TEST_F(SkinDialogsTest, ConfirmOkReturnsTrue) {
    HWND dialog = OpenDialog(g::kConfirm);
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(IsWindowEnabled(Gallery().hwnd())) << "modal over the gallery";
    // Centred over its owner.
    RECT d, o;
    GetWindowRect(dialog, &d);
    GetWindowRect(Gallery().hwnd(), &o);
    EXPECT_EQ(d.right - d.left, 240);
    EXPECT_EQ(d.bottom - d.top, 140);
    EXPECT_LE(std::abs((d.left + d.right) - (o.left + o.right)), 1);
    EXPECT_LE(std::abs((d.top + d.bottom) - (o.top + o.bottom)), 1);
    wchar_t title[32] = {};
    GetWindowTextW(dialog, title, 32);
    EXPECT_STREQ(title, L"ATTENTION");
    driver_->Click(DialogPoint(dialog, kMessageConfirmOkLayout));
    EXPECT_TRUE(WaitReceived(g::kMsgConfirmAnswer, 1, 0));
    EXPECT_TRUE(DialogGone());
    EXPECT_TRUE(IsWindowEnabled(Gallery().hwnd()));
}

TEST_F(SkinDialogsTest, ConfirmCancelCloseAndEscapeReturnFalseAndEnterTrue) {
    const char* buttons[] = {kMessageConfirmCancelLayout, kMessageCloseLayout};
    for (const char* layout : buttons) {
        Gallery().ClearNotices();
        HWND dialog = OpenDialog(g::kConfirm);
        ASSERT_NE(dialog, nullptr) << layout;
        driver_->Click(DialogPoint(dialog, layout));
        EXPECT_TRUE(WaitReceived(g::kMsgConfirmAnswer, 0, 0)) << layout;
        EXPECT_TRUE(DialogGone());
    }
    const WORD keys[] = {VK_ESCAPE, VK_RETURN};
    for (WORD key : keys) {
        Gallery().ClearNotices();
        ASSERT_NE(OpenDialog(g::kConfirm), nullptr);
        driver_->PressKey(key);
        EXPECT_TRUE(WaitReceived(g::kMsgConfirmAnswer, key == VK_RETURN ? 1 : 0, 0)) << key;
        EXPECT_TRUE(DialogGone());
    }
}

TEST_F(SkinDialogsTest, ConfirmTextIsWrappedInsideItsRectangle) {
    driver_->OnUi([] { Gallery().SetDialogTexts(kLongText, L"Short."); });
    HWND dialog = OpenDialog(g::kConfirm);
    ASSERT_NE(dialog, nullptr);
    RECT window;
    GetWindowRect(dialog, &window);
    const RECT text = kMessageTextRect;
    // The text shows in several lines, all inside its rectangle.
    std::vector<int> rows;
    ASSERT_TRUE(GalleryDriver::WaitFor([&] {
        rows = ScreenPixels(window).BrightRows(text);
        return LineCount(rows) >= 2;
    }));
    EXPECT_TRUE(testing::SaveScreen(window, "message_confirm_long"));
    // Nothing bright between the title bar and the buttons outside the rectangle, once
    // the dialog's painting has settled.
    const int titleBar = 32, buttonsTop = Layout(kMessageConfirmOkLayout).top;
    int strays = 0;
    GalleryDriver::WaitFor([&] {
        const ScreenPixels shot(window);
        strays = 0;
        for (int y = titleBar; y < buttonsTop; ++y)
            for (int x = 0; x < 240; ++x) {
                const bool inside =
                    x >= text.left && x < text.right && y >= text.top && y < text.bottom;
                if (!inside && ScreenPixels::Bright(shot.At(x, y))) ++strays;
            }
        return strays == 0;
    });
    EXPECT_EQ(strays, 0);
    driver_->PressKey(VK_ESCAPE);
    EXPECT_TRUE(DialogGone());
    driver_->OnUi([] {
        Gallery().SetDialogTexts(L"Do you really want to delete the selected macro?", L"Short.");
    });
}

TEST_F(SkinDialogsTest, LongTextsWrapAndEndWithAnEllipsis) {
    HDC dc = CreateCompatibleDC(nullptr);
    OwnedFont font = MakeFont(kMessageTextFace, kMessageTextHeight);
    HGDIOBJ old = SelectObject(dc, font.get());
    const RECT box = kMessageTextRect;
    const int width = box.right - box.left;
    const int line = TextExtent(dc, L"A", width, kMessageTextFormat).cy;
    EXPECT_GT(TextExtent(dc, L"Do you really want to delete the selected macro?", width,
                         kMessageTextFormat)
                  .cy,
              line);
    const std::wstring fitted = FitText(dc, kLongText, box, kMessageTextFormat);
    ASSERT_LT(fitted.size(), std::wstring(kLongText).size());
    EXPECT_EQ(fitted.back(), L'\u2026');
    const SIZE size = TextExtent(dc, fitted, width, kMessageTextFormat);
    EXPECT_LE(size.cy, box.bottom - box.top);
    EXPECT_LE(size.cx, width);
    // A short text stays as it is; a word longer than the line is broken, not spilled.
    EXPECT_EQ(FitText(dc, L"Short.", box, kMessageTextFormat), L"Short.");
    const std::wstring word(60, L'W');
    EXPECT_LE(
        TextExtent(dc, FitText(dc, word, box, kMessageTextFormat), width, kMessageTextFormat).cx,
        width);
    SelectObject(dc, old);
    DeleteDC(dc);
}

TEST_F(SkinDialogsTest, ConfirmDialogIsSavedInEachLook) {
    HWND dialog = OpenDialog(g::kConfirm);
    ASSERT_NE(dialog, nullptr);
    RECT window;
    GetWindowRect(dialog, &window);
    ASSERT_TRUE(GalleryDriver::WaitFor(
        [&] { return !ScreenPixels(window).BrightRows(kMessageTextRect).empty(); }));
    EXPECT_TRUE(testing::SaveScreen(window, "message_confirm"));
    driver_->MoveTo(DialogPoint(dialog, kMessageConfirmCancelLayout));
    // The hovered CANCEL shows the accent border: wait for its look, then save it.
    const LayoutRecord cancel = Layout(kMessageConfirmCancelLayout);
    ASSERT_TRUE(GalleryDriver::WaitFor([&] {
        return SameColour(ScreenPixels(window).At(cancel.left, cancel.top + 13), kMenuHighlight);
    }));
    EXPECT_TRUE(testing::SaveScreen(window, "message_confirm_hover"));
    driver_->Click(DialogPoint(dialog, kMessageConfirmCancelLayout));
    EXPECT_TRUE(WaitReceived(g::kMsgConfirmAnswer, 0, 0));
}

TEST_F(SkinDialogsTest, MessageHasOneOkAndTheCloseButton) {
    HWND dialog = OpenDialog(g::kNote);
    ASSERT_NE(dialog, nullptr);
    int buttons = 0;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        ++buttons;
    EXPECT_EQ(buttons, 2);
    wchar_t title[32] = {};
    GetWindowTextW(dialog, title, 32);
    EXPECT_STREQ(title, L"NOTE");
    RECT window;
    GetWindowRect(dialog, &window);
    ASSERT_TRUE(GalleryDriver::WaitFor(
        [&] { return !ScreenPixels(window).BrightRows(kMessageTextRect).empty(); }));
    EXPECT_TRUE(testing::SaveScreen(window, "message_note"));
    driver_->Click(DialogPoint(dialog, kMessageNoteOkLayout));
    EXPECT_TRUE(WaitReceived(g::kMsgNoteClosed, 0, 0));
    EXPECT_TRUE(DialogGone());
}

TEST_F(SkinDialogsTest, DialogIsDraggedByItsTitleBar) {
    HWND dialog = OpenDialog(g::kNote);
    ASSERT_NE(dialog, nullptr);
    RECT before;
    GetWindowRect(dialog, &before);
    const POINT grab = {before.left + 120, before.top + 15};
    driver_->Drag(grab, POINT{grab.x + 30, grab.y + 20});
    RECT after = {};
    EXPECT_TRUE(GalleryDriver::WaitFor([&] {
        GetWindowRect(dialog, &after);
        return after.left == before.left + 30 && after.top == before.top + 20;
    })) << after.left - before.left
        << "," << after.top - before.top;
    driver_->PressKey(VK_RETURN);
    EXPECT_TRUE(WaitReceived(g::kMsgNoteClosed, 0, 0));
}

TEST_F(SkinDialogsTest, CheckBoxFlipsAndTellsTheGallery) {
    SkinCheckBox& box = Gallery().checkBox();
    const LPARAM window = reinterpret_cast<LPARAM>(box.hwnd());
    RECT r;
    GetWindowRect(box.hwnd(), &r);
    const RECT mark = {0, 0, SkinCheckBox::kMarkSide, r.bottom - r.top};
    auto ticked = [&] { return !ScreenPixels(r).BrightRows(mark, kTickBright).empty(); };
    ASSERT_FALSE(driver_->Ask<bool>([&] { return box.checked(); }));
    EXPECT_FALSE(ticked());
    driver_->Click(Centre(box.hwnd()));
    EXPECT_TRUE(WaitReceived(WM_COMMAND, MAKEWPARAM(g::kCheck, BN_CLICKED), window));
    EXPECT_TRUE(driver_->Ask<bool>([&] { return box.checked(); }));
    driver_->MoveTo(Bare());
    EXPECT_TRUE(GalleryDriver::WaitFor(ticked));
    driver_->Screenshot("gallery_checked_and_radio");
    Gallery().ClearNotices();
    driver_->Click(Centre(box.hwnd()));
    EXPECT_TRUE(WaitReceived(WM_COMMAND, MAKEWPARAM(g::kCheck, BN_CLICKED), window));
    EXPECT_FALSE(driver_->Ask<bool>([&] { return box.checked(); }));
    driver_->MoveTo(Bare());
    EXPECT_TRUE(GalleryDriver::WaitFor([&] { return !ticked(); }));
}

TEST_F(SkinDialogsTest, RadioClickSelectsOnlyIt) {
    auto selection = [] {
        return driver_->Ask<std::vector<bool>>([] {
            std::vector<bool> s;
            for (int i = 0; i < 3; ++i) s.push_back(Gallery().radio(i).selected());
            return s;
        });
    };
    driver_->OnUi([] { Gallery().radioGroup().Select(1); });
    EXPECT_EQ(selection(), (std::vector<bool>{true, false, false}));
    const int ids[3] = {g::kRadioOne, g::kRadioTwo, g::kRadioThree};
    for (int i : {2, 1, 2, 0}) {
        HWND radio = Gallery().radio(i).hwnd();
        driver_->Click(Centre(radio));
        EXPECT_TRUE(WaitReceived(WM_COMMAND, MAKEWPARAM(ids[i], BN_CLICKED),
                                 reinterpret_cast<LPARAM>(radio)));
        EXPECT_EQ(driver_->Ask<int>([] { return Gallery().radioGroup().selected(); }), i + 1);
        std::vector<bool> expected(3, false);
        expected[i] = true;
        EXPECT_EQ(selection(), expected);
    }
}

TEST_F(SkinDialogsTest, SkinMenuDrawsItsItemsAndReturnsTheClickedCommand) {
    driver_->Click(Centre(Gallery().button(g::kSkinMenu).hwnd()));
    HWND menuWindow = WaitForMenu();
    ASSERT_NE(menuWindow, nullptr);
    HMENU menu = Gallery().skinMenu().handle();
    const int german = 4;  // load, save, separator, Japanese, German
    const RECT item = MenuItemRect(menu, german);
    ASSERT_FALSE(IsRectEmpty(&item));
    EXPECT_EQ(item.bottom - item.top, SkinMenu::kItemHeight);
    // Drawn by the menu itself: dark items, the one under the pointer in the accent.
    driver_->MoveTo(MiddleOf(item));
    ASSERT_TRUE(GalleryDriver::WaitFor(
        [&] { return SameColour(ScreenPixels(item).At(4, 2), kMenuHighlight); }));
    const RECT load = MenuItemRect(menu, 0);
    EXPECT_TRUE(SameColour(ScreenPixels(load).At(4, 2), kMenuBackground));
    RECT shot;
    GetWindowRect(menuWindow, &shot);
    InflateRect(&shot, 4, 4);
    EXPECT_TRUE(testing::SaveScreen(shot, "skin_menu"));
    driver_->Click(MiddleOf(item));
    EXPECT_TRUE(WaitReceived(g::kMsgSkinMenuChosen, g::kSkinGerman, 0));
    EXPECT_TRUE(GalleryDriver::WaitFor([] { return !FindWindowA(kMenuClass, nullptr); }));
}

TEST_F(SkinDialogsTest, SkinMenuOpensItsSubmenuAndIgnoresDisabledItems) {
    driver_->Click(Centre(Gallery().button(g::kSkinMenu).hwnd()));
    ASSERT_NE(WaitForMenu(), nullptr);
    HMENU menu = Gallery().skinMenu().handle();
    const int disabled = 7, more = 8;  // after French and a separator
    driver_->Click(MiddleOf(MenuItemRect(menu, disabled)));
    driver_->MoveTo(MiddleOf(MenuItemRect(menu, more)));
    HMENU sub = Gallery().moreMenu().handle();
    RECT second = {};
    ASSERT_TRUE(GalleryDriver::WaitFor([&] {
        second = MenuItemRect(sub, 1);
        return !IsRectEmpty(&second);
    }));
    // Along the item into the submenu, as a hand does.
    const RECT moreItem = MenuItemRect(menu, more);
    driver_->MoveTo(POINT{moreItem.right - 4, (moreItem.top + moreItem.bottom) / 2});
    driver_->MoveTo(POINT{second.left + 20, (second.top + second.bottom) / 2});
    RECT shot = {};
    for (HWND w = FindWindowExA(nullptr, nullptr, kMenuClass, nullptr); w;
         w = FindWindowExA(nullptr, w, kMenuClass, nullptr)) {
        RECT r;
        GetWindowRect(w, &r);
        UnionRect(&shot, &shot, &r);
    }
    InflateRect(&shot, 4, 4);
    EXPECT_TRUE(testing::SaveScreen(shot, "skin_menu_submenu"));
    driver_->Click(MiddleOf(second));
    EXPECT_TRUE(WaitReceived(g::kMsgSkinMenuChosen, g::kSkinMoreSecond, 0));
    EXPECT_FALSE(Received(g::kMsgSkinMenuChosen, g::kSkinDisabled, 0));
}

TEST_F(SkinDialogsTest, SkinMenuClosedWithEscapeReturnsNothing) {
    driver_->Click(Centre(Gallery().button(g::kSkinMenu).hwnd()));
    ASSERT_NE(WaitForMenu(), nullptr);
    driver_->PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitReceived(g::kMsgSkinMenuChosen, 0, 0));
}

// A page of the note dialog's picture with one button on it, over the gallery.
class TestPage : public ChildPage {
  public:
    static constexpr int kButtonId = 41;
    bool Create(HWND parent, const RECT& r) {
        if (!CreatePage("TeshTestPage", parent, 40, r, IDB_MESSAGE_NOTE_NORMAL)) return false;
        const LayoutRecord ok = Layout(kMessageNoteOkLayout);
        button_.Create(hwnd(), kButtonId, ok);
        button_.SetSkin(RectOf(ok), sources());
        return true;
    }
    int clicks() const { return clicks_; }
    SkinButton& button() { return button_; }

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_COMMAND && LOWORD(wParam) == kButtonId) {
            ++clicks_;
            return 0;
        }
        return ChildPage::OnMessage(message, wParam, lParam);
    }

  private:
    SkinButton button_;
    int clicks_ = 0;
};

TEST_F(SkinDialogsTest, ChildPageShowsItsPictureAndHearsItsControls) {
    TestPage page;
    const RECT place = {440, 180, 680, 320};
    ASSERT_TRUE(driver_->Ask<bool>([&] { return page.Create(Gallery().hwnd(), place); }));
    EXPECT_TRUE(page.visible());
    const RECT screen = ScreenRectOf(Gallery().hwnd(), place);
    // The accent line under the picture's title bar.
    EXPECT_TRUE(GalleryDriver::WaitFor(
        [&] { return SameColour(ScreenPixels(screen).At(120, 30), kMenuHighlight); }));
    // Over the gallery's list, which was there first.
    EXPECT_EQ(WindowFromPoint(Centre(page.button().hwnd())), page.button().hwnd());
    driver_->Click(Centre(page.button().hwnd()));
    EXPECT_TRUE(GalleryDriver::WaitFor(
        [&] { return driver_->Ask<int>([&] { return page.clicks(); }) == 1; }));
    driver_->OnUi([&] { page.Show(false); });
    EXPECT_FALSE(page.visible());
    driver_->OnUi([&] { page.Show(true); });
    EXPECT_TRUE(page.visible());
    driver_->OnUi([&] { DestroyWindow(page.hwnd()); });
}

}  // namespace
}  // namespace tesh::skin
