// The tool end to end: the real Trivane.exe on a client laid out on drive T: (a
// folder the test command maps as a drive letter), driven through its window; the
// files are checked afterwards. Drive U: is mapped to a folder with no client, drive
// W: (where the machine permits it) to a tiny file system that a test fills.
#include <gtest/gtest.h>
#include <windows.h>
#include <aclapi.h>
#include <sddl.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <thread>

#include "tests/e2e/program_path.h"
#include "tests/e2e/sample_client.h"
#include "tests/e2e/screen_colours.h"
#include "tests/e2e/system_standin.h"
#include "tests/e2e/tool_boxes.h"
#include "tests/e2e/trivane_driver.h"
#include "tests/support/unix_link.h"
#include "tests/support/box_look.h"
#include "tests/support/change_record_tail.h"
#include "tests/support/child_process.h"
#include "tests/support/message_box_answerer.h"
#include "tests/support/temp_dir.h"

namespace {

using e2e::expect_box;
using e2e::press;
using e2e::Trivane;
using testing_support::LookedAtBox;

constexpr char kClientDrive[] = "T:\\";
constexpr char kEmptyDrive[] = "U:\\";
const std::string kNoDrive = "你还未选择LOL所在盘符，请返回操作";
const std::string kSearching = "正在寻找LOL安装目录，请稍后...";
const std::string kTip = "友情提示：";

// One run the stand-ins recorded: a program's, or a planted library's load (its
// command line is then "loaded").
struct RecordedRun {
    std::string program, command_line, directory, parent;
    DWORD pid = 0;
};

RecordedRun parse_run(const std::string& line) {
    std::vector<std::string> fields;
    for (size_t at = 0;;) {
        const size_t tab = line.find('\t', at);
        fields.push_back(line.substr(at, tab == std::string::npos ? std::string::npos : tab - at));
        if (tab == std::string::npos) break;
        at = tab + 1;
    }
    fields.resize(5);
    return {fields[0], fields[1], fields[2], fields[3], static_cast<DWORD>(std::strtoul(fields[4].c_str(), nullptr, 10))};
}

bool same_path(const std::string& a, const std::string& b) { return _stricmp(a.c_str(), b.c_str()) == 0; }

// An environment variable of this process, and so of the Trivane it starts and the
// programs Trivane starts, for the life of the object.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : name_(name) { SetEnvironmentVariableA(name, value); }
    ~ScopedVariable() { SetEnvironmentVariableA(name_, nullptr); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* name_;
};

// The user's command interpreter AutoRun value, which any process of the user may
// write, set for the life of the object and then put back.
class AutoRunValue {
public:
    explicit AutoRunValue(const std::string& command) {
        if (RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key_,
                            nullptr) != ERROR_SUCCESS)
            return;
        DWORD type = 0, size = sizeof saved_;
        had_value_ = RegQueryValueExA(key_, "AutoRun", nullptr, &type, reinterpret_cast<BYTE*>(saved_), &size) ==
                         ERROR_SUCCESS &&
                     type == REG_SZ;
        saved_size_ = size;
        set_ = RegSetValueExA(key_, "AutoRun", 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                              static_cast<DWORD>(command.size() + 1)) == ERROR_SUCCESS;
    }
    ~AutoRunValue() {
        if (!key_) return;
        if (had_value_)
            RegSetValueExA(key_, "AutoRun", 0, REG_SZ, reinterpret_cast<const BYTE*>(saved_), saved_size_);
        else
            RegDeleteValueA(key_, "AutoRun");
        RegCloseKey(key_);
    }
    AutoRunValue(const AutoRunValue&) = delete;
    AutoRunValue& operator=(const AutoRunValue&) = delete;
    bool set() const { return set_; }

private:
    static constexpr char kKey[] = "Software\\Microsoft\\Command Processor";
    HKEY key_ = nullptr;
    char saved_[1024] = {};
    DWORD saved_size_ = 0;
    bool had_value_ = false;
    bool set_ = false;
};

std::string blank_template() { return e2e::read_file(TRIVANE_DATA_DIR "\\home_page_blank.yaml"); }
std::string publisher_template() { return e2e::read_file(TRIVANE_DATA_DIR "\\home_page_publisher.yaml"); }

