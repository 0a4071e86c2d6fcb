// DX11 test mode: the key DX11BetaTest in section General of the client's game.cfg,
// with a one-time backup of the file and an access grant on its first change.
#include "logic/commands.h"
#include "tuner/change_record.h"
#include "tuner/client_running.h"
#include "tuner/file_replace.h"
#include "tuner/held_folder.h"
#include "tuner/main_window.h"
#include "tuner/permission_grant.h"
#include "tuner/profile_write.h"
#include "tuner/steps.h"
#include "tuner/texts.h"
#include "tuner/tool_state.h"

namespace tuner {
namespace {

constexpr rt::u32 kGenericExecute = 0x20000000;
constexpr rt::u32 kSetAccess = 2;
constexpr rt::i32 kSettleMilliseconds = 200;

void write_dx11(const char* config, const char* value) {
    rt::u32 error = 0;
    const bool written = write_profile_item(config, kGeneralSection, kDx11Key, value, &error);
    record_change(Change::Write, config, written, error);
}

// The backup and the write both happen in Game\Config: it is held while they do, and
// one that is a link or lies elsewhere than its path says fails the write. A missing
// one fails later as it always did.
HeldFolder hold_config_folder(const char* config) {
    const logic::Text folder = logic::join({state().install_directory.get(), kGameConfigDir});
    HeldFolder held = HeldFolder::open(folder.get());
    if (!held && !held.missing()) record_change(Change::Write, config, false, held.error());
    return held;
}

}  // namespace

void run_dx11_step() {
    if (refuse_while_client_runs()) return;
    const char* dir = state().install_directory.get();
    const logic::Text config = logic::join({dir, kGameCfg});
    const logic::Text backup = logic::join({dir, kGameCfgBackup});
    const HeldFolder config_folder = hold_config_folder(config.get());
    if (!config_folder && !config_folder.missing()) return;
    // Only a regular file is a backup; without one the key is not written, so the
    // user's own file is never changed without a copy of it.
    if (!is_regular_file(backup.get())) {
        const logic::Text program_dir = logic::program_directory();
        const logic::Text granted = logic::join({program_dir.get(), kGameConfigDir});
        const PermissionGrant grant = grant_permission(granted.get(), kAdministrators, kGenericExecute, kSetAccess);
        record_permission_grant(granted.get(), grant);
        rt::u32 error = 0;
        const bool copied = make_backup(config.get(), backup.get(), &error);
        record_change(Change::Backup, backup.get(), copied, error);
        if (!copied) return;
        logic::delay(kSettleMilliseconds);
    }
    write_dx11(config.get(), kOn);
}

void on_dx11_restore() {
    if (no_drive_chosen()) {
        logic::message_box(kNoDriveChosen, kErrorStyle, kFriendlyTip);
        return;
    }
    if (refuse_without_install_directory() || refuse_while_client_runs()) return;
    const HeldFolder install = HeldFolder::open(state().install_directory.get());
    const logic::Text config = logic::join({state().install_directory.get(), kGameCfg});
    const HeldFolder config_folder = hold_config_folder(config.get());
    if (!config_folder && !config_folder.missing()) return;
    write_dx11(config.get(), kOff);
}

}  // namespace tuner
