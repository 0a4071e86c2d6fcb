#include "forms/core_types.h"

#include "forms/components/component_types.h"
#include "runtime/library_service.h"

namespace forms {
namespace {

const rt::ComponentType* const kCoreTypes[kCoreTypeCount] = {
    &kWindowType,  // 1 窗口
};

}  // namespace

const rt::ComponentType* const* core_component_types() { return kCoreTypes; }

const rt::ComponentType* find_type(u32 type_id) {
    return reinterpret_cast<const rt::ComponentType*>(rt::library_service(rt::kSvcComponentType, type_id, 0));
}

}  // namespace forms
