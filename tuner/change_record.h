// The change record: one line for each change the tool makes to the user's files and
// system, appended as the change is made, to changes.log in the folder Trivane under
// the user's local application data folder. A line holds the local time, the action,
// the full path or command line, and 成功 or 失败 with the platform's error code.
// Writing the record never stops or changes the step that made the change. A log
// cleanup's lines come from the threads that deleted the files, each right after its
// deletion, so between folders their order may differ from the walk's.
#pragma once
#include "logic/values.h"
#include "tuner/kernel_handle.h"

namespace tuner {

enum class Change { Backup, Write, Rename, Delete, Run, Permission };

// A record passing this size with the next line is renamed to changes.old.log first.
inline constexpr rt::u32 kRecordLimit = 1048576;

// A change as the record shows it after the time: action, subject and outcome, tab
// separated. Any thread may make one.
logic::Text change_entry(Change change, const char* subject, bool done, rt::u32 error);

// A record file, opened on its first line and kept open for the lines that follow
// (a log cleanup writes one for each file); each line is written and flushed as it
// comes. UI thread only.
class ChangeRecord {
public:
    // The user's own record; its folder is made on the first line.
    static ChangeRecord of_user();
    // A record of given names, in a folder that exists.
    ChangeRecord(const char* record, const char* old_record);
    ChangeRecord(ChangeRecord&& other) noexcept;
    ChangeRecord& operator=(ChangeRecord&&) = delete;
    ChangeRecord(const ChangeRecord&) = delete;
    ChangeRecord& operator=(const ChangeRecord&) = delete;
    ~ChangeRecord();

    // Appends `line`, first renaming the record to the old record's name (replacing an
    // older one) when the line would take it past the limit. A record that is a
    // reparse point or has another hard link is refused: its folder is the user's to
    // change, and an elevated write through a planted link would reach someone
    // else's file. False when the line was not written.
    bool append_line(const char* line);
    // Appends `entry` behind the local time now.
    bool append_entry(const char* entry);

    // Each line reaches the system as it is written; by default each is also flushed
    // to the disk at once. A log cleanup writes a line per deleted file, and a disk
    // flush for each would cost as much as the deletion itself: there the flush runs
    // at most every `milliseconds` and when the record is closed.
    void flush_at_most_every(rt::u32 milliseconds) { flush_interval_ = milliseconds; }

private:
    ChangeRecord() = default;
    bool open();
    void close();
    bool flush_if_due();

    logic::Text folder_;  // made before the first line, when set
    logic::Text record_;
    logic::Text old_record_;
    KernelHandle handle_;
    rt::u64 size_ = 0;
    rt::u32 flush_interval_ = 0;
    rt::u32 last_flush_ = 0;
    bool unflushed_ = false;
};

// One change just made on the UI thread, to the user's record.
void record_change(Change change, const char* subject, bool done, rt::u32 error);
// The same with the platform's error code of the call that made the change: called
// right after it, before any other platform call.
void record_outcome(Change change, const char* subject, bool done);

// Where the user's record is; empty when the platform names no folder for it.
logic::Text change_record_path();

// Opens `record` in the system's Notepad, started by full path, or says that there is
// no record yet.
void show_change_record(const char* record);

}  // namespace tuner
