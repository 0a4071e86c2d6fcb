#include "forms/components/block_object.h"

namespace forms {

BlockObject::BlockObject(const rt::ComponentType* type, const CreateRequest& request, const BlockLayout& layout,
                         StoredBlock stored)
    : ComponentObject(type, request.window_id, request.component_id), stored_(std::move(stored)), layout_(layout) {}

u32 BlockObject::set_property(i32 property, const ValueRecord& value) {
    const PropertyRow* row = forms::set_property(layout_, &stored_, property, value);
    return row ? apply(*row) : 0;
}

bool BlockObject::get_property(i32 property, ValueRecord* out) {
    return forms::get_property(layout_, stored_, property, out);
}

ByteBlock BlockObject::save() { return write_properties(layout_, stored_); }

bool read_request_block(const BlockLayout& layout, const CreateRequest& request, StoredBlock* out) {
    return read_properties(layout, request.data, request.length, out);
}

}  // namespace forms
