// The component type registry's shapes: the 14-word type descriptor a support library
// lists for each of its component types, the property descriptors it points at, and
// the operations its interface function hands out. The runtime drives every type,
// the window included, only through these.
#pragma once
#include <windows.h>

#include <cstdint>

#include "forms/property_indexes.h"
#include "runtime/values.h"

namespace forms {

using rt::i32;
using rt::u32;

class ComponentObject;

// Property descriptor (5 words). Word 3: low 16 bits the type code, high 16 flags.
struct PropertyDescriptor {
    const char* name;
    const char* english_name;
    const char* description;
    u32 type;
    u32 reserved;
};
static_assert(sizeof(PropertyDescriptor) == 5 * 4);

constexpr u32 property_code(const PropertyDescriptor& p) { return p.type & 0xFFFF; }

inline constexpr u32 kCommonPropertyFlags = 0xE000;
inline constexpr u32 kPropertyFlags = 0x8000;
constexpr u32 property_type(u32 code, u32 flags = kPropertyFlags) { return (flags << 16) | code; }

// Property type codes: how a value travels between the program and a component.
enum PropertyCode : u32 {
    kCodeInteger = 1000,
    kCodeInteger2 = 1001,
    kCodeLong = 1002,
    kCodeLogical = 1003,
    kCodeLong2 = 1004,
    kCodeText = 1005,
    kCodeChoice = 1006,
    kCodePicture = 1009,
    kCodeIcon = 1010,
    kCodeCursor = 1011,
    kCodeSound = 1012,
    kCodeFont = 1013,
    kCodeTextColour = 1014,
    kCodeColour = 1015,
    kCodeFileName = 1016,
    kCodeBackColour = 1017,
    kCodeDataSource = 1018,
    kCodeDataColumn = 1020,
    kCodeBytes = 1023,
    kCodeBytes2 = 1024,
};

// Type flags the runtime reads.
enum TypeFlag : u32 {
    kFlagRaisesEvents = 0x00000004,
    kFlagRaisesEvents2 = 0x00000040,
    kFlagContainer = 0x00000080,
    kFlagPaged = 0x00000100,
    kFlagRadio = 0x00000400,
    kFlagPushButton = 0x00000800,
    kFlagCheckBox = 0x00001000,
    kFlagLabel = 0x00002000,
    kFlagGroupBox = 0x00004000,
    kFlagNeverShown = 0x00008000,
    kFlagNotOnPageFocus = 0x00010000,
    kFlagTellsParentBuilt = 0x00100000,
    kFlagDragsWindow = 0x04000000,
};

// Colour word meaning "the type's default colour".
inline constexpr u32 kDefaultColour = 0xFF000000;
// The red, green and blue bytes of a colour word: all that GDI may see of it.
inline constexpr u32 kColourMask = 0x00FFFFFF;

// Two words: the value (or a pointer) and the length of byte data or the high half
// of a 64-bit value.
struct ValueRecord {
    u32 value;
    u32 second;
};
static_assert(sizeof(ValueRecord) == 8);

// Operation numbers of the interface function.
enum Operation : i32 {
    kOpCreate = 1,
    kOpApplies = 2,
    kOpSetProperty = 4,
    kOpSaveProperties = 5,
    kOpGetProperty = 6,
    kOpWindowService = 7,
    kOpEnumerateTexts = 9,
    kOpIsDefaultButton = 10,
};

// What the loader hands a type's create operation.
struct CreateRequest {
    HWND parent;  // the window for components; the owner (or none) for a window
    const std::uint8_t* data;  // property data block, may be empty
    u32 length;
    u32 style;       // disabled and tab-stop bits from the record's state flags; never
                     // visible: the loader shows components once they are placed
    u32 control_id;  // 0 for a window
    HMENU menu;
    i32 left, top, width, height;
    u32 window_id;
    u32 component_id;
    bool modal;     // windows only: loaded modally
    bool as_child;  // windows only: created as a child of `parent`
};

// Operation signatures. Component-specific indexes are property index - 8.
using CreateOp = ComponentObject* (*)(const CreateRequest& request);       // none on failure
using AppliesOp = bool (*)(ComponentObject* object, i32 index);
// Returns 1 when the component must be rebuilt from its saved properties.
using SetPropertyOp = u32 (*)(ComponentObject* object, i32 index, const ValueRecord* value, u32 reserved);
// The property data block in a new byte set (rt::allocate); the caller releases it.
using SavePropertiesOp = rt::ByteSetHeader* (*)(ComponentObject* object);
using GetPropertyOp = bool (*)(ComponentObject* object, i32 index, ValueRecord* out);
using TextCallback = void (*)(const char* text, void* context);
using EnumerateTextsOp = void (*)(ComponentObject* object, const std::uint8_t* data, u32 length,
                                  TextCallback callback, void* context);
using IsDefaultButtonOp = bool (*)(ComponentObject* object);

using Operation0 = void (*)();
using InterfaceFn = Operation0 (*)(i32 operation);  // none for an operation it lacks

}  // namespace forms

namespace rt {

// Component type descriptor: one table entry per type, 14 words; entries of types a
// library does not provide are null pointers in its table.
struct ComponentType {
    const char* name;          // Chinese type name
    const char* english_name;  // English type name
    u32 description[3];        // description and reserved
    u32 flags;
    u32 reserved[3];
    u32 property_count;
    const forms::PropertyDescriptor* properties;
    forms::InterfaceFn interface_fn;
    u32 reserved2[2];
};
static_assert(sizeof(ComponentType) == 14 * 4);

}  // namespace rt

namespace forms {

// The typed operation `op` of a type, or null when the type lacks it.
template <typename Fn>
Fn operation(const rt::ComponentType* type, Operation op) {
    if (!type || !type->interface_fn) return nullptr;
    return reinterpret_cast<Fn>(type->interface_fn(op));
}

inline bool type_raises_events(const rt::ComponentType* type) {
    return type && (type->flags & (kFlagRaisesEvents | kFlagRaisesEvents2));
}

// The descriptor of property `index`, or null outside the type's table.
inline const PropertyDescriptor* property_of(const rt::ComponentType* type, i32 index) {
    if (!type || index < 0 || static_cast<u32>(index) >= type->property_count || !type->properties) return nullptr;
    return &type->properties[index];
}

// The type registered for a type id (library number * 65536 + type number), through
// the runtime's library list; null for an unknown one.
const rt::ComponentType* find_type(u32 type_id);

}  // namespace forms
