// The skinned controls in the gallery window, driven with real mouse and keyboard
// input under Wine: what each control sends to its owner, what it shows, and
// screenshots of the gallery in its states (build/screenshots).
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "skin/layout_record.h"
#include "skin/slider_math.h"
#include "skin/win/cool_menu.h"
#include "skin/win/gallery/gallery_layout.h"
#include "skin/win/hand_cursor.h"
#include "skin/win/hint.h"
#include "skin/win/skin_messages.h"
#include "tests/wine/gallery_driver.h"

namespace tesh::skin {
namespace {

using gallery::Notice;
using testing::GalleryDriver;
namespace g = gallery;

constexpr int kMenuShotExtra = 40;

class SkinGalleryTest : public testing::GallerySuite {
  protected:
    void SetUp() override {
        ASSERT_TRUE(started_);
        // Each test starts with the pointer on the bare picture and a clean record.
        driver_->MoveTo(Bare());
        driver_->OnUi([] { SetFocus(nullptr); });
        driver_->WaitFor([] { return HintText().empty(); });
        driver_->gallery().ClearNotices();
    }

    static std::vector<Notice> NoticesOf(UINT message, LPARAM lParam) {
        std::vector<Notice> all = Gallery().Notices(), some;
        for (const Notice& n : all)
            if (n.message == message && n.lParam == lParam) some.push_back(n);
        return some;
    }
    static WPARAM Command(int id, int code) { return MAKEWPARAM(id, code); }
    static std::string EditText(BitmapEdit& edit) {
        return driver_->Ask<std::string>([&] { return edit.Text(); });
    }
    // Clicks into an edit and selects all of its text, so that typing replaces it.
    static void FocusAndSelectAll(BitmapEdit& edit) {
        driver_->Click(Centre(edit.hwnd()));
        driver_->OnUi([&] { SendMessageA(edit.hwnd(), EM_SETSEL, 0, -1); });
    }
};

TEST_F(SkinGalleryTest, WindowTakesTheShapeOfItsPicture) {
    HWND hwnd = Gallery().hwnd();
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(hwnd, region), ERROR);
    EXPECT_FALSE(PtInRegion(region, 0, 0));  // the white corners are cut away
    EXPECT_FALSE(PtInRegion(region, 719, 539));
    EXPECT_TRUE(PtInRegion(region, 8, 0));
    EXPECT_TRUE(PtInRegion(region, 360, 270));
    EXPECT_TRUE(PtInRegion(region, 100, 160));  // the near-white edit field stays
    DeleteObject(region);
    RECT r;
    GetWindowRect(hwnd, &r);
    EXPECT_EQ(r.right - r.left, 720);
    EXPECT_EQ(r.bottom - r.top, 540);
    driver_->Screenshot("gallery_at_rest");
}

TEST_F(SkinGalleryTest, HoverTellsTheParentAndSetsTheHint) {
    SkinButton& push = Gallery().button(g::kPush);
    driver_->MoveTo(Centre(push.hwnd()));
    EXPECT_TRUE(WaitReceived(kMsgHover, 1, g::kHoverIdPush));
    EXPECT_TRUE(GalleryDriver::WaitFor([] { return Received(kMsgHint, 1, 0); }));
    EXPECT_EQ(HintText(), "A push button");
    EXPECT_EQ(driver_->Ask<SkinButton::Look>([&] { return push.CurrentLook(); }),
              SkinButton::Look::kHover);
    driver_->Screenshot("gallery_hover");

    driver_->MoveTo(Bare());
    EXPECT_TRUE(WaitReceived(kMsgHover, 0, g::kHoverIdPush));
    EXPECT_TRUE(WaitReceived(kMsgHint, 0, 0));
    EXPECT_EQ(HintText(), "");
    EXPECT_EQ(driver_->Ask<SkinButton::Look>([&] { return push.CurrentLook(); }),
              SkinButton::Look::kNormal);
}

TEST_F(SkinGalleryTest, PushButtonClickSendsItsCommand) {
    HWND push = Gallery().button(g::kPush).hwnd();
    driver_->Click(Centre(push));
    EXPECT_TRUE(
        WaitReceived(WM_COMMAND, Command(g::kPush, BN_CLICKED), reinterpret_cast<LPARAM>(push)));
}

TEST_F(SkinGalleryTest, DisabledButtonStaysSilent) {
    driver_->Click(Centre(Gallery().button(g::kDisabled).hwnd()));
    HWND push = Gallery().button(g::kPush).hwnd();
    driver_->Click(Centre(push));
    ASSERT_TRUE(
        WaitReceived(WM_COMMAND, Command(g::kPush, BN_CLICKED), reinterpret_cast<LPARAM>(push)));
    for (const Notice& n : Gallery().Notices())
        if (n.message == WM_COMMAND) {
            EXPECT_NE(LOWORD(n.wParam), g::kDisabled);
        }
}

TEST_F(SkinGalleryTest, ToggleFlipsAndSendsItsIdEachTime) {
    SkinButton& toggle = Gallery().button(g::kToggle);
    LPARAM window = reinterpret_cast<LPARAM>(toggle.hwnd());
    driver_->Click(Centre(toggle.hwnd()));
    EXPECT_TRUE(WaitReceived(WM_COMMAND, g::kToggle, window));
    EXPECT_TRUE(driver_->Ask<bool>([&] { return toggle.selected(); }));
    EXPECT_EQ(driver_->Ask<SkinButton::Look>([&] { return toggle.CurrentLook(); }),
              SkinButton::Look::kPressed);
    Gallery().ClearNotices();
    driver_->Click(Centre(toggle.hwnd()));
    EXPECT_TRUE(WaitReceived(WM_COMMAND, g::kToggle, window));
    EXPECT_FALSE(driver_->Ask<bool>([&] { return toggle.selected(); }));
}

TEST_F(SkinGalleryTest, LinkShowsTheHandCursor) {
    driver_->MoveTo(Centre(Gallery().button(g::kLink).hwnd()));
    EXPECT_TRUE(GalleryDriver::WaitFor(
        [] { return driver_->Ask<HCURSOR>([] { return GetCursor(); }) == HandCursor(); }));
}

TEST_F(SkinGalleryTest, NumericEditKeepsDigitsAndReportsEnterAndFocusLoss) {
    BitmapEdit& edit = Gallery().numberEdit();
    driver_->Click(Centre(edit.hwnd()));
    driver_->Type("12a3");
    EXPECT_TRUE(GalleryDriver::WaitFor([&] { return EditText(edit) == "123"; }));
    EXPECT_TRUE(WaitReceived(kMsgEditChanged, 0, 0));
    driver_->PressKey(VK_RETURN);
    EXPECT_TRUE(WaitReceived(kMsgEditChanged, kEnterReleased, 0));
    driver_->Screenshot("gallery_typing");
    // A click on the bare picture keeps the focus where it is; another field takes it.
    driver_->Click(Centre(Gallery().textEdit().hwnd()));
    EXPECT_TRUE(WaitReceived(EditKillFocusMessage(), 0, 0));
}

TEST_F(SkinGalleryTest, TextEditTakesAnyCharacters) {
    BitmapEdit& edit = Gallery().textEdit();
    FocusAndSelectAll(edit);
    driver_->Type("Game 2");
    EXPECT_TRUE(GalleryDriver::WaitFor([&] { return EditText(edit) == "Game 2"; }));
}

TEST_F(SkinGalleryTest, SpinArrowsStepAndReport) {
    SpinEdit& spin = Gallery().spin();
    driver_->OnUi([&] { spin.SetValue(50); });
    driver_->Click(Centre(spin.up().hwnd()));
    EXPECT_TRUE(WaitReceived(kMsgSpinChanged, 55, g::kSpin));
    EXPECT_EQ(EditText(spin.edit()), "55");
    driver_->Click(Centre(spin.down().hwnd()));
    driver_->Click(Centre(spin.down().hwnd()));
    EXPECT_TRUE(WaitReceived(kMsgSpinChanged, 45, g::kSpin));
    EXPECT_EQ(driver_->Ask<int>([&] { return spin.value(); }), 45);
}

TEST_F(SkinGalleryTest, SpinTypingDropsLeadingZeros) {
    SpinEdit& spin = Gallery().spin();
    FocusAndSelectAll(spin.edit());
    driver_->Type("007");
    EXPECT_TRUE(GalleryDriver::WaitFor([&] { return EditText(spin.edit()) == "7"; }));
    EXPECT_TRUE(WaitReceived(kMsgSpinChanged, 7, g::kSpin));
}

TEST_F(SkinGalleryTest, DpiSpinShowsAndStoresTheFixedStep) {
    DpiSpinEdit& dpi = Gallery().dpiSpin();
    FocusAndSelectAll(dpi.edit());
    driver_->Type("3999");
    EXPECT_TRUE(GalleryDriver::WaitFor([&] { return EditText(dpi.edit()) == "4000"; }));
    EXPECT_TRUE(WaitReceived(kMsgSpinChanged, 2800, g::kDpiSpin));
    EXPECT_EQ(driver_->Ask<int>([&] { return dpi.value(); }), 2800);
    driver_->PressKey(VK_RETURN);
    EXPECT_EQ(EditText(dpi.edit()), "4000");
}

TEST_F(SkinGalleryTest, SliderClickOnTheTrackEnds) {
    CclickHSlider& slider = Gallery().slider();
    RECT r;
    GetWindowRect(slider.hwnd(), &r);
    int middle = (r.top + r.bottom) / 2;
    // Beside the thumb, on the last pixel of the track.
    driver_->Click(POINT{r.right - 1, r.top + 1});
    EXPECT_TRUE(WaitReceived(kMsgSliderChanged, 10, g::kSlider));
    EXPECT_TRUE(GalleryDriver::WaitFor([&] { return slider.pos() == 10; }));
    driver_->Click(POINT{r.left, middle + 6});
    EXPECT_TRUE(WaitReceived(kMsgSliderChanged, 0, g::kSlider));
}

// Drags a slider's thumb to 6.5 units of its 0..10 range and returns the values that
// the owner was sent.
std::vector<int> DragToSixAndAHalf(GalleryDriver& driver, CclickHSlider& slider) {
    SliderTrack track = driver.Ask<SliderTrack>([&] { return slider.Track(); });
    RECT thumb;
    GetWindowRect(slider.thumb().hwnd(), &thumb);
    RECT bar;
    GetWindowRect(slider.hwnd(), &bar);
    // The first whole pixel at or past 6.5 units.
    int target = bar.left + track.left + (track.Travel() * 65 + 99) / 100;
    POINT grab = {thumb.left + 4, (thumb.top + thumb.bottom) / 2};
    driver.Drag(grab, POINT{target + 4, grab.y + 3});
    std::vector<int> values;
    GalleryDriver::WaitFor([&] {
        values.clear();
        for (const Notice& n : driver.gallery().Notices())
            if (n.message == kMsgSliderChanged && n.lParam == slider.id())
                values.push_back(static_cast<int>(n.wParam));
        return !values.empty() && !slider.thumb().dragging();
    });
    return values;
}

TEST_F(SkinGalleryTest, SnappingThumbReleasedAtSixAndAHalfGivesSeven) {
    CclickHSlider& slider = Gallery().snapSlider();
    std::vector<int> values = DragToSixAndAHalf(*driver_, slider);
    ASSERT_GE(values.size(), 2u);
    EXPECT_EQ(values.back(), 7);
    EXPECT_EQ(values[values.size() - 2], 6);  // the last move truncates
    SliderTrack track = driver_->Ask<SliderTrack>([&] { return slider.Track(); });
    RECT thumb, bar;
    GetWindowRect(slider.thumb().hwnd(), &thumb);
    GetWindowRect(slider.hwnd(), &bar);
    EXPECT_EQ(thumb.left - bar.left, ThumbLeft(slider.range(), track, 7));
}

TEST_F(SkinGalleryTest, PlainThumbReleasedAtSixAndAHalfGivesSix) {
    std::vector<int> values = DragToSixAndAHalf(*driver_, Gallery().slider());
    ASSERT_FALSE(values.empty());
    EXPECT_EQ(values.back(), 6);
    driver_->Screenshot("gallery_sliders");
}

TEST_F(SkinGalleryTest, PopupMenusAreFlat) {
    driver_->Click(Centre(Gallery().button(g::kMenu).hwnd()));
    HWND menu = nullptr;
    ASSERT_TRUE(GalleryDriver::WaitFor([&] {
        menu = FindWindowA("#32768", nullptr);
        return menu && IsWindowVisible(menu);
    }));
    EXPECT_NE(GetPropA(menu, "CoolMenu_oldProc"), nullptr);
    EXPECT_GE(driver_->Ask<std::size_t>([] { return CoolMenu::MenuCount(); }), 1u);
    driver_->Screenshot("gallery_menu", kMenuShotExtra);
    RECT r;
    GetWindowRect(menu, &r);
    driver_->Click(POINT{(r.left + r.right) / 2, r.top + 12});
    EXPECT_TRUE(WaitReceived(WM_COMMAND, g::kMenuFirst, 0));
    EXPECT_TRUE(GalleryDriver::WaitFor(
        [] { return driver_->Ask<std::size_t>([] { return CoolMenu::MenuCount(); }) == 0; }));
}

TEST_F(SkinGalleryTest, ListSelectsRowsAndScrollsWithItsBar) {
    SkinListBox& list = Gallery().list();
    RECT r;
    GetWindowRect(list.list(), &r);
    driver_->Click(POINT{r.left + 30, r.top + 2 * 20 + 10});
    EXPECT_TRUE(WaitReceived(WM_COMMAND, Command(g::kList, LBN_SELCHANGE),
                             reinterpret_cast<LPARAM>(list.hwnd())));
    EXPECT_EQ(driver_->Ask<int>([&] { return list.Selection(); }), 2);
    RECT bar;
    GetWindowRect(list.scrollBar().hwnd(), &bar);
    driver_->Click(POINT{(bar.left + bar.right) / 2, bar.bottom - 4});
    EXPECT_TRUE(GalleryDriver::WaitFor(
        [&] { return driver_->Ask<int>([&] { return list.TopIndex(); }) == 1; }));
    EXPECT_EQ(driver_->Ask<int>([&] { return list.scrollBar().state().position; }), 1);
}

TEST_F(SkinGalleryTest, AnimationsPlayOnTheirOwnThreadAndStillPicturesStandStill) {
    AnimatedPicture& breathing = Gallery().breathing();
    EXPECT_EQ(breathing.FrameCount(), 24u);
    EXPECT_TRUE(breathing.Playing());
    EXPECT_EQ(Gallery().progress().FrameCount(), 12u);
    EXPECT_EQ(Gallery().still().FrameCount(), 1u);
    EXPECT_FALSE(Gallery().still().Playing());
    unsigned long long before = breathing.FramesShown();
    EXPECT_TRUE(GalleryDriver::WaitFor([&] { return breathing.FramesShown() >= before + 3; }));
}

}  // namespace
}  // namespace tesh::skin