class EndToEnd : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(e2e::directory_exists(kClientDrive) && e2e::directory_exists(kEmptyDrive))
            << "drives T: and U: are mapped by the test command (tools/test.sh)";
        client_ = e2e::make_sample_client(kClientDrive);
        e2e::empty_folder(kEmptyDrive);
        standin_log_ = temp_ / "standins.log";
        // The system's powercfg, as far as the tool can tell: it records each run.
        system_powercfg_ = std::make_unique<e2e::SystemStandIn>(e2e::standins_directory() + "\\powercfg.exe",
                                                                "powercfg.exe");
        ASSERT_TRUE(system_powercfg_->installed()) << system_powercfg_->path();
    }

    // A stand-in still running holds its file, which the next test replaces.
    void TearDown() override {
        for (const RecordedRun& run : recorded_runs(0)) {
            HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE | SYNCHRONIZE, FALSE, run.pid);
            if (!process) continue;
            char image[MAX_PATH] = {};
            DWORD size = MAX_PATH;
            if (QueryFullProcessImageNameA(process, 0, image, &size) && same_path(image, run.program)) {
                TerminateProcess(process, 0);
                WaitForSingleObject(process, 5000);
            }
            CloseHandle(process);
        }
    }

    // Starts the tool and, for most tests, lets it find the client on T:.
    std::unique_ptr<Trivane> start(bool choose_client_drive = true) {
        if (choose_client_drive) return e2e::start_on('T', client_.install, standin_log_);
        auto tool = std::make_unique<Trivane>(e2e::Launch{e2e::trivane_exe(), "", standin_log_});
        EXPECT_TRUE(tool->started());
        return tool;
    }

    // Starts the tool and presses for the power plan alone; the press then waits for
    // the first powercfg (with a hanging stand-in, until its limit).
    std::unique_ptr<Trivane> start_waiting_for_powercfg() {
        auto tool = start();
        tool->click(e2e::kPowerBox);
        PostMessageA(tool->control(e2e::kOptimizeButton), BM_CLICK, 0, 0);
        return tool;
    }

    std::string path(const char* relative) const { return client_.install + relative; }

    // What the stand-ins and planted libraries recorded. Waits until `expected` runs
    // were recorded.
    std::vector<RecordedRun> recorded_runs(size_t expected) const {
        std::vector<RecordedRun> runs;
        for (int i = 0; i < 100; ++i) {
            runs.clear();
            const std::string log = e2e::read_file(standin_log_);
            for (size_t at = 0, end; (end = log.find('\n', at)) != std::string::npos; at = end + 1)
                runs.push_back(parse_run(log.substr(at, end - at)));
            if (runs.size() >= expected) break;
            Sleep(50);
        }
        return runs;
    }

    testing_support::TempDir temp_;
    e2e::SampleClient client_;
    std::string standin_log_;
    std::unique_ptr<e2e::SystemStandIn> system_powercfg_;
};

// The caption colours the tool uses, as 0x00BBGGRR.
constexpr COLORREF kCaptionColours[] = {0x000000, 0xFF00FF, 0xFF0000, 0x808000, 0x0000FF};

// Control `id` shows its caption in `colour` and in no other caption colour (a radio
// button's round box is black whatever its caption's colour).
void expect_colour(const Trivane& tool, int id, COLORREF colour) {
    const HWND control = tool.control(id);
    const e2e::KeptOnTop on_top(control);
    const bool radio = id == e2e::kBlankRadio || id == e2e::kPublisherRadio;
    std::vector<COLORREF> others;
    for (COLORREF other : kCaptionColours)
        if (other != colour && !(radio && other == 0x000000)) others.push_back(other);
    std::string seen;
    EXPECT_TRUE(e2e::wait_for_colour(control, colour, others, &seen)) << "control " << id << ": " << seen;
}

TEST_F(EndToEnd, BeforeADriveIsChosenEveryActionRefuses) {
    auto tool = start(false);
    EXPECT_EQ(tool->text(e2e::kPromptLabel), "友情提示：请选择驱动器，再进行操作");
    expect_colour(*tool, e2e::kPromptLabel, 0xFF00FF);
    expect_colour(*tool, e2e::kBlankRadio, 0x000000);
    expect_colour(*tool, e2e::kPublisherRadio, 0x000000);
    for (int button : {e2e::kOptimizeButton, e2e::kDx11RestoreButton, e2e::kHomeReplaceButton, e2e::kHomeRestoreButton})
        expect_box(press(*tool, button), kNoDrive, kTip);
    EXPECT_EQ(e2e::read_file(path("\\Game\\Config\\game.cfg")), e2e::kGameCfg);
    EXPECT_EQ(tool->close(), 0u);
}

TEST_F(EndToEnd, TheSearchShowsTheInstallDirectoryOrSaysItFoundNone) {
    auto tool = start();
    EXPECT_TRUE(tool->choose_drive('U'));
    EXPECT_TRUE(tool->wait_for_text(e2e::kPromptLabel, "未找到LOL安装目录，请重新选择驱动器"));
    // A drive without a client leaves nothing to work on.
    expect_box(press(*tool, e2e::kOptimizeButton), kNoDrive, kTip);
    EXPECT_TRUE(tool->choose_drive('T'));
    EXPECT_TRUE(tool->wait_for_text(e2e::kPromptLabel, client_.install));
    expect_colour(*tool, e2e::kPromptLabel, 0xFF00FF);
}

TEST_F(EndToEnd, Dx11TestModeOnWithABackupThenOffAgain) {
    auto tool = start();
    tool->click(e2e::kDx11Box);
    EXPECT_TRUE(press(*tool, e2e::kOptimizeButton).empty());
    EXPECT_EQ(e2e::read_file(path("\\Game\\Config\\game.cfg.bak")), e2e::kGameCfg);
    const std::string on = e2e::read_file(path("\\Game\\Config\\game.cfg"));
    EXPECT_NE(on.find("[General]\r\nWidth=1920\r\nHeight=1080\r\nDX11BetaTest=1\r\n"), std::string::npos) << on;

    EXPECT_TRUE(press(*tool, e2e::kDx11RestoreButton).empty());
    const std::string off = e2e::read_file(path("\\Game\\Config\\game.cfg"));
    EXPECT_NE(off.find("DX11BetaTest=0\r\n"), std::string::npos) << off;
    EXPECT_EQ(e2e::read_file(path("\\Game\\Config\\game.cfg.bak")), e2e::kGameCfg);  // the backup stays
}

