// The upgrader's four notices: confirmation, driver update, failure and success. Each
// is a 305 x 215 skinned window whose texts are part of its picture, with an OK button
// (OK and CANCEL on the confirmation) and a close button that acts as Cancel.
#pragma once

#include <windows.h>

namespace tesh::upgrade {

enum class NoticeKind { kConfirm, kDriverUpdate, kFailure, kSuccess };
enum class NoticeAnswer { kOk, kCancel };

// Shows the notice modally over `owner` (null for a notice of its own) and returns how
// the user closed it.
NoticeAnswer ShowNotice(NoticeKind kind, HWND owner);

}  // namespace tesh::upgrade
