// The Color page: the lighting controls of the Advanced page in a larger layout. This
// skin gives its tab no size, so only another skin shows it; it edits the same fields
// and is refreshed with the other pages.
#pragma once

#include <windows.h>

#include <string>

#include "option/app_model.h"
#include "option/win/help_texts.h"
#include "option/win/lighting_controls.h"
#include "skin/win/child_page.h"

namespace tesh::option {

class ColourPage : public skin::ChildPage {
  public:
    explicit ColourPage(AppModel& model) : model_(model) {}
    bool Create(HWND mainWindow, int id, const RECT& rect, const std::string& programDirectory);
    void Refresh() { lighting_.Refresh(model_.edited()); }
    void SetTexts(const HelpTexts& texts) { lighting_.SetTexts(texts); }

    static const LightingLayout kLighting;

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    AppModel& model_;
    LightingControls lighting_;
};

}  // namespace tesh::option
