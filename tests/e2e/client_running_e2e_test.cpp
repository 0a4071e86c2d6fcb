// The actions that change the client's files while one of the client's processes
// runs: a stand-in, this test program copied under the process's name, sleeps in its
// place. The DX11 step, the DX11 restore and both home page actions refuse; the files
// stay as they were; what else the optimize action was asked to do still happens.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/e2e/program_path.h"
#include "tests/e2e/sample_client.h"
#include "tests/e2e/tool_boxes.h"
#include "tests/e2e/trivane_driver.h"
#include "tests/support/child_process.h"
#include "tests/support/temp_dir.h"

namespace {

using e2e::expect_box;
using e2e::press;

const std::string kCloseClient = "请先关闭英雄联盟客户端，再进行此操作";
const std::string kTip = "友情提示：";
const std::string kNoDrive = "你还未选择LOL所在盘符，请返回操作";
const std::string kSearching = "正在寻找LOL安装目录，请稍后...";

TRIVANE_CHILD_SCENARIO(pretend_to_be_the_client) { Sleep(60000); }

// A process of the given executable name for the life of the object; its file is
// removed afterwards.
class ClientStandIn {
public:
    ClientStandIn(const testing_support::TempDir& dir, const std::string& name) : file_(dir / name) {
        char self[MAX_PATH];
        GetModuleFileNameA(nullptr, self, MAX_PATH);
        if (!CopyFileA(self, file_.c_str(), FALSE)) return;
        std::string command = "\"" + file_ + "\" --child=pretend_to_be_the_client";
        STARTUPINFOA si = {};
        si.cb = sizeof si;
        if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &process_))
            process_ = {};
    }
    ~ClientStandIn() { end(); }
    ClientStandIn(const ClientStandIn&) = delete;
    ClientStandIn& operator=(const ClientStandIn&) = delete;

    bool running() const { return process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT; }

    void end() {
        if (process_.hProcess) {
            TerminateProcess(process_.hProcess, 0);
            WaitForSingleObject(process_.hProcess, 5000);
            CloseHandle(process_.hProcess);
            CloseHandle(process_.hThread);
            process_ = {};
        }
        DeleteFileA(file_.c_str());
    }

private:
    std::string file_;
    PROCESS_INFORMATION process_ = {};
};

class ClientRunning : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(e2e::directory_exists("T:\\")) << "drive T: is mapped by the test command (tools/test.sh)";
        client_ = e2e::make_sample_client("T:\\");
    }

    std::unique_ptr<e2e::Trivane> start(bool choose_client_drive) {
        if (choose_client_drive) return e2e::start_on('T', client_.install, temp_ / "standins.log");
        auto tool = std::make_unique<e2e::Trivane>(e2e::Launch{e2e::trivane_exe(), "", temp_ / "standins.log"});
        EXPECT_TRUE(tool->started());
        return tool;
    }

    std::string path(const char* relative) const { return client_.install + relative; }
    std::string game_cfg() const { return e2e::read_file(path("\\Game\\Config\\game.cfg")); }
    std::string system_yaml() const { return e2e::read_file(path("\\LeagueClient\\system.yaml")); }

    testing_support::TempDir temp_;
    e2e::SampleClient client_;
};

// Each of the client's processes, one with its name in other letter case: names are
// compared as the file system compares them.
const char* const kClientNames[] = {"LeagueClient.exe", "leagueclientux.EXE", "League of Legends.exe"};

