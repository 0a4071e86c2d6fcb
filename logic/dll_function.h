// A DLL command with its declared signature: the call names its parameters' types,
// and the words the native call takes and gives back are made here once.
#pragma once
#include <type_traits>

#include "logic/calls.h"

namespace logic {

// What a parameter is on the native stack: numbers and logicals as their value,
// pointers (data or routine) as their address.
inline constexpr u32 native_word(u32 value) { return value; }
inline constexpr u32 native_word(i32 value) { return static_cast<u32>(value); }
inline constexpr u32 native_word(bool value) { return value ? 1 : 0; }
template <typename T>
inline u32 native_word(T* pointer) {
    return reinterpret_cast<u32>(pointer);
}

// The native result (eax) as the declared result type.
template <typename R>
inline R from_native_word(u32 word) {
    if constexpr (std::is_same_v<R, bool>) {
        return word != 0;
    } else if constexpr (std::is_pointer_v<R>) {
        return reinterpret_cast<R>(word);
    } else {
        static_assert(std::is_same_v<R, u32> || std::is_same_v<R, i32>, "a 32-bit result");
        return static_cast<R>(word);
    }
}

template <i32 Index, Convention Call, typename Signature>
struct DllFunction;

// DLL command `Index`, declared as `R(Params...)`: called with its parameters and the
// call site that a stack error is reported at.
template <i32 Index, Convention Call, typename R, typename... Params>
struct DllFunction<Index, Call, R(Params...)> {
    static constexpr i32 index = Index;
    static constexpr Convention convention = Call;

    R operator()(Params... params, Site where) const {
        const u32 result = call_dll(Index, Call, {native_word(params)...}, where);
        if constexpr (std::is_void_v<R>) {
            static_cast<void>(result);
        } else {
            return from_native_word<R>(result);
        }
    }
};

}  // namespace logic
