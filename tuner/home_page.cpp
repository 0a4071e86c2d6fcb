#include "tuner/home_page.h"

#include "data/home_page_templates.h"
#include "runtime/logic/commands.h"
#include "tuner/dll_commands.h"
#include "tuner/main_window.h"
#include "tuner/routines.h"
#include "tuner/texts.h"
#include "tuner/tool_state.h"

namespace tuner {
namespace {

bool copy_file(const char* from, const char* to, rt::i32 site) {
    return logic::call_dll(kCopyFileA, convention_of(kCopyFileA), {logic::word(from), logic::word(to), 0},
                           {kRoutineHomePage, site}) != 0;
}

void fail(const char* message) {
    logic::message_box(message, kErrorStyle, kWarning);
    clear_result();
}

// Writes the template over the client's file; the caption and the radio colour only
// tell of success when every byte was written.
void write_template(Component radio, const unsigned char* bytes, unsigned length, const char* config) {
    const logic::Bytes content = logic::Bytes::copy_of(bytes, static_cast<rt::i32>(length));
    if (!logic::write_to_file(config, {content.get()})) {
        fail(kReplaceFailed);
        return;
    }
    kMainWindow.write(radio, kRadioTextColour, kRed);
    show_result(kHomePageReplaced, kBlue);
}

}  // namespace

void on_home_page_replace() {
    const char* dir = state().install_directory.get();
    if (state().install_directory.empty()) {
        logic::message_box(kNoDriveChosen, kErrorStyle, kFriendlyTip);
        return;
    }
    const logic::Text config = logic::join({dir, kSystemYaml});
    const logic::Text backup = logic::join({dir, kSystemYamlBackup});
    // Without a backup nothing is overwritten: the user's own file must survive.
    if (!logic::file_exists(backup.get()) && !copy_file(config.get(), backup.get(), 1)) {
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
    const logic::Text config = logic::join({dir, kSystemYaml});
    const logic::Text backup = logic::join({dir, kSystemYamlBackup});
    if (!logic::file_exists(backup.get())) {
        logic::message_box(kNoBackup, kErrorStyle, kWarning);
        clear_result();
        return;
    }
    if (!copy_file(backup.get(), config.get(), 2)) {
        fail(kRestoreFailed);
        return;
    }
    show_result(kHomePageRestored, kBlue);
}

}  // namespace tuner
