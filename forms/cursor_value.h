// Cursor values: byte data whose first word names a stock cursor by its number
// (0 to 14), a platform cursor id, or -1 followed by a cursor file image; longer
// data may be a cursor file image as a whole.
#pragma once
#include <windows.h>

#include "forms/template_model.h"

namespace forms {

// Stock cursor numbers and the platform cursor ids they stand for.
struct StockCursor {
    i32 number;
    u32 platform_id;  // 0: none, the platform's default pointer
};
extern const StockCursor kStockCursors[15];

// On write the stock number in the first word becomes the platform id; on read a
// platform id of the table becomes its number again. Other data passes unchanged.
void cursor_to_platform(ByteBlock& data);
void cursor_to_stock(ByteBlock& data);

// The cursor the data describes, or null for the default pointer. The program's
// own hand cursor (cursor group 1032) stands in for the platform hand.
HCURSOR make_cursor(const std::uint8_t* data, u32 length);
inline HCURSOR make_cursor(const ByteBlock& data) { return make_cursor(data.data(), static_cast<u32>(data.size())); }

// Destroys a cursor make_cursor made from an image; shared system cursors are left.
void release_cursor(HCURSOR cursor);

}  // namespace forms
