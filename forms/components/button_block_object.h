// The run-time object of a component whose properties live in a shared-shape block
// (label, button, group box, check box, radio button), and the interface operations
// these types share: set, get and save properties, enumerate texts.
#pragma once
#include <span>

#include "forms/component_object.h"
#include "forms/components/button_block.h"

namespace forms {

// What a type tells the shared operations about its block.
struct BlockLayout {
    BlockShape shape;
    std::span<const PropertyRow> rows;
    int font_block;  // the block that holds the font
    const StoredBlock& (*defaults)();
};

class BlockObject : public ComponentObject {
public:
    BlockObject(const rt::ComponentType* type, const CreateRequest& request, const BlockLayout& layout,
                StoredBlock stored);

    const BlockLayout& layout() const { return layout_; }
    const StoredBlock& stored() const { return stored_; }

    // Operation 4: keeps the value as the type's row says, then lets the type act on
    // it; 1 asks the runtime to rebuild the component.
    u32 set_property(i32 index, const ValueRecord& value);
    // Operation 6.
    virtual bool get_property(i32 index, ValueRecord* out);
    // Operation 5: the block in the newest version.
    virtual ByteBlock save();

protected:
    virtual u32 apply(const PropertyRow& row) = 0;

    StoredBlock stored_;

private:
    const BlockLayout& layout_;
};

// Reads the request's block; false when it is too new or damaged.
bool read_request_block(const BlockLayout& layout, const CreateRequest& request, StoredBlock* out);

// Each text a block holds: caption, font face name, and the binding names when the
// type has them; from the live object when there is one, else from `data`.
void enumerate_block_texts(const BlockLayout& layout, ComponentObject* object, const std::uint8_t* data,
                           u32 length, TextCallback callback, void* context);

// The operations every block type hands out the same way; null for the others.
Operation0 shared_block_operation(i32 op);

template <typename Fn>
Operation0 as_operation(Fn fn) {
    return reinterpret_cast<Operation0>(fn);
}

}  // namespace forms
