// The permission grant on real folders: the access list it stores, and its refusals.
#include <gtest/gtest.h>
#include <windows.h>

#include "tests/support/temp_dir.h"
#include "tests/tuner/tuner_test_program.h"
#include "tuner/permission_grant.h"

namespace {

constexpr DWORD kGenericExecute = 0x20000000;
constexpr DWORD kSetAccess = 2;

TEST(PermissionGrant, AMissingFolderIsRefusedAndNothingChanges) {
    tuner_tests::start_tool_runtime();
    testing_support::TempDir dir;
    EXPECT_FALSE(tuner::grant_permission((dir / "no\\such").c_str(), "Administrators", kGenericExecute, kSetAccess));
    EXPECT_FALSE(tuner::grant_permission("", "Administrators", kGenericExecute, kSetAccess));
}

// Wine answers for a folder's access list from the file's Unix mode and keeps no list
// of its own, so what was stored cannot be read back here; that the whole sequence of
// calls succeeds for an existing folder can.
TEST(PermissionGrant, AnExistingFolderTakesTheNewList) {
    tuner_tests::start_tool_runtime();
    testing_support::TempDir dir;
    dir.write("Game\\Config\\game.cfg", "x");
    EXPECT_TRUE(tuner::grant_permission((dir / "Game\\Config").c_str(), "Administrators", kGenericExecute, kSetAccess));
}

TEST(PermissionGrant, AnUnknownTrusteeLeavesTheFolderAsItWas) {
    tuner_tests::start_tool_runtime();
    testing_support::TempDir dir;
    EXPECT_FALSE(tuner::grant_permission(dir.path().c_str(), "NoSuchAccount4711", kGenericExecute, kSetAccess));
}

}  // namespace