TEST_F(EndToEnd, CrossBoostMovesTheCacheAsideAndCleansLogs) {
    {
        auto tool = start();
        tool->click(e2e::kCrossBox);
        EXPECT_TRUE(press(*tool, e2e::kOptimizeButton).empty());
        EXPECT_TRUE(tool->wait_for_text(e2e::kResultLabel, "优化已成功，感谢你的使用！"));
        expect_colour(*tool, e2e::kResultLabel, 0xFF0000);
        EXPECT_EQ(tool->close(), 0u);
    }
    EXPECT_EQ(e2e::list_names(path("\\Crossbak")), std::vector<std::string>{"cache.bin"});
    EXPECT_TRUE(e2e::directory_exists(path("\\Cross")));
    EXPECT_TRUE(e2e::list_names(path("\\Cross")).empty());
    for (const std::string& log : client_.logs) EXPECT_FALSE(e2e::file_exists(log)) << log;
    for (const std::string& kept : client_.non_logs) EXPECT_TRUE(e2e::file_exists(kept)) << kept;

    // In a later run the empty Cross folder goes to Crossend.
    auto again = start();
    again->click(e2e::kCrossBox);
    EXPECT_TRUE(press(*again, e2e::kOptimizeButton).empty());
    EXPECT_TRUE(e2e::directory_exists(path("\\Crossend")));
    EXPECT_FALSE(e2e::directory_exists(path("\\Cross")));
    EXPECT_EQ(e2e::list_names(path("\\Crossbak")), std::vector<std::string>{"cache.bin"});
}

TEST_F(EndToEnd, LogCleanupDeletesLogsAtEveryDepthOnly) {
    auto tool = start();
    tool->click(e2e::kLogBox);
    EXPECT_TRUE(press(*tool, e2e::kOptimizeButton).empty());
    EXPECT_TRUE(tool->wait_for_text(e2e::kResultLabel, "Log日志文件已清除，感谢你的使用！"));
    expect_colour(*tool, e2e::kResultLabel, 0x808000);
    for (const std::string& log : client_.logs) EXPECT_FALSE(e2e::file_exists(log)) << log;
    for (const std::string& kept : client_.non_logs) EXPECT_TRUE(e2e::file_exists(kept)) << kept;
    EXPECT_TRUE(e2e::directory_exists(path("\\Cross")));  // the Cross step did not run
}

TEST_F(EndToEnd, SelectAllTicksEveryBoxAndRunsAllButThePowerPlan) {
    auto tool = start();
    tool->click(e2e::kSelectAllBox);
    for (int box : {e2e::kDx11Box, e2e::kCrossBox, e2e::kLogBox, e2e::kPowerBox}) EXPECT_TRUE(tool->checked(box)) << box;
    EXPECT_TRUE(press(*tool, e2e::kOptimizeButton).empty());
    EXPECT_TRUE(tool->wait_for_text(e2e::kResultLabel, "此次优化已成功，感谢你的使用！"));
    expect_colour(*tool, e2e::kResultLabel, 0x808000);
    EXPECT_NE(e2e::read_file(path("\\Game\\Config\\game.cfg")).find("DX11BetaTest=1"), std::string::npos);
    EXPECT_TRUE(e2e::directory_exists(path("\\Crossbak")));
    for (const std::string& log : client_.logs) EXPECT_FALSE(e2e::file_exists(log)) << log;
    EXPECT_FALSE(e2e::file_exists(standin_log_));

    tool->click(e2e::kSelectAllBox);
    for (int box : {e2e::kDx11Box, e2e::kCrossBox, e2e::kLogBox, e2e::kPowerBox}) EXPECT_FALSE(tool->checked(box)) << box;
}

const char kDuplicate[] = " -duplicatescheme e9a42b02-d5df-448d-aa00-03f14749eb61 613253b4-34dc-4c3f-9d78-1e4ffa5e82e1";
const char kActivate[] = " /S 613253b4-34dc-4c3f-9d78-1e4ffa5e82e1";

