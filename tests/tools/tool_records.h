// A profile in which every field differs from the defaults of every slot, holding
// only what its JSON form carries: text without bytes after its terminator, events
// only up to eventCount, reserved bytes zero.
#pragma once

#include <cstring>
#include <memory>
#include <string>

#include "settings/profile_fields.h"
#include "settings/profile_file.h"
#include "settings/settings_set.h"

namespace tesh::test {

inline void FillButton(ButtonRecord& b, int index) {
    const std::string tag = std::to_string(index);
    b.number = static_cast<uint8_t>(100 + index);
    b.code = 48;
    b.targetId = 0xFFFF - index;
    CopyToField(b.text1, sizeof b.text1, "Device " + tag);
    CopyToField(b.macroSetName, sizeof b.macroSetName, "Set \xC4" + tag);
    CopyToField(b.macroName, sizeof b.macroName, std::string(49, 'm'));
    b.repeatCount = -index - 1;
    // Button 0 is full, the others hold a few events.
    b.eventCount = static_cast<uint16_t>(index == 0 ? kMaxMacroEvents : index + 1);
    for (int e = 0; e < b.eventCount; ++e) {
        uint8_t* at = b.events + 4 * e;
        at[0] = static_cast<uint8_t>(4 + e % 240);
        at[1] = static_cast<uint8_t>(1 + e % 2);
        at[2] = static_cast<uint8_t>(e * 37);
        at[3] = static_cast<uint8_t>(255 - e % 256);
    }
    b.timerValue = 123456 + index;
    CopyToField(b.timerName, sizeof b.timerName, "Timer \x80" + tag);
    CopyToField(b.programPath, sizeof b.programPath, "C:\\Games\\game" + tag + ".exe");
}

inline std::unique_ptr<ProfileRecord> FilledProfile() {
    auto p = std::make_unique<ProfileRecord>();
    std::memset(p.get(), 0, sizeof(ProfileRecord));
    auto* base = reinterpret_cast<uint8_t*>(p.get());
    int n = 0;
    for (const ProfileField& f : ProfileFields()) {
        uint8_t* at = base + f.offset;
        ++n;
        switch (f.kind) {
            case FieldKind::kString:
                CopyToField(reinterpret_cast<char*>(at), f.size,
                            f.key + " \x81\x9D\xFF text " + std::to_string(n));
                break;
            case FieldKind::kInt: {
                int32_t v = n % 2 ? 1000 * n : -1000 * n;
                std::memcpy(at, &v, sizeof v);
                break;
            }
            case FieldKind::kByte:
                *at = static_cast<uint8_t>(200 + n);
                break;
            case FieldKind::kStruct:
                break;
        }
    }
    for (int i = 0; i < kLightCount; ++i) {
        p->LightInfo[i] = {static_cast<uint8_t>(20 + i), 0, 1, 2, static_cast<uint8_t>(3 + i)};
        p->CustomLightInfo[i] = {255, 1, static_cast<uint8_t>(9 + i), 8, 7};
    }
    for (int b = 0; b < kButtonSlots; ++b) FillButton(p->Buttons[b], b);
    // The extremes of each kind.
    std::memset(p->ProFileName, 'n', sizeof p->ProFileName - 1);
    p->Sensitivity = INT32_MIN;
    p->Cpi_X = INT32_MAX;
    p->dpi[5] = 255;
    return p;
}

}  // namespace tesh::test
