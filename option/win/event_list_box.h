// The list editor's list of events: a skinned list whose rows carry the event-line
// tags and show the icon of their kind (a key pressed or released, a mouse button, a
// delay) before the text.
#pragma once

#include <windows.h>

#include "skin/win/skin_list_box.h"

namespace tesh::option {

class EventListBox : public skin::SkinListBox {
  protected:
    int DrawRowIcon(HDC dc, const RECT& row, int index, bool selected) override;
};

}  // namespace tesh::option
