// Write configuration item on real profile files, checked byte for byte.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "logic/commands.h"
#include "runtime/platform_text.h"
#include "tests/support/temp_dir.h"

namespace {

using testing_support::read_whole_file;
using testing_support::TempDir;

constexpr const char kGameCfg[] = "[General]\r\nWidth=800\r\nHeight=600\r\n[Sound]\r\nVolume=3\r\n";

TEST(WriteConfigurationItem, AddsAnItemThenReplacesItsValue) {
    TempDir dir;
    const std::string cfg = dir.write("game.cfg", kGameCfg);
    EXPECT_TRUE(logic::write_configuration_item(cfg.c_str(), "General", "DX11BetaTest", "1"));
    EXPECT_EQ(read_whole_file(cfg),
              "[General]\r\nWidth=800\r\nHeight=600\r\nDX11BetaTest=1\r\n[Sound]\r\nVolume=3\r\n");
    EXPECT_TRUE(logic::write_configuration_item(cfg.c_str(), "General", "DX11BetaTest", "0"));
    EXPECT_EQ(read_whole_file(cfg),
              "[General]\r\nWidth=800\r\nHeight=600\r\nDX11BetaTest=0\r\n[Sound]\r\nVolume=3\r\n");
}

TEST(WriteConfigurationItem, CreatesMissingSectionsAndFiles) {
    TempDir dir;
    const std::string cfg = dir.write("game.cfg", kGameCfg);
    EXPECT_TRUE(logic::write_configuration_item(cfg.c_str(), "Video", "Mode", "2"));
    EXPECT_EQ(read_whole_file(cfg), std::string(kGameCfg) + "[Video]\r\nMode=2\r\n");

    const std::string fresh = dir / "fresh.cfg";
    EXPECT_TRUE(logic::write_configuration_item(fresh.c_str(), "General", "DX11BetaTest", "1"));
    EXPECT_EQ(read_whole_file(fresh), "[General]\r\nDX11BetaTest=1\r\n");
}

TEST(WriteConfigurationItem, OmittedValueDeletesTheItemOmittedKeyTheSection) {
    TempDir dir;
    const std::string cfg = dir.write("game.cfg", kGameCfg);
    EXPECT_TRUE(logic::delete_configuration_item(cfg.c_str(), "General", "Width"));
    EXPECT_EQ(read_whole_file(cfg), "[General]\r\nHeight=600\r\n[Sound]\r\nVolume=3\r\n");
    EXPECT_TRUE(logic::delete_configuration_section(cfg.c_str(), "Sound"));
    EXPECT_EQ(read_whole_file(cfg), "[General]\r\nHeight=600\r\n");
}

TEST(WriteConfigurationItem, EmptyValueOrKeyIsWrittenNotDeleted) {
    TempDir dir;
    const std::string cfg = dir.write("game.cfg", kGameCfg);
    EXPECT_TRUE(logic::write_configuration_item(cfg.c_str(), "General", "Width", ""));
    EXPECT_EQ(read_whole_file(cfg), "[General]\r\nWidth=\r\nHeight=600\r\n[Sound]\r\nVolume=3\r\n");
    EXPECT_TRUE(logic::write_configuration_item(cfg.c_str(), "Sound", "", "x"));
    EXPECT_EQ(read_whole_file(cfg), "[General]\r\nWidth=\r\nHeight=600\r\n[Sound]\r\nVolume=3\r\n=x\r\n");
    // A null text from the logic is the empty text, never an omitted argument.
    EXPECT_TRUE(logic::write_configuration_item(cfg.c_str(), "General", "Height", nullptr));
    EXPECT_EQ(read_whole_file(cfg), "[General]\r\nWidth=\r\nHeight=\r\n[Sound]\r\nVolume=3\r\n=x\r\n");
}

TEST(WriteConfigurationItem, FilesItCannotWriteStayAsTheyWere) {
    TempDir dir;
    EXPECT_FALSE(logic::write_configuration_item((dir / "missing\\game.cfg").c_str(), "General", "k", "v"));
    EXPECT_EQ(GetFileAttributesW(rt::to_platform(dir / "missing").c_str()), INVALID_FILE_ATTRIBUTES);

    const std::string read_only = dir.write("ro.cfg", kGameCfg);
    SetFileAttributesW(rt::to_platform(read_only).c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(logic::write_configuration_item(read_only.c_str(), "General", "Width", "1024"));
    EXPECT_EQ(read_whole_file(read_only), kGameCfg);

    const std::string locked = dir.write("locked.cfg", kGameCfg);
    const HANDLE lock = CreateFileW(rt::to_platform(locked).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(logic::write_configuration_item(locked.c_str(), "General", "Width", "1024"));
    CloseHandle(lock);
    EXPECT_EQ(read_whole_file(locked), kGameCfg);
}

}  // namespace
