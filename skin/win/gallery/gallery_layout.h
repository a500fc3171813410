// The skin gallery's controls: their layout strings on the gallery picture and ids.
#pragma once

namespace tesh::skin::gallery {

enum ControlId : int {
    kExit = 100,
    kPush,
    kDisabled,
    kToggle,
    kSelected,
    kCaption,
    kLink,
    kTextEdit,
    kNumberEdit,
    kSpin,
    kDpiSpin,
    kSlider,
    kSnapSlider,
    kBreathing,
    kProgress,
    kStill,
    kMenu,
    kList,
};

// Items of the flat popup menu.
enum MenuItem : int { kMenuFirst = 300, kMenuSecond, kMenuThird };

constexpr char kExitLayout[] = "BUTTON_EXIT,690,4,22,22,Close the gallery";
constexpr char kPushLayout[] = "BUTTON_PUSH,20,60,110,28,A push button";
constexpr char kDisabledLayout[] = "BUTTON_DISABLED,140,60,110,28,A disabled button";
constexpr char kToggleLayout[] = "BUTTON_TOGGLE,260,60,110,28,A toggle button";
constexpr char kSelectedLayout[] = "BUTTON_SELECTED,380,60,110,28,A selected toggle button";
constexpr char kCaptionLayout[] = "BUTTON_CAPTION,500,60,200,28,A button with a caption";
constexpr char kLinkLayout[] = "BUTTON_LINK,20,96,150,18,A link with the hand cursor";
constexpr char kTextEditLayout[] = "EDIT_TEXT,22,153,196,15,A text field";
constexpr char kNumberEditLayout[] = "EDIT_NUMBER,242,153,96,15,A numeric field";
constexpr char kSpinLayout[] = "SPIN_VALUE,360,152,50,17,A spin edit";
constexpr char kDpiSpinLayout[] = "SPIN_DPI,440,152,50,17,The DPI spin edit";
constexpr char kSliderLayout[] = "SLIDER_PLAIN,20,222,290,20,A slider";
constexpr char kSnapSliderLayout[] = "SLIDER_SNAP,360,222,290,20,A snapping slider";
constexpr char kBreathingLayout[] = "PICTURE_BREATHING,20,278,97,70,The breathing animation";
constexpr char kProgressLayout[] = "PICTURE_PROGRESS,140,290,200,12,The progress animation";
constexpr char kStillLayout[] = "PICTURE_STILL,140,316,171,45,A still picture";
constexpr char kMenuLayout[] = "BUTTON_MENU,360,278,110,28,Opens a flat popup menu";
constexpr char kListLayout[] = "LIST_ITEMS,500,278,200,140,A list with a skinned scroll bar";

// Where the gallery writes the slider values, the last messages and the hint.
constexpr int kSliderValueRects[2][4] = {{317, 223, 350, 241}, {657, 223, 700, 241}};
constexpr int kLogRect[4] = {26, 443, 696, 487};
constexpr int kHintRect[4] = {26, 502, 696, 523};

constexpr int kHoverIdPush = 7;
constexpr int kSpinMinimum = 0;
constexpr int kSpinMaximum = 100;
constexpr int kSpinStep = 5;
constexpr int kDpiMinimum = 100;
constexpr int kDpiMaximum = 2800;
constexpr int kDpiStep = 100;

constexpr char kBreathingFile[] = "%sGif\\Breathing_Animation.gif";
constexpr char kProgressFile[] = "%sGif\\ProgressbarAnimation.gif";
constexpr char kStillFile[] = "%sGif\\gallery_still.jpg";

}  // namespace tesh::skin::gallery
