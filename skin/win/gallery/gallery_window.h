// The skin gallery: one window with every skinned control in each of its states. It
// keeps every notification its controls send it, for people to see in its message
// box and for tests to check.
#pragma once

#include <windows.h>

#include <mutex>
#include <string>
#include <vector>

#include "skin/win/animated_picture.h"
#include "skin/win/bitmap_edit.h"
#include "skin/win/check_box.h"
#include "skin/win/click_slider.h"
#include "skin/win/radio_group.h"
#include "skin/win/skin_bitmap.h"
#include "skin/win/skin_button.h"
#include "skin/win/skin_list_box.h"
#include "skin/win/skin_menu.h"
#include "skin/win/spin_edit.h"

namespace tesh::skin::gallery {

struct Notice {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class GalleryWindow {
  public:
    GalleryWindow() = default;
    GalleryWindow(const GalleryWindow&) = delete;
    GalleryWindow& operator=(const GalleryWindow&) = delete;
    ~GalleryWindow();

    // Creates and shows the window at (x, y) on the screen.
    bool Create(int x, int y);
    HWND hwnd() const { return hwnd_; }

    std::vector<Notice> Notices() const;
    void ClearNotices();

    SkinButton& button(int id);
    BitmapEdit& textEdit() { return textEdit_; }
    BitmapEdit& numberEdit() { return numberEdit_; }
    SpinEdit& spin() { return spin_; }
    DpiSpinEdit& dpiSpin() { return dpiSpin_; }
    CclickHSlider& slider() { return slider_; }
    CclickHSlider& snapSlider() { return snapSlider_; }
    AnimatedPicture& breathing() { return breathing_; }
    AnimatedPicture& progress() { return progress_; }
    AnimatedPicture& still() { return still_; }
    SkinListBox& list() { return list_; }
    SkinCheckBox& checkBox() { return check_; }
    // The radio buttons 0..2, standing for the values 1..3.
    SkinButton& radio(int index) { return radios_[index]; }
    RadioGroup& radioGroup() { return radioGroup_; }
    SkinMenu& skinMenu() { return skinMenu_; }
    SkinMenu& moreMenu() { return moreMenu_; }
    // The texts the confirmation and message dialogs show next.
    void SetDialogTexts(const std::wstring& confirm, const std::wstring& note);

  private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls();
    void Record(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint(HDC dc);
    void ShowMenu();
    void BuildSkinMenu();
    void ShowSkinMenu();
    void OnCommand(WPARAM wParam, LPARAM lParam);
    std::string ProgramDirectory() const;

    HWND hwnd_ = nullptr;
    OwnedBitmap pictures_[4];
    SkinButton buttons_[11];
    SkinCheckBox check_;
    SkinButton radios_[3];
    RadioGroup radioGroup_;
    SkinMenu moreMenu_;  // a submenu of skinMenu_, so it goes after it
    SkinMenu skinMenu_;
    std::wstring confirmText_;
    std::wstring noteText_;
    BitmapEdit textEdit_;
    BitmapEdit numberEdit_;
    SpinEdit spin_;
    DpiSpinEdit dpiSpin_;
    CclickHSlider slider_;
    CclickHSlider snapSlider_;
    AnimatedPicture breathing_;
    AnimatedPicture progress_;
    AnimatedPicture still_;
    SkinListBox list_;
    mutable std::mutex lock_;
    std::vector<Notice> notices_;
    std::vector<std::string> log_;
};

}  // namespace tesh::skin::gallery
