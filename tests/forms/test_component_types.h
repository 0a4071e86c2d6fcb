// Component types that exist only in the tests: thin wrappers over platform
// controls, enough to watch the loader, property conversions by type code, the
// rebuild protocol, reflection and keyboard handling work on real windows.
#pragma once
#include <string>
#include <vector>

#include "forms/component_type.h"
#include "forms/template_model.h"
#include "tests/support/sequence.h"

namespace forms_test {

using forms::u32;
using forms::i32;

// Type ids in the test program's core library (the window is type 1).
inline constexpr u32 kTestButton = 0x00010002;  // push button, raises events, default-button aware
inline constexpr u32 kTestBox = 0x00010003;     // group box: a container
inline constexpr u32 kTestStatic = 0x00010004;  // static text, answers colour requests
inline constexpr u32 kTestHidden = 0x00010005;  // flagged never shown
inline constexpr u32 kTestRadio = 0x00010006;   // radio button
inline constexpr u32 kTestSilent = 0x00010007;  // cannot raise events
inline constexpr u32 kTestBroken = 0x00010008;  // its create operation always fails

// Test type property indexes (0-7 are the common ones).
enum TestProperty : i32 {
    kTestCaption = 8,     // 1005 text
    kTestKind = 9,        // 1006 choice: 1 default button (clamped to 0 ... 1)
    kTestFlag = 10,       // 1003 logical
    kTestFont = 11,       // 1013 font
    kTestCursor = 12,     // 1011 cursor
    kTestColour = 13,     // 1014 colour
    kTestPicture = 14,    // 1009 byte data; setting it rebuilds the component
    kTestLong = 15,       // 1002 two words
    kTestNumber = 16,     // 1001 integer
    kTestUnknownCode = 17,  // code 1999: travels as a text
    kTestPropertyCount = 18,
};

// The values a test component keeps, as its property data block stores them.
struct TestValues {
    std::string caption;
    u32 kind = 0;
    u32 flag = 0;
    u32 colour = 0;
    u32 long_lo = 0, long_hi = 0;
    u32 number = 0;
    forms::ByteBlock font, cursor, picture;
    std::string other;
};
forms::ByteBlock test_block(const TestValues& values);

// What the test types did, in order, and what a test expects of it (in the manner of
// tests/support/sequence.h).
enum class Seen : u32 {
    kCreated,    // detail: the control id
    kMessage,    // detail: a window system message the component heard
    kReflected,  // detail: a notification its parent passed back to it
    kSet,        // detail: the property index set
};
struct TypeMessage {
    Seen seen;
    u32 component_id;
    u32 detail;
    bool optional = false;  // in an expected sequence: may be missing
};
// "create <id hex> <control id>", "msg <message hex> <id hex>",
// "reflect <message hex> <id hex>", "set <id hex> <index>"
std::string describe(const TypeMessage& m);
bool matches(const TypeMessage& want, const TypeMessage& got);
inline bool optional(const TypeMessage& m) { return m.optional; }

std::vector<TypeMessage>& test_type_log();
// Only the entries of one kind.
std::vector<TypeMessage> type_messages(Seen seen);

// The type table of the test program's core library: the window first, then the
// test types by type number.
const rt::ComponentType* const* test_library_types();
i32 test_library_type_count();

// The brush a test static hands out for its colour requests.
HBRUSH test_static_brush();

}  // namespace forms_test
