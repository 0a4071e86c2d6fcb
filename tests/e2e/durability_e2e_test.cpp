// Every write of the tool whole or absent, end to end in the real Trivane.exe: on a
// full disk (drive W:, a loop-mounted ext2 image with 1 KiB blocks) each write fails
// with the file as it was and no backup or temporary file left, and the process ended
// abruptly at many points of each writing action leaves each file old or new, each
// backup complete or absent, and nothing of ours once the tool has run again; what a
// second copy still running is writing is left to it.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tests/e2e/program_path.h"
#include "tests/e2e/sample_client.h"
#include "tests/e2e/trivane_driver.h"
#include "tests/support/change_record_tail.h"
#include "tests/support/message_box_answerer.h"
#include "tests/support/temp_dir.h"

namespace {

using e2e::Trivane;
using testing_support::AnsweredBox;
using testing_support::BoxAnswerer;

std::string blank_template() { return e2e::read_file(TRIVANE_DATA_DIR "\\home_page_blank.yaml"); }

// Names of our temporary files in `folder`.
std::vector<std::string> ours_in(const std::string& folder) {
    std::vector<std::string> found;
    for (const std::string& name : e2e::list_names(folder))
        if (name.rfind("~trivane-", 0) == 0) found.push_back(name);
    return found;
}

std::vector<AnsweredBox> press(Trivane& tool, int button) {
    BoxAnswerer answerer(IDOK, tool.pid());
    tool.click(button);
    return answerer.answered();
}

// ---- a full disk --------------------------------------------------------------------

constexpr char kSmallDrive[] = "W:\\";
const std::string kSmallInstall = "W:\\英雄联盟";

// Leaves `blocks` KiB free on drive W: (few enough to need no indirect block).
void leave_free(int blocks) {
    DeleteFileA("W:\\fill");
    if (blocks > 0) e2e::write_file("W:\\reserve", std::string(1024 * blocks, 'r'));
    testing_support::fill_up("W:\\fill");
    DeleteFileA("W:\\reserve");
}

// What this test puts on drive W:, removed before and after, so that each run starts
// from the same empty drive.
void clear_small_drive() {
    DeleteFileA("W:\\fill");
    DeleteFileA("W:\\reserve");
    if (e2e::directory_exists(kSmallInstall)) testing_support::remove_tree(kSmallInstall);
}

// A game.cfg of 2,040 bytes without the DX11 item: its copy fits two 1 KiB blocks, its
// rewrite with the item added does not.
std::string two_block_game_cfg() {
    std::string cfg = "[General]\r\nWidth=1920\r\n[Performance]\r\n";
    for (int i = 0; cfg.size() < 2040 - 24; ++i) cfg += "Setting" + std::to_string(100 + i) + "=on\r\n";
    cfg += "Pad=" + std::string(2040 - 2 - 4 - cfg.size(), 'p') + "\r\n";
    return cfg;
}

class FullDisk : public testing::Test {
protected:
    void SetUp() override {
        if (!e2e::directory_exists(kSmallDrive))
            GTEST_SKIP() << "drive W: (a loop-mounted ext2 image) is not mapped: the test command could not mount it";
        clear_small_drive();
        e2e::write_file(yaml_, e2e::kSystemYaml);
        e2e::write_file(cfg_, two_block_game_cfg());
    }
    void TearDown() override {
        if (e2e::directory_exists(kSmallDrive)) clear_small_drive();
    }

    const std::string cfg_ = kSmallInstall + "\\Game\\Config\\game.cfg";
    const std::string yaml_ = kSmallInstall + "\\LeagueClient\\system.yaml";
    testing_support::TempDir temp_;
};

void expect_one_box(const std::vector<AnsweredBox>& boxes, const std::string& text) {
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, text);
    EXPECT_EQ(boxes[0].title, "警告");
}

