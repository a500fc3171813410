// Where the main window's controls are: their layout strings (name, x, y, width,
// height, English tooltip), the language library's string ids for the tooltips, and
// the control ids.
#pragma once

#include <windows.h>

#include "settings/settings_set.h"

namespace tesh::option::layout {

constexpr int kPageCount = 6;
enum Page { kMainPage, kButtonPage, kAdvancedPage, kColourPage, kTrophyPage, kUpdatePage };

constexpr const char* kTabs[kPageCount] = {
    "Main,7,79,158,37,Main settings for the selected device",
    "Button Assign,165,79,157,37,Assign a function to each mouse button",
    "Advanced,322,79,157,37,Advanced settings for the selected device",
    "Color,479,79,0,0,Color Setting",
    "Trophy,479,79,157,37,Color Setting",
    "Update,636,79,157,37,Check for the lastest driver update",
};
constexpr const char* kCreate =
    "Create,290,450,110,25,Create a new profile for the selected profile slot";
constexpr const char* kLoad =
    "Load,430,450,110,25,Load a new profile for the selected profile slot";
constexpr const char* kSave =
    "Save,560,450,110,25,Save the current setting of the selected profile slot";
constexpr const char* kEdit =
    "Edit,685,450,110,25,Edit the profile settings of the selected profile slot";
constexpr const char* kSlots[kProfileCount] = {
    "Profile 1,8, 485,155,25,Click here to activate profile slot #1",
    "Profile 2,165, 485,155,25,Click here to activate profile slot #2",
    "Profile 3,322, 485,155,25,Click here to activate profile slot #3",
    "Profile 4,480, 485,155,25,Click here to activate profile slot #4",
    "Profile 5,637, 485,155,25,Click here to activate profile slot #5",
};
constexpr const char* kMarkers[kProfileCount] = {
    "windows profile,139, 514,22,22,", "windows profile,296, 514,22,22,",
    "windows profile,453, 514,22,22,", "windows profile,611, 514,22,22,",
    "windows profile,769, 514,22,22,",
};
constexpr const char* kSwatches[kProfileCount] = {
    "Profile 1 Color,8,514,23,23,",   "Profile 2 Color,167,514,23,23,",
    "Profile 3 Color,324,514,23,23,", "Profile 4 Color,481,514,23,23,",
    "Profile 5 Color,639,514,23,23,",
};
constexpr const char* kNames[kProfileCount] = {
    "Profile 1 name,31,  514,101,21,Profile assigned to profile slot #1",
    "Profile 2 name,190,  514,101,21,Profile assigned to profile slot #2",
    "Profile 3 name,347,  514,101,21,Profile assigned to profile slot #3",
    "Profile 4 name,504,  514,101,21,Profile assigned to profile slot #4",
    "Profile 5 name,662,  514,101,21,Profile assigned to profile slot #5",
};
constexpr const char* kLanguage = "button language,12, 570,32,17,Select language";
constexpr const char* kMin = "Min,749, 4,22,22,Minimize the application";
constexpr const char* kExit =
    "Exit,771, 4,22,22,Close the application without saving the changes to the device";
constexpr const char* kOk =
    "OK,582,563,58,30,Save the setting on the device and close the application";
constexpr const char* kApply = "Apply,640,563,72,30,Apply the setting to the device";
constexpr const char* kCancel =
    "Cancel,712,563,80,30,Close the application without saving the changes to the device";
constexpr const char* kPagePosition = "Page position,12,124,774,312,";
constexpr RECT kMouseTypeRect = {7, 34, 178, 79};
constexpr RECT kHintRect = {53, 567, 572, 590};

// Control ids.
constexpr int kFirstTabId = 100;
constexpr int kCreateId = 110, kLoadId = 111, kSaveId = 112, kEditId = 113;
constexpr int kFirstSlotId = 120;
constexpr int kFirstMarkerId = 130;
constexpr int kFirstSwatchId = 140;
constexpr int kFirstNameId = 150;
constexpr int kLanguageId = 160, kMinId = 161, kExitId = 162, kOkId = 163, kApplyId = 164,
              kCancelId = 165;
constexpr int kFirstPageId = 170;

// Tooltip string ids of the language library.
constexpr int kMinText = 1001, kExitText = 1002, kFirstTabText = 1003, kFirstCommandText = 1009,
              kFirstSlotText = 1013, kFirstNameText = 1018, kMarkerText = 1023, kSwatchText = 1024,
              kOkText = 1025, kApplyText = 1026, kCancelText = 1027;

}  // namespace tesh::option::layout
