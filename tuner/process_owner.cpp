#include "tuner/process_owner.h"

#include "logic/calls.h"
#include "tuner/dll_commands.h"
#include "tuner/routines.h"
#include "tuner/tool_kernel_handle.h"

namespace tuner {
namespace {

constexpr rt::u32 kTokenQuery = 0x0008;
constexpr rt::u32 kTokenUserClass = 1;

constexpr logic::Site at(rt::i32 site) { return {kRoutineProcessOwner, site}; }

// The platform's token user record: the address of the user's SID and its attributes,
// followed by the SID itself (at most 68 bytes).
struct TokenUser {
    rt::u32 words[32] = {};

    // The SID, when the address the platform wrote lies inside this record after the
    // two header words; null otherwise.
    const void* sid() const {
        const rt::u32 start = reinterpret_cast<rt::u32>(words + 2);
        const rt::u32 end = reinterpret_cast<rt::u32>(words + 32);
        return words[0] >= start && words[0] < end ? reinterpret_cast<const void*>(words[0]) : nullptr;
    }
};

bool read_token_user(rt::u32 process, TokenUser& user) {
    rt::u32 token = 0;
    if (!dll::OpenProcessToken(process, kTokenQuery, &token, at(1))) return false;
    ToolKernelHandle owned(token, at(3));
    rt::u32 returned = 0;
    return dll::GetTokenInformation(owned.get(), kTokenUserClass, user.words, sizeof user.words, &returned, at(2));
}

}  // namespace

bool runs_as_tool_user(rt::u32 process) {
    TokenUser theirs, ours;
    if (!read_token_user(process, theirs) || !read_token_user(dll::GetCurrentProcess(at(4)), ours)) return false;
    if (!theirs.sid() || !ours.sid()) return false;
    return dll::EqualSid(theirs.sid(), ours.sid(), at(5));
}

}  // namespace tuner
