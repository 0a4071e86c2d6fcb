// The access grant on a folder of the tool's own: one explicit entry for a trustee,
// merged into the folder's list.
#pragma once
#include "logic/values.h"
#include "tuner/platform_error.h"

namespace tuner {

struct PermissionGrant {
    bool granted = false;
    rt::u32 error = 0;     // the platform's code for the step that failed
    logic::Text previous;  // when granted: the folder's access list before, in SDDL form
};

// Merges one explicit entry for `trustee`, inherited by files and subdirectories, into
// the access list of the folder `path`; the folder's other entries stay. The folder
// lies in a place anyone may write to, so a link there could aim the grant at any
// folder: when the folder or the folder holding it is a reparse point, nothing changes
// (error kStoppedOnLink). The list is read and written on a handle of the folder
// itself.
PermissionGrant grant_permission(const char* path, const char* trustee, rt::u32 access_mask, rt::u32 access_mode);

// The grant's line in the change record; a grant made carries the previous list, so
// that it can be put back.
void record_permission_grant(const char* path, const PermissionGrant& grant);

}  // namespace tuner
