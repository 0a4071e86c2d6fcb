#include "tuner/change_record.h"

#include <utility>

#include "logic/commands.h"
#include "tuner/dll_commands.h"
#include "tuner/file_constants.h"
#include "tuner/platform_error.h"
#include "tuner/program_start.h"
#include "tuner/routines.h"
#include "tuner/texts.h"
#include "tuner/tool_kernel_handle.h"
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

// The user's local application data folder, or empty.
std::wstring local_app_data() {
    wchar_t base[kMaxPath] = {};
    if (dll::SHGetFolderPathW(0, kLocalAppData, 0, 0, base, at(9)) != 0) return {};
    base[kMaxPath - 1] = L'\0';
    return base;
}

std::wstring wide(const char* text) {
    const WideText converted(text);
    return converted.get() ? converted.get() : L"";
}

// The folder part of `path`, a drive's root with its backslash; empty when none.
std::wstring folder_of(const std::wstring& path) {
    const size_t slash = path.rfind(L'\\');
    if (slash == std::wstring::npos || slash == 0) return {};
    const bool drive_root = slash == 2 && path[1] == L':';
    return path.substr(0, drive_root ? slash + 1 : slash);
}

}  // namespace

std::wstring change_entry(Change change, const wchar_t* subject, bool done, rt::u32 error) {
    std::wstring entry = wide(kActions[static_cast<int>(change)]) + L'\t' + (subject ? subject : L"") + L'\t';
    if (done) return entry + wide(kRecordDone);
    char code[12];
    put_number(error, 1, code);
    return entry + wide(kRecordFailed) + L' ' + wide(code);
}

ChangeRecord ChangeRecord::of_user() {
    ChangeRecord record;
    const std::wstring base = local_app_data();
    if (base.empty()) return record;
    record.folder_path_ = base + wide(kRecordFolder);
    record.make_folder_ = true;
    record.record_ = record.folder_path_ + wide(kRecordName);
    record.old_name_ = wide(kOldRecordName + 1);
    return record;
}

ChangeRecord::ChangeRecord(const char* record, const char* old_record) : record_(wide(record)) {
    folder_path_ = folder_of(record_);
    // The old record is only ever a name in the record's own folder.
    const std::wstring old = wide(old_record);
    if (!folder_path_.empty() && folder_of(old) == folder_path_) old_name_ = old.substr(old.rfind(L'\\') + 1);
}

ChangeRecord::ChangeRecord(ChangeRecord&& other) noexcept
    : folder_path_(std::move(other.folder_path_)),
      make_folder_(other.make_folder_),
      record_(std::move(other.record_)),
      old_name_(std::move(other.old_name_)),
      earlier_encoding_(other.earlier_encoding_),
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
    if (make_folder_) dll::CreateDirectoryW(folder_path_.c_str(), nullptr, at(10));
    folder_ = RecordFolder::open(folder_path_.c_str());
    if (!folder_) return false;
    handle_ = open_record_to_append(record_.c_str());
    rt::u64 size = 0;
    if (!handle_ || !plain_record_size(handle_.get(), folder_, &size)) {
        close();
        return false;
    }
    earlier_encoding_ = size > 0 && !begins_with_mark(handle_.get(), size);
    end_ = kUnknownEnd;
    return true;
}

// Renames the record to the old record's name when `length` more bytes would take it
// past the limit, or when it is of the earlier encoding. The writing handle shares no
// deletion, so it is closed first and the name opened for renaming, which succeeds
// only while no other writer holds it; the record is checked again on that handle
// (another writer may have renamed it meanwhile and begun a new one), and the folder
// must still be the one held.
void ChangeRecord::move_aside(rt::u32 length) {
    if (unflushed_) dll::FlushFileBuffers(handle_.get(), at(8));
    unflushed_ = false;
    handle_.close();
    const RecordFolder again = RecordFolder::open(folder_path_.c_str());
    ToolKernelHandle renaming = open_record_to_rename(record_.c_str());
    rt::u64 size = 0;
    if (!again.same_as(folder_) || !renaming || !plain_record_size(renaming.get(), folder_, &size) || size == 0 ||
        (size + length <= kRecordLimit && begins_with_mark(renaming.get(), size)))
        return;
    rename_in_folder(renaming.get(), folder_, old_name_.c_str());
}

// One line, under the writers' lock, on a line of its own.
bool ChangeRecord::write_whole(const char* line, rt::u32 length) {
    const RecordLock lock(handle_.get(), !lock_waited_out_);
    if (!lock.held()) lock_waited_out_ = true;
    rt::u64 size = 0;
    const bool sized = record_size(handle_.get(), &size);
    rt::u32 written = 0;
    rt::u64 end = size;
    // The mark goes with the first line in one write: whoever finds the record empty
    // under the lock writes it, so it is there once.
    logic::Text marked;
    if (sized && size == 0) {
        marked = logic::join({kByteOrderMark, line});
        line = marked.get();
        length += kByteOrderMarkLength;
    } else if (sized && size != end_ && !at_line_start(handle_.get(), size)) {
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
    if (!old_name_.empty() && record_size(handle_.get(), &size) && size > 0 &&
        (earlier_encoding_ || size + length > kRecordLimit)) {
        move_aside(length);
        if (!open()) return false;
        // Moved or not, this object tries once: a record another writer keeps of the
        // earlier encoding still takes the line.
        earlier_encoding_ = false;
    }
    const bool whole = write_whole(line, length);
    return flush_if_due() && whole;
}

bool ChangeRecord::append_entry(const wchar_t* entry) {
    const logic::Text time = local_time_text();
    const logic::Text text = utf8_from_wide(entry);
    const logic::Text line = logic::join({time.get(), "\t", text.get(), "\r\n"});
    return append_line(line.get());
}

bool ChangeRecord::append_entry(const char* entry) {
    const WideText converted(entry);
    return append_entry(converted.get() ? converted.get() : L"");
}

logic::Text change_record_path() {
    const std::wstring base = local_app_data();
    if (base.empty()) return {};
    const std::wstring record = base + wide(kRecordFolder) + wide(kRecordName);
    bool exact = false;
    logic::Text path = gbk_from_wide(record.c_str(), &exact);
    return exact ? std::move(path) : logic::Text();
}

void record_change(Change change, const char* subject, bool done, rt::u32 error) {
    const WideText wide_subject(subject);
    const std::wstring entry = change_entry(change, wide_subject.get(), done, error);
    ChangeRecord::of_user().append_entry(entry.c_str());
}

void record_outcome(Change change, const char* subject, bool done) {
    record_change(change, subject, done, done ? 0 : last_error(at(90)));
}

void show_change_record(const char* record) {
    const WideText wide_record(record);
    const rt::u32 attributes = wide_record.get() ? dll::GetFileAttributesW(wide_record.get(), at(12)) : kInvalidHandle;
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