// Trivane runs elevated, often from a folder anyone may write to: programs and
// libraries planted there under system names must never run, powercfg is the
// system's, started by itself (a command interpreter would first run the user's
// AutoRun command) from the system directory. (The test's library overrides make Wine
// take a library beside the program first, as Windows does.)
TEST_F(EndToEnd, NothingPlantedBesideTheProgramRunsAndThePowerPlanUsesTheSystemsPowercfg) {
    const std::string folder = temp_ / "Downloads";
    const std::string standins = e2e::standins_directory();
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    ASSERT_TRUE(CopyFileA(e2e::trivane_exe().c_str(), (folder + "\\Trivane.exe").c_str(), FALSE));
    for (const char* program : {"cmd.exe", "powercfg.exe"})
        ASSERT_TRUE(CopyFileA((standins + "\\powercfg.exe").c_str(), (folder + "\\" + program).c_str(), FALSE));
    for (const char* library : {"uxtheme.dll", "version.dll", "dwmapi.dll", "cryptbase.dll", "profapi.dll",
                                "wtsapi32.dll", "winmm.dll", "mpr.dll", "powrprof.dll"})
        ASSERT_TRUE(CopyFileA((standins + "\\planted_library.dll").c_str(), (folder + "\\" + library).c_str(), FALSE));
    const AutoRunValue autorun("\"" + standins + "\\powercfg.exe\" autorun");
    ASSERT_TRUE(autorun.set());
    const testing_support::ChangeRecordTail tail;

    Trivane tool(e2e::Launch{folder + "\\Trivane.exe", folder, standin_log_});
    ASSERT_TRUE(tool.started());
    ASSERT_TRUE(tool.choose_drive('T'));
    ASSERT_TRUE(tool.wait_for_text(e2e::kPromptLabel, client_.install));
    tool.click(e2e::kPowerBox);
    EXPECT_TRUE(press(tool, e2e::kOptimizeButton).empty());
    const auto runs = recorded_runs(2);
    EXPECT_EQ(tool.text(e2e::kResultLabel), "");
    EXPECT_EQ(e2e::read_file(path("\\Game\\Config\\game.cfg")), e2e::kGameCfg);
    EXPECT_EQ(tool.close(), 0u);

    // Exactly the two commands, in order, each run by the system's powercfg, started
    // by Trivane itself from the system directory.
    ASSERT_EQ(runs.size(), 2u) << e2e::read_file(standin_log_);
    const std::string powercfg = system_powercfg_->path();
    const std::string quoted = "\"" + powercfg + "\"";
    EXPECT_EQ(runs[0].command_line, quoted + kDuplicate);
    EXPECT_EQ(runs[1].command_line, quoted + kActivate);
    for (const RecordedRun& run : runs) {
        EXPECT_TRUE(same_path(run.program, powercfg)) << run.program;
        EXPECT_TRUE(same_path(run.directory, e2e::system_directory())) << run.directory;
        EXPECT_TRUE(same_path(run.parent, "Trivane.exe")) << run.parent;
    }
    // Each ended with 0.
    EXPECT_EQ(tail.lines_with(powercfg), (std::vector<std::string>{"运行\t" + quoted + kDuplicate + "\t成功",
                                                                    "运行\t" + quoted + kActivate + "\t成功"}));
}

// The record tells how each command really ended; one that does not end in time is
// ended, and meanwhile the window answers.
TEST_F(EndToEnd, ThePowerPlanRecordsEachCommandsOwnEndingWhileTheWindowAnswers) {
    const ScopedVariable exit_code("TRIVANE_STANDIN_EXIT", "1");
    const ScopedVariable hang("TRIVANE_STANDIN_HANG_ON", kActivate);
    const testing_support::ChangeRecordTail tail;
    auto tool = start();
    tool->click(e2e::kPowerBox);

    std::atomic<bool> pressed{false};
    std::vector<DWORD> round_trips;
    std::thread probe([&] {
        while (!pressed) {
            const DWORD sent = GetTickCount();
            DWORD_PTR ignored = 0;
            SendMessageTimeoutA(tool->window(), WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
            round_trips.push_back(GetTickCount() - sent);
            Sleep(100);
        }
    });
    const DWORD pressing = GetTickCount();
    EXPECT_TRUE(press(*tool, e2e::kOptimizeButton).empty());
    const DWORD took = GetTickCount() - pressing;
    pressed = true;
    probe.join();

    // Ten seconds for the command that hangs, little for the one that ends.
    EXPECT_GE(took, 9500u);
    EXPECT_LT(took, 20000u);
    ASSERT_GE(round_trips.size(), 20u);
    EXPECT_LT(*std::max_element(round_trips.begin(), round_trips.end()), 1000u);

    const std::string quoted = "\"" + system_powercfg_->path() + "\"";
    EXPECT_EQ(tail.lines_with(system_powercfg_->path()),
              (std::vector<std::string>{"运行\t" + quoted + kDuplicate + "\t失败 1", "运行\t" + quoted + kActivate + "\t失败 超时"}));
    const auto runs = recorded_runs(2);
    ASSERT_EQ(runs.size(), 2u) << e2e::read_file(standin_log_);
    HANDLE hung = OpenProcess(SYNCHRONIZE, FALSE, runs[1].pid);
    if (hung) {
        EXPECT_EQ(WaitForSingleObject(hung, 0), WAIT_OBJECT_0) << "the command that hung still runs";
        CloseHandle(hung);
    }
    EXPECT_EQ(tool->text(e2e::kResultLabel), "");
    EXPECT_EQ(tool->close(), 0u);
}

// Closing the window while a powercfg hangs: the process ends at the close deadline,
// as with any other wait, and the press starts no second command.
TEST_F(EndToEnd, ClosingWhilePowercfgHangsEndsTheProgramAtTheCloseDeadline) {
    const ScopedVariable hang("TRIVANE_STANDIN_HANG_ON", kDuplicate);
    auto tool = start_waiting_for_powercfg();
    ASSERT_EQ(recorded_runs(1).size(), 1u) << "the first command never started";
    const DWORD closing = GetTickCount();
    EXPECT_EQ(tool->close(), 0u);
    const DWORD took = GetTickCount() - closing;
    EXPECT_GE(took, 1500u) << "closed before the deadline: the wait did not hold the press";
    EXPECT_LT(took, 5000u) << "the wait outlived the close deadline";
    Sleep(300);
    EXPECT_EQ(recorded_runs(0).size(), 1u) << "a second command started after the window closed";
}

// A second press while the first waits for powercfg says to wait: it would start a
// second command on the same plans beside the first.
TEST_F(EndToEnd, ASecondPressWhilePowercfgRunsSaysToWait) {
    const ScopedVariable hang("TRIVANE_STANDIN_HANG_ON", kDuplicate);
    auto tool = start_waiting_for_powercfg();
    ASSERT_EQ(recorded_runs(1).size(), 1u) << "the first command never started";
    expect_box(press(*tool, e2e::kOptimizeButton), "正在清理，请稍后...", kTip);
    EXPECT_EQ(recorded_runs(0).size(), 1u) << "a second command started beside the first";
    EXPECT_EQ(tool->close(), 0u);
}

// Starts a program of the Unix host (Wine starts those too, though it neither waits
// for them nor tells their exit code); false when it could not be started. The
// handle values Wine hands back for such a program are already closed, and their
// numbers soon name other objects of this process: they are never closed here.
bool run_on_host(const std::string& program, const std::string& arguments) {
    std::string command = program + " " + arguments;
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    return CreateProcessA(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi);
}

std::string access_list_of(const std::string& path) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (GetNamedSecurityInfoA(path.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr, nullptr,
                              nullptr, &descriptor) != ERROR_SUCCESS)
        return "unreadable";
    char* text = nullptr;
    std::string result = "unreadable";
    if (ConvertSecurityDescriptorToStringSecurityDescriptorA(descriptor, SDDL_REVISION_1, DACL_SECURITY_INFORMATION,
                                                             &text, nullptr)) {
        result = text;
        LocalFree(text);
    }
    LocalFree(descriptor);
    return result;
}

