#include "settings/profile_fields.h"

#include "settings/settings_set.h"

namespace tesh {

namespace {

#define TESH_FIELD(name) offsetof(ProfileRecord, name), sizeof(ProfileRecord::name)

std::vector<ProfileField> BuildFields() {
    std::vector<ProfileField> f;
    auto add = [&](const char* key, FieldKind kind, std::size_t offset, std::size_t size,
                   int readDefault = -1) {
        f.push_back({key, key, -1, kind, offset, size, readDefault});
    };
    auto addArray = [&](const char* base, int count, FieldKind kind, std::size_t offset,
                        std::size_t elementSize) {
        for (int i = 0; i < count; ++i)
            f.push_back({std::string(base) + std::to_string(i), base, i, kind,
                         offset + elementSize * static_cast<std::size_t>(i), elementSize, -1});
    };
    add("ProFileName", FieldKind::kString, TESH_FIELD(ProFileName));
    add("GameFile0", FieldKind::kString, TESH_FIELD(GameFile0));
    add("GameFile1", FieldKind::kString, TESH_FIELD(GameFile1));
    add("GameFile2", FieldKind::kString, TESH_FIELD(GameFile2));
    add("DbleClickSpeed", FieldKind::kInt, TESH_FIELD(DbleClickSpeed));
    add("ScrollWheelSpeed", FieldKind::kInt, TESH_FIELD(ScrollWheelSpeed));
    add("ScrollWheelFlag", FieldKind::kInt, TESH_FIELD(ScrollWheelFlag));
    add("MouseSpeed", FieldKind::kInt, TESH_FIELD(MouseSpeed));
    add("Acceleration", FieldKind::kInt, TESH_FIELD(Acceleration));
    add("AccelerationFlag", FieldKind::kInt, TESH_FIELD(AccelerationFlag));
    add("MouseTrails", FieldKind::kInt, TESH_FIELD(MouseTrails));
    add("TiltSpeed", FieldKind::kInt, TESH_FIELD(TiltSpeed));
    add("MediaOption", FieldKind::kInt, TESH_FIELD(MediaOption));
    add("HDDKeyboard", FieldKind::kInt, TESH_FIELD(HDDKeyboard));
    add("Orientation", FieldKind::kInt, TESH_FIELD(Orientation));
    add("XYSynchronous", FieldKind::kInt, TESH_FIELD(XYSynchronous));
    add("Sensitivity_X", FieldKind::kInt, TESH_FIELD(Sensitivity_X));
    add("Sensitivity_Y", FieldKind::kInt, TESH_FIELD(Sensitivity_Y));
    add("Sensitivity", FieldKind::kInt, TESH_FIELD(Sensitivity));
    addArray("dpi", kDpiLevels, FieldKind::kByte, offsetof(ProfileRecord, dpi), 1);
    add("Cpi_X", FieldKind::kInt, TESH_FIELD(Cpi_X));
    add("Cpi_Y", FieldKind::kInt, TESH_FIELD(Cpi_Y));
    add("XYCpiFlag", FieldKind::kInt, TESH_FIELD(XYCpiFlag));
    addArray("CpiLevel_X", kCpiLevels, FieldKind::kInt, offsetof(ProfileRecord, CpiLevel_X), 4);
    addArray("CpiLevel_Y", kCpiLevels, FieldKind::kInt, offsetof(ProfileRecord, CpiLevel_Y), 4);
    add("PollingRate", FieldKind::kInt, TESH_FIELD(PollingRate));
    add("LightOnFlag", FieldKind::kInt, TESH_FIELD(LightOnFlag));
    add("LightEffectMode", FieldKind::kInt, TESH_FIELD(LightEffectMode));
    add("LightColorFlow", FieldKind::kInt, TESH_FIELD(LightColorFlow));
    add("LightEffectType", FieldKind::kInt, TESH_FIELD(LightEffectType));
    add("LightEffectSpeed", FieldKind::kInt, TESH_FIELD(LightEffectSpeed));
    add("SoundProfile", FieldKind::kInt, TESH_FIELD(SoundProfile));
    add("SoundDpi", FieldKind::kInt, TESH_FIELD(SoundDpi));
    add("SoundSens", FieldKind::kInt, TESH_FIELD(SoundSens));
    add("VolumeUpDown", FieldKind::kInt, TESH_FIELD(VolumeUpDown));
    add("SoundTrophy", FieldKind::kInt, TESH_FIELD(SoundTrophy));
    add("SoundVolume", FieldKind::kInt, TESH_FIELD(SoundVolume));
    add("UseColorForAll", FieldKind::kInt, TESH_FIELD(UseColorForAll), 0);
    add("LtChoseType", FieldKind::kInt, TESH_FIELD(LtChoseType), 0);
    addArray("LightInfo", kLightCount, FieldKind::kStruct, offsetof(ProfileRecord, LightInfo),
             sizeof(LightEntry));
    addArray("CustomLightInfo", kLightCount, FieldKind::kStruct,
             offsetof(ProfileRecord, CustomLightInfo), sizeof(LightEntry));
    addArray("MacroKeyInfo", kButtonSlots, FieldKind::kStruct, offsetof(ProfileRecord, Buttons),
             sizeof(ButtonRecord));
    return f;
}

#undef TESH_FIELD

}  // namespace

const std::vector<ProfileField>& ProfileFields() {
    static const std::vector<ProfileField> fields = BuildFields();
    return fields;
}

}  // namespace tesh
