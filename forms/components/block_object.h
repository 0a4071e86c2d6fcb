// The run-time object of a component whose record is a StoredBlock (label, button,
// group box, check box, radio button): its type's table keeps a written value, then
// the type acts on it.
#pragma once
#include <memory>

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

    // The platform styles its properties ask for, besides the loader's bits.
    virtual DWORD platform_style() const = 0;
    virtual DWORD platform_ex_style() const { return 0; }
    // Once the platform window exists: what else its properties ask of it.
    virtual void apply_after_create() {}

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

// Operation 1 of these types: reads the request's block, makes the object of it (its
// constructor takes `args`, then the request and the block) and hands it to its
// platform window of the given class, captioned and styled as the block says, then
// applies the rest. The object, now its window's, or null when the block cannot be
// read or no window came to be.
template <class Object, class... Args>
ComponentObject* create_block_component(const CreateRequest& request, const BlockLayout& layout,
                                        const char* class_name, const Args&... args) {
    StoredBlock stored;
    if (!read_request_block(layout, request, &stored)) return nullptr;
    auto made = std::make_unique<Object>(args..., request, std::move(stored));
    const PlatformWindow window = component_window(request, class_name, made->stored().caption.c_str(),
                                                   made->platform_style(), made->platform_ex_style());
    Object* object = ComponentObject::create(std::move(made), window);
    if (object) object->apply_after_create();
    return object;
}

}  // namespace forms
