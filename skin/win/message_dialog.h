// The skinned confirmation and message dialogs: 240 x 140, modal over their owner and
// centred over it (over the screen without one), the title (such as L"NOTE" or
// L"ATTENTION") in the title bar and the text in white, "Arial" 14 pixels, centred and
// word-wrapped in the rectangle (20,50)-(220,94); a text longer than the rectangle ends
// with an ellipsis. Texts are wide, so that every language shows in its own script.
#pragma once

#include <windows.h>

#include <string>

namespace tesh::skin {

// OK, CANCEL and the close button: true only for OK (or Enter); CANCEL, the close
// button and Escape give false.
bool Confirm(HWND owner, const std::wstring& title, const std::wstring& text);

// One OK and the close button; Enter and Escape close it too.
void ShowMessage(HWND owner, const std::wstring& title, const std::wstring& text);

// The dialogs' window class and parts, for the programs' tests to find and click them.
inline constexpr char kMessageDialogClass[] = "TeshSkinMessageDialog";
inline constexpr char kMessageConfirmOkLayout[] = "BUTTON_OK,44,106,72,26,";
inline constexpr char kMessageConfirmCancelLayout[] = "BUTTON_CANCEL,124,106,72,26,";
inline constexpr char kMessageNoteOkLayout[] = "BUTTON_OK,84,106,72,26,";
inline constexpr char kMessageCloseLayout[] = "BUTTON_EXIT,214,4,22,22,";
inline constexpr RECT kMessageTextRect = {20, 50, 220, 94};
inline constexpr RECT kMessageTitleRect = {34, 0, 208, 30};
inline constexpr char kMessageTextFace[] = "Arial";
inline constexpr int kMessageTextHeight = 14;
inline constexpr UINT kMessageTextFormat = DT_CENTER | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX;

}  // namespace tesh::skin
