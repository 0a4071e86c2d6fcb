// Where the handler offsets of a stored record sit: one per event binding of a
// component record, the single one of a menu-item record. Shared by the segment
// reader (every record must be walkable) and handler resolution.
#pragma once
#include <cstddef>
#include <vector>

#include "forms/template_model.h"

namespace forms {

// Byte positions of the handler words inside `record`; false when the record cannot
// be walked. `id` decides between the component and the menu-item shape.
bool find_handler_slots(u32 id, const ByteBlock& record, std::vector<size_t>* slots);

}  // namespace forms
