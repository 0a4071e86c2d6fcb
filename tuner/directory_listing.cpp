#include "tuner/directory_listing.h"

#include <condition_variable>
#include <cstring>
#include <cwchar>
#include <memory>
#include <mutex>

#include "logic/calls.h"
#include "logic/commands.h"
#include "tuner/dll_commands.h"
#include "tuner/file_constants.h"
#include "tuner/tool_kernel_handle.h"

namespace tuner {
namespace {

constexpr rt::u32 kInfoBasic = 1;          // no short names: cheaper, and never matched
constexpr rt::u32 kSearchNameMatch = 0;
constexpr rt::u32 kLargeFetch = 2;
constexpr size_t kNameOffset = 44;  // cFileName in the find record
constexpr wchar_t kAllEntries[] = L"*";

}  // namespace

char fold_letter(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool equal_ignoring_case(const char* a, const char* b) {
    for (; *a && *b; ++a, ++b)
        if (fold_letter(*a) != fold_letter(*b)) return false;
    return *a == *b;
}

bool starts_with_ignoring_case(const char* text, const char* prefix) {
    for (; *prefix; ++text, ++prefix)
        if (fold_letter(*text) != fold_letter(*prefix)) return false;
    return true;
}

bool ends_with_ignoring_case(const char* name, const char* suffix) {
    const size_t n = std::strlen(name), k = std::strlen(suffix);
    return n >= k && equal_ignoring_case(name + n - k, suffix);
}

wchar_t fold_letter(wchar_t c) { return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

bool equal_ignoring_case(const wchar_t* a, const wchar_t* b) {
    for (; *a && *b; ++a, ++b)
        if (fold_letter(*a) != fold_letter(*b)) return false;
    return *a == *b;
}

bool ends_with_ignoring_case(const wchar_t* name, const wchar_t* suffix) {
    const size_t n = std::wcslen(name), k = std::wcslen(suffix);
    return n >= k && equal_ignoring_case(name + n - k, suffix);
}

bool is_ascii(const wchar_t* name) {
    for (; *name; ++name)
        if (*name >= 0x80) return false;
    return true;
}

DirectoryListing::DirectoryListing(const wchar_t* directory, rt::i32 routine) : routine_(routine) {
    const std::wstring pattern = std::wstring(directory) + kAllEntries;
    handle_ = dll::FindFirstFileExW(pattern.c_str(), kInfoBasic, data_, kSearchNameMatch, nullptr, kLargeFetch,
                                    {routine_, 1});
    if (handle_ == kInvalidHandle) handle_ = 0;
}

DirectoryListing::~DirectoryListing() {
    if (handle_) dll::FindClose(handle_, {routine_, 2});
}

bool DirectoryListing::next() {
    while (handle_) {
        if (first_) {
            first_ = false;
        } else if (!dll::FindNextFileW(handle_, data_, {routine_, 3})) {
            return false;
        }
        const wchar_t* n = name();
        if (std::wcscmp(n, L".") != 0 && std::wcscmp(n, L"..") != 0) return true;
    }
    return false;
}

const wchar_t* DirectoryListing::name() const { return reinterpret_cast<const wchar_t*>(data_ + kNameOffset); }

static rt::u32 attributes_of(const unsigned char* data) {
    rt::u32 a;
    std::memcpy(&a, data, 4);
    return a;
}

bool DirectoryListing::is_directory() const { return attributes_of(data_) & kAttributeDirectory; }
bool DirectoryListing::is_reparse_point() const { return attributes_of(data_) & kAttributeReparsePoint; }

namespace {

// Listing a folder under Wine is mostly system calls and waits on its one-threaded
// server: three listings under way at once (two helpers and the walking thread) keep
// the server and two cores busy; more only queue.
constexpr int kHelpers = 2;
// How far ahead of the walking thread, in known folders, helpers may visit: far enough
// to keep them busy, near enough that memory does not grow with the tree.
constexpr int kLookahead = 64;
constexpr rt::u32 kStillActive = 259;

enum class FolderState { Waiting, Visiting, Visited };

struct Folder {
    std::wstring path;  // ends in a backslash
    FolderState state = FolderState::Waiting;
    FolderVisit visit;
    std::unique_ptr<Folder> next;  // the next folder in walk order, as far as known
};

// The known folders form one list in walk order, from the walking thread's position
// on. Visiting a folder puts its subfolders right behind it: nothing below it can be
// known before that, so the list stays in walk order.
class FolderWalk {
public:
    FolderWalk(const wchar_t* root, const FolderWalkSteps& steps, const void* context, const std::atomic<bool>& stop,
               rt::i32 routine)
        : steps_(steps), context_(context), stop_(stop), routine_(routine), cursor_(std::make_unique<Folder>()) {
        cursor_->path = root;
    }
    ~FolderWalk() {
        while (cursor_) cursor_ = std::move(cursor_->next);  // one by one: no deep recursion
    }
    FolderWalk(const FolderWalk&) = delete;
    FolderWalk& operator=(const FolderWalk&) = delete;

    WalkOutcome run();

private:
    static rt::u32 __stdcall help(void* walk);
    void visit(Folder* folder, std::unique_lock<std::mutex>& lock);
    Folder* waiting_near_cursor() const;
    bool stopped() const { return stop_.load(std::memory_order_relaxed); }
    void start_helpers();
    void join_helpers();

    const FolderWalkSteps steps_;
    const void* const context_;
    const std::atomic<bool>& stop_;
    const rt::i32 routine_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::unique_ptr<Folder> cursor_;
    bool finished_ = false;
    ToolKernelHandle helpers_[kHelpers];
};

// Called and left with the lock held; the visit itself runs without it.
void FolderWalk::visit(Folder* folder, std::unique_lock<std::mutex>& lock) {
    folder->state = FolderState::Visiting;
    lock.unlock();
    steps_.visit(folder->path.c_str(), folder->visit, context_);
    std::unique_ptr<Folder> first;
    std::unique_ptr<Folder>* tail = &first;
    for (const std::wstring& name : folder->visit.subfolders) {
        *tail = std::make_unique<Folder>();
        (*tail)->path = folder->path + name + L'\\';
        tail = &(*tail)->next;
    }
    folder->visit.subfolders.clear();
    lock.lock();
    *tail = std::move(folder->next);
    folder->next = std::move(first);
    folder->state = FolderState::Visited;
    changed_.notify_all();
}

Folder* FolderWalk::waiting_near_cursor() const {
    Folder* f = cursor_.get();
    for (int i = 0; f && i < kLookahead; ++i, f = f->next.get())
        if (f->state == FolderState::Waiting) return f;
    return nullptr;
}

rt::u32 __stdcall FolderWalk::help(void* walk_pointer) {
    auto* walk = static_cast<FolderWalk*>(walk_pointer);
    std::unique_lock<std::mutex> lock(walk->mutex_);
    // A stopped walk starts no further folder; its walking thread ends it once the
    // visits under way are over.
    while (!walk->finished_) {
        Folder* folder = walk->stopped() ? nullptr : walk->waiting_near_cursor();
        if (folder) {
            walk->visit(folder, lock);
        } else {
            walk->changed_.wait(lock);
        }
    }
    return 0;
}

void FolderWalk::start_helpers() {
    for (ToolKernelHandle& helper : helpers_)
        helper = ToolKernelHandle(dll::CreateThread(nullptr, 0, &FolderWalk::help, this, 0, nullptr, {routine_, 11}),
                              {routine_, 13});
}

// Helpers only leave once they see the walk finished; their handles close here.
void FolderWalk::join_helpers() {
    for (ToolKernelHandle& helper : helpers_) {
        if (!helper) continue;
        for (;;) {
            rt::u32 code = 0;
            if (!dll::GetExitCodeThread(helper.get(), &code, {routine_, 12}) || code != kStillActive)
                break;
            logic::delay(1);
        }
        helper.close();
    }
}

WalkOutcome FolderWalk::run() {
    WalkOutcome outcome;
    std::unique_lock<std::mutex> lock(mutex_);
    // The root by this thread alone: it binds the listing's DLL commands before any
    // helper calls them, and a folder without subfolders needs no helpers at all.
    if (!stopped()) visit(cursor_.get(), lock);
    if (cursor_->next) {
        lock.unlock();
        start_helpers();
        lock.lock();
    }
    while (cursor_ && !stopped()) {
        Folder* folder = cursor_.get();
        if (folder->state == FolderState::Visiting) {
            // A helper has the next folder: rather than wait, visit one further on.
            if (Folder* ahead = waiting_near_cursor()) {
                visit(ahead, lock);
            } else {
                changed_.wait(lock);
            }
            continue;
        }
        if (folder->state == FolderState::Waiting) visit(folder, lock);
        outcome.count += folder->visit.count;
        if (folder->visit.found.get()) {
            outcome.found = folder->visit.found.release();
            break;
        }
        cursor_ = std::move(folder->next);
        changed_.notify_all();  // the helpers' window moved on
        if (steps_.after_each) {
            lock.unlock();
            steps_.after_each(context_);
            lock.lock();
        }
    }
    finished_ = true;
    changed_.notify_all();
    lock.unlock();
    join_helpers();
    return outcome;
}

}  // namespace

WalkOutcome walk_folders(const wchar_t* root, const FolderWalkSteps& steps, const void* context,
                         const std::atomic<bool>& stop, rt::i32 routine) {
    FolderWalk walk(root, steps, context, stop, routine);
    return walk.run();
}

}  // namespace tuner
