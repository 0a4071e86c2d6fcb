#include "tuner/change_record.h"

#include <utility>

#include "logic/commands.h"
#include "tuner/dll_commands.h"
#include "tuner/file_constants.h"
#include "tuner/kernel_handle.h"
#include "tuner/platform_error.h"
#include "tuner/routines.h"
#include "tuner/system_directory.h"
#include "tuner/texts.h"

namespace tuner {
namespace {

constexpr rt::u32 kOpenReparsePoint = 0x00200000;  // the link itself, never what it names
constexpr rt::u32 kAppendData = 0x4;
constexpr rt::u32 kReadAttributes = 0x80;
constexpr rt::u32 kOpenAlways = 4;
// Another copy of the tool may be appending, or renaming the record aside, meanwhile.
constexpr rt::u32 kShareWithOtherCopies = 0x1 | 0x2 | 0x4;
constexpr rt::u32 kReadData = 0x1;  // the platform locks ranges of handles that may read or write
constexpr rt::u32 kExclusiveLock = 2;

// The platform's OVERLAPPED, naming the byte the copies lock around each line: far past
// any record, so it never stops a reader.
struct LineLock {
    rt::u32 internal = 0, internal_high = 0;
    rt::u32 offset = 0, offset_high = 0x40000000;
    rt::u32 event = 0;
};
constexpr rt::u32 kLocalAppData = 0x1C;
constexpr rt::i32 kInformationStyle = 64;

constexpr logic::Site at(rt::i32 site) { return {kRoutineChangeRecord, site}; }

// The platform's FILE_STANDARD_INFO and FILE_ATTRIBUTE_TAG_INFO, by their class numbers.
struct StandardInformation {
    rt::u64 allocation_size;
    rt::u64 size;
    rt::u32 links;
    unsigned char delete_pending;
    unsigned char directory;
};
static_assert(sizeof(StandardInformation) == 24, "the platform's layout");
constexpr rt::u32 kStandardInformation = 1;
struct AttributeInformation {
    rt::u32 attributes;
    rt::u32 reparse_tag;
};
constexpr rt::u32 kAttributeInformation = 9;

const char* const kActions[] = {kRecordBackup, kRecordWrite, kRecordRename, kRecordDelete, kRecordRun, kRecordPermission};

// Decimal digits of `value`, at least `width` of them, into `out` (NUL-terminated).
void put_number(rt::u32 value, int width, char* out) {
    char digits[12];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0 || n < width);
    while (n > 0) *out++ = digits[--n];
    *out = '\0';
}

// YYYY-MM-DD HH:MM:SS in local time.
logic::Text local_time_text() {
    unsigned short t[8] = {};  // the platform's SYSTEMTIME: year, month, weekday, day, hour, minute, second, ms
    dll::GetLocalTime(t, at(2));
    char year[12], month[12], day[12], hour[12], minute[12], second[12];
    put_number(t[0], 4, year);
    put_number(t[1], 2, month);
    put_number(t[3], 2, day);
    put_number(t[4], 2, hour);
    put_number(t[5], 2, minute);
    put_number(t[6], 2, second);
    return logic::join({year, "-", month, "-", day, " ", hour, ":", minute, ":", second});
}

// The user's local application data folder, or empty text.
logic::Text local_app_data() {
    char base[kMaxPath] = {};
    if (dll::SHGetFolderPathA(0, kLocalAppData, 0, 0, base, at(9)) != 0) return {};
    return logic::Text::copy(base);
}

}  // namespace

logic::Text change_entry(Change change, const char* subject, bool done, rt::u32 error) {
    if (done) return logic::join({kActions[static_cast<int>(change)], "\t", subject, "\t", kRecordDone});
    char code[12];
    put_number(error, 1, code);
    return logic::join({kActions[static_cast<int>(change)], "\t", subject, "\t", kRecordFailed, " ", code});
}

ChangeRecord ChangeRecord::of_user() {
    ChangeRecord record;
    const logic::Text base = local_app_data();
    if (base.empty()) return record;
    record.folder_ = logic::join({base.get(), kRecordFolder});
    record.record_ = logic::join({record.folder_.get(), kRecordName});
    record.old_record_ = logic::join({record.folder_.get(), kOldRecordName});
    return record;
}

ChangeRecord::ChangeRecord(const char* record, const char* old_record)
    : record_(logic::Text::copy(record)), old_record_(logic::Text::copy(old_record)) {}

