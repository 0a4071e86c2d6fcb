#include "tuner/permission_grant.h"

#include "logic/calls.h"
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
constexpr rt::u32 kNotEnoughMemory = 8;

}  // namespace

bool grant_permission(const char* path, const char* trustee, rt::u32 access_mask, rt::u32 access_mode,
                      rt::u32* error) {
    const WideText wide_path(path);
    const WideText wide_trustee(trustee);
    // The security functions answer with the platform's error code itself.
    rt::u32 code = 0;

    // The existing list only gates the grant: it is neither kept nor freed.
    rt::u32 existing = 0;
    code = dll(kGetNamedSecurityInfoW, {wide_path.word(), kFileObject, kDaclOnly, 0, 0, logic::word(&existing), 0, 0}, 1);
    if (code == 0) {
        const rt::u32 access = dll(kLocalAlloc, {kZeroInit, kExplicitAccessSize}, 2);
        code = access ? 0 : kNotEnoughMemory;
        if (access) {
            dll(kBuildExplicitAccessWithNameW,
                {access, wide_trustee.word(), access_mask, access_mode, kInheritToFilesAndFolders}, 3);
            rt::u32 new_list = 0;
            code = dll(kSetEntriesInAclW, {1, access, 0, logic::word(&new_list)}, 4);
            if (code == 0) {
                code = dll(kSetNamedSecurityInfoW, {wide_path.word(), kFileObject, kDaclOnly, 0, 0, new_list, 0}, 5);
                dll(kLocalFree, {new_list}, 6);
            }
            dll(kLocalFree, {access}, 7);
        }
    }
    if (error) *error = code;
    return code == 0;
}

}  // namespace tuner
