// The drive box type (驱动器框): its descriptor, with the shared interface function of
// type_operations.h. Its properties are described in drive_box_properties.h.
#include <array>

#include "forms/components/component_types.h"
#include "forms/components/drive_box_object.h"
#include "forms/components/type_operations.h"

namespace forms {

const rt::ComponentType kDriveBoxType = {
    "驱动器框", "DriverBox", {0, 0, 0}, 0x80000040, {0, 0, 0}, kDrivePropertyCount, kDriveBoxDescriptors.data(),
    TypeOperations<DriveBoxObject, kDriveBoxTable, create_drive_box>::operation, {0, 0},
};

}  // namespace forms
