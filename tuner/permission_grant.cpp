#include "tuner/permission_grant.h"

#include "tuner/dll_commands.h"
#include "tuner/routines.h"
#include "tuner/wide_text.h"

namespace tuner {
namespace {

constexpr logic::Site at(rt::i32 site) { return {kRoutinePermissionGrant, site}; }

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
    void* existing = nullptr;
    code = dll::GetNamedSecurityInfoW(wide_path.get(), kFileObject, kDaclOnly, nullptr, nullptr, &existing, nullptr,
                                      nullptr, at(1));
    if (code == 0) {
        void* const access = dll::LocalAlloc(kZeroInit, kExplicitAccessSize, at(2));
        code = access ? 0 : kNotEnoughMemory;
        if (access) {
            dll::BuildExplicitAccessWithNameW(access, wide_trustee.get(), access_mask, access_mode,
                                              kInheritToFilesAndFolders, at(3));
            void* new_list = nullptr;
            code = dll::SetEntriesInAclW(1, access, nullptr, &new_list, at(4));
            if (code == 0) {
                code = dll::SetNamedSecurityInfoW(wide_path.get(), kFileObject, kDaclOnly, nullptr, nullptr, new_list,
                                                  nullptr, at(5));
                dll::LocalFree(new_list, at(6));
            }
            dll::LocalFree(access, at(7));
        }
    }
    if (error) *error = code;
    return code == 0;
}

}  // namespace tuner
