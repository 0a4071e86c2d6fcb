#include "tuner/home_page.h"

#include "data/home_page_templates.h"
#include "logic/commands.h"
#include "tuner/change_record.h"
#include "tuner/client_running.h"
#include "tuner/file_replace.h"
#include "tuner/held_folder.h"
#include "tuner/main_window.h"
#include "tuner/texts.h"
#include "tuner/tool_state.h"

namespace tuner {
namespace {

bool back_up(const char* config, const char* backup) {
    rt::u32 error = 0;
    const bool copied = make_backup(config, backup, &error);
    record_change(Change::Backup, backup, copied, error);
    return copied;
}

void fail(const char* message) {
    logic::message_box(message, kErrorStyle, kWarning);
    clear_result();
}

// Puts the template in place of the client's file; the caption and the radio colour
// only tell of success when the whole template is there.
void write_template(Component radio, const unsigned char* bytes, unsigned length, const char* config) {
    rt::u32 error = 0;
    const bool written = replace_file_contents(config, bytes, length, &error);
    record_change(Change::Write, config, written, error);
    if (!written) {
        fail(kReplaceFailed);
        return;
    }
    kMainWindow.write(radio, kRadioTextColour, kRed);
    show_result(kHomePageReplaced, kBlue);
}

// The backup and the write both happen in LeagueClient: it is held while they do, and
// one that is a link or lies elsewhere than its path says fails the write. A missing
// one fails later as it always did.
HeldFolder hold_client_folder(const char* dir, const char* config) {
    const logic::Text folder = logic::join({dir, kLeagueClientDir});
    HeldFolder held = HeldFolder::open(folder.get());
    if (!held && !held.missing()) record_change(Change::Write, config, false, held.error());
    return held;
}

}  // namespace

void on_home_page_replace() {
    const char* dir = state().install_directory.get();
    if (state().install_directory.empty()) {
        logic::message_box(kNoDriveChosen, kErrorStyle, kFriendlyTip);
        return;
    }
    if (refuse_while_client_runs()) return;
    const HeldFolder install = HeldFolder::open(dir);
    const logic::Text config = logic::join({dir, kSystemYaml});
    const logic::Text backup = logic::join({dir, kSystemYamlBackup});
    const HeldFolder client_folder = hold_client_folder(dir, config.get());
    if (!client_folder && !client_folder.missing()) {
        fail(kReplaceFailed);
        return;
    }
    // Without a backup nothing is overwritten: the user's own file must survive. A
    // folder by the backup's name is no backup.
    if (!is_regular_file(backup.get()) && !back_up(config.get(), backup.get())) {
        fail(kReplaceFailed);
        return;
    }
    if (is_ticked(kBlankRadio))
        write_template(kBlankRadio, home_page_blank(), home_page_blank_length(), config.get());
    else if (is_ticked(kPublisherRadio))
        write_template(kPublisherRadio, home_page_publisher(), home_page_publisher_length(), config.get());
}

void on_home_page_restore() {
    const char* dir = state().install_directory.get();
    if (state().install_directory.empty()) {
        logic::message_box(kNoDriveChosen, kErrorStyle, kFriendlyTip);
        clear_result();
        return;
    }
    if (refuse_while_client_runs()) {
        clear_result();  // as the restore's other refusals do
        return;
    }
    const HeldFolder install = HeldFolder::open(dir);
    const logic::Text config = logic::join({dir, kSystemYaml});
    const logic::Text backup = logic::join({dir, kSystemYamlBackup});
    const HeldFolder client_folder = hold_client_folder(dir, config.get());
    if (!client_folder && !client_folder.missing()) {
        fail(kRestoreFailed);
        return;
    }
    if (!is_regular_file(backup.get())) {
        logic::message_box(kNoBackup, kErrorStyle, kWarning);
        clear_result();
        return;
    }
    rt::u32 error = 0;
    const bool restored = replace_file_with_copy(backup.get(), config.get(), &error);
    record_change(Change::Write, config.get(), restored, error);
    if (!restored) {
        fail(kRestoreFailed);
        return;
    }
    show_result(kHomePageRestored, kBlue);
}

}  // namespace tuner
