#include "tuner/change_record.h"

#include <utility>

#include "logic/commands.h"
#include "tuner/dll_commands.h"
#include "tuner/file_constants.h"
#include "tuner/kernel_handle.h"
#include "tuner/platform_error.h"
#include "tuner/program_start.h"
#include "tuner/routines.h"
#include "tuner/texts.h"
#include "tuner/wide_text.h"

namespace tuner {
namespace {

constexpr rt::u32 kLocalAppData = 0x1C;
constexpr rt::i32 kInformationStyle = 64;

constexpr logic::Site at(rt::i32 site) { return {kRoutineChangeRecord, site}; }

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

// Where the last backslash of `path` is (-1 when none), stepping over double-byte
// characters, whose second byte may be a backslash's.
rt::i32 last_backslash(const char* path) {
    rt::i32 found = -1;
    for (rt::i32 i = 0; path && path[i]; ++i) {
        const auto byte = static_cast<unsigned char>(path[i]);
        if (byte >= 0x81 && byte <= 0xFE && path[i + 1]) {
            ++i;
        } else if (byte == '\\') {
            found = i;
        }
    }
    return found;
}

// The folder part of `path`, a drive's root with its backslash; empty when none.
logic::Text folder_of(const char* path) {
    const rt::i32 slash = last_backslash(path);
    if (slash <= 0) return {};
    const bool drive_root = slash == 2 && path[1] == ':';
    return logic::Text::first_bytes(path, static_cast<rt::u32>(drive_root ? slash + 1 : slash));
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
    record.folder_path_ = logic::join({base.get(), kRecordFolder});
    record.make_folder_ = true;
    record.record_ = logic::join({record.folder_path_.get(), kRecordName});
    record.old_name_ = logic::Text::copy(kOldRecordName + 1);
    return record;
}

ChangeRecord::ChangeRecord(const char* record, const char* old_record)
    : folder_path_(folder_of(record)), record_(logic::Text::copy(record)) {
    // The old record is only ever a name in the record's own folder.
    if (!folder_path_.empty() && folder_of(old_record) == folder_path_)
        old_name_ = logic::Text::copy(old_record + last_backslash(old_record) + 1);
}

ChangeRecord::ChangeRecord(ChangeRecord&& other) noexcept
    : folder_path_(std::move(other.folder_path_)),
      make_folder_(other.make_folder_),
      record_(std::move(other.record_)),
      old_name_(std::move(other.old_name_)),
      folder_(std::move(other.folder_)),
      handle_(std::move(other.handle_)),
      end_(other.end_),
      lock_waited_out_(other.lock_waited_out_),
      flush_interval_(other.flush_interval_),
      last_flush_(other.last_flush_),
      unflushed_(std::exchange(other.unflushed_, false)) {}

ChangeRecord::~ChangeRecord() { close(); }

void ChangeRecord::close() {
    if (handle_ && unflushed_) dll::FlushFileBuffers(handle_.get(), at(8));
    unflushed_ = false;
    handle_.close();
    folder_ = RecordFolder();
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

// Holds the folder, then opens the record in it and checks it there.
bool ChangeRecord::open() {
    if (record_.empty() || folder_path_.empty()) return false;
    if (make_folder_) dll::CreateDirectoryA(folder_path_.get(), nullptr, at(10));
    folder_ = RecordFolder::open(folder_path_.get());
    if (!folder_) return false;
    handle_ = open_record_to_append(record_.get());
    rt::u64 size = 0;
    if (!handle_ || !plain_record_size(handle_.get(), folder_, &size)) {
        close();
        return false;
    }
    end_ = kUnknownEnd;
    return true;
}

// Renames the record to the old record's name when `length` more bytes would take it
// past the limit. The writing handle shares no deletion, so it is closed first and
// the name opened for renaming, which succeeds only while no other writer holds it;
// the record is checked again on that handle (another writer may have renamed it
// meanwhile), and the folder must still be the one held.
void ChangeRecord::rotate_before(rt::u32 length) {
    if (unflushed_) dll::FlushFileBuffers(handle_.get(), at(8));
    unflushed_ = false;
    handle_.close();
    const RecordFolder again = RecordFolder::open(folder_path_.get());
    KernelHandle renaming = open_record_to_rename(record_.get());
    rt::u64 size = 0;
    if (!again.same_as(folder_) || !renaming || !plain_record_size(renaming.get(), folder_, &size) || size == 0 ||
        size + length <= kRecordLimit)
        return;
    const WideText name(old_name_.get());
    rename_in_folder(renaming.get(), folder_, name.get());
}

// One line, under the writers' lock, on a line of its own.
bool ChangeRecord::write_whole(const char* line, rt::u32 length) {
    const RecordLock lock(handle_.get(), !lock_waited_out_);
    if (!lock.held()) lock_waited_out_ = true;
    rt::u64 size = 0;
    const bool sized = record_size(handle_.get(), &size);
    rt::u32 written = 0;
    rt::u64 end = size;
    if (sized && size != end_ && !ends_with_line_break(handle_.get(), size)) {
        dll::WriteFile(handle_.get(), "\r\n", 2, &written, nullptr, at(7));
        end += written;
    }
    const bool whole = dll::WriteFile(handle_.get(), line, length, &written, nullptr, at(7)) && written == length;
    end_ = whole && sized ? end + length : kUnknownEnd;
    return whole;
}

bool ChangeRecord::append_line(const char* line) {
    const rt::u32 length = logic::length_of(line);
    const std::lock_guard<std::mutex> guard(mutex_);
    if (!handle_ && !open()) return false;
    rt::u64 size = 0;
    if (!old_name_.empty() && record_size(handle_.get(), &size) && size > 0 && size + length > kRecordLimit) {
        rotate_before(length);
        if (!open()) return false;
    }
    const bool whole = write_whole(line, length);
    return flush_if_due() && whole;
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
    // The system's own Notepad: a program named notepad found elsewhere first, or a
    // file association the user rewrote, would otherwise run elevated.
    const logic::Text argument = logic::join({" \"", record, "\""});
    const ProgramCommand notepad = system_program(kNotepad, argument.get(), at(13));
    if (!notepad.application.empty()) start_program(notepad, at(13));
}

}  // namespace tuner
