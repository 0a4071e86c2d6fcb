#include "tuner/permission_grant.h"

#include "runtime/logic/calls.h"
#include "tuner/dll_commands.h"
#include "tuner/routines.h"
#include "tuner/wide_text.h"

namespace tuner {
namespace {

rt::u32 dll(DllCommand command, std::initializer_list<rt::u32> words, rt::i32 site) {
    return logic::call_dll(command, convention_of(command), words, {kRoutinePermissionGrant, site});
}

constexpr rt::u32 kFileObject = 1;
constexpr rt::u32 kDaclOnly = 4;
constexpr rt::u32 kZeroInit = 0x40;
constexpr rt::u32 kExplicitAccessSize = 32;
constexpr rt::u32 kInheritToFilesAndFolders = 3;

}  // namespace

bool grant_permission(const char* path, const char* trustee, rt::u32 access_mask, rt::u32 access_mode) {
    const WideText wide_path(path);
    const WideText wide_trustee(trustee);

    // The existing list only gates the grant: it is neither kept nor freed.
    rt::u32 existing = 0;
    if (dll(kGetNamedSecurityInfoW, {wide_path.word(), kFileObject, kDaclOnly, 0, 0, logic::word(&existing), 0, 0}, 1) != 0)
        return false;

    const rt::u32 access = dll(kLocalAlloc, {kZeroInit, kExplicitAccessSize}, 2);
    if (!access) return false;
    dll(kBuildExplicitAccessWithNameW, {access, wide_trustee.word(), access_mask, access_mode, kInheritToFilesAndFolders}, 3);

    bool stored = false;
    rt::u32 new_list = 0;
    if (dll(kSetEntriesInAclW, {1, access, 0, logic::word(&new_list)}, 4) == 0) {
        stored = dll(kSetNamedSecurityInfoW, {wide_path.word(), kFileObject, kDaclOnly, 0, 0, new_list, 0}, 5) == 0;
        dll(kLocalFree, {new_list}, 6);
    }
    dll(kLocalFree, {access}, 7);
    return stored;
}

}  // namespace tuner
