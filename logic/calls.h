// Library commands, component properties, DLL commands and runtime helpers as the
// program logic calls them: typed, with the runtime's protocols (argument records,
// result kind checks, stack depth checks) done here once.
#pragma once
#include <initializer_list>

#include "logic/constants.h"
#include "logic/values.h"

namespace logic {

// ---- library commands -------------------------------------------------------------

inline constexpr rt::ArgRecord omitted() { return {0, 0, 0}; }
inline rt::ArgRecord arg_int(i32 v) { return {static_cast<u32>(v), 0, rt::kTagInt}; }
inline rt::ArgRecord arg_bool(bool v) { return {v ? 1u : 0u, 0, rt::kTagBool}; }
// A null text or byte set is passed as the static empty one, never as null.
inline rt::ArgRecord arg_text(const char* v) {
    return {reinterpret_cast<u32>(v ? v : kStaticEmptyText), 0, rt::kTagText};
}
inline rt::ArgRecord arg_text(const Text& v) { return arg_text(v.get()); }
inline rt::ArgRecord arg_bytes(const rt::ByteSetHeader* v) {
    return {reinterpret_cast<u32>(v ? v : &kStaticEmptyByteSet), 0, rt::kTagBytes};
}
inline rt::ArgRecord arg_text_array(const TextArray& v) {
    return {reinterpret_cast<u32>(v.get()), 0, rt::kTagText | rt::kArrayFlag};
}

inline rt::ResultRecord call(rt::CommandFn command, std::initializer_list<rt::ArgRecord> args) {
    // The command takes a mutable pointer but never writes the caller's records.
    auto* first = const_cast<rt::ArgRecord*>(args.begin());
    return entries().call_command(command, static_cast<i32>(args.size()), first);
}

// Where the result kind of a command varies, the caller checks it: error 5.
inline rt::ResultRecord expect(rt::ResultRecord r, u32 tag, Site where) {
    if (r.tag != tag) raise(rt::kErrTypeMismatch, where);
    return r;
}

inline Text take_text(const rt::ResultRecord& r) { return Text::adopt(reinterpret_cast<char*>(r.lo)); }
inline Bytes take_bytes(const rt::ResultRecord& r) { return Bytes::adopt(reinterpret_cast<rt::ByteSetHeader*>(r.lo)); }
inline bool take_bool(const rt::ResultRecord& r) { return r.lo != 0; }
inline i32 take_int(const rt::ResultRecord& r) { return static_cast<i32>(r.lo); }

// ---- component properties ---------------------------------------------------------

inline constexpr i32 kWholeProperty = -1;

class Window {
public:
    explicit constexpr Window(u32 id) : id_(id) {}

    u64 read(u32 component, i32 index) const {
        return entries().read_property(id_, component, index, kWholeProperty);
    }
    void write(u32 component, i32 index, u32 lo, u32 hi = 0) const {
        entries().write_property(id_, component, index, kWholeProperty, lo, hi);
    }

    Text read_text(u32 component, i32 index) const {
        return Text::adopt(reinterpret_cast<char*>(static_cast<u32>(read(component, index))));
    }
    i32 read_int(u32 component, i32 index) const { return static_cast<i32>(read(component, index)); }
    bool read_bool(u32 component, i32 index) const { return static_cast<u32>(read(component, index)) != 0; }

    void write_text(u32 component, i32 index, const char* text) const {
        write(component, index, reinterpret_cast<u32>(text));
    }
    void write_int(u32 component, i32 index, i32 value) const { write(component, index, static_cast<u32>(value)); }
    void write_bool(u32 component, i32 index, bool value) const { write(component, index, value ? 1 : 0); }

private:
    u32 id_;
};

// ---- DLL commands -----------------------------------------------------------------

enum class Convention {
    Standard,       // the callee removes the arguments
    CallerCleanup,  // the caller removes them (strlen)
};

// Calls DLL command `index` with its native argument words and returns its whole
// native result (edx:eax). The stack depth after the call must be what the declared
// convention leaves; anything else is runtime error 6 at this call site.
inline u64 call_dll_64(i32 index, Convention convention, std::initializer_list<u32> words, Site where) {
    i32 delta = 0;
    const i32 count = static_cast<i32>(words.size());
    const u64 result = entries().call_dll(index, words.begin(), count, &delta);
    if (convention == Convention::CallerCleanup) delta += 4 * count;  // the caller pops its arguments
    if (delta != 0) raise(rt::kErrDllStack, where);
    return result;
}

// The usual case: a function declared with a 32-bit result (edx holds nothing).
inline u32 call_dll(i32 index, Convention convention, std::initializer_list<u32> words, Site where) {
    return static_cast<u32>(call_dll_64(index, convention, words, where));
}

template <typename T>
inline u32 word(T* pointer) { return reinterpret_cast<u32>(pointer); }

// ---- runtime helpers ----------------------------------------------------------------

inline u64 helper(i32 index, u32 a0 = 0, u32 a1 = 0, u32 a2 = 0, u32 a3 = 0, u32 a4 = 0, u32 a5 = 0) {
    return entries().call_helper(index, a0, a1, a2, a3, a4, a5);
}

inline void initialise_runtime() { helper(rt::kHelperInitialise); }
inline void register_at_exit(void (*routine)(i32)) { helper(rt::kHelperRegisterAtExit, reinterpret_cast<u32>(routine)); }
// A worker thread's hand-over: a number posted on any thread reaches the receiver on the
// main thread, through the main thread's messages.
inline void set_result_receiver(void (*receiver)(u32)) {
    helper(rt::kHelperSetResultReceiver, reinterpret_cast<u32>(receiver));
}
inline bool post_result(u32 number) { return helper(rt::kHelperPostResult, number) != 0; }

// One file search, closed when the owner goes out of scope.
class FileSearch {
public:
    FileSearch() = default;
    FileSearch(const FileSearch&) = delete;
    FileSearch& operator=(const FileSearch&) = delete;
    ~FileSearch() { close(); }

    // A non-empty pattern starts a search, an empty one continues it.
    Text next(const char* pattern, u32 attributes, bool no_filter) {
        return Text::adopt(reinterpret_cast<char*>(static_cast<u32>(
            helper(rt::kHelperFindFile, reinterpret_cast<u32>(pattern), attributes, no_filter ? 1 : 0,
                   reinterpret_cast<u32>(&handle_)))));
    }
    void close() {
        if (handle_) helper(rt::kHelperCloseFind, reinterpret_cast<u32>(handle_));
        handle_ = nullptr;
    }

private:
    void* handle_ = nullptr;
};

// ---- the program's course -------------------------------------------------------------

inline void load_start_window(u32 window_id) { entries().load_start_window(window_id); }
inline void run_message_loop() { entries().run_message_loop(); }

}  // namespace logic
