// What a tilt step does to each kind of window: scroll bar messages to the scroll
// bar's parent, clicks on its arrow with the pointer put back, arrow keys, the
// browser's message to the monitor's own window, and the message to the window under
// the pointer otherwise; the step count bounded.
#include "monitor/events/tilt_scroller.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "monitor/events/tilt_target.h"
#include "tests/monitor/events/window_tree_fake.h"

namespace tesh::monitor::test {
namespace {

using Actions = std::vector<std::string>;

constexpr ScreenRect kFrame{0, 0, 800, 600};
constexpr ScreenRect kDocument{0, 0, 780, 580};
constexpr ScreenRect kBottomBar{0, 580, 780, 600};

// A frame with "doc" of `docClass` under the pointer and a scroll bar "bar" below it.
void DocumentWithBar(FakeWindowTree& t, const std::string& docClass) {
    const WindowHandle frame = t.Add("frame", "Frame", kFrame);
    t.Add("doc", docClass, kDocument, frame);
    t.Add("bar", kScrollBarClass, kBottomBar, frame);
}

Actions Repeat(int times, const Actions& actions) {
    Actions all;
    for (int i = 0; i < times; ++i) all.insert(all.end(), actions.begin(), actions.end());
    return all;
}

struct ScrollCase {
    const char* what;
    std::function<void(FakeWindowTree&)> build;
    bool left;
    int steps;
    Actions expected;
    bool swapped = false;
};

void PrintTo(const ScrollCase& c, std::ostream* out) { *out << c.what; }

const ScrollCase kScrollCases[] = {
    {"kind 4 posts scroll bar messages to the scroll bar's parent",
     [](FakeWindowTree& t) { DocumentWithBar(t, "EditControl"); }, true, 3,
     Repeat(3, {"post frame 0x114 0x0 bar"})},
    {"to the right", [](FakeWindowTree& t) { DocumentWithBar(t, "EditControl"); }, false, 2,
     Repeat(2, {"post frame 0x114 0x1 bar"})},
    {"kind 1 with a scroll bar of its own",
     [](FakeWindowTree& t) {
         const WindowHandle frame = t.Add("frame", "Frame", kFrame);
         t.Add("doc", "_WwG", kDocument, frame, kHorizontalScrollStyle);
     },
     true,
     1,
     {"post frame 0x114 0x0 doc"}},
    {"kind 2 clicks the left arrow and puts the pointer back",
     [](FakeWindowTree& t) { DocumentWithBar(t, "EXCEL7"); },
     true,
     3,
     {"move 5 585", "click 5 585 left", "click 5 585 left", "click 5 585 left", "move 400 300"}},
    {"and the right arrow, with the right button when the buttons are swapped",
     [](FakeWindowTree& t) { DocumentWithBar(t, "EXCEL7"); },
     false,
     2,
     {"move 775 585", "click 775 585 right", "click 775 585 right", "move 400 300"},
     true},
    {"a Mozilla window gets Left arrow key pairs",
     [](FakeWindowTree& t) {
         const WindowHandle top = t.Add("top", kMozillaClass, kFrame);
         t.Add("doc", kMozillaClass, kDocument, top);
     },
     true, 2, Repeat(2, {"post top 0x100 0x25 0x14b0001", "post top 0x101 0x25 0xc14b0001"})},
    {"and Right arrow key pairs",
     [](FakeWindowTree& t) {
         const WindowHandle top = t.Add("top", kMozillaClass, kFrame);
         t.Add("doc", kMozillaClass, kDocument, top);
     },
     false,
     1,
     {"post top 0x100 0x27 0x14d0001", "post top 0x101 0x27 0xc14d0001"}},
    {"an embedded browser is scrolled on the monitor's own window",
     [](FakeWindowTree& t) { DocumentWithBar(t, kBrowserClass); },
     true,
     3,
     {"post own 0x4d6 0x3 0x1"}},
    {"to the right",
     [](FakeWindowTree& t) { DocumentWithBar(t, kBrowserClass); },
     false,
     3,
     {"post own 0x4d6 0x3 0x0"}},
    {"even with no steps",
     [](FakeWindowTree& t) { DocumentWithBar(t, kBrowserClass); },
     true,
     0,
     {"post own 0x4d6 0x0 0x1"}},
    {"any other window gets scroll bar messages posted both ways",
     [](FakeWindowTree& t) { DocumentWithBar(t, "Notepad"); }, false, 2,
     Repeat(2, {"post doc 0x114 0x1 0x0"})},
    {"as does a window of a kind without a scroll bar",
     [](FakeWindowTree& t) { t.Add("doc", "EXCEL7", kFrame); },
     true,
     1,
     {"post doc 0x114 0x0 0x0"}},
    {"the desktop icons get nothing",
     [](FakeWindowTree& t) {
         const WindowHandle desktop = t.Add("progman", kDesktopClass, kFrame);
         t.Add("doc", kDesktopIconsClass, kFrame, desktop, kHorizontalScrollStyle);
     },
     true,
     3,
     {}},
    {"no steps, no scrolling",
     [](FakeWindowTree& t) { DocumentWithBar(t, "EXCEL7"); },
     true,
     0,
     {}},
    {"nor with fewer", [](FakeWindowTree& t) { DocumentWithBar(t, "EditControl"); }, true, -5, {}},
    {"a wild step count is bounded", [](FakeWindowTree& t) { DocumentWithBar(t, "EditControl"); },
     true, 1 << 30, Repeat(kMaxTiltSteps, {"post frame 0x114 0x0 bar"})},
};

class TiltScrollerTest : public ::testing::TestWithParam<ScrollCase> {};

TEST_P(TiltScrollerTest, ScrollsByTheMeansOfItsKind) {
    const ScrollCase& c = GetParam();
    FakeWindowTree tree;
    tree.pointer = {400, 300};
    c.build(tree);
    RecordingScrollInput input(tree);
    input.swapped = c.swapped;
    TiltScroller(tree, input).Scroll(c.left, c.steps);
    EXPECT_EQ(input.actions, c.expected) << c.what;
    EXPECT_EQ(tree.pointer, (ScreenPoint{400, 300})) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Kinds, TiltScrollerTest, ::testing::ValuesIn(kScrollCases));

TEST(TiltStepsTest, BoundedToZeroAndTheMaximum) {
    EXPECT_EQ(BoundedTiltSteps(-1), 0);
    EXPECT_EQ(BoundedTiltSteps(0), 0);
    EXPECT_EQ(BoundedTiltSteps(7), 7);
    EXPECT_EQ(BoundedTiltSteps(kMaxTiltSteps + 1), kMaxTiltSteps);
}

}  // namespace
}  // namespace tesh::monitor::test
