// The drive box type (驱动器框): its descriptor and interface function. Its properties are
// described in drive_box_properties.h.
#include <array>

#include "forms/components/component_types.h"
#include "forms/components/drive_box_object.h"
#include "forms/components/type_operations.h"

namespace forms {
namespace {

using Operations = TypeOperations<DriveBoxObject, kDriveBoxTable>;

Operation0 drive_box_interface(i32 op) {
    switch (op) {
    case kOpCreate: return as_operation(static_cast<CreateOp>(create_drive_box));
    default: return Operations::operation(op);
    }
}

}  // namespace

const rt::ComponentType kDriveBoxType = {
    "驱动器框", "DriverBox", {0, 0, 0}, 0x80000040, {0, 0, 0}, kDrivePropertyCount, kDriveBoxDescriptors.data(),
    drive_box_interface, {0, 0},
};

}  // namespace forms
