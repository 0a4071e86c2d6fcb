// The Cross frame boost and the log cleanup.
#include "logic/commands.h"
#include "tuner/change_record.h"
#include "tuner/file_routines.h"
#include "tuner/held_folder.h"
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
    const bool root = is_drive_root(install);
    if (!root && !is_shared_system_folder(install)) return false;
    if (!s.drive_root_told) logic::message_box(root ? kDriveRootSkipped : kSharedFolderSkipped, kErrorStyle, kWarning);
    s.drive_root_told = true;
    return true;
}

// Cross is renamed on its own handle, checked to be the folder in the install folder
// (not a link, not reached through one); the new name lies in the install folder too.
// Cross is made again only in an install folder that is still the one detected.
void move_cross_aside(const char* dir) {
    const logic::Text cross = logic::join({dir, kCross});
    const logic::Text backup = logic::join({dir, kCrossBackup});
    const bool backup_exists = is_directory(backup.get());
    const logic::Text target = backup_exists ? logic::join({dir, kCrossEnd}) : logic::Text::copy(backup.get());
    const logic::Text renamed = logic::join({cross.get(), " -> ", target.get()});
    const HeldFolder install = HeldFolder::open(dir);
    rt::u32 error = install.error();
    const bool moved = install && rename_checked_folder(cross.get(), target.get(), error);
    record_change(Change::Rename, renamed.get(), moved, error);
    if (!backup_exists && install) make_directory_path(cross.get());
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
    if (caption_of(kPromptLabel) == s.install_directory) move_cross_aside(s.install_directory.get());
    clean_logs(s.install_directory, [] { show_result(kCrossDone, kBlue); });
}

void run_log_cleanup_step() {
    ToolState& s = state();
    if (s.install_directory.empty()) {
        logic::message_box(kNoDriveChosen, kErrorStyle, kFriendlyTip);
        clear_result();
        return;
    }
    if (refuse_at_drive_root()) return;
    clean_logs(s.install_directory, [] { show_result(kLogsCleared, kTeal); });
}

}  // namespace tuner
