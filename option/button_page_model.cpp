#include "option/button_page_model.h"

#include "option/button_labels.h"

namespace tesh::option {
namespace {

constexpr const char* kLabelLayouts[kButtonSlots] = {
    "B1,33,47,158,20,",    "B2,33,72,158,20,",    "B3,33,97,158,20,",    "B4,33,122,158,20,",
    "B5,33,147,158,20,",   "B6,0,0,0,0,",         "B7,0,0,0,0,",         "B8,33,172,158,20,",
    "B9,33,197,158,20,",   "B10,33,222,158,20,",  "B11,33,247,158,20,",  "B12,0,0,0,0,",
    "B13,424,47,158,20,",  "B14,424,72,158,20,",  "B15,424,97,158,20,",  "B16,424,122,158,20,",
    "B17,424,147,158,20,", "B18,0,0,0,0,",        "B19,0,0,0,0,",        "B20,424,172,158,20,",
    "B21,424,197,158,20,", "B22,424,222,158,20,", "B23,424,247,158,20,", "B24,0,0,0,0,",
};

constexpr int kPictureWidth = 188, kPictureHeight = 242, kPictureTop = 32;
constexpr int kFirstPictureX = 191, kOtherPictureX = 582;

}  // namespace

const char* ButtonLabelLayout(int slot) {
    if (slot < 0 || slot >= kButtonSlots) return "";
    return kLabelLayouts[slot];
}

PageRect HighlightPictureRect(int picture) {
    if (picture < 0 || picture >= kHighlightPictures) return {0, 0, 0, 0};
    const int x = picture < kShiftLayerOffset ? kFirstPictureX : kOtherPictureX;
    return {x, kPictureTop, x + kPictureWidth, kPictureTop + kPictureHeight};
}

int SlotOfLabel(int commandId) {
    const int slot = commandId - kFirstLabelId;
    return slot >= 0 && slot < kButtonSlots ? slot : -1;
}

std::optional<MenuSession> OpenButtonMenu(const SettingsSet& working, ButtonTarget target,
                                          bool windowsXp, const CatalogueLists& lists) {
    if (target.profile < 0 || target.profile >= kProfileCount) return std::nullopt;
    if (target.slot < 0 || target.slot >= kButtonSlots) return std::nullopt;
    const ProfileRecord& profile = working.Profiles[target.profile];
    MenuSession session{target, profile.Buttons[target.slot], {}};
    CatalogueRequest request;
    request.slot = target.slot;
    request.button = &session.button;
    request.profile = &profile;
    request.windowsXp = windowsXp;
    request.lists = &lists;
    auto items = BuildButtonMenu(request);
    if (!items) return std::nullopt;
    session.items = std::move(*items);
    return session;
}

bool MenuToggle::ShouldOpen(uintptr_t label) {
    if (label != 0 && underCursor_ == label && lastShown_ == label) {
        underCursor_ = 0;
        lastShown_ = 0;
        return false;
    }
    return true;
}

}  // namespace tesh::option
