#include "tuner/install_candidates.h"

#include <cstring>
#include <utility>

#include "logic/calls.h"
#include "tuner/directory_listing.h"
#include "tuner/dll_commands.h"
#include "tuner/file_constants.h"
#include "tuner/path_parts.h"
#include "tuner/process_check.h"
#include "tuner/process_owner.h"
#include "tuner/routines.h"
#include "tuner/texts.h"
#include "tuner/tool_kernel_handle.h"
#include "tuner/wide_text.h"

namespace tuner {
namespace {

TRIVANE_CONSTANT const char kLauncherKey[] = "Software\\Tencent\\LOL";
TRIVANE_CONSTANT const char kInstallPathValue[] = "InstallPath";
TRIVANE_CONSTANT const char kClientFolderMarker[] = "\\LeagueClient\\";
// Below a candidate named by the registry or a running program: what makes it a client.
TRIVANE_CONSTANT const char kClientProgramPath[] = "\\LeagueClient\\LeagueClient.exe";
TRIVANE_CONSTANT const char kGameFolder[] = "\\Game";
// Older launchers name their own folder inside the install directory.
TRIVANE_CONSTANT const char kLauncherFolder[] = "TCLS";
// The folders installers pick by default, below the drive's "X:".
TRIVANE_CONSTANT const char kUsualFolders[][40] = {
    "\\WeGameApps\\英雄联盟",
    "\\英雄联盟",
    "\\腾讯游戏\\英雄联盟",
    "\\Program Files\\腾讯游戏\\英雄联盟",
    "\\Program Files (x86)\\腾讯游戏\\英雄联盟",
};

constexpr rt::u32 kCurrentUser = 0x80000001;
constexpr rt::u32 kLocalMachine = 0x80000002;
constexpr rt::u32 kQueryValue = 0x0001;
constexpr rt::u32 kView32 = 0x0200;  // the launcher is a 32-bit program
constexpr rt::u32 kRegistryText = 1;
constexpr rt::u32 kQueryLimitedInformation = 0x1000;
// Texts read from the registry or a process are bounded; a longer one is no candidate.
constexpr rt::u32 kLongestReadText = 1024;

constexpr logic::Site at(rt::i32 site) { return {kRoutineInstallCandidates, site}; }

// Paths are GBK: a byte from 0x81 on starts a two-byte character whose second byte may
// be a backslash.
bool is_lead_byte(char c) { return static_cast<unsigned char>(c) >= 0x81 && static_cast<unsigned char>(c) <= 0xFE; }
bool is_separator(char c) { return c == '\\' || c == '/'; }

rt::u32 attributes_of(const char* path) {
    const WideText wide(path);
    return wide.get() ? dll::GetFileAttributesW(wide.get(), at(1)) : kNoAttributes;
}

// The walk reaches "<candidate>\LeagueClient\system.yaml" only through folders that are
// not reparse points, and takes an entry of that name that is not a folder. The
// config path when the candidate holds a client that way, else empty.
logic::Text probe(const char* candidate) {
    logic::Text config = logic::join({candidate, kSystemYaml});
    char* path = config.data();
    for (size_t i = 3; path[i]; ++i) {  // past "X:\", the drive's root
        if (is_lead_byte(path[i])) {
            if (!path[++i]) return {};
            continue;
        }
        if (path[i] != '\\') continue;
        path[i] = '\0';
        const rt::u32 folder = attributes_of(path);
        path[i] = '\\';
        if (folder == kNoAttributes || !(folder & kAttributeDirectory) || (folder & kAttributeReparsePoint)) return {};
    }
    const rt::u32 file = attributes_of(path);
    if (file == kNoAttributes || (file & kAttributeDirectory)) return {};
    return config;
}

// Anyone can write a registry value of the user or start a program of the client's
// name: a folder they name counts only when it also holds the client's program and
// its Game folder, neither reached through a reparse point (probe has checked the
// folders above them).
bool shows_client_layout(const char* candidate) {
    const logic::Text program = logic::join({candidate, kClientProgramPath});
    const rt::u32 file = attributes_of(program.get());
    if (file == kNoAttributes || (file & (kAttributeDirectory | kAttributeReparsePoint))) return false;
    const logic::Text game = logic::join({candidate, kGameFolder});
    const rt::u32 folder = attributes_of(game.get());
    return folder != kNoAttributes && (folder & kAttributeDirectory) && !(folder & kAttributeReparsePoint);
}

// The config path of a client at `candidate` (already named as the walk names it).
logic::Text try_named_candidate(const char* candidate) {
    logic::Text config = probe(candidate);
    return !config.empty() && shows_client_layout(candidate) ? std::move(config) : logic::Text();
}

logic::Text try_candidate(const char* path, char drive) {
    const logic::Text candidate = logic::Text::adopt(normalise_candidate(path, drive));
    return candidate.empty() ? logic::Text() : try_named_candidate(candidate.get());
}

// The launcher's value, and when it names the launcher's own TCLS folder, the folder
// holding that.
logic::Text try_launcher_value(const char* value, char drive) {
    const logic::Text candidate = logic::Text::adopt(normalise_candidate(value, drive));
    if (candidate.empty()) return {};
    logic::Text found = try_named_candidate(candidate.get());
    if (!found.empty() || !equal_ignoring_case(last_part(candidate.get()), kLauncherFolder)) return found;
    const logic::Text parent =
        logic::Text::first_bytes(candidate.get(), static_cast<rt::u32>(parent_length(candidate.get())));
    return parent.length() < 2 ? logic::Text() : try_named_candidate(parent.get());
}

using WideBuffer = wchar_t[kLongestReadText + 1];

// A text the system wrote into `buffer`, taken as data: `units` UTF-16 units, however
// it ends, up to its first NUL. Empty when it is too long or has a character with no
// GBK form: such a folder cannot be the tool's install directory, and no name with
// '?' in its place may stand for it.
logic::Text bounded_text(WideBuffer& buffer, rt::u32 units) {
    if (units > kLongestReadText) return {};
    buffer[units] = L'\0';
    return gbk_from_wide(buffer);
}

logic::Text registry_install_path(rt::u32 root_key) {
    const WideText key_name(kLauncherKey);
    const WideText value_name(kInstallPathValue);
    rt::u32 key = 0;
    if (dll::RegOpenKeyExW(root_key, key_name.get(), 0, kQueryValue | kView32, &key, at(2)) != 0) return {};
    WideBuffer value;
    rt::u32 type = 0;
    rt::u32 size = 2 * kLongestReadText;  // in bytes, the closing NUL's room kept
    const rt::u32 status = dll::RegQueryValueExW(key, value_name.get(), nullptr, &type, value, &size, at(3));
    dll::RegCloseKey(key, at(4));
    if (status != 0 || type != kRegistryText || size > 2 * kLongestReadText) return {};
    return bounded_text(value, size / 2);  // an odd last byte is half a unit: dropped
}

// The full image path of a process of the tool's user, or empty when it is another
// user's or cannot be read.
logic::Text image_path_of(rt::u32 process_id) {
    ToolKernelHandle process(dll::OpenProcess(kQueryLimitedInformation, false, process_id, at(5)), at(7));
    if (!process || !runs_as_tool_user(process.get())) return {};
    WideBuffer path;
    rt::u32 size = kLongestReadText;  // in units, past the closing NUL
    const bool read = dll::QueryFullProcessImageNameW(process.get(), 0, path, &size, at(6));
    process.close();
    return read ? bounded_text(path, size) : logic::Text();
}

struct ClientProcessSearch {
    char drive;
    const std::atomic<bool>& stop;
    logic::Text found;
};

bool pick_client_process(rt::u32 process_id, const char* exe_name, void* context) {
    auto& search = *static_cast<ClientProcessSearch*>(context);
    if (search.stop.load(std::memory_order_relaxed)) return true;
    if (!equal_ignoring_case(exe_name, kClientProgram) && !equal_ignoring_case(exe_name, kClientUxProgram))
        return false;
    const logic::Text image = image_path_of(process_id);
    const logic::Text install = logic::Text::adopt(install_of_client_program(image.get()));
    search.found = try_candidate(install.get(), search.drive);
    return !search.found.empty();
}

}  // namespace

char* normalise_candidate(const char* path, char drive) {
    if (!path || fold_letter(path[0]) != fold_letter(drive) || path[1] != ':' || (path[2] && !is_separator(path[2]))) return nullptr;
    if (std::strlen(path) + std::strlen(kSystemYaml) >= kMaxPath) return nullptr;
    // A colon after the drive's own names a file's alternate data stream, never a folder.
    if (std::strchr(path + 2, ':')) return nullptr;

    // Never longer than the source: each part written had a separator before it.
    char out[kMaxPath];
    size_t length = 0;
    out[length++] = path[0];
    out[length++] = ':';
    for (size_t i = 2; path[i];) {
        while (is_separator(path[i])) ++i;
        if (!path[i]) break;
        const size_t start = i;
        while (path[i] && !is_separator(path[i])) {
            if (is_lead_byte(path[i]) && !path[++i]) return nullptr;  // a character cut in half
            ++i;
        }
        const size_t part = i - start;
        if (path[start] == '.' && (part == 1 || (part == 2 && path[start + 1] == '.'))) return nullptr;
        out[length++] = '\\';
        std::memcpy(out + length, path + start, part);
        length += part;
    }
    out[length] = '\0';
    return logic::Text::copy(out).release();
}

char* install_of_client_program(const char* image_path) {
    if (!image_path) return nullptr;
    size_t last = 0;
    for (size_t i = 0; image_path[i]; ++i) {
        if (is_lead_byte(image_path[i])) {
            if (!image_path[++i]) break;
        } else if (image_path[i] == '\\' && starts_with_ignoring_case(image_path + i, kClientFolderMarker)) {
            last = i;
        }
    }
    return last == 0 ? nullptr : logic::Text::first_bytes(image_path, static_cast<rt::u32>(last)).release();
}

char* find_usual_install(char drive, const std::atomic<bool>& stop) {
    for (const rt::u32 root_key : {kCurrentUser, kLocalMachine}) {
        if (stop.load(std::memory_order_relaxed)) return nullptr;
        const logic::Text value = registry_install_path(root_key);
        logic::Text found = try_launcher_value(value.get(), drive);
        if (!found.empty()) return found.release();
    }

    if (stop.load(std::memory_order_relaxed)) return nullptr;
    ClientProcessSearch search = {drive, stop, {}};
    first_process(pick_client_process, &search);
    if (!search.found.empty()) return search.found.release();

    const char drive_name[] = {drive, ':', '\0'};
    for (const char* folder : kUsualFolders) {
        if (stop.load(std::memory_order_relaxed)) return nullptr;
        const logic::Text path = logic::join({drive_name, folder});
        logic::Text found = probe(path.get());
        if (!found.empty()) return found.release();
    }
    return nullptr;
}

}  // namespace tuner
