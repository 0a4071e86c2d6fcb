#include "forms/property_block.h"

#include <windows.h>

namespace forms {

u32 kept_word(Keep keep, u32 limit, u32 value) {
    const i32 v = static_cast<i32>(value);
    switch (keep) {
    case Keep::Choice: return v < 0 ? 0 : (value > limit ? limit : value);
    case Keep::AtMost: return v > static_cast<i32>(limit) ? limit : value;
    case Keep::AtLeast: return v < static_cast<i32>(limit) ? limit : value;
    case Keep::AsIs:
    case Keep::ByType: return value;
    }
    return value;
}

const char* stored_face_name(const ByteBlock& font) {
    if (font.size() != sizeof(LOGFONTA)) return nullptr;
    const auto* record = reinterpret_cast<const LOGFONTA*>(font.data());
    // The face is a fixed field: never read past it, even when it lacks its 0.
    for (char c : record->lfFaceName)
        if (c == 0) return record->lfFaceName;
    return nullptr;
}

}  // namespace forms
