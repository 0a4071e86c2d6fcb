#include "tuner/permission_grant.h"

#include <string>
#include <utility>

#include "logic/calls.h"
#include "tuner/change_record.h"
#include "tuner/dll_commands.h"
#include "tuner/file_constants.h"
#include "tuner/path_parts.h"
#include "tuner/platform_error.h"
#include "tuner/routines.h"
#include "tuner/tool_kernel_handle.h"
#include "tuner/wide_text.h"

namespace tuner {
namespace {

constexpr logic::Site at(rt::i32 site) { return {kRoutinePermissionGrant, site}; }

constexpr rt::u32 kFileObject = 1;
constexpr rt::u32 kDaclOnly = 4;
constexpr rt::u32 kZeroInit = 0x40;
constexpr rt::u32 kExplicitAccessSize = 32;
constexpr rt::u32 kInheritToFilesAndFolders = 3;
constexpr rt::u32 kSddlRevision = 1;

constexpr rt::u32 kReadControl = 0x20000;
constexpr rt::u32 kWriteDac = 0x40000;
// No delete sharing: while held, the folder cannot be renamed away and a link put in
// its place.
constexpr rt::u32 kShareReadWrite = 3;
constexpr rt::u32 kOpenLinkItselfAsFolder = 0x00200000 | 0x02000000;  // reparse point, backup semantics
constexpr rt::u32 kAttributeTagInformation = 9;

struct AttributeTag {
    rt::u32 attributes;
    rt::u32 reparse_tag;
};

// A block the platform allocated with LocalAlloc (or told us to free with LocalFree).
class LocalBlock {
public:
    explicit LocalBlock(void* block = nullptr) : block_(block) {}
    ~LocalBlock() {
        if (block_) dll::LocalFree(block_, at(6));
    }
    LocalBlock(const LocalBlock&) = delete;
    LocalBlock& operator=(const LocalBlock&) = delete;
    void* get() const { return block_; }

private:
    void* block_;
};

// Opens the folder `path` itself, refusing a reparse point; on failure `error` holds
// the code.
ToolKernelHandle open_folder(const wchar_t* path, rt::u32 access, rt::u32* error) {
    if (!path) {
        *error = kPathNotFound;
        return {};
    }
    // Wine follows a symbolic link even when asked for the link itself, and tells of
    // it only in the path's attributes: the path is asked as well as the handle.
    const rt::u32 attributes = dll::GetFileAttributesW(path, at(8));
    if (attributes == kInvalidHandle) {
        *error = dll::GetLastError(at(8));
        return {};
    }
    ToolKernelHandle folder(dll::CreateFileW(path, access, kShareReadWrite, nullptr, kOpenExisting,
                                             kOpenLinkItselfAsFolder, 0, at(9)),
                            at(10));
    if (!folder) {
        *error = dll::GetLastError(at(9));
        return {};
    }
    AttributeTag tag = {};
    if (!dll::GetFileInformationByHandleEx(folder.get(), kAttributeTagInformation, &tag, sizeof tag, at(11))) {
        *error = dll::GetLastError(at(11));
        return {};
    }
    const rt::u32 seen = attributes | tag.attributes;
    if (seen & kAttributeReparsePoint) {
        *error = kStoppedOnLink;
        return {};
    }
    if (!(tag.attributes & kAttributeDirectory)) {
        *error = kNotADirectory;
        return {};
    }
    return folder;
}

// The access list of `descriptor` in SDDL form (plain ASCII); empty when it cannot be
// written so, with `error` set.
logic::Text access_list_text(void* descriptor, rt::u32* error) {
    wchar_t* wide = nullptr;
    if (!dll::ConvertSecurityDescriptorToStringSecurityDescriptorW(descriptor, kSddlRevision, kDaclOnly, &wide,
                                                                  nullptr, at(12))) {
        *error = dll::GetLastError(at(12));
        return {};
    }
    const LocalBlock owner(wide);
    rt::u32 length = 0;
    while (wide[length] != 0) ++length;
    char* narrow = static_cast<char*>(logic::allocate(static_cast<rt::i32>(length + 1)));
    for (rt::u32 i = 0; i < length; ++i) narrow[i] = wide[i] < 0x80 ? static_cast<char>(wide[i]) : '?';
    narrow[length] = '\0';
    return logic::Text::adopt(narrow);
}

}  // namespace

PermissionGrant grant_permission(const char* path, const char* trustee, rt::u32 access_mask, rt::u32 access_mode) {
    PermissionGrant grant;
    const logic::Text parent_path = logic::Text::first_bytes(path, static_cast<rt::u32>(parent_length(path)));
    const WideText wide_parent(parent_path.get());
    const WideText wide_path(path);
    const WideText wide_trustee(trustee);

    // The folder holding it stays open first, so neither can be swapped for a link
    // between the checks and the grant.
    const ToolKernelHandle parent = open_folder(wide_parent.get(), kReadAttributes, &grant.error);
    if (!parent) return grant;
    const ToolKernelHandle folder = open_folder(wide_path.get(), kReadControl | kWriteDac, &grant.error);
    if (!folder) return grant;

    void* existing = nullptr;
    void* descriptor = nullptr;
    // The security functions answer with the platform's code itself.
    grant.error = dll::GetSecurityInfo(folder.get(), kFileObject, kDaclOnly, nullptr, nullptr, &existing, nullptr,
                                       &descriptor, at(1));
    if (grant.error != 0) return grant;
    const LocalBlock descriptor_owner(descriptor);
    // A folder without a list is open to everyone: one entry alone would shut out all
    // others.
    if (!existing) {
        grant.error = kNoSecurityOnObject;
        return grant;
    }
    // Nothing changes that the record could not tell how to put back.
    logic::Text previous = access_list_text(descriptor, &grant.error);
    if (previous.empty()) return grant;

    const LocalBlock access(dll::LocalAlloc(kZeroInit, kExplicitAccessSize, at(2)));
    if (!access.get()) {
        grant.error = kNotEnoughMemory;
        return grant;
    }
    dll::BuildExplicitAccessWithNameW(access.get(), wide_trustee.get(), access_mask, access_mode,
                                      kInheritToFilesAndFolders, at(3));
    void* merged = nullptr;
    grant.error = dll::SetEntriesInAclW(1, access.get(), existing, &merged, at(4));
    if (grant.error != 0) return grant;
    const LocalBlock merged_owner(merged);
    grant.error =
        dll::SetSecurityInfo(folder.get(), kFileObject, kDaclOnly, nullptr, nullptr, merged, nullptr, at(5));
    grant.granted = grant.error == 0;
    if (grant.granted) grant.previous = std::move(previous);
    return grant;
}

void record_permission_grant(const char* path, const PermissionGrant& grant) {
    const WideText wide_path(path);
    std::wstring entry = change_entry(Change::Permission, wide_path.get(), grant.granted, grant.error);
    if (grant.granted) {
        const WideText previous(grant.previous.get());
        entry += L'\t';
        if (previous.get()) entry += previous.get();
    }
    ChangeRecord::of_user().append_entry(entry.c_str());
}

}  // namespace tuner