// Any program of the user can plant Game beside Trivane as a link to a folder of its
// choice: the grant on Game\Config below the program is refused, and the folder the
// link names keeps its access list.
TEST_F(EndToEnd, TheDx11GrantRefusesAGameFolderThatIsALink) {
    const std::string folder = temp_ / "Downloads";
    const std::string target = temp_ / "Elsewhere";
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA(target.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA((target + "\\Config").c_str(), nullptr));
    ASSERT_TRUE(CopyFileA(e2e::trivane_exe().c_str(), (folder + "\\Trivane.exe").c_str(), FALSE));
    const std::string link = folder + "\\Game";
    const std::string unix_target = testing_support::unix_path_of(target);
    const std::string unix_folder = testing_support::unix_path_of(folder);
    ASSERT_TRUE(run_on_host("Z:\\bin\\ln", "-s " + unix_target + " " + unix_folder + "/Game"));
    DWORD attributes = INVALID_FILE_ATTRIBUTES;
    for (int i = 0; i < 100 && attributes == INVALID_FILE_ATTRIBUTES; ++i, Sleep(50))  // the host program runs apart
        attributes = GetFileAttributesA(link.c_str());
    ASSERT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        << unix_target << " " << unix_folder << " " << attributes;
    const std::string before = access_list_of(target + "\\Config");
    const testing_support::ChangeRecordTail tail;

    {
        Trivane tool(e2e::Launch{folder + "\\Trivane.exe", "", standin_log_});
        ASSERT_TRUE(tool.started());
        ASSERT_TRUE(tool.choose_drive('T'));
        ASSERT_TRUE(tool.wait_for_text(e2e::kPromptLabel, client_.install));
        tool.click(e2e::kDx11Box);
        EXPECT_TRUE(press(tool, e2e::kOptimizeButton).empty());
        EXPECT_EQ(tool.close(), 0u);
    }
    EXPECT_EQ(tail.lines_with(link), std::vector<std::string>{"权限\t" + link + "\\Config\t失败 681"});
    EXPECT_EQ(access_list_of(target + "\\Config"), before);
    EXPECT_NE(e2e::read_file(path("\\Game\\Config\\game.cfg")).find("DX11BetaTest=1"), std::string::npos);
    run_on_host("Z:\\bin\\rm", unix_folder + "/Game");  // the link only, before the folders go
}

TEST_F(EndToEnd, HomePageReplaceKeepsTheFirstBackupAndRestoreBringsItBack) {
    auto tool = start();
    EXPECT_TRUE(press(*tool, e2e::kHomeReplaceButton).empty());
    EXPECT_EQ(tool->text(e2e::kResultLabel), "主页已替换成功，感谢你的使用！");
    expect_colour(*tool, e2e::kResultLabel, 0xFF0000);
    expect_colour(*tool, e2e::kBlankRadio, 0x0000FF);
    expect_colour(*tool, e2e::kPublisherRadio, 0x000000);
    EXPECT_EQ(e2e::read_file(path("\\LeagueClient\\system.yaml")), blank_template());
    EXPECT_EQ(e2e::read_file(path("\\LeagueClient\\system.yaml.bak")), e2e::kSystemYaml);

    tool->click(e2e::kPublisherRadio);
    EXPECT_TRUE(press(*tool, e2e::kHomeReplaceButton).empty());
    EXPECT_EQ(e2e::read_file(path("\\LeagueClient\\system.yaml")), publisher_template());
    expect_colour(*tool, e2e::kPublisherRadio, 0x0000FF);
    expect_colour(*tool, e2e::kBlankRadio, 0x0000FF);  // once red, red for the run
    EXPECT_EQ(e2e::read_file(path("\\LeagueClient\\system.yaml.bak")), e2e::kSystemYaml);

    EXPECT_TRUE(press(*tool, e2e::kHomeRestoreButton).empty());
    EXPECT_EQ(tool->text(e2e::kResultLabel), "主页已恢复成功，感谢你的使用！");
    expect_colour(*tool, e2e::kResultLabel, 0xFF0000);
    EXPECT_EQ(e2e::read_file(path("\\LeagueClient\\system.yaml")), e2e::kSystemYaml);
    EXPECT_TRUE(e2e::file_exists(path("\\LeagueClient\\system.yaml.bak")));

    DeleteFileA(path("\\LeagueClient\\system.yaml.bak").c_str());
    expect_box(press(*tool, e2e::kHomeRestoreButton), "未找到备份文件", "警告");
    EXPECT_EQ(tool->text(e2e::kResultLabel), "");
}

