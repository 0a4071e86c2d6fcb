// The client's files and folders on checked handles: a link in a folder's or a file's
// place, or on the way to it, is refused with the link's code and leaves what it names
// untouched. The platform under test follows a link even on an open that asks for the
// link itself; what it opened then names the link's target as its final path.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/change_record_tail.h"
#include "tests/support/temp_dir.h"
#include "tests/support/unix_link.h"
#include "tests/tuner/tuner_test_program.h"
#include "tests/tuner/wide_names.h"
#include "tuner/file_replace.h"
#include "tuner/file_routines.h"
#include "tuner/directory_listing.h"
#include "tuner/held_folder.h"
#include "tuner/held_listing.h"
#include "tuner/routines.h"

namespace {

using testing_support::TempDir;
using testing_support::UnixLink;
using testing_support::write_file;

bool exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// A client folder with Cross and a log, and beside it a folder outside the client
// holding the same names, reached from the client by links.
class CheckedPaths : public ::testing::Test {
protected:
    void SetUp() override {
        tuner_tests::start_tool_runtime();
        for (const std::string& root : {client(), outside()}) {
            write_file(root + "\\Cross\\cache.bin", "frames");
            write_file(root + "\\Logs\\a.log", "log");
            write_file(root + "\\game.cfg", "[General]\r\n");
        }
    }
    std::string client() const { return temp_ / "client"; }
    std::string outside() const { return temp_ / "outside"; }
    // A link at `relative` below the client to `target`.
    void link(const std::string& relative, const std::string& target, bool to_file = false) {
        links_.push_back(std::make_unique<UnixLink>(client() + "\\" + relative, target, to_file));
        ASSERT_TRUE(links_.back()->made()) << relative;
    }
    // Everything outside as it was made.
    void expect_outside_untouched() const {
        EXPECT_TRUE(exists(outside() + "\\Cross\\cache.bin"));
        EXPECT_TRUE(exists(outside() + "\\Logs\\a.log"));
        EXPECT_FALSE(exists(outside() + "\\Crossbak"));
        EXPECT_EQ(testing_support::read_whole_file(outside() + "\\game.cfg"), "[General]\r\n");
    }

