// The folders the system and every user share, as the cleanup steps tell them: learnt
// here from the environment Wine gives every program, which the tool does not read.
#include <gtest/gtest.h>
#include <windows.h>

#include <cctype>
#include <string>

#include "tests/support/temp_dir.h"
#include "tests/tuner/tuner_test_program.h"
#include "tuner/path_parts.h"
#include "tuner/shared_folders.h"

namespace {

std::string environment(const char* name) {
    char value[MAX_PATH] = {};
    const DWORD n = GetEnvironmentVariableA(name, value, MAX_PATH);
    return n > 0 && n < MAX_PATH ? value : "";
}

std::string parent(const std::string& path) { return path.substr(0, path.rfind('\\')); }

std::string upper(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

TEST(SharedFolders, EveryFolderTheSystemAndAllUsersShareAndOnlyThose) {
    tuner_tests::start_tool_runtime();
    const std::string windows = environment("SystemRoot"), program_data = environment("ALLUSERSPROFILE"),
                      public_profile = environment("PUBLIC"), profile = environment("USERPROFILE"),
                      program_files = environment("ProgramFiles");
    for (const std::string* name : {&windows, &program_data, &public_profile, &profile, &program_files})
        ASSERT_FALSE(name->empty()) << "Wine names each of these folders in the environment";
    ASSERT_NE(public_profile.find('\\', 3), std::string::npos);

    char short_name[MAX_PATH] = {};
    ASSERT_GT(GetShortPathNameA(program_files.c_str(), short_name, MAX_PATH), 0u);
    ASSERT_NE(std::string(short_name), program_files) << "Program Files has a short name of its own";

    const std::string shared[] = {
        windows, program_data, public_profile, parent(public_profile), profile, program_files,
        upper(program_data), profile + "\\", short_name,
    };
    for (const std::string& folder : shared) EXPECT_TRUE(tuner::is_shared_system_folder(folder.c_str())) << folder;

    testing_support::TempDir temp;
    const std::string not_shared[] = {
        program_data + "\\Vendor", profile + "\\Games", program_files + "\\腾讯游戏\\英雄联盟", temp.path(),
        "C:\\trivane_linked", "T:" + windows.substr(2), "", "C:",
    };
    for (const std::string& folder : not_shared)
        EXPECT_FALSE(tuner::is_shared_system_folder(folder.c_str())) << folder;
}

TEST(PathParts, SeparatorsAreFoundCharacterByCharacter) {
    // "\x81\\" is one character whose second byte is a backslash.
    const struct {
        const char* path;
        size_t trimmed, parent;
        const char* last;
        bool ends_in_separator;
    } cases[] = {
        {"C:\\a\\TCLS", 9, 4, "TCLS", false},
        {"C:\\a\\TCLS\\\\", 9, 4, "TCLS\\\\", true},
        {"C:\\英\x81\\", 7, 2, "英\x81\\", false},
        {"C:\\英\x81\\\\", 7, 2, "英\x81\\\\", true},
        {"C:", 2, 0, "C:", false},
        {"", 0, 0, "", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(tuner::trimmed_length(c.path), c.trimmed) << c.path;
        EXPECT_EQ(tuner::parent_length(c.path), c.parent) << c.path;
        EXPECT_STREQ(tuner::last_part(c.path), c.last) << c.path;
        EXPECT_EQ(tuner::ends_in_separator(c.path), c.ends_in_separator) << c.path;
    }
    EXPECT_TRUE(tuner::same_path_text("C:\\Users\\Public\\", "c:\\users\\public"));
    EXPECT_FALSE(tuner::same_path_text("C:\\英\x81\\", "C:\\英\x81"));  // the backslash is half a character
    EXPECT_FALSE(tuner::same_path_text("C:\\Users", "C:\\Users\\Public"));
    // A second byte that reads as a capital letter is part of a character, not a letter.
    EXPECT_FALSE(tuner::same_path_text("C:\\\x81" "A", "C:\\\x81" "a"));
}

}  // namespace
