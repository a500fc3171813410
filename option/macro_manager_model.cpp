#include "option/macro_manager_model.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <utility>

#include "option/macro_events.h"
#include "option/macro_manager_texts.h"
#include "option/macro_set_edits.h"
#include "settings/library_names.h"

namespace tesh::option {

namespace mm = macro_manager;

namespace {

std::string FieldText(const char* field, std::size_t size) {
    return std::string(field, strnlen(field, size));
}

bool BeginsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (prefix.size() > text.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) !=
            std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    return true;
}

template <typename List>
bool InRange(const List& list, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < list.size();
}

// The selection after the entry at `index` was removed from a list now `size` long.
int SelectionAfterRemoval(int index, std::size_t size) {
    if (size == 0) return -1;
    return std::min(index, static_cast<int>(size) - 1);
}

}  // namespace

std::optional<ButtonMacro> ButtonMacroOf(const ButtonRecord& button) {
    if (button.code != code::kMacro) return std::nullopt;
    ButtonMacro macro{FieldText(button.macroSetName, sizeof button.macroSetName),
                      FieldText(button.macroName, sizeof button.macroName)};
    if (TrimName(macro.setName).empty()) return std::nullopt;
    return macro;
}

const char* NoticeTitle(ManagerNotice notice) {
    switch (notice) {
        case ManagerNotice::kSelectSet:
        case ManagerNotice::kNameBeforeRecording:
            return mm::kNoteTitle;
        case ManagerNotice::kSelectMacroToDelete:
            return mm::kAttentionTitle;
        default:
            return "";
    }
}

const char* NoticeText(ManagerNotice notice) {
    switch (notice) {
        case ManagerNotice::kSelectSet:
            return mm::kSelectSetText;
        case ManagerNotice::kSelectMacroToDelete:
            return mm::kSelectMacroToDeleteText;
        case ManagerNotice::kNameBeforeRecording:
            return mm::kNameBeforeRecordingText;
        default:
            return "";
    }
}

SetMenuChoice SetMenuChoiceOf(int command) {
    if (command == mm::kAddSetCommand) return {SetMenuAction::kAddSet, -1};
    if (command == mm::kDeleteSetCommand) return {SetMenuAction::kDeleteSet, -1};
    if (command >= mm::kFirstSetCommand && command < mm::kFirstSetCommand + kMaxMacroSets)
        return {SetMenuAction::kSelectSet, command - mm::kFirstSetCommand};
    return {};
}

MacroManagerModel::MacroManagerModel(const MacroLibrary& library, ManagerMode mode, int setIndex,
                                     std::optional<ButtonMacro> button)
    : copy_(library), button_(std::move(button)) {
    if (mode == ManagerMode::kCreateNew || copy_.sets.empty()) return;
    int set = setIndex;
    if (button_) {
        const int holding = FindSet(copy_, button_->setName);
        if (holding >= 0) set = holding;
    }
    SelectSet(set);
}

const MacroSet* MacroManagerModel::currentSet() const {
    return InRange(copy_.sets, selectedSet_) ? &copy_.sets[static_cast<std::size_t>(selectedSet_)]
                                             : nullptr;
}

const MacroRecord* MacroManagerModel::currentMacro() const {
    const MacroSet* set = currentSet();
    if (set == nullptr || !InRange(set->macros, selectedMacro_)) return nullptr;
    return &set->macros[static_cast<std::size_t>(selectedMacro_)];
}

MacroRecord* MacroManagerModel::SelectedRecord() {
    return const_cast<MacroRecord*>(std::as_const(*this).currentMacro());
}

void MacroManagerModel::MarkModified() {
    if (InRange(copy_.sets, selectedSet_))
        copy_.sets[static_cast<std::size_t>(selectedSet_)].state = SetState::kModified;
}

std::string MacroManagerModel::SetButtonText() const {
    const MacroSet* set = currentSet();
    return set != nullptr ? set->name : std::string();
}

std::vector<std::string> MacroManagerModel::MacroNames() const {
    std::vector<std::string> names;
    if (const MacroSet* set = currentSet())
        for (const MacroRecord& macro : set->macros)
            names.push_back(FieldText(macro.name, sizeof macro.name));
    return names;
}

std::vector<MenuItem> MacroManagerModel::SetMenu() const {
    std::vector<MenuItem> items;
    const std::size_t count = std::min(copy_.sets.size(), static_cast<std::size_t>(kMaxMacroSets));
    for (std::size_t i = 0; i < count; ++i) {
        const std::string& name = copy_.sets[i].name;
        MenuItem item;
        item.text = name;
        item.command = mm::kFirstSetCommand + static_cast<int>(i);
        item.selected = button_ && SameName(name, button_->setName);
        items.push_back(std::move(item));
        const bool last = i + 1 == count;
        if (!last && (SameName(name, mm::kSeparatedSet1) || SameName(name, mm::kSeparatedSet2)))
            items.push_back(MenuItem{MenuItem::Kind::kSeparator, "", 0, false, 0, {}});
    }
    items.push_back(MenuItem{MenuItem::Kind::kSeparator, "", 0, false, 0, {}});
    items.push_back(
        MenuItem{MenuItem::Kind::kCommand, mm::kAddSetItem, mm::kAddSetCommand, false, 0, {}});
    items.push_back(MenuItem{
        MenuItem::Kind::kCommand, mm::kDeleteSetItem, mm::kDeleteSetCommand, false, 0, {}});
    return items;
}