TEST_F(FullDisk, EveryWriteThatDoesNotFitLeavesTheFileAsItWasAndSaysWhy) {
    const std::string disk_full = "失败 112";
    auto tool = e2e::start_on('W', kSmallInstall, temp_ / "standins.log");
    ASSERT_TRUE(tool->started());
    tool->click(e2e::kDx11Box);

    struct Case {
        const char* what;
        std::function<void()> prepare;
        int button;
        const char* box;  // what the tool says, or nothing
        std::string record;  // the record line of the failed change
        std::string file;    // stays byte for byte
        std::vector<std::string> names;  // all that its folder holds afterwards
    };
    const std::string cfg_dir = kSmallInstall + "\\Game\\Config", yaml_dir = kSmallInstall + "\\LeagueClient";
    const Case cases[] = {
        {"the backup of game.cfg", [] { leave_free(0); }, e2e::kOptimizeButton, nullptr,
         "备份\t" + cfg_ + ".bak\t" + disk_full, cfg_, {"game.cfg"}},
        {"the copy of game.cfg",
         [&] {
             e2e::write_file(cfg_ + ".bak", "backup");
             leave_free(0);
         },
         e2e::kOptimizeButton, nullptr, "写入\t" + cfg_ + "\t" + disk_full, cfg_, {"game.cfg", "game.cfg.bak"}},
        // The copy fits; the profile writer's rewrite of it does not, and it says nothing.
        {"the DX11 step's rewrite", [] { leave_free(2); }, e2e::kOptimizeButton, nullptr,
         "写入\t" + cfg_ + "\t" + disk_full, cfg_, {"game.cfg", "game.cfg.bak"}},
        {"the DX11 restore's rewrite",
         [&] {
             DeleteFileA("W:\\fill");
             e2e::write_file(cfg_, two_block_game_cfg());
             leave_free(2);
         },
         e2e::kDx11RestoreButton, nullptr, "写入\t" + cfg_ + "\t" + disk_full, cfg_, {"game.cfg", "game.cfg.bak"}},
        {"the backup of system.yaml", [] { leave_free(0); }, e2e::kHomeReplaceButton, "主页替换失败",
         "备份\t" + yaml_ + ".bak\t" + disk_full, yaml_, {"system.yaml"}},
        {"the home page replace",
         [&] {
             DeleteFileA("W:\\fill");
             e2e::write_file(yaml_ + ".bak", e2e::kSystemYaml);
             leave_free(0);
         },
         e2e::kHomeReplaceButton, "主页替换失败", "写入\t" + yaml_ + "\t" + disk_full, yaml_,
         {"system.yaml", "system.yaml.bak"}},
        {"the home page restore",
         [&] {
             DeleteFileA("W:\\fill");
             e2e::write_file(yaml_, "custom_landing_url: https://other.example/\r\n");
             leave_free(0);
         },
         e2e::kHomeRestoreButton, "主页恢复失败", "写入\t" + yaml_ + "\t" + disk_full, yaml_,
         {"system.yaml", "system.yaml.bak"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.prepare();
        const std::string before = e2e::read_file(c.file);
        const testing_support::ChangeRecordTail tail;
        const auto boxes = press(*tool, c.button);
        if (c.box) {
            expect_one_box(boxes, c.box);
        } else {
            EXPECT_TRUE(boxes.empty());
        }
        EXPECT_TRUE(e2e::read_file(c.file) == before);
        const std::string folder = c.file.substr(0, c.file.rfind('\\'));
        EXPECT_EQ(e2e::list_names(folder), c.names);
        EXPECT_EQ(tail.lines_with(kSmallInstall + "\\"), std::vector<std::string>{c.record});
    }
    EXPECT_EQ(tool->close(), 0u);
    EXPECT_TRUE(ours_in(cfg_dir).empty() && ours_in(yaml_dir).empty());
}

// ---- abrupt ends ----------------------------------------------------------------------

constexpr int kKills = 32;
constexpr size_t kLarge = 20 << 20;  // large enough that writing it takes a while
// Under Wine the platform's profile reader takes some 25 to 50 ms per MB of the file on
// each call, and game.cfg is read back section by section before it is swapped in: a
// game.cfg of 2 MB already keeps the DX11 actions busy for about half a second.
constexpr size_t kLargeGameCfg = 2 << 20;

std::string large_game_cfg(const char* dx11) {
    std::string cfg = std::string("[General]\r\nWidth=1920\r\nDX11BetaTest=") + dx11 + "\r\n[Settings]\r\n";
    const std::string value(1000, 'v');
    for (int key = 0; cfg.size() < kLargeGameCfg; ++key) cfg += "Key" + std::to_string(key) + "=" + value + "\r\n";
    return cfg;
}

std::string large_system_yaml() {
    std::string yaml = "---\r\napp:\r\n  app_name: LeagueClient\r\n";
    for (int i = 0; yaml.size() < kLarge; ++i) yaml += "  setting_" + std::to_string(i) + ": " + std::string(200, 's') + "\r\n";
    return yaml;
}

// A writing action of the tool and what it may leave when ended at any point.
struct Writing {
    const char* what;
    int button;
    bool dx11_box;
    std::string file;    // old or new, and whole
    std::string backup;  // the same as before or absent, when `backup_may_be_made`
    bool backup_may_be_made;
    std::function<void()> prepare;  // lays out the files before the action
};

class AbruptEnd : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(e2e::directory_exists("T:\\")) << "drive T: is mapped by the test command (tools/test.sh)";
        client_ = e2e::make_sample_client("T:\\");
    }
    void TearDown() override { e2e::empty_folder("T:\\"); }  // tens of MB

    // The tool with the client on T: found, and the DX11 box ticked when asked.
    std::unique_ptr<Trivane> ready(bool dx11_box = false) {
        auto tool = e2e::start_on('T', client_.install, temp_ / "standins.log");
        if (dx11_box && tool->started()) tool->click(e2e::kDx11Box);
        return tool;
    }

    // The file is old or new; if neither, only the moment between moving the old file
    // aside and putting the new one in was hit, and the old file is whole aside.
    void expect_old_or_new(const std::string& file, const std::string& old_content, const std::string& new_content,
                           int& olds, int& news) {
        if (e2e::file_exists(file)) {
            const std::string now = e2e::read_file(file);
            EXPECT_TRUE(now == old_content || now == new_content) << file << " holds " << now.size() << " bytes";
            (now == new_content ? news : olds)++;
            return;
        }
        const std::string folder = file.substr(0, file.rfind('\\'));
        const std::string aside_end = "~" + file.substr(file.rfind('\\') + 1);
        bool aside = false;
        for (const std::string& name : ours_in(folder))
            aside = aside || (name.size() > aside_end.size() &&
                              name.compare(name.size() - aside_end.size(), aside_end.size(), aside_end) == 0 &&
                              e2e::read_file(folder + "\\" + name) == old_content);
        EXPECT_TRUE(aside) << file << " is gone and not aside";
    }

    void kill_at_spread_points(const Writing& writing) {
        SCOPED_TRACE(writing.what);
        const std::string folder = writing.file.substr(0, writing.file.rfind('\\'));
        writing.prepare();
        const std::string old_content = e2e::read_file(writing.file);
        // A backup the action makes is a copy of the file as it was.
        const std::string old_backup = writing.backup_may_be_made ? old_content : e2e::read_file(writing.backup);
        DWORD duration = 0;
        std::string new_content;
        {
            auto tool = ready(writing.dx11_box);
            ASSERT_TRUE(tool->started());
            const DWORD start = GetTickCount();
            EXPECT_TRUE(press(*tool, writing.button).empty());
            duration = GetTickCount() - start;
            new_content = e2e::read_file(writing.file);
            ASSERT_FALSE(new_content == old_content) << "the action changed nothing";
            EXPECT_EQ(tool->close(), 0u);
        }
        // The ends spread past the measured time: a run under load takes longer.
        int olds = 0, news = 0, mid_write = 0;
        for (int kill = 0; kill < kKills; ++kill) {
            writing.prepare();
            if (writing.backup_may_be_made) DeleteFileA(writing.backup.c_str());
            auto tool = ready(writing.dx11_box);
            ASSERT_TRUE(tool->started());
            PostMessageA(tool->control(writing.button), BM_CLICK, 0, 0);
            Sleep(kill * (duration + duration / 2) / kKills);
            HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, tool->pid());
            TerminateProcess(process, 1);
            WaitForSingleObject(process, 10000);
            CloseHandle(process);

            SCOPED_TRACE("ended " + std::to_string(kill * (duration + duration / 2) / kKills) + " ms after the press");
            expect_old_or_new(writing.file, old_content, new_content, olds, news);
            if (e2e::file_exists(writing.backup) || !writing.backup_may_be_made) {
                EXPECT_TRUE(e2e::read_file(writing.backup) == old_backup) << "the backup is cut short";
            }
            const size_t left = ours_in(folder).size();
            mid_write += left > 0;
            EXPECT_LE(left, 3u) << "what earlier runs left is not cleared";
        }
        // Where the ends fell depends on the machine's load: told, not checked.
        std::printf("%s: %lu ms; of %d ends %d left the old file, %d the new one, %d ended mid-write\n", writing.what,
                    static_cast<unsigned long>(duration), kKills, olds, news, mid_write);

        // One more run clears whatever the ended ones left.
        auto tool = ready(writing.dx11_box);
        ASSERT_TRUE(tool->started());
        EXPECT_TRUE(press(*tool, writing.button).empty());
        EXPECT_EQ(tool->close(), 0u);
        EXPECT_TRUE(ours_in(folder).empty()) << ours_in(folder).front();
        EXPECT_TRUE(e2e::read_file(writing.file) == new_content);
        EXPECT_TRUE(e2e::read_file(writing.backup) == old_backup);
    }

    e2e::SampleClient client_;
    testing_support::TempDir temp_;
};

