// Writing one item of game.cfg through a copy: the file comes out as the platform's
// profile writer would have left it in place, or, when the copy does not read back
// as it should, exactly as it was.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <string>
#include <vector>

#include "tests/support/temp_dir.h"
#include "tests/tuner/folder_names.h"
#include "tests/tuner/stand_in.h"
#include "tests/tuner/tuner_test_program.h"
#include "tuner/dll_commands.h"
#include "tuner/profile_write.h"

namespace {

using testing_support::read_whole_file;
using testing_support::TempDir;
using tuner_tests::names_in;
using tuner_tests::StandIn;

std::string long_section() {
    std::string lines = "[General]\r\n";
    for (int i = 0; lines.size() < 100000; ++i) lines += "Key" + std::to_string(i) + "=" + std::string(40, 'v') + "\r\n";
    return lines + "DX11BetaTest=0\r\n[Other]\r\nA=1\r\n";
}

TEST(ProfileWrite, TheFileReadsAsTheProfileWriterLeavesItInPlace) {
    tuner_tests::start_tool_runtime();
    const std::string files[] = {
        "[General]\r\nWidth=1920\r\nDX11BetaTest=0\r\n[Performance]\r\nShadows=0\r\n",
        "[General]\r\nWidth=1920\r\n[Performance]\r\nShadows=0\r\n",          // no item yet
        "[Performance]\r\nShadows=0\r\n",                                      // no section yet
        "",                                                                    // empty
        "; settings\r\n\r\n[general]\r\n  dx11betatest = 1 \r\nHeight=1080\r\n",  // other case, spaces, a comment
        "[General]\r\nDX11BetaTest=0\r\nDX11BetaTest=1\r\n[General]\r\nX=1\r\n",  // the same key and section twice
        "[General]\nName=\xd3\xa2\xd0\xdb\nDX11BetaTest=1",                    // GBK text, bare line ends, no last
        long_section(),  // more than the reader's first answer holds, the item last
    };
    for (const std::string& content : files)
        for (const char* value : {"1", "0"}) {
            SCOPED_TRACE(content.substr(0, 60) + " <- " + value);
            TempDir dir;
            const std::string file = dir.write("game.cfg", content);
            const std::string twin = dir.write("twin.cfg", content);
            ASSERT_TRUE(WritePrivateProfileStringA("General", "DX11BetaTest", value, twin.c_str()));
            rt::u32 error = 0;
            EXPECT_TRUE(tuner::write_profile_item(file.c_str(), "General", "DX11BetaTest", value, &error)) << error;
            EXPECT_TRUE(read_whole_file(file) == read_whole_file(twin));
            EXPECT_EQ(names_in(dir.path()), (std::vector<std::string>{"game.cfg", "twin.cfg"}));
        }

    TempDir dir;
    const std::string missing = dir / "game.cfg";
    const std::string twin = dir / "twin.cfg";
    ASSERT_TRUE(WritePrivateProfileStringA("General", "DX11BetaTest", "0", twin.c_str()));
    EXPECT_TRUE(tuner::write_profile_item(missing.c_str(), "General", "DX11BetaTest", "0", nullptr));
    EXPECT_EQ(read_whole_file(missing), read_whole_file(twin));
    EXPECT_EQ(names_in(dir.path()), (std::vector<std::string>{"game.cfg", "twin.cfg"}));
}

// A run that ended between moving game.cfg aside and putting the new one in left the
// old file under our name: it is back before the next write reads it.
TEST(ProfileWrite, AFileAnEndedRunMovedAsideIsPutBackBeforeItIsRewritten) {
    tuner_tests::start_tool_runtime();
    TempDir dir;
    const std::string content = "[General]\r\nWidth=1920\r\n[Performance]\r\nShadows=0\r\n";
    dir.write("~trivane-0ffffff0-0001~game.cfg", content);
    const std::string twin = dir.write("twin.cfg", content);
    ASSERT_TRUE(WritePrivateProfileStringA("General", "DX11BetaTest", "1", twin.c_str()));
    const std::string file = dir / "game.cfg";
    EXPECT_TRUE(tuner::write_profile_item(file.c_str(), "General", "DX11BetaTest", "1", nullptr));
    EXPECT_EQ(read_whole_file(file), read_whole_file(twin));
    EXPECT_EQ(names_in(dir.path()), (std::vector<std::string>{"game.cfg", "twin.cfg"}));
}

bool is_copy(const wchar_t* file) { return std::wstring(file).find(L"~trivane-") != std::wstring::npos; }

// What the reader would find in a copy the writer cut short or wrote wrongly.
DWORD WINAPI copy_lost_a_line(const wchar_t* section, wchar_t* lines, DWORD size, const wchar_t* file) {
    const DWORD got = GetPrivateProfileSectionW(section, lines, size, file);
    if (!is_copy(file) || got == 0) return got;
    DWORD last = got - 1;
    while (last > 0 && lines[last - 1]) --last;
    lines[last] = L'\0';
    return last;
}
DWORD WINAPI copy_lost_a_section(wchar_t* names, DWORD size, const wchar_t* file) {
    const DWORD got = GetPrivateProfileSectionNamesW(names, size, file);
    if (!is_copy(file)) return got;
    const DWORD first = static_cast<DWORD>(wcslen(names));
    names[first + 1] = L'\0';
    return first + 1;
}
DWORD WINAPI copy_has_another_value(const wchar_t* section, wchar_t* lines, DWORD size, const wchar_t* file) {
    const DWORD got = GetPrivateProfileSectionW(section, lines, size, file);
    if (is_copy(file))
        for (DWORD i = 0; i + 14 < got; ++i)
            if (wmemcmp(lines + i, L"DX11BetaTest=1", 14) == 0) lines[i + 13] = L'2';
    return got;
}
DWORD WINAPI copy_has_another_line(const wchar_t* section, wchar_t* lines, DWORD size, const wchar_t* file) {
    const DWORD got = GetPrivateProfileSectionW(section, lines, size, file);
    if (is_copy(file) && got > 0) lines[0] = lines[0] == L'Z' ? L'Y' : L'Z';
    return got;
}

TEST(ProfileWrite, ACopyThatDoesNotReadBackAsWrittenIsNotSwappedIn) {
    tuner_tests::start_tool_runtime();
    const std::string content = "[General]\r\nWidth=1920\r\nHeight=1080\r\n[Performance]\r\nShadows=0\r\n";
    const struct {
        const char* fault;
        tuner::DllCommand command;
        void* reader;
    } faults[] = {
        {"a line lost", tuner::kGetPrivateProfileSectionW, reinterpret_cast<void*>(copy_lost_a_line)},
        {"a section lost", tuner::kGetPrivateProfileSectionNamesW, reinterpret_cast<void*>(copy_lost_a_section)},
        {"another value", tuner::kGetPrivateProfileSectionW, reinterpret_cast<void*>(copy_has_another_value)},
        {"another line", tuner::kGetPrivateProfileSectionW, reinterpret_cast<void*>(copy_has_another_line)},
    };
    for (const auto& fault : faults) {
        SCOPED_TRACE(fault.fault);
        TempDir dir;
        const std::string file = dir.write("game.cfg", content);
        rt::u32 error = 0;
        {
            StandIn reader(fault.command, fault.reader);
            EXPECT_FALSE(tuner::write_profile_item(file.c_str(), "General", "DX11BetaTest", "1", &error));
        }
        EXPECT_NE(error, 0u);
        EXPECT_EQ(read_whole_file(file), content);
        EXPECT_EQ(names_in(dir.path()), std::vector<std::string>{"game.cfg"});
    }

    // A read-only file is left as it is, and says why.
    TempDir dir;
    const std::string file = dir.write("game.cfg", content);
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY);
    SetLastError(ERROR_ALREADY_EXISTS);
    rt::u32 error = 0;
    EXPECT_FALSE(tuner::write_profile_item(file.c_str(), "General", "DX11BetaTest", "1", &error));
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(error, static_cast<rt::u32>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(read_whole_file(file), content);
}

}  // namespace
