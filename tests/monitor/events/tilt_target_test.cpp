// The tilt scrolling's target search on made-up window trees: which window is
// scrolled, of which kind, and where nothing may be scrolled at all.
#include "monitor/events/tilt_target.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

#include "tests/monitor/events/window_tree_fake.h"

namespace tesh::monitor::test {
namespace {

constexpr ScreenRect kFrame{0, 0, 800, 600};
constexpr ScreenRect kDocument{0, 0, 780, 580};
constexpr ScreenRect kBottomBar{0, 580, 780, 600};  // horizontal, right of the pointer
constexpr ScreenRect kSideBar{780, 0, 800, 580};    // vertical
constexpr ScreenRect kShortBar{0, 580, 300, 600};   // ends left of the pointer
constexpr ScreenPoint kOverDocument{400, 300};
constexpr uint32_t kHScroll = kHorizontalScrollStyle;

struct SearchCase {
    const char* what;
    std::function<void(FakeWindowTree&)> build;  // the pointer over "doc" unless moved
    const char* target;                          // "" none
    int kind = 0;
    bool rejected = false;
    bool arrowKeys = false;
};

// A frame with a document window "doc" of `docClass` under the pointer.
WindowHandle Document(FakeWindowTree& t, const std::string& docClass, uint32_t style = 0) {
    const WindowHandle frame = t.Add("frame", "Frame", kFrame);
    return t.Add("doc", docClass, kDocument, frame, style);
}

void PrintTo(const SearchCase& c, std::ostream* out) { *out << c.what; }

const SearchCase kSearchCases[] = {
    {"a window with its own horizontal scroll bar is its own target",
     [](FakeWindowTree& t) { Document(t, "_WwG", kHScroll); }, "doc", 1},
    {"a scroll bar below the document is found among the following siblings",
     [](FakeWindowTree& t) {
         Document(t, "EditControl");
         t.Add("side", kScrollBarClass, kSideBar, t.Named("frame"));
         t.Add("bar", kScrollBarClass, kBottomBar, t.Named("frame"));
     },
     "bar", 4},
    {"and among the preceding siblings",
     [](FakeWindowTree& t) {
         const WindowHandle frame = t.Add("frame", "Frame", kFrame);
         t.Add("bar", kScrollBarClass, kBottomBar, frame);
         t.Add("doc", "EXCEL7", kDocument, frame);
     },
     "bar", 2},
    {"an Office scroll bar counts when it follows",
     [](FakeWindowTree& t) {
         Document(t, "OGrid");
         t.Add("bar", kOfficeScrollBarClass, kBottomBar, t.Named("frame"));
     },
     "bar", 6},
    {"but not when it precedes",
     [](FakeWindowTree& t) {
         const WindowHandle frame = t.Add("frame", "Frame", kFrame);
         t.Add("bar", kOfficeScrollBarClass, kBottomBar, frame);
         t.Add("doc", "OGrid", kDocument, frame);
     },
     "", 6},
    {"a vertical scroll bar is no target",
     [](FakeWindowTree& t) {
         Document(t, "EditControl");
         t.Add("side", kScrollBarClass, kSideBar, t.Named("frame"));
     },
     "", 4},
    {"nor a scroll bar that ends left of the pointer",
     [](FakeWindowTree& t) {
         Document(t, "EditControl");
         t.Add("bar", kScrollBarClass, kShortBar, t.Named("frame"));
     },
     "", 4},
    {"a viewer's scroll bar frame gives its horizontal scroll bar",
     [](FakeWindowTree& t) {
         Document(t, "AVL_AVView");
         const WindowHandle box = t.Add("box", kAcrobatScrollBarClass, kShortBar, t.Named("frame"));
         t.Add("inner", kScrollBarClass, kShortBar, box);
     },
     "inner", 1},
    {"but not a vertical one or a size box",
     [](FakeWindowTree& t) {
         Document(t, "AVL_AVView");
         const WindowHandle frame = t.Named("frame");
         const WindowHandle a = t.Add("a", kAcrobatScrollBarClass, kBottomBar, frame);
         t.Add("vertical", kScrollBarClass, kBottomBar, a, kVerticalScrollBarStyle);
         const WindowHandle b = t.Add("b", kAcrobatScrollBarClass, kBottomBar, frame);
         t.Add("sizebox", kScrollBarClass, kBottomBar, b, kSizeBoxStyle);
     },
     "", 1},
    {"a preceding MFC frame is searched for a scroll bar among its children",
     [](FakeWindowTree& t) {
         const WindowHandle frame = t.Add("frame", "Frame", kFrame);
         const WindowHandle afx = t.Add("afx", "AfxWnd70", kBottomBar, frame);
         t.Add("label", "Static", kShortBar, afx);
         t.Add("bar", kScrollBarClass, kBottomBar, afx);
         t.Add("doc", "PSViewC", kDocument, frame);
     },
     "bar", 4},
    {"a following one is not",
     [](FakeWindowTree& t) {
         Document(t, "PSViewC");
         const WindowHandle afx = t.Add("afx", "AfxWnd42", kBottomBar, t.Named("frame"));
         t.Add("bar", kScrollBarClass, kBottomBar, afx);
     },
     "", 4},
    {"the first child of the window under the pointer when it scrolls",
     [](FakeWindowTree& t) {
         const WindowHandle doc = Document(t, "FrontPageEditorDocumentView");
         t.Add("view", "View", {0, 0, 100, 100}, doc, kHScroll);
         t.pointer = {400, 300};  // over the document, beside its child
     },
     "view", 5},
    {"a Mozilla window scrolls its parent by arrow keys",
     [](FakeWindowTree& t) {
         const WindowHandle top = t.Add("top", kMozillaClass, kFrame);
         t.Add("doc", kMozillaClass, kDocument, top);
     },
     "top", 0, false, true},
    {"an embedded browser is its own target", [](FakeWindowTree& t) { Document(t, kBrowserClass); },
     "doc", 0},
    {"a document pane takes a scroll bar of its parent's about as wide",
     [](FakeWindowTree& t) {
         Document(t, "paneClassDC");
         const WindowHandle box = t.Add("box", "Box", kBottomBar, t.Named("frame"));
         t.Add("bar", kScrollBarClass, {-25, 580, 805, 600}, box);
     },
     "bar", 3},
    {"but not one reaching further",
     [](FakeWindowTree& t) {
         Document(t, "DirectUIHWND");
         const WindowHandle box = t.Add("box", "Box", kBottomBar, t.Named("frame"));
         t.Add("bar", kScrollBarClass, {-26, 580, 780, 600}, box);
     },
     "", 7},
    {"and no other kind of window looks there",
     [](FakeWindowTree& t) {
         Document(t, "EditControl");
         const WindowHandle box = t.Add("box", "Box", kBottomBar, t.Named("frame"));
         t.Add("bar", kScrollBarClass, kBottomBar, box);
     },
     "", 4},
    {"a vertical scroll bar under the pointer searches no further",
     [](FakeWindowTree& t) {
         const WindowHandle frame = t.Add("frame", "Frame", kFrame);
         t.Add("doc", kScrollBarClass, kSideBar, frame);
         t.Add("bar", kScrollBarClass, kBottomBar, frame);
         t.pointer = {790, 300};
     },
     "", 0},
    {"the desktop's icons are never scrolled",
     [](FakeWindowTree& t) {
         const WindowHandle desktop = t.Add("progman", kDesktopClass, kFrame);
         const WindowHandle view = t.Add("view", "SHELLDLL_DefView", kFrame, desktop);
         t.Add("doc", kDesktopIconsClass, kFrame, view, kHScroll);
     },
     "", 0, true},
    {"a list view elsewhere is",
     [](FakeWindowTree& t) { Document(t, kDesktopIconsClass, kHScroll); }, "doc", 0},
    {"nor is the desktop window itself",
     [](FakeWindowTree& t) {
         Document(t, "_WwG", kHScroll);
         t.pointer = {900, 900};
     },
     "", 0, true},
};

class TiltTargetTest : public ::testing::TestWithParam<SearchCase> {};

TEST_P(TiltTargetTest, FindsTheTargetOfItsKind) {
    const SearchCase& c = GetParam();
    FakeWindowTree tree;
    tree.pointer = kOverDocument;
    c.build(tree);
    const TiltTarget found = FindTiltTarget(tree);
    EXPECT_EQ(found.rejected, c.rejected) << c.what;
    EXPECT_EQ(found.target ? tree.NameOf(found.target) : "", c.target) << c.what;
    EXPECT_EQ(found.kind, c.kind) << c.what;
    EXPECT_EQ(found.arrowKeys, c.arrowKeys) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Trees, TiltTargetTest, ::testing::ValuesIn(kSearchCases));

TEST(TiltKindTest, KindsByClassName) {
    const std::pair<const char*, int> kinds[] = {
        {"_WwG", 1},        {"paneClassDC", 3},  {"VISIOG", 4},
        {"PSViewC", 4},     {"EditControl", 4},  {"FrontPageEditorDocumentView", 5},
        {"EXCEL7", 2},      {"AVL_AVView", 1},   {"OGrid", 6},
        {"OFormSub", 6},    {"OPrtPrevPage", 6}, {"DirectUIHWND", 7},
        {kMozillaClass, 0}, {"excel7", 0},       {"", 0},
    };
    for (const auto& [name, kind] : kinds) EXPECT_EQ(ScrollKindOf(name), kind) << name;
    EXPECT_TRUE(TakesArrowKeys(kMozillaClass));
    EXPECT_FALSE(TakesArrowKeys("_WwG"));
}

}  // namespace
}  // namespace tesh::monitor::test