// A temporary file of a second copy of the tool that still runs is its own: a write in
// the same folder leaves it, and clears it once that copy has ended.
using SecondCopy = AbruptEnd;  // the same client on T:

TEST_F(SecondCopy, ATemporaryFileOfACopyStillRunningIsLeftToIt) {
    const std::string folder = client_.install + "\\LeagueClient";
    auto first = ready();
    ASSERT_TRUE(first->started());
    char name[64];
    std::snprintf(name, sizeof name, "~trivane-%08lx-0001.tmp", static_cast<unsigned long>(first->pid()));
    e2e::write_file(folder + "\\" + name, "being written");
    e2e::write_file(folder + "\\~trivane-0ffffff0-0002.tmp", "left by a run that ended");

    auto second = ready();
    EXPECT_TRUE(press(*second, e2e::kHomeReplaceButton).empty());
    EXPECT_EQ(ours_in(folder), std::vector<std::string>{name});
    EXPECT_EQ(e2e::read_file(folder + "\\" + name), "being written");

    EXPECT_EQ(first->close(), 0u);
    EXPECT_TRUE(press(*second, e2e::kHomeReplaceButton).empty());
    EXPECT_TRUE(ours_in(folder).empty());
    EXPECT_EQ(second->close(), 0u);
}

TEST_F(AbruptEnd, TheDx11StepLeavesGameCfgOldOrNewAndItsBackupWholeOrAbsent) {
    const std::string cfg = client_.install + "\\Game\\Config\\game.cfg";
    const std::string on = large_game_cfg("0");
    kill_at_spread_points({"the DX11 step", e2e::kOptimizeButton, true, cfg, cfg + ".bak", true,
                           [&] { e2e::write_file(cfg, on); }});
}