// Without a backup and without a file to back up, nothing is written and no success
// is claimed.
TEST_F(EndToEnd, HomePageReplaceWithoutABackupWritesNothing) {
    auto tool = start();
    DeleteFileA(path("\\LeagueClient\\system.yaml").c_str());
    expect_box(press(*tool, e2e::kHomeReplaceButton), "主页替换失败", "警告");
    EXPECT_FALSE(e2e::file_exists(path("\\LeagueClient\\system.yaml")));
    EXPECT_FALSE(e2e::file_exists(path("\\LeagueClient\\system.yaml.bak")));
    EXPECT_EQ(tool->text(e2e::kResultLabel), "");
}

// A client at the root of a drive: below its install directory lies the whole drive,
// which the log cleanup and the Cross step must leave alone, saying why once per
// press. The steps that touch named files only go on.
TEST_F(EndToEnd, AClientAtTheRootOfADriveLeavesTheDriveAlone) {
    e2e::empty_folder(kClientDrive);
    e2e::write_file("T:\\LeagueClient\\system.yaml", e2e::kSystemYaml);
    e2e::write_file("T:\\Game\\Config\\game.cfg", e2e::kGameCfg);
    e2e::write_file("T:\\Cross\\cache.bin", "frames");
    const std::vector<std::string> logs = {"T:\\a.log", "T:\\Other\\b.log", "T:\\Game\\Logs\\c.log"};
    for (const std::string& log : logs) e2e::write_file(log, "log");
    const std::string skipped = "LOL安装在驱动器根目录下，为安全起见已跳过此步骤";

    auto tool = start(false);
    ASSERT_TRUE(tool->choose_drive('T'));
    ASSERT_TRUE(tool->wait_for_text(e2e::kPromptLabel, "T:"));
    tool->click(e2e::kCrossBox);
    tool->click(e2e::kLogBox);
    expect_box(press(*tool, e2e::kOptimizeButton), skipped, "警告");
    EXPECT_EQ(tool->text(e2e::kResultLabel), "");
    expect_box(press(*tool, e2e::kOptimizeButton), skipped, "警告");  // again on the next press

    tool->click(e2e::kSelectAllBox);
    expect_box(press(*tool, e2e::kOptimizeButton), skipped, "警告");
    EXPECT_NE(e2e::read_file("T:\\Game\\Config\\game.cfg").find("DX11BetaTest=1"), std::string::npos);
    EXPECT_EQ(e2e::read_file("T:\\Game\\Config\\game.cfg.bak"), e2e::kGameCfg);
    EXPECT_TRUE(press(*tool, e2e::kHomeReplaceButton).empty());
    EXPECT_EQ(e2e::read_file("T:\\LeagueClient\\system.yaml"), blank_template());
    EXPECT_EQ(tool->close(), 0u);

    for (const std::string& log : logs) EXPECT_TRUE(e2e::file_exists(log)) << log;
    EXPECT_EQ(e2e::list_names("T:\\Cross"), std::vector<std::string>{"cache.bin"});
    EXPECT_FALSE(e2e::directory_exists("T:\\Crossbak"));
}

// Waits for a Notepad window whose title names `file`.
HWND wait_for_notepad(const std::string& file) {
    for (int i = 0; i < 200; ++i, Sleep(50)) {
        for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, "Notepad", nullptr)) != nullptr;) {
            char title[MAX_PATH] = {};
            GetWindowTextA(w, title, sizeof title);
            if (std::string(title).find(file) != std::string::npos) return w;
        }
    }
    return nullptr;
}

