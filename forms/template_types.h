// The component type ids this program's templates use. Each type's property table
// says which property data versions its reader accepts.
#pragma once
#include "forms/template_model.h"

namespace forms {

// Library number × 65536 + type number, both counted from 1.
constexpr u32 type_id(u32 library, u32 type) { return library << 16 | type; }

inline constexpr u32 kTypeWindow = type_id(1, 0x01);
inline constexpr u32 kTypeGroupBox = type_id(1, 0x09);
inline constexpr u32 kTypeLabel = type_id(1, 0x0A);
inline constexpr u32 kTypeButton = type_id(1, 0x0B);
inline constexpr u32 kTypeCheckBox = type_id(1, 0x0C);
inline constexpr u32 kTypeRadioBox = type_id(1, 0x0D);
inline constexpr u32 kTypeDriveBox = type_id(1, 0x19);
inline constexpr u32 kTypeSuperButton = type_id(2, 0x01);

}  // namespace forms