TEST_F(AbruptEnd, TheDx11RestoreLeavesGameCfgOldOrNew) {
    const std::string cfg = client_.install + "\\Game\\Config\\game.cfg";
    const std::string off = large_game_cfg("1");
    e2e::write_file(cfg + ".bak", e2e::kGameCfg);
    kill_at_spread_points({"the DX11 restore", e2e::kDx11RestoreButton, false, cfg, cfg + ".bak", false,
                           [&] { e2e::write_file(cfg, off); }});
}

TEST_F(AbruptEnd, TheHomePageReplaceLeavesSystemYamlOldOrNewAndItsBackupWholeOrAbsent) {
    const std::string yaml = client_.install + "\\LeagueClient\\system.yaml";
    const std::string large = large_system_yaml();
    kill_at_spread_points({"the home page replace", e2e::kHomeReplaceButton, false, yaml, yaml + ".bak", true,
                           [&] { e2e::write_file(yaml, large); }});
}

TEST_F(AbruptEnd, TheHomePageRestoreLeavesSystemYamlOldOrNew) {
    const std::string yaml = client_.install + "\\LeagueClient\\system.yaml";
    const std::string large = large_system_yaml();
    kill_at_spread_points({"the home page restore", e2e::kHomeRestoreButton, false, yaml, yaml + ".bak", false, [&] {
                               e2e::write_file(yaml, blank_template());
                               e2e::write_file(yaml + ".bak", large);
                           }});
}

}  // namespace
