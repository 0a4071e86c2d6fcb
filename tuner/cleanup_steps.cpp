// The Cross frame boost and the log cleanup.
#include "logic/commands.h"
#include "tuner/change_record.h"
#include "tuner/file_routines.h"
#include "tuner/log_cleanup.h"
#include "tuner/main_window.h"
#include "tuner/search_handlers.h"
#include "tuner/shared_folders.h"
#include "tuner/steps.h"
#include "tuner/texts.h"
#include "tuner/tool_state.h"

namespace tuner {
namespace {

// A client at the root of a drive or in a folder the system and every user share:
// deleting or renaming below it would work on everything there, the system's and
// other programs' files among them. Said once per press.
bool refuse_at_drive_root() {
    ToolState& s = state();
    const char* install = s.install_directory.get();
    if (!is_drive_root(install) && !is_shared_system_folder(install)) return false;
    if (!s.drive_root_told) logic::message_box(kDriveRootSkipped, kErrorStyle, kWarning);
    s.drive_root_told = true;
    return true;
}

}  // namespace

bool no_drive_chosen() { return caption_of(kPromptLabel) == kDrivePrompt; }

bool refuse_without_install_directory() {
    if (!state().install_directory.empty()) return false;
    if (!refuse_while_searching()) logic::message_box(kNoDriveChosen, kErrorStyle, kFriendlyTip);
    return true;
}

void run_cross_step() {
    if (no_drive_chosen()) return;
    ToolState& s = state();
    if (s.install_directory.empty()) return;  // a search still running or without result: nothing to work on
    if (refuse_at_drive_root()) return;
    if (caption_of(kPromptLabel) == s.install_directory) {
        const char* dir = s.install_directory.get();
        const logic::Text cross = logic::join({dir, kCross});
        const logic::Text backup = logic::join({dir, kCrossBackup});
        if (is_directory(backup.get())) {
            const logic::Text end = logic::join({dir, kCrossEnd});
            const logic::Text renamed = logic::join({cross.get(), " -> ", end.get()});
            record_outcome(Change::Rename, renamed.get(), logic::move_file(cross.get(), end.get()));
        } else {
            const logic::Text renamed = logic::join({cross.get(), " -> ", backup.get()});
            record_outcome(Change::Rename, renamed.get(), logic::move_file(cross.get(), backup.get()));
            make_directory_path(cross.get());
        }
    }
    if (!clean_logs(s.install_directory)) return;
    show_result(kCrossDone, kBlue);
}

void run_log_cleanup_step() {
    ToolState& s = state();
    if (s.install_directory.empty()) {
        logic::message_box(kNoDriveChosen, kErrorStyle, kFriendlyTip);
        clear_result();
        return;
    }
    if (refuse_at_drive_root()) return;
    if (!clean_logs(s.install_directory)) return;
    show_result(kLogsCleared, kTeal);
}

}  // namespace tuner
