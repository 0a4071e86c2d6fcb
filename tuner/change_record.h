// The change record: one line for each change the tool makes to the user's files and
// system, appended as the change is made, to changes.log in the folder Trivane under
// the user's local application data folder. A line holds the local time, the action,
// the full path or command line, and 成功 or 失败 with the platform's error code.
// The record is UTF-8 behind a byte-order mark, so that Notepad shows it right on any
// Windows and names in any language stand as they are; a record of the tool's earlier
// encoding (no mark) is moved to changes.old.log before the first new line.
// Writing the record never stops or changes the step that made the change. A log
// cleanup's lines come from the threads that deleted the files, each right after its
// deletion, so between folders their order may differ from the walk's.
#pragma once
#include <mutex>
#include <string>

#include "logic/values.h"
#include "tuner/record_handles.h"
#include "tuner/tool_kernel_handle.h"

namespace tuner {

enum class Change { Backup, Write, Rename, Delete, Run, Permission };

// A record passing this size with the next line is renamed to changes.old.log first.
inline constexpr rt::u32 kRecordLimit = 1048576;

// A change as the record shows it after the time: action, subject and outcome, tab
// separated. Any thread may make one.
std::wstring change_entry(Change change, const wchar_t* subject, bool done, rt::u32 error);

// A record file for one action: opened on its first line and closed when the object
// goes (a log cleanup holds one for the whole walk, every other change opens one for
// its line), so readers such as Notepad open the record between actions. The file is
// shared with other writers (threads of this process, other copies of the tool):
// each line goes in whole under a writers' lock, behind a line cut short by a full
// disk, and is handed to the system as it is written. Several threads may append
// through one object at once.
class ChangeRecord {
public:
    // The user's own record; its folder is made on the first line.
    static ChangeRecord of_user();
    // A record of given names (the tool's GBK texts) in one folder that exists.
    ChangeRecord(const char* record, const char* old_record);
    ChangeRecord(ChangeRecord&& other) noexcept;
    ChangeRecord& operator=(ChangeRecord&&) = delete;
    ChangeRecord(const ChangeRecord&) = delete;
    ChangeRecord& operator=(const ChangeRecord&) = delete;
    ~ChangeRecord();

    // Appends `line` (UTF-8 bytes), first renaming the record to the old record's name
    // (replacing an older one) when the line would take it past the limit or the
    // record is of the earlier encoding; where that rename cannot be done (another
    // writer holds the record, the old name is a folder or a file in use) the line
    // still goes to the record. A record found empty gets the mark before the line.
    // The folder is the user's to change and the tool writes elevated, so a folder
    // that is a link and a record that is a link or has another hard link are
    // refused, and the rename stays within the folder. False when the line was not
    // written whole. Any thread.
    bool append_line(const char* line);
    // Appends `entry` behind the local time now. Any thread.
    bool append_entry(const wchar_t* entry);
    // The same for an entry of the tool's GBK texts.
    bool append_entry(const char* entry);

    // Each line reaches the system as it is written; by default each is also flushed
    // to the disk at once. A log cleanup writes a line per deleted file, and a disk
    // flush for each would cost as much as the deletion itself: there the flush runs
    // at most every `milliseconds` and when the record is closed. Before the first line.
    void flush_at_most_every(rt::u32 milliseconds) { flush_interval_ = milliseconds; }

private:
    ChangeRecord() = default;
    bool open();
    void close();
    void move_aside(rt::u32 length);
    bool write_whole(const char* line, rt::u32 length);
    bool flush_if_due();

    std::wstring folder_path_;
    bool make_folder_ = false;
    std::wstring record_;
    std::wstring old_name_;  // in the record's folder; none when the old record lies elsewhere
    bool earlier_encoding_ = false;  // the open record has no mark: moved aside before the next line
    std::mutex mutex_;      // the lines of this object's threads, one at a time
    RecordFolder folder_;
    ToolKernelHandle handle_;
    rt::u64 end_ = kUnknownEnd;  // where this object's last whole line ended
    bool lock_waited_out_ = false;
    rt::u32 flush_interval_ = 0;
    rt::u32 last_flush_ = 0;
    bool unflushed_ = false;

    static constexpr rt::u64 kUnknownEnd = ~rt::u64{0};
};

// One change just made on the UI thread, to the user's record; `subject` is a GBK text.
void record_change(Change change, const char* subject, bool done, rt::u32 error);
// The same with the platform's error code of the call that made the change: called
// right after it, before any other platform call.
void record_outcome(Change change, const char* subject, bool done);

// Where the user's record is; empty when the platform names no folder for it, or one
// the tool's texts cannot name.
logic::Text change_record_path();

// Opens `record` in the system's Notepad, started by full path, or says that there is
// no record yet.
void show_change_record(const char* record);

}  // namespace tuner