    TempDir temp_;
    std::vector<std::unique_ptr<UnixLink>> links_;  // removed before the folders
};

TEST_F(CheckedPaths, TheFolderItselfIsHeldWhateverTheSpelling) {
    std::string upper = client();
    for (char& c : upper) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    for (const std::string& path : {client(), client() + "\\", upper, client() + "\\\\Logs\\", client() + "\\Logs"}) {
        const tuner::HeldFolder held = tuner::HeldFolder::open(path.c_str());
        EXPECT_TRUE(held) << path << " " << held.error();
    }
}

// The log cleanup lists a held folder through its handle: the same entries as its
// path lists, over several of the platform's blocks, names beyond GBK and links included.
TEST_F(CheckedPaths, AHeldFolderListsThroughItsHandleWhatItsPathLists) {
    const std::wstring folder = tuner_tests::wide(client()) + L"\\Many";
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    for (int i = 0; i < 1200; ++i)
        ASSERT_TRUE(tuner_tests::write_wide_file(folder, L"entry_with_a_longer_name_" + std::to_wstring(i) + L".log"));
    for (const wchar_t* name : {L"\uD55C\uAD6D\uC5B4.log", L"\U0001F600.log", L"Sub\\inner.log"})
        ASSERT_TRUE(tuner_tests::write_wide_file(folder, name));
    link("Many\\Outward", outside());

    using Entries = std::map<std::wstring, std::pair<bool, bool>>;  // directory, link
    Entries by_path, by_handle;
    tuner::DirectoryListing path_listing((folder + L"\\").c_str(), tuner::kRoutineDeleteFiles);
    while (path_listing.next())
        by_path[path_listing.name()] = {path_listing.is_directory(), path_listing.is_reparse_point()};
    const tuner::HeldFolder held = tuner::HeldFolder::open(folder.c_str());
    ASSERT_TRUE(held) << held.error();
    tuner::HeldListing listing(held, tuner::kRoutineDeleteFiles);
    while (listing.next()) by_handle[listing.name()] = {listing.is_directory(), listing.is_reparse_point()};
    EXPECT_FALSE(listing.next());  // stays ended

    EXPECT_EQ(by_handle.size(), 1200u + 4u);
    EXPECT_TRUE(by_handle == by_path);
    EXPECT_EQ(by_handle[L"Sub"], std::make_pair(true, false));
    EXPECT_TRUE(by_handle[L"Outward"].second);
    EXPECT_EQ(by_handle.count(L"\uD55C\uAD6D\uC5B4.log") + by_handle.count(L"\U0001F600.log"), 2u);
}

TEST_F(CheckedPaths, AFolderThatIsNotWhereItsPathSaysIsRefused) {
    link("Linked", outside());
    struct Case {
        std::string path;
        rt::u32 error;
        bool missing;  // a step goes on as without the folder
    };
    const Case cases[] = {
        {client() + "\\Linked", tuner::kStoppedOnLink, false},          // a link in its place
        {client() + "\\Linked\\Logs", tuner::kStoppedOnLink, false},    // reached through one
        {client() + "\\Linked\\Logs\\", tuner::kStoppedOnLink, false},  //
        {client() + "\\Missing", ERROR_FILE_NOT_FOUND, true},
        {client() + "\\Missing\\Config", ERROR_PATH_NOT_FOUND, true},
        {client() + "\\game.cfg", ERROR_DIRECTORY, false},
    };
    for (const Case& c : cases) {
        const tuner::HeldFolder held = tuner::HeldFolder::open(c.path.c_str());
        EXPECT_FALSE(held) << c.path;
        EXPECT_EQ(held.error(), c.error) << c.path;
        EXPECT_EQ(held.missing(), c.missing) << c.path;
    }
}

TEST_F(CheckedPaths, DeletesOnlyAFileThatLiesWhereItsPathSays) {
    link("Linked", outside());
    link("b.log", outside() + "\\Logs\\a.log", true);
    rt::u32 error = 0;
    for (const std::string& path : {client() + "\\Linked\\Logs\\a.log", client() + "\\b.log"}) {
        EXPECT_FALSE(tuner::delete_checked_file(tuner_tests::wide(path).c_str(), error)) << path;
        EXPECT_EQ(error, tuner::kStoppedOnLink) << path;
    }
    EXPECT_FALSE(tuner::delete_checked_file(tuner_tests::wide((client() + "\\Logs")).c_str(), error));
    EXPECT_TRUE(exists(client() + "\\Logs"));
    EXPECT_FALSE(tuner::delete_checked_file(tuner_tests::wide((client() + "\\Logs\\gone.log")).c_str(), error));
    EXPECT_EQ(error, static_cast<rt::u32>(ERROR_FILE_NOT_FOUND));

    EXPECT_TRUE(tuner::delete_checked_file(tuner_tests::wide((client() + "\\Logs\\a.log")).c_str(), error)) << error;
    EXPECT_FALSE(exists(client() + "\\Logs\\a.log"));
    expect_outside_untouched();
}

TEST_F(CheckedPaths, RenamesOnlyACrossThatLiesWhereItsPathSays) {
    link("Linked", outside());
    const std::string moved = client() + "\\Crossbak";
    rt::u32 error = 0;
    // Cross reached through a link: neither it nor the folder the new name is in moves.
    EXPECT_FALSE(tuner::rename_checked_folder((client() + "\\Linked\\Cross").c_str(),
                                              (client() + "\\Linked\\Crossbak").c_str(), error));
    EXPECT_EQ(error, tuner::kStoppedOnLink);
    // Cross itself a link.
    RemoveDirectoryA((client() + "\\Cross\\cache.bin").c_str());
    DeleteFileA((client() + "\\Cross\\cache.bin").c_str());
    RemoveDirectoryA((client() + "\\Cross").c_str());
    link("Cross", outside() + "\\Cross");
    EXPECT_FALSE(tuner::rename_checked_folder((client() + "\\Cross").c_str(), moved.c_str(), error));
    EXPECT_EQ(error, tuner::kStoppedOnLink);
    EXPECT_FALSE(exists(moved));
    expect_outside_untouched();

    links_.pop_back();  // Cross a folder again
    write_file(client() + "\\Cross\\cache.bin", "frames");
    EXPECT_TRUE(tuner::rename_checked_folder((client() + "\\Cross\\").c_str(), moved.c_str(), error)) << error;
    EXPECT_TRUE(exists(moved + "\\cache.bin"));
    EXPECT_FALSE(exists(client() + "\\Cross"));
    // A name taken already is not replaced.
    write_file(client() + "\\Cross\\cache.bin", "frames");
    EXPECT_FALSE(tuner::rename_checked_folder((client() + "\\Cross").c_str(), moved.c_str(), error));
    EXPECT_TRUE(exists(client() + "\\Cross\\cache.bin"));
}

// The log cleanup's walk: a folder reached through a link is left whole, with one
// failed line for the folder rather than a line for each file it would have tried.
TEST_F(CheckedPaths, ALogFolderReachedThroughALinkIsLeftWhole) {
    link("Linked", outside());
    const testing_support::ChangeRecordTail tail;
    const std::atomic<bool> stop{false};
    const std::string root = client() + "\\Linked\\";
    EXPECT_EQ(tuner::delete_matching_files(root.c_str(), "*.log", true, stop), 0);
    EXPECT_EQ(tail.lines_with(root), std::vector<std::string>{"删除\t" + root + "\t失败 681"});
    expect_outside_untouched();

    EXPECT_EQ(tuner::delete_matching_files((client() + "\\").c_str(), "*.log", true, stop), 1);
    EXPECT_FALSE(exists(client() + "\\Logs\\a.log"));
    expect_outside_untouched();
}

// The writes of the tool: a backup's source, a replace's target and a copy's source.
TEST_F(CheckedPaths, WritesNeitherCopyNorReplaceThroughALink) {
    link("Linked", outside());
    link("linked.cfg", outside() + "\\game.cfg", true);
    const std::string through_folder = client() + "\\Linked\\game.cfg";
    const std::string through_file = client() + "\\linked.cfg";
    for (const std::string& source : {through_folder, through_file}) {
        rt::u32 error = 0;
        EXPECT_FALSE(tuner::make_backup(source.c_str(), (client() + "\\game.cfg.bak").c_str(), &error)) << source;
        EXPECT_EQ(error, tuner::kStoppedOnLink) << source;
        EXPECT_FALSE(exists(client() + "\\game.cfg.bak"));
        error = 0;
        EXPECT_FALSE(tuner::replace_file_with_copy(source.c_str(), (client() + "\\game.cfg").c_str(), &error));
        EXPECT_EQ(error, tuner::kStoppedOnLink) << source;
        error = 0;
        EXPECT_FALSE(tuner::replace_file_contents(source.c_str(), "new", 3, &error)) << source;
        EXPECT_EQ(error, tuner::kStoppedOnLink) << source;
    }
    rt::u32 error = 0;
    EXPECT_TRUE(tuner::checked_or_absent((client() + "\\new.cfg").c_str(), error));
    EXPECT_TRUE(tuner::checked_or_absent((client() + "\\game.cfg").c_str(), error));
    EXPECT_TRUE(tuner::replace_file_contents((client() + "\\game.cfg").c_str(), "new", 3, &error)) << error;
    expect_outside_untouched();
}

}  // namespace