void MacroManagerModel::SelectSet(int index) {
    selectedSet_ = InRange(copy_.sets, index) ? index : -1;
    selectedMacro_ = -1;
    const MacroSet* set = currentSet();
    if (set == nullptr || set->macros.empty()) return;
    selectedMacro_ = 0;
    if (!button_ || !SameName(set->name, button_->setName)) return;
    const std::string_view prefix = TrimName(button_->macroName);
    for (std::size_t j = 0; j < set->macros.size(); ++j) {
        const std::string name = FieldText(set->macros[j].name, sizeof set->macros[j].name);
        if (BeginsWithIgnoringCase(TrimName(name), prefix)) {
            selectedMacro_ = static_cast<int>(j);
            return;
        }
    }
}

bool MacroManagerModel::AddSet(std::string_view name) {
    if (!AddMacroSet(copy_, name)) return false;
    SelectSet(static_cast<int>(copy_.sets.size()) - 1);
    return true;
}

bool MacroManagerModel::DeleteSet() {
    if (!InRange(copy_.sets, selectedSet_)) return false;
    copy_.sets.erase(copy_.sets.begin() + selectedSet_);
    SelectSet(SelectionAfterRemoval(selectedSet_, copy_.sets.size()));
    return true;
}

void MacroManagerModel::SelectMacro(int index) {
    const MacroSet* set = currentSet();
    selectedMacro_ = set != nullptr && InRange(set->macros, index) ? index : -1;
}

ManagerNotice MacroManagerModel::CanAddMacro() const {
    const MacroSet* set = currentSet();
    if (set == nullptr) return ManagerNotice::kSelectSet;
    if (set->macros.size() >= static_cast<std::size_t>(kMaxMacrosPerSet))
        return ManagerNotice::kSilent;
    return ManagerNotice::kNone;
}

bool MacroManagerModel::CommitNewMacro(std::string_view text) {
    if (!InRange(copy_.sets, selectedSet_)) return false;
    MacroSet& set = copy_.sets[static_cast<std::size_t>(selectedSet_)];
    if (!AddMacro(set, text)) return false;
    selectedMacro_ = static_cast<int>(set.macros.size()) - 1;
    return true;
}

bool MacroManagerModel::CommitRename(int index, std::string_view text) {
    if (!InRange(copy_.sets, selectedSet_)) return false;
    MacroSet& set = copy_.sets[static_cast<std::size_t>(selectedSet_)];
    if (!InRange(set.macros, index)) return false;
    const std::string_view typed = TypedName(text);
    const int owner = FindMacro(set, typed);
    if (typed.empty() || (owner >= 0 && owner != index)) return false;
    MacroRecord& macro = set.macros[static_cast<std::size_t>(index)];
    if (FieldText(macro.name, sizeof macro.name) == typed) return true;
    std::memset(macro.name, 0, sizeof macro.name);
    std::memcpy(macro.name, typed.data(), typed.size());
    set.state = SetState::kModified;
    return true;
}

ManagerNotice MacroManagerModel::CanDeleteMacro() const {
    return currentMacro() == nullptr ? ManagerNotice::kSelectMacroToDelete : ManagerNotice::kNone;
}

bool MacroManagerModel::DeleteMacro() {
    if (currentMacro() == nullptr) return false;
    MacroSet& set = copy_.sets[static_cast<std::size_t>(selectedSet_)];
    set.macros.erase(set.macros.begin() + selectedMacro_);
    set.state = SetState::kModified;
    selectedMacro_ = SelectionAfterRemoval(selectedMacro_, set.macros.size());
    return true;
}

ManagerNotice MacroManagerModel::CanRecord() const {
    if (currentSet() == nullptr) return ManagerNotice::kSelectSet;
    if (currentMacro() == nullptr) return ManagerNotice::kNameBeforeRecording;
    return ManagerNotice::kNone;
}

bool MacroManagerModel::StoreEvents(const std::vector<MacroEvent>& events) {
    MacroRecord* macro = SelectedRecord();
    if (macro == nullptr) return false;
    const MacroRecord before = *macro;
    option::StoreEvents(*macro, events);
    if (std::memcmp(&before, macro, sizeof before) != 0) MarkModified();
    return true;
}

bool MacroManagerModel::StoreRepeatCount(int32_t repeatCount) {
    MacroRecord* macro = SelectedRecord();
    if (macro == nullptr) return false;
    const int32_t count = std::clamp<int32_t>(repeatCount, 1, kMaxRepeatCount);
    if (macro->repeatCount != count) {
        macro->repeatCount = count;
        MarkModified();
    }
    return true;
}

}  // namespace tesh::option