TEST_F(ClientRunning, EveryActionOnTheClientsFilesRefusesAndTouchesNothing) {
    // A backup from an earlier replace, which the restore would copy over system.yaml.
    const std::string old_yaml = "---\r\nfrom: an earlier backup\r\n";
    e2e::write_file(path("\\LeagueClient\\system.yaml.bak"), old_yaml);
    const std::vector<std::string> config_files = e2e::list_names(path("\\Game\\Config"));
    for (const char* name : kClientNames) {
        SCOPED_TRACE(name);
        ClientStandIn client(temp_, name);
        ASSERT_TRUE(client.running());
        auto tool = start(true);
        tool->click(e2e::kDx11Box);
        tool->click(e2e::kPublisherRadio);
        for (int button : {e2e::kOptimizeButton, e2e::kDx11RestoreButton, e2e::kHomeReplaceButton,
                           e2e::kHomeRestoreButton}) {
            SCOPED_TRACE(button);
            expect_box(press(*tool, button), kCloseClient, kTip);
        }
        EXPECT_EQ(game_cfg(), e2e::kGameCfg);
        EXPECT_EQ(e2e::list_names(path("\\Game\\Config")), config_files);  // no backup made
        EXPECT_EQ(system_yaml(), e2e::kSystemYaml);
        EXPECT_EQ(e2e::read_file(path("\\LeagueClient\\system.yaml.bak")), old_yaml);
        EXPECT_EQ(tool->text(e2e::kResultLabel), "");
        EXPECT_EQ(tool->close(), 0u);
    }
}

TEST_F(ClientRunning, TheOptimizeActionStillRunsItsOtherStepsAndSaysSo) {
    ClientStandIn client(temp_, "LeagueClient.exe");
    ASSERT_TRUE(client.running());
    auto tool = start(true);
    tool->click(e2e::kSelectAllBox);
    expect_box(press(*tool, e2e::kOptimizeButton), kCloseClient, kTip);
    EXPECT_TRUE(tool->wait_for_text(e2e::kResultLabel, "此次优化已成功，感谢你的使用！")) << tool->text(e2e::kResultLabel);
    EXPECT_EQ(game_cfg(), e2e::kGameCfg);
    EXPECT_FALSE(e2e::file_exists(path("\\Game\\Config\\game.cfg.bak")));
    EXPECT_TRUE(e2e::directory_exists(path("\\Crossbak")));
    for (const std::string& log : client_.logs) EXPECT_FALSE(e2e::file_exists(log)) << log;

    // Once the client has closed, the same press changes game.cfg.
    client.end();
    EXPECT_TRUE(press(*tool, e2e::kOptimizeButton).empty());
    EXPECT_NE(game_cfg().find("DX11BetaTest=1"), std::string::npos);
    EXPECT_EQ(e2e::read_file(path("\\Game\\Config\\game.cfg.bak")), e2e::kGameCfg);
    EXPECT_EQ(tool->close(), 0u);
}

// Before a drive is chosen, or while its search runs, the actions say so as they always
// did: the running client is told only about work that could otherwise go ahead.
TEST_F(ClientRunning, TheEarlierRefusalsComeFirst) {
    ClientStandIn client(temp_, "League of Legends.exe");
    ASSERT_TRUE(client.running());
    auto tool = start(false);
    tool->click(e2e::kDx11Box);
    const int actions[] = {e2e::kOptimizeButton, e2e::kDx11RestoreButton, e2e::kHomeReplaceButton,
                           e2e::kHomeRestoreButton};
    for (int button : actions) {
        SCOPED_TRACE(button);
        expect_box(press(*tool, button), kNoDrive, kTip);
    }
    // Drive V: holds a large tree of folders: its search runs long enough to press
    // every button meanwhile.
    ASSERT_TRUE(e2e::directory_exists("V:\\d40\\e25\\f20")) << "drive V: is mapped by the test command";
    ASSERT_TRUE(tool->choose_drive('V'));
    ASSERT_TRUE(tool->wait_for_text(e2e::kPromptLabel, kSearching, 2000));
    for (int button : actions) {
        SCOPED_TRACE(button);
        expect_box(press(*tool, button), kSearching, kTip);
    }
    ASSERT_EQ(tool->text(e2e::kPromptLabel), kSearching) << "the walk ended too soon to test against";
    EXPECT_EQ(game_cfg(), e2e::kGameCfg);
    EXPECT_EQ(tool->close(), 0u);
}

}  // namespace
