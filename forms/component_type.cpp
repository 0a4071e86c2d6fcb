#include "forms/component_type.h"

#include "runtime/library_service.h"

namespace forms {

const rt::ComponentType* find_type(u32 type_id) {
    return reinterpret_cast<const rt::ComponentType*>(rt::library_service(rt::kSvcComponentType, type_id, 0));
}

}  // namespace forms
