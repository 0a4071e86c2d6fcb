#include "forms/components/button_block_object.h"

#include "runtime/texts.h"

namespace forms {

BlockObject::BlockObject(const rt::ComponentType* type, const CreateRequest& request, const BlockLayout& layout,
                         StoredBlock stored)
    : ComponentObject(type, request.window_id, request.component_id), stored_(std::move(stored)), layout_(layout) {}

u32 BlockObject::set_property(i32 index, const ValueRecord& value) {
    const PropertyRow* row = find_row(layout_.rows, index);
    if (!row) return 0;
    set_stored(&stored_, *row, value);
    return apply(*row);
}

bool BlockObject::get_property(i32 index, ValueRecord* out) {
    const PropertyRow* row = find_row(layout_.rows, index);
    if (!row) return false;
    get_stored(stored_, *row, out);
    return true;
}

ByteBlock BlockObject::save() { return write_stored_block(layout_.shape, stored_); }

bool read_request_block(const BlockLayout& layout, const CreateRequest& request, StoredBlock* out) {
    return read_stored_block(layout.shape, layout.defaults(), request.data, request.length, out);
}

void enumerate_block_texts(const BlockLayout& layout, ComponentObject* object, const std::uint8_t* data,
                           u32 length, TextCallback callback, void* context) {
    if (!callback) return;
    StoredBlock read;
    const StoredBlock* stored = nullptr;
    if (const auto* live = dynamic_cast<const BlockObject*>(object))
        stored = &live->stored();
    else if (read_stored_block(layout.shape, layout.defaults(), data, length, &read))
        stored = &read;
    if (!stored) return;
    callback(stored->caption.c_str(), context);
    const char* face = stored_face_name(stored->block(layout.font_block));
    callback(face ? face : "", context);
    if (layout.shape.binding_names) {
        callback(stored->data_source.c_str(), context);
        callback(stored->data_column.c_str(), context);
    }
}

namespace {

BlockObject* as_block(ComponentObject* object) { return dynamic_cast<BlockObject*>(object); }

u32 set_property(ComponentObject* object, i32 index, const ValueRecord* value, u32 /*reserved*/) {
    BlockObject* b = as_block(object);
    return b && value ? b->set_property(index, *value) : 0;
}

bool get_property(ComponentObject* object, i32 index, ValueRecord* out) {
    BlockObject* b = as_block(object);
    return b && out && b->get_property(index, out);
}

rt::ByteSetHeader* save_properties(ComponentObject* object) {
    BlockObject* b = as_block(object);
    if (!b) return nullptr;
    const ByteBlock block = b->save();
    return rt::make_byte_set(block.data(), static_cast<i32>(block.size()));
}

}  // namespace

Operation0 shared_block_operation(i32 op) {
    switch (op) {
    case kOpSetProperty: return as_operation(static_cast<SetPropertyOp>(set_property));
    case kOpSaveProperties: return as_operation(static_cast<SavePropertiesOp>(save_properties));
    case kOpGetProperty: return as_operation(static_cast<GetPropertyOp>(get_property));
    default: return nullptr;
    }
}

}  // namespace forms
