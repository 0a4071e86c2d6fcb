// The ids of Trivane's controls, as the end-to-end tests and the benchmark find them.
#pragma once
#include "forms/loader.h"

namespace e2e {

// The control ids the loader gives the components, by the order it creates them in.
using forms::control_id;
enum Control : int {
    kOptimizeGroup = control_id(0),
    kOptimizeButton = control_id(1),
    kHomeGroup = control_id(2),
    kHomeReplaceButton = control_id(3),
    kBlankRadio = control_id(4),
    kPublisherRadio = control_id(5),
    kDrivePromptLabel = control_id(6),
    kDriveBox = control_id(7),
    kPromptLabel = control_id(8),
    kResultLabel = control_id(9),
    kHomeRestoreButton = control_id(10),
    kDx11Box = control_id(11),
    kCrossBox = control_id(12),
    kLogBox = control_id(13),
    kSelectAllBox = control_id(14),
    kPowerBox = control_id(15),
    kDx11RestoreButton = control_id(16),
};

}  // namespace e2e
