// The skin gallery's controls: their layout strings on the gallery picture and ids.
#pragma once

#include <windows.h>

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
    kConfirm,
    kNote,
    kCheck,
    kRadioOne,
    kRadioTwo,
    kRadioThree,
    kSkinMenu,
};

// Items of the flat popup menu.
enum MenuItem : int { kMenuFirst = 300, kMenuSecond, kMenuThird };

// Items of the skinned menu and its submenu.
enum SkinMenuItem : int {
    kSkinLoad = 310,
    kSkinSave,
    kSkinJapanese,
    kSkinGerman,
    kSkinFrench,
    kSkinDisabled,
    kSkinMoreFirst = 320,
    kSkinMoreSecond,
};

// What the gallery records of its dialogs and its skinned menu: wParam the answer (1
// OK, 0 otherwise) or the chosen command (0 for none).
constexpr UINT kMsgConfirmAnswer = WM_APP + 40;
constexpr UINT kMsgNoteClosed = WM_APP + 41;
constexpr UINT kMsgSkinMenuChosen = WM_APP + 42;

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
constexpr char kSkinMenuLayout[] = "BUTTON_SKIN_MENU,360,318,110,28,Opens a skinned menu";
constexpr char kConfirmLayout[] = "BUTTON_CONFIRM,20,372,110,24,Opens a confirmation dialog";
constexpr char kNoteLayout[] = "BUTTON_NOTE,20,400,110,24,Opens a message dialog";
constexpr char kCheckLayout[] = "CHECK_BOX,150,374,110,16,A check box";
constexpr char kRadioOneLayout[] = "RADIO_ONE,150,402,60,16,First of three";
constexpr char kRadioTwoLayout[] = "RADIO_TWO,220,402,60,16,Second of three";
constexpr char kRadioThreeLayout[] = "RADIO_THREE,290,402,70,16,Third of three";
// Three 32 x 17 flags side by side on the gallery picture: Japan, Germany, France.
constexpr int kFlagStrip[4] = {380, 352, 476, 369};
constexpr int kFlagWidth = 32;

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
