// The skinned push button: four state images cut from the window's pictures, an
// optional caption with a "TM" mark, hover with mouse capture (1124 to the parent,
// the hint text and 1125), a toggle mode, a hand cursor for links and a tooltip.
#pragma once

#include <windows.h>

#include <string>

#include "skin/layout_record.h"
#include "skin/win/control_window.h"
#include "skin/win/skin_bitmap.h"

namespace tesh::skin {

class SkinButton : public ControlWindow {
  public:
    // The button at the rectangle of its layout string; its tooltip becomes the
    // button's tooltip.
    bool Create(HWND parent, int id, const LayoutRecord& layout);
    bool Create(HWND parent, int id, const RECT& rect);

    // Cuts the four state images at the rectangle from the four pictures.
    void SetSkin(const RECT& rect, const SkinSources& sources);
    void SetToggleMode(bool toggle) { toggle_ = toggle; }
    void SetSelected(bool selected);
    bool selected() const { return selected_; }
    bool hovered() const { return hover_; }
    void SetCaption(const std::string& caption, bool trademark = false);
    void SetHoverId(int hoverId) { hoverId_ = hoverId; }
    void SetLink(bool link) { link_ = link; }
    // UTF-8 text, shown with the wide-character functions.
    void SetTooltip(const std::string& text);
    void Enable(bool enable) { EnableWindow(hwnd(), enable); }

    // The image the button shows now.
    enum class Look { kNormal, kHover, kPressed, kDisabled };
    Look CurrentLook() const;

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Drawn over the state image and the caption (off screen, then copied).
    virtual void PaintOver(HDC, const RECT& /*client*/) {}

  private:
    void Paint();
    void DrawCaption(HDC dc, const RECT& client);
    void BeginHover();
    void RegisterTooltip();
    void EndHover();
    void Notify(bool hoverBegins);
    void OnButtonDown();
    void OnButtonUp();
    bool PointerOver() const;

    OwnedBitmap images_[4];
    bool toggle_ = false;
    bool selected_ = false;
    bool hover_ = false;
    bool held_ = false;
    bool link_ = false;
    bool trademark_ = false;
    int hoverId_ = 0;
    std::string caption_;
    std::string tooltip_;  // UTF-8
    std::wstring tooltipWide_;
    HWND tooltipWindow_ = nullptr;
};

}  // namespace tesh::skin
