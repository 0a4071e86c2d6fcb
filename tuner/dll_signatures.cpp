// Every DLL command's declared signature checked at compile time against the
// platform's own prototype: a narrow text where the platform takes a wide one, a
// parameter too many or too few, a 64-bit value passed as one word, or a convention
// that does not match would otherwise show only when the call runs, and only on the
// paths that run it. Nothing here is called.
#include <windows.h>

#include <aclapi.h>
#include <sddl.h>
#include <shlobj.h>
#include <shlwapi.h>
#include <tlhelp32.h>
#include <winternl.h>

#include <array>
#include <cstring>
#include <type_traits>

#include "tuner/dll_commands.h"

// The platform exports it, its headers do not declare it.
extern "C" int WINAPI MessageBoxTimeoutW(HWND owner, LPCWSTR text, LPCWSTR title, UINT style, WORD language,
                                         DWORD milliseconds);

namespace tuner {
namespace {

// What a parameter or result is on the native stack, as far as a mistake can show.
enum class Slot { None, Word, DoubleWord, NarrowText, WideText };

template <typename T>
constexpr Slot slot_of() {
    using U = std::remove_cv_t<T>;
    if constexpr (std::is_void_v<U>) {
        return Slot::None;
    } else if constexpr (std::is_pointer_v<U>) {
        using Pointee = std::remove_cv_t<std::remove_pointer_t<U>>;
        if constexpr (std::is_same_v<Pointee, char>) return Slot::NarrowText;
        else if constexpr (std::is_same_v<Pointee, wchar_t>) return Slot::WideText;
        else return Slot::Word;  // handles the platform types as pointers, the tool as words
    } else {
        static_assert(sizeof(U) == 8 || sizeof(U) <= 4, "a parameter of one or two words");
        return sizeof(U) == 8 ? Slot::DoubleWord : Slot::Word;
    }
}

template <typename R, typename... A>
struct Shape {
    std::array<Slot, sizeof...(A) + 1> slots = {slot_of<R>(), slot_of<A>()...};
    bool standard;
};

template <typename Function>
struct DeclaredShape;
template <typename R, typename... A>
struct DeclaredShape<R(A...)> {
    static constexpr Shape<R, A...> shape(bool standard) { return {{slot_of<R>(), slot_of<A>()...}, standard}; }
};

template <typename R, typename... A>
constexpr auto platform_shape(R(__stdcall*)(A...)) {
    return Shape<R, A...>{{slot_of<R>(), slot_of<A>()...}, true};
}
template <typename R, typename... A>
constexpr auto platform_shape(R(__cdecl*)(A...)) {
    return Shape<R, A...>{{slot_of<R>(), slot_of<A>()...}, false};
}

template <typename Ours, typename Theirs>
constexpr bool same_shape(const Ours& ours, const Theirs& theirs) {
    if (ours.slots.size() != theirs.slots.size() || ours.standard != theirs.standard) return false;
    for (size_t i = 0; i < ours.slots.size(); ++i)
        if (ours.slots[i] != theirs.slots[i]) return false;
    return true;
}

using dll::ThreadRoutine;
using rt::i32;
using rt::u32;

#define TUNER_DLL_SIGNATURE_CHECK(index, entry, library, convention, signature)                           \
    static_assert(same_shape(DeclaredShape<signature>::shape(logic::Convention::convention ==             \
                                                             logic::Convention::Standard),                \
                             platform_shape(&::entry)),                                                    \
                  #entry ": the declared signature does not match the platform's prototype");
TUNER_DLL_COMMANDS(TUNER_DLL_SIGNATURE_CHECK)
#undef TUNER_DLL_SIGNATURE_CHECK

}  // namespace
}  // namespace tuner
