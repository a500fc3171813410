#include "option/button_page_model.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace tesh::option {
namespace {

TEST(ButtonPageModel, LabelLayoutsAndIds) {
    for (int slot = 0; slot < kButtonSlots; ++slot) {
        const std::string layout = ButtonLabelLayout(slot);
        EXPECT_EQ(layout.rfind("B" + std::to_string(slot + 1) + ",", 0), 0u) << slot;
        const bool zeroSize = layout.find(",0,0,0,0,") != std::string::npos;
        EXPECT_EQ(zeroSize, !SlotExists(slot)) << slot;
        EXPECT_EQ(SlotOfLabel(LabelOfSlot(slot)), slot);
    }
    EXPECT_STREQ(ButtonLabelLayout(4), "B5,33,147,158,20,");
    EXPECT_STREQ(ButtonLabelLayout(22), "B23,424,247,158,20,");
    EXPECT_STREQ(ButtonLabelLayout(24), "");
    EXPECT_EQ(SlotOfLabel(199), -1);
    EXPECT_EQ(SlotOfLabel(224), -1);
}

TEST(ButtonPageModel, HighlightPicturePlaces) {
    struct {
        int picture, left;
    } cases[] = {{0, 191}, {11, 191}, {12, 582}, {59, 582}};
    for (auto c : cases) {
        PageRect r = HighlightPictureRect(c.picture);
        EXPECT_EQ(r.left, c.left);
        EXPECT_EQ(r.top, 32);
        EXPECT_EQ(r.right - r.left, 188);
        EXPECT_EQ(r.bottom - r.top, 242);
    }
    PageRect none = HighlightPictureRect(60);
    EXPECT_EQ(none.right, 0);
}

TEST(ButtonPageModel, MenuSessionKeepsTargetAndArea) {
    auto set = std::make_unique<SettingsSet>();
    Clear(*set);
    SetDefaults(*set, 0x0409);
    CatalogueLists lists;
    auto session = OpenButtonMenu(*set, {2, 3}, false, lists);
    ASSERT_TRUE(session);
    EXPECT_EQ(session->target.profile, 2);
    EXPECT_EQ(session->target.slot, 3);
    EXPECT_EQ(session->button.code, 7);
    EXPECT_EQ(session->items.front().text, "Quixshift Tesh Ulma Optical");
    EXPECT_FALSE(OpenButtonMenu(*set, {2, 1}, false, lists));
    EXPECT_FALSE(OpenButtonMenu(*set, {2, 16}, false, lists));
    EXPECT_FALSE(OpenButtonMenu(*set, {5, 3}, false, lists));
    EXPECT_FALSE(OpenButtonMenu(*set, {0, 24}, false, lists));
}

TEST(ButtonPageModel, ClickOnTheOpenMenusLabelClosesIt) {
    MenuToggle toggle;
    EXPECT_TRUE(toggle.ShouldOpen(201));
    toggle.Shown(201);
    toggle.Closed(201);  // the menu closed by a click on its own label
    EXPECT_FALSE(toggle.ShouldOpen(201));
    EXPECT_TRUE(toggle.ShouldOpen(201));  // both memories were cleared

    toggle.Shown(202);
    toggle.Closed(203);  // closed over another label
    EXPECT_TRUE(toggle.ShouldOpen(203));
    EXPECT_TRUE(toggle.ShouldOpen(202));
    toggle.Shown(203);
    toggle.Closed(202);  // the cursor over a label that did not show the menu
    EXPECT_TRUE(toggle.ShouldOpen(202));
}

}  // namespace
}  // namespace tesh::option
