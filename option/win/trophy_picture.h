// A trophy's animation that puts its text into the main window's hint line while the
// pointer is over it and clears the line when the pointer leaves.
#pragma once

#include <string>

#include "skin/win/animated_picture.h"

namespace tesh::option {

class TrophyPicture : public skin::AnimatedPicture {
  public:
    void SetHoverText(const std::string& text) { text_ = text; }

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    std::string text_;
    bool inside_ = false;
};

}  // namespace tesh::option