// Each change goes to the change record as it is made, and the item the tool adds to
// its window's system menu opens the record in Notepad.
TEST_F(EndToEnd, TheChangeRecordTellsEachChangeAndTheSystemMenuOpensIt) {
    const testing_support::ChangeRecordTail tail;
    auto tool = start();
    tool->click(e2e::kDx11Box);
    EXPECT_TRUE(press(*tool, e2e::kOptimizeButton).empty());
    EXPECT_TRUE(press(*tool, e2e::kDx11RestoreButton).empty());
    EXPECT_TRUE(press(*tool, e2e::kHomeReplaceButton).empty());
    EXPECT_TRUE(press(*tool, e2e::kHomeRestoreButton).empty());
    const std::string cfg = path("\\Game\\Config\\game.cfg"), yaml = path("\\LeagueClient\\system.yaml");
    EXPECT_EQ(tail.lines_with(client_.install + "\\"),
              (std::vector<std::string>{"备份\t" + cfg + ".bak\t成功", "写入\t" + cfg + "\t成功", "写入\t" + cfg + "\t成功",
                                        "备份\t" + yaml + ".bak\t成功", "写入\t" + yaml + "\t成功",
                                        "写入\t" + yaml + "\t成功"}));
    // The grant names the tool's own folder, which holds no Game folder here.
    const std::string exe = e2e::trivane_exe();
    const std::string granted = exe.substr(0, exe.rfind('\\')) + "\\Game\\Config";
    EXPECT_EQ(tail.lines_with(granted), std::vector<std::string>{"权限\t" + granted + "\t失败 2"});

    PostMessageA(tool->window(), WM_SYSCOMMAND, 0x0F10, 0);
    const HWND notepad = wait_for_notepad("changes.log");
    ASSERT_NE(notepad, nullptr) << "the menu item opens the record in Notepad";
    DWORD pid = 0;
    GetWindowThreadProcessId(notepad, &pid);
    EXPECT_NE(pid, tool->pid());
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
    PostMessageA(notepad, WM_CLOSE, 0, 0);
    WaitForSingleObject(process, 10000);  // gone before the next test starts
    CloseHandle(process);
    EXPECT_EQ(tool->close(), 0u);
}

// A folder that takes a backup's name is no backup: neither file is changed without a
// copy of it.
TEST_F(EndToEnd, AFolderNamedLikeABackupIsNoBackup) {
    CreateDirectoryA(path("\\Game\\Config\\game.cfg.bak").c_str(), nullptr);
    CreateDirectoryA(path("\\LeagueClient\\system.yaml.bak").c_str(), nullptr);
    auto tool = start();
    tool->click(e2e::kDx11Box);
    EXPECT_TRUE(press(*tool, e2e::kOptimizeButton).empty());
    EXPECT_EQ(e2e::read_file(path("\\Game\\Config\\game.cfg")), e2e::kGameCfg);
    expect_box(press(*tool, e2e::kHomeReplaceButton), "主页替换失败", "警告");
    EXPECT_EQ(e2e::read_file(path("\\LeagueClient\\system.yaml")), e2e::kSystemYaml);
    expect_box(press(*tool, e2e::kHomeRestoreButton), "未找到备份文件", "警告");
    EXPECT_EQ(e2e::read_file(path("\\LeagueClient\\system.yaml")), e2e::kSystemYaml);
}

// Drive W: is a small file system with 1 KiB blocks. With one block left the backup of
// system.yaml fits and the template does not; with none the restore's copy does not.
TEST_F(EndToEnd, OnANearlyFullDiskAFailedWriteLeavesTheClientFileWhole) {
    if (!e2e::directory_exists("W:\\"))
        GTEST_SKIP() << "drive W: (a loop-mounted ext2 image) is not mapped: the test command could not mount it";
    const std::string install = "W:\\英雄联盟";
    // What the test puts on the drive goes before and after, so each run starts alike.
    struct Clear {
        const std::string& install;
        void operator()() const {
            DeleteFileA("W:\\fill");
            DeleteFileA("W:\\reserve");
            if (e2e::directory_exists(install)) testing_support::remove_tree(install);
        }
        ~Clear() { (*this)(); }
    } clear{install};
    clear();
    const std::string config = install + "\\LeagueClient\\system.yaml";
    const std::vector<std::string> both = {"system.yaml", "system.yaml.bak"};
    e2e::write_file(config, e2e::kSystemYaml);
    e2e::write_file("W:\\reserve", std::string(1024, 'r'));
    testing_support::fill_up("W:\\fill");
    DeleteFileA("W:\\reserve");  // one block left (Wine counts free space in 4 KiB units)

    auto tool = start(false);
    ASSERT_TRUE(tool->choose_drive('W'));
    ASSERT_TRUE(tool->wait_for_text(e2e::kPromptLabel, install)) << tool->text(e2e::kPromptLabel);
    expect_box(press(*tool, e2e::kHomeReplaceButton), "主页替换失败", "警告");
    EXPECT_EQ(e2e::read_file(config), e2e::kSystemYaml);
    EXPECT_EQ(e2e::read_file(config + ".bak"), e2e::kSystemYaml);
    EXPECT_EQ(e2e::list_names(install + "\\LeagueClient"), both);

    DeleteFileA("W:\\fill");
    EXPECT_TRUE(press(*tool, e2e::kHomeReplaceButton).empty());
    EXPECT_EQ(e2e::read_file(config), blank_template());
    testing_support::fill_up("W:\\fill");
    expect_box(press(*tool, e2e::kHomeRestoreButton), "主页恢复失败", "警告");
    EXPECT_EQ(e2e::read_file(config), blank_template());
    EXPECT_EQ(e2e::list_names(install + "\\LeagueClient"), both);
    DeleteFileA("W:\\fill");
    EXPECT_EQ(tool->close(), 0u);
}

TRIVANE_CHILD_SCENARIO(pretend_to_be_wegame) { Sleep(30000); }