ChangeRecord::ChangeRecord(ChangeRecord&& other) noexcept
    : folder_(std::move(other.folder_)),
      record_(std::move(other.record_)),
      old_record_(std::move(other.old_record_)),
      handle_(std::move(other.handle_)),
      size_(other.size_),
      flush_interval_(other.flush_interval_),
      last_flush_(other.last_flush_),
      unflushed_(std::exchange(other.unflushed_, false)) {}

ChangeRecord::~ChangeRecord() { close(); }

void ChangeRecord::close() {
    if (!handle_) return;
    if (unflushed_) dll::FlushFileBuffers(handle_.get(), at(8));
    unflushed_ = false;
    handle_.close();
}

bool ChangeRecord::flush_if_due() {
    unflushed_ = true;
    if (flush_interval_ != 0) {
        const rt::u32 now = dll::GetTickCount(at(14));
        if (now - last_flush_ < flush_interval_) return true;
        last_flush_ = now;
    }
    unflushed_ = false;
    return dll::FlushFileBuffers(handle_.get(), at(8));
}

// Opens the record for appending and learns its size; refuses a link.
bool ChangeRecord::open() {
    if (record_.empty()) return false;
    if (!folder_.empty()) {
        // A planted junction in the folder's place is refused like a link for the record.
        dll::CreateDirectoryA(folder_.get(), nullptr, at(10));
        const rt::u32 attributes = dll::GetFileAttributesA(folder_.get(), at(11));
        if (attributes == kInvalidHandle || !(attributes & kAttributeDirectory) || (attributes & kAttributeReparsePoint)) return false;
    }
    handle_ = KernelHandle(dll::CreateFileA(record_.get(), kAppendData | kReadData | kReadAttributes, kShareWithOtherCopies, nullptr,
                                            kOpenAlways, kAttributeNormal | kOpenReparsePoint, 0, at(4)),
                           at(3));
    if (!handle_) return false;
    StandardInformation standard = {};
    AttributeInformation kind = {};
    const bool known =
        dll::GetFileInformationByHandleEx(handle_.get(), kStandardInformation, &standard, sizeof standard, at(5)) &&
        dll::GetFileInformationByHandleEx(handle_.get(), kAttributeInformation, &kind, sizeof kind, at(5));
    if (!known || (kind.attributes & kAttributeReparsePoint) || standard.links > 1) {
        close();
        return false;
    }
    size_ = standard.size;
    return true;
}

bool ChangeRecord::append_line(const char* line) {
    const rt::u32 length = logic::length_of(line);
    if (!handle_ && !open()) return false;
    if (size_ > 0 && size_ + length > kRecordLimit) {
        close();
        if (!dll::MoveFileExA(record_.get(), old_record_.get(), kMoveReplaceExisting | kMoveWriteThrough, at(6)) ||
            !open())
            return false;
    }
    // Appends of several copies are not atomic under every platform: a line at a time.
    LineLock lock;
    const bool locked = dll::LockFileEx(handle_.get(), kExclusiveLock, 0, 1, 0, &lock, at(15));
    rt::u32 written = 0;
    const bool ok = dll::WriteFile(handle_.get(), line, length, &written, nullptr, at(7)) && written == length;
    if (locked) dll::UnlockFileEx(handle_.get(), 0, 1, 0, &lock, at(16));
    size_ += written;
    return flush_if_due() && ok;
}

bool ChangeRecord::append_entry(const char* entry) {
    const logic::Text time = local_time_text();
    const logic::Text line = logic::join({time.get(), "\t", entry, "\r\n"});
    return append_line(line.get());
}

logic::Text change_record_path() {
    const logic::Text base = local_app_data();
    return base.empty() ? logic::Text() : logic::join({base.get(), kRecordFolder, kRecordName});
}

void record_change(Change change, const char* subject, bool done, rt::u32 error) {
    const logic::Text entry = change_entry(change, subject, done, error);
    ChangeRecord::of_user().append_entry(entry.get());
}

void record_outcome(Change change, const char* subject, bool done) {
    record_change(change, subject, done, done ? 0 : last_error());
}

void show_change_record(const char* record) {
    const rt::u32 attributes = record ? dll::GetFileAttributesA(record, at(12)) : kInvalidHandle;
    if (attributes == kInvalidHandle || (attributes & kAttributeDirectory)) {
        logic::message_box(kNoRecordYet, kInformationStyle, kFriendlyTip);
        return;
    }
    // By full path: a program named notepad found elsewhere first, or a file
    // association the user rewrote, would otherwise run elevated.
    const logic::Text system = system_directory({kRoutineChangeRecord, 13});
    if (system.empty()) return;
    const logic::Text command = logic::join({"\"", system.get(), kNotepad, "\" \"", record, "\""});
    logic::run_program(command.get(), false);
}

}  // namespace tuner
