// The permission grant on real folders: links refused, the folder's own entries kept,
// the previous list handed back for the record.
#include <gtest/gtest.h>
#include <windows.h>
#include <aclapi.h>
#include <sddl.h>

#include <string>
#include <vector>

#include "tests/support/change_record_tail.h"
#include "tests/support/temp_dir.h"
#include "tests/tuner/stand_in.h"
#include "tests/tuner/tuner_test_program.h"
#include "tuner/permission_grant.h"

namespace {

using testing_support::TempDir;

constexpr DWORD kGenericExecute = 0x20000000;
constexpr DWORD kSetAccess = 2;
// The test command makes it a symbolic link to a folder of the build.
const std::string kLinked = "C:\\trivane_linked";

tuner::PermissionGrant grant(const std::string& path, const char* trustee = "Administrators") {
    return tuner::grant_permission(path.c_str(), trustee, kGenericExecute, kSetAccess);
}

std::string text_of(PSECURITY_DESCRIPTOR descriptor) {
    char* text = nullptr;
    if (!ConvertSecurityDescriptorToStringSecurityDescriptorA(descriptor, SDDL_REVISION_1, DACL_SECURITY_INFORMATION,
                                                              &text, nullptr))
        return "unreadable";
    const std::string result = text;
    LocalFree(text);
    return result;
}

// The folder's access list in SDDL form, as the platform reports it.
std::string access_list_of(const std::string& path) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (GetNamedSecurityInfoA(path.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr, nullptr,
                              nullptr, &descriptor) != ERROR_SUCCESS)
        return "unreadable";
    const std::string text = text_of(descriptor);
    LocalFree(descriptor);
    return text;
}

// The entries of an SDDL access list: "(A;OICI;FA;;;SY)" and so on.
std::vector<std::string> entries_of(const std::string& list) {
    std::vector<std::string> entries;
    for (size_t open = list.find('('); open != std::string::npos; open = list.find('(', open + 1))
        entries.push_back(list.substr(open, list.find(')', open) - open + 1));
    return entries;
}

TEST(PermissionGrant, AMissingFolderIsRefused) {
    tuner_tests::start_tool_runtime();
    TempDir dir;
    const tuner::PermissionGrant missing = grant(dir / "no\\such");
    EXPECT_FALSE(missing.granted);
    EXPECT_TRUE(missing.error == ERROR_FILE_NOT_FOUND || missing.error == ERROR_PATH_NOT_FOUND) << missing.error;
    EXPECT_FALSE(grant("").granted);
}

// A link planted where the folder is expected would aim the grant at any folder.
TEST(PermissionGrant, AFolderThatIsALinkOrLiesInOneIsRefusedAndTheTargetKeepsItsList) {
    tuner_tests::start_tool_runtime();
    const DWORD link = GetFileAttributesA(kLinked.c_str());
    ASSERT_TRUE(link != INVALID_FILE_ATTRIBUTES && (link & FILE_ATTRIBUTE_REPARSE_POINT)) << "see tools/test.sh";
    const std::string inner = kLinked + "\\Config";
    CreateDirectoryA(inner.c_str(), nullptr);
    for (const std::string& path : {kLinked, inner}) {
        const std::string before = access_list_of(path);
        const tuner::PermissionGrant refused = grant(path);
        EXPECT_FALSE(refused.granted) << path;
        EXPECT_EQ(refused.error, tuner::kStoppedOnLink) << path;
        EXPECT_TRUE(refused.previous.empty()) << path;
        EXPECT_EQ(access_list_of(path), before) << path;
    }
    RemoveDirectoryA(inner.c_str());
}

// What the grant handed SetSecurityInfo, in SDDL form.
std::string g_stored;

DWORD WINAPI store_list(HANDLE, SE_OBJECT_TYPE, SECURITY_INFORMATION, PSID, PSID, PACL list, PACL) {
    SECURITY_DESCRIPTOR descriptor;
    InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
    SetSecurityDescriptorDacl(&descriptor, TRUE, list, FALSE);
    g_stored = text_of(&descriptor);
    return ERROR_SUCCESS;
}

TEST(PermissionGrant, TheNewEntryJoinsTheFoldersOwnEntries) {
    tuner_tests::start_tool_runtime();
    TempDir dir;
    dir.write("Game\\Config\\game.cfg", "x");
    const std::string folder = dir / "Game\\Config";
    const std::string before = access_list_of(folder);
    ASSERT_FALSE(entries_of(before).empty()) << before;

    g_stored.clear();
    {
        const tuner_tests::StandIn stored(tuner::kSetSecurityInfo, reinterpret_cast<void*>(store_list));
        const tuner::PermissionGrant granted = grant(folder);
        EXPECT_TRUE(granted.granted) << granted.error;
        EXPECT_STREQ(granted.previous.c_str(), before.c_str());
    }
    for (const std::string& entry : entries_of(before))
        EXPECT_NE(g_stored.find(entry), std::string::npos) << entry << " missing from " << g_stored;
    EXPECT_NE(g_stored.find("(A;OICI;GX;;;BA)"), std::string::npos) << g_stored;

    // Stored for real: what the folder granted before, it still grants.
    EXPECT_TRUE(grant(folder).granted);
    const std::string after = access_list_of(folder);
    for (const std::string& entry : entries_of(before))
        EXPECT_NE(after.find(entry), std::string::npos) << entry << " missing from " << after;
}

// The folder holding it is found by its last backslash: a character whose second byte
// is the backslash's code does not end a name.
TEST(PermissionGrant, AFolderWhoseNameHasABackslashByteIsGranted) {
    tuner_tests::start_tool_runtime();
    TempDir dir;
    const std::string name = "a淺b";
    ASSERT_EQ(name.size(), 4u);
    ASSERT_EQ(name[2], '\\');
    dir.write("Game\\" + name + "\\game.cfg", "x");
    const tuner::PermissionGrant granted = grant(dir / ("Game\\" + name));
    EXPECT_TRUE(granted.granted) << granted.error;
}

TEST(PermissionGrant, AnUnknownTrusteeLeavesTheFolderAsItWas) {
    tuner_tests::start_tool_runtime();
    TempDir dir;
    const std::string before = access_list_of(dir.path());
    const tuner::PermissionGrant refused = grant(dir.path(), "NoSuchAccount4711");
    EXPECT_FALSE(refused.granted);
    EXPECT_NE(refused.error, 0u);
    EXPECT_EQ(access_list_of(dir.path()), before);
}

TEST(PermissionGrant, TheRecordLineCarriesThePreviousListOrTheCode) {
    tuner_tests::start_tool_runtime();
    TempDir dir;
    dir.write("Config\\game.cfg", "x");
    const std::string folder = dir / "Config";
    const std::string before = access_list_of(folder);
    const testing_support::ChangeRecordTail tail;
    tuner::record_permission_grant(folder.c_str(), grant(folder));
    tuner::record_permission_grant(kLinked.c_str(), grant(kLinked));
    EXPECT_EQ(tail.lines_with(folder), std::vector<std::string>{"权限\t" + folder + "\t成功\t" + before});
    EXPECT_EQ(tail.lines_with(kLinked + "\t"), std::vector<std::string>{"权限\t" + kLinked + "\t失败 681"});
}

}  // namespace
