// The change record shared by writers at once: threads of one record and other
// processes append thousands of lines, and every line arrives whole, once, in its
// writer's order.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/child_process.h"
#include "tests/support/temp_dir.h"
#include "tests/tuner/tuner_test_program.h"
#include "tuner/change_record.h"

namespace {

using testing_support::child_argument;
using testing_support::read_whole_file;
using testing_support::TempDir;

std::string numbered_line(const std::string& writer, int index) {
    char line[80];
    std::snprintf(line, sizeof line, "%s %05d ................................\r\n", writer.c_str(), index);
    return line;
}

// How a writer holds the record: one object for all its lines, as a log cleanup does,
// or one object for each line, as every other change does.
enum class Holding { ForAllLines, ForEachLine };

void append_numbered_lines(const std::string& record, const std::string& writer, int count, Holding holding) {
    const std::string old = record.substr(0, record.rfind('\\')) + "\\changes.old.log";
    tuner::ChangeRecord held(record.c_str(), old.c_str());
    held.flush_at_most_every(50);
    for (int i = 0; i < count; ++i) {
        const std::string line = numbered_line(writer, i);
        if (holding == Holding::ForAllLines)
            held.append_line(line.c_str());
        else
            tuner::ChangeRecord(record.c_str(), old.c_str()).append_line(line.c_str());
    }
}

// The child's argument: "<A|E> <writer> <count> <record>" (all lines on one object, or
// each on its own).
TRIVANE_CHILD_SCENARIO(append_numbered_lines) {
    tuner_tests::start_tool_runtime();
    const std::string& argument = child_argument();
    char holding = 0;
    char writer[16] = {};
    int count = 0;
    int used = 0;
    if (std::sscanf(argument.c_str(), "%c %15s %d %n", &holding, writer, &count, &used) != 3) return;
    append_numbered_lines(argument.substr(used), writer, count,
                          holding == 'A' ? Holding::ForAllLines : Holding::ForEachLine);
}

struct Writer {
    std::string name;
    int count;
};

// The record starts with the mark, and every line after it is one of a writer's
// numbered lines; each writer's lines are all there, once each, in order.
void expect_every_line_whole_once(const std::string& record, const std::vector<Writer>& writers) {
    const std::string mark = "\xEF\xBB\xBF";
    ASSERT_EQ(record.compare(0, mark.size(), mark), 0);
    std::map<std::string, int> next;
    std::vector<std::string> broken;
    for (size_t at = mark.size(), end; at < record.size(); at = end + 2) {
        end = record.find("\r\n", at);
        if (end == std::string::npos) end = record.size();
        const std::string line = record.substr(at, end - at) + "\r\n";
        const std::string writer = line.substr(0, line.find(' '));
        if (line == numbered_line(writer, next[writer]))
            ++next[writer];
        else if (broken.size() < 5)
            broken.push_back(line);
    }
    EXPECT_EQ(broken, std::vector<std::string>{});
    for (const Writer& writer : writers) EXPECT_EQ(next[writer.name], writer.count) << writer.name;
}

TEST(ChangeRecordWriters, TwoThreadsOfOneRecordAndTwoOtherProcessesLoseNoLine) {
    tuner_tests::start_tool_runtime();
    TempDir dir;
    const std::string record = dir / "changes.log";
    const std::vector<Writer> writers = {{"thread1", 2500}, {"thread2", 2500}, {"held", 2500}, {"each", 400}};

    std::string held_report, each_report;
    PROCESS_INFORMATION held = testing_support::start_child(
        "append_numbered_lines", &held_report, "A held " + std::to_string(writers[2].count) + " " + record);
    PROCESS_INFORMATION each = testing_support::start_child(
        "append_numbered_lines", &each_report, "E each " + std::to_string(writers[3].count) + " " + record);
    {
        const std::string old = dir / "changes.old.log";
        tuner::ChangeRecord shared(record.c_str(), old.c_str());
        shared.flush_at_most_every(50);
        // Both threads start together, so that their first lines meet the record unopened.
        std::atomic<int> ready{0};
        auto append = [&shared, &ready](const Writer& writer) {
            ready.fetch_add(1);
            while (ready.load() < 2) {}
            for (int i = 0; i < writer.count; ++i) EXPECT_TRUE(shared.append_line(numbered_line(writer.name, i).c_str()));
        };
        std::thread first(append, writers[0]);
        std::thread second(append, writers[1]);
        first.join();
        second.join();
    }
    EXPECT_EQ(testing_support::finish_child(held, held_report, 60000).exit_code, 0u);
    EXPECT_EQ(testing_support::finish_child(each, each_report, 60000).exit_code, 0u);
    expect_every_line_whole_once(read_whole_file(record), writers);
}

}  // namespace
