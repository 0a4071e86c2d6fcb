// The run-time object of a component whose record is a StoredBlock (label, button,
// group box, check box, radio button): its type's table keeps a written value, then
// the type acts on it.
#pragma once
#include "forms/component_object.h"
#include "forms/components/stored_block.h"

namespace forms {

class BlockObject : public ComponentObject {
public:
    BlockObject(const rt::ComponentType* type, const CreateRequest& request, const BlockLayout& layout,
                StoredBlock stored);

    const BlockLayout& layout() const { return layout_; }
    const StoredBlock& stored() const { return stored_; }
    const StoredBlock& properties() const { return stored_; }

    // Operation 4 by full property index: keeps the value as the type's table says,
    // then lets the type act on it; 1 asks the runtime to rebuild the component.
    u32 set_property(i32 property, const ValueRecord& value);
    // Operation 6.
    virtual bool get_property(i32 property, ValueRecord* out);
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

}  // namespace forms