TEST_F(EndToEnd, WhileWeGameRunsTheOptimizeActionRefuses) {
    char exe[MAX_PATH];
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    const std::string wegame = temp_ / "WeGame.EXE";
    ASSERT_TRUE(CopyFileA(exe, wegame.c_str(), FALSE));
    std::string command = "\"" + wegame + "\" --child=pretend_to_be_wegame";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));

    auto tool = start(false);  // refused whether or not a drive was chosen
    tool->click(e2e::kDx11Box);
    expect_box(press(*tool, e2e::kOptimizeButton), "拜托先退出WeGame再操作", "严重警告");
    EXPECT_EQ(e2e::read_file(path("\\Game\\Config\\game.cfg")), e2e::kGameCfg);

    TerminateProcess(pi.hProcess, 0);
    WaitForSingleObject(pi.hProcess, 5000);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
}

// Drive V: holds twenty thousand folders: walking it takes long enough to act while
// the search runs.
TEST_F(EndToEnd, WhileASearchRunsTheWindowAnswersAndActionsWait) {
    ASSERT_TRUE(e2e::directory_exists("V:\\d40\\e25\\f20")) << "drive V: is mapped by the test command";
    auto tool = start(false);
    ASSERT_TRUE(tool->choose_drive('V'));
    ASSERT_TRUE(tool->wait_for_text(e2e::kPromptLabel, kSearching, 2000));

    // Every action refuses alike while the search runs: there is no client to work on yet.
    std::vector<std::vector<LookedAtBox>> boxes;
    for (int button : {e2e::kOptimizeButton, e2e::kDx11RestoreButton, e2e::kHomeReplaceButton,
                       e2e::kHomeRestoreButton})
        boxes.push_back(press(*tool, button));
    ASSERT_EQ(tool->text(e2e::kPromptLabel), kSearching) << "the walk ended too soon to test against";
    for (const auto& b : boxes) expect_box(b, kSearching, kTip);
    EXPECT_EQ(tool->text(e2e::kResultLabel), "");

    std::vector<DWORD> round_trips;
    while (tool->text(e2e::kPromptLabel) == kSearching && round_trips.size() < 50) {
        const DWORD start = GetTickCount();
        DWORD_PTR ignored = 0;
        SendMessageTimeoutA(tool->window(), WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
        round_trips.push_back(GetTickCount() - start);
        Sleep(10);
    }
    ASSERT_GE(round_trips.size(), 5u) << "the walk ended too soon to measure";
    EXPECT_LT(*std::max_element(round_trips.begin(), round_trips.end()), 100u);

    EXPECT_EQ(tool->close(), 0u);  // closing stops the search
}

// Each drive change supersedes the search before it and waits for its own; closing
// the window still ends the process promptly and cleanly.
TEST_F(EndToEnd, ClosingAfterThreeDriveChangesInARowEndsTheProgram) {
    auto tool = start(false);
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(tool->choose_drive('V'));
    ASSERT_TRUE(tool->wait_for_text(e2e::kPromptLabel, kSearching, 2000));
    const DWORD closing = GetTickCount();
    EXPECT_EQ(tool->close(), 0u);
    EXPECT_LT(GetTickCount() - closing, 4000u);
}

// Whether `name` comes before WeGameApps when V:\ is listed, as the walk lists it.
bool listed_before_usual_folder(const std::string& name) {
    WIN32_FIND_DATAA entry;
    HANDLE h = FindFirstFileA("V:\\*", &entry);
    bool seen = false;
    if (h == INVALID_HANDLE_VALUE) return false;
    do seen = seen || name == entry.cFileName;
    while (std::string(entry.cFileName) != "WeGameApps" && FindNextFileA(h, &entry));
    FindClose(h);
    return seen;
}

// Drive V: is kept between runs: what this test places there goes again, also what an
// interrupted run left.
struct LargeDriveCleanup {
    LargeDriveCleanup() { clear(); }
    ~LargeDriveCleanup() { clear(); }
    static void clear() {
        for (const std::string& name : e2e::list_names("V:\\"))
            if (name == "WeGameApps" || name.rfind("decoy", 0) == 0) testing_support::remove_tree("V:\\" + name);
    }
};

// A client in a usual folder is taken at once: a decoy that the walk would meet first
// is not the one shown.
TEST_F(EndToEnd, AClientInAUsualFolderIsFoundBeforeTheWalk) {
    ASSERT_TRUE(e2e::directory_exists("V:\\d40\\e25\\f20")) << "drive V: is mapped by the test command";
    const LargeDriveCleanup cleanup;
    const std::string usual = "V:\\WeGameApps\\英雄联盟";
    testing_support::write_file(usual + "\\LeagueClient\\system.yaml", e2e::kSystemYaml);
    std::string decoy;
    for (int i = 0; i < 40 && decoy.empty(); ++i) {
        const std::string name = "decoy" + std::to_string(i);
        CreateDirectoryA(("V:\\" + name).c_str(), nullptr);
        if (listed_before_usual_folder(name)) decoy = "V:\\" + name;
    }
    ASSERT_FALSE(decoy.empty()) << "no folder lists before WeGameApps";
    testing_support::write_file(decoy + "\\英雄联盟\\LeagueClient\\system.yaml", e2e::kSystemYaml);

    auto tool = start(false);
    ASSERT_TRUE(tool->choose_drive('V'));
    EXPECT_TRUE(tool->wait_for_text(e2e::kPromptLabel, usual)) << tool->text(e2e::kPromptLabel);
    EXPECT_EQ(tool->close(), 0u);
}

}  // namespace
