// The change record's folder is the user's to change, and the tool writes there
// elevated: a link in the folder's place, there from the start or swapped in between
// lines, takes no line and no rename. The test command makes the links (the platform
// under test cannot): C:\trivane_linked, and C:\trivane_record_swap\linked\Trivane,
// both naming folders outside.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/support/temp_dir.h"
#include "tests/tuner/tuner_test_program.h"
#include "tuner/change_record.h"

namespace {

using testing_support::read_whole_file;

constexpr size_t kRotationSize = 1048576;

bool exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

TEST(ChangeRecordLinks, AFolderThatIsALinkTakesNoLine) {
    tuner_tests::start_tool_runtime();
    ASSERT_TRUE(exists("C:\\trivane_linked")) << "made by the test command (tools/test.sh)";
    ASSERT_NE(GetFileAttributesA("C:\\trivane_linked") & FILE_ATTRIBUTE_REPARSE_POINT, 0u);
    const std::string record = "C:\\trivane_linked\\changes.log";
    EXPECT_FALSE(tuner::ChangeRecord(record.c_str(), "C:\\trivane_linked\\changes.old.log").append_line("line\r\n"));
    EXPECT_FALSE(exists(record));
}

// C:\trivane_record_swap\current\Trivane is the record's folder; the link is put in
// its place by renaming the folders that hold them, and everything is put back after.
class SwappedFolder {
public:
    SwappedFolder() {
        testing_support::remove_tree(kBase + "\\current");
        testing_support::remove_tree(kBase + "\\real");
        CreateDirectoryA((kBase + "\\current").c_str(), nullptr);
        CreateDirectoryA((kBase + "\\current\\Trivane").c_str(), nullptr);
    }
    ~SwappedFolder() {
        for (const char* name : {"changes.log", "changes.old.log"}) DeleteFileA(bait(name).c_str());
        if (swapped_) {
            MoveFileA((kBase + "\\current").c_str(), (kBase + "\\linked").c_str());
            MoveFileA((kBase + "\\real").c_str(), (kBase + "\\current").c_str());
        }
        testing_support::remove_tree(kBase + "\\current");
    }
    SwappedFolder(const SwappedFolder&) = delete;
    SwappedFolder& operator=(const SwappedFolder&) = delete;

    bool ready() const { return exists(kBase + "\\linked\\Trivane") && exists(kBase + "\\current\\Trivane"); }
    bool swap() {
        swapped_ = MoveFileA((kBase + "\\current").c_str(), (kBase + "\\real").c_str()) &&
                   MoveFileA((kBase + "\\linked").c_str(), (kBase + "\\current").c_str());
        return swapped_ && (GetFileAttributesA(folder().c_str()) & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
    }

    std::string folder() const { return kBase + "\\current\\Trivane"; }
    std::string record() const { return folder() + "\\changes.log"; }
    std::string old_record() const { return folder() + "\\changes.old.log"; }
    // The folder the record was in, after the swap.
    std::string moved_record() const { return kBase + "\\real\\Trivane\\changes.log"; }
    // A file in the folder the link names, before or after the swap.
    std::string bait(const char* name) const {
        return kBase + (swapped_ ? "\\current\\Trivane\\" : "\\linked\\Trivane\\") + name;
    }

private:
    const std::string kBase = "C:\\trivane_record_swap";
    bool swapped_ = false;
};

// A record held open keeps writing to the file it checked; a record opened after the
// swap is refused. Either way the folder the link names gets nothing: no line, and no
// rename of a record padded there to just under the limit over a file of the old
// record's name.
TEST(ChangeRecordLinks, AFolderSwappedForALinkBetweenLinesTakesNothing) {
    tuner_tests::start_tool_runtime();
    SwappedFolder place;
    ASSERT_TRUE(place.ready()) << "C:\\trivane_record_swap is made by the test command (tools/test.sh)";
    const std::string near_limit = std::string(kRotationSize - 8, 'p') + "\r\n";
    testing_support::write_file(place.bait("changes.log"), near_limit);
    testing_support::write_file(place.bait("changes.old.log"), "someone else's");

    tuner::ChangeRecord held(place.record().c_str(), place.old_record().c_str());
    ASSERT_TRUE(held.append_line("before\r\n"));
    ASSERT_TRUE(place.swap());

    EXPECT_TRUE(held.append_line("held\r\n"));
    EXPECT_FALSE(tuner::ChangeRecord(place.record().c_str(), place.old_record().c_str()).append_line("new\r\n"));
    // Padded past the limit, the held record comes to renaming: the folder it was
    // opened in is gone from its path, so no rename is made through the link.
    testing_support::write_file(place.moved_record(), near_limit);
    EXPECT_FALSE(held.append_line("rotate\r\n"));

    EXPECT_TRUE(read_whole_file(place.bait("changes.log")) == near_limit);
    EXPECT_TRUE(read_whole_file(place.bait("changes.old.log")) == "someone else's");
}

}  // namespace
