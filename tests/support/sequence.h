// Expected sequences as data, compared in order with what a test logged: an expected
// entry marked optional may be missing, anything else must match one for one, and a
// mismatch lists both sequences and marks where they part. Entries of any kind work
// that provide, found by argument-dependent lookup:
//   bool matches(const Want&, const Logged&);  bool optional(const Want&);
//   std::string describe(const Want&);          std::string describe(const Logged&);
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace testing_support {

namespace sequence_detail {

template <typename Entry>
void list(std::string& out, const char* title, const std::vector<Entry>& entries, size_t at) {
    out += title;
    out += ":\n";
    for (size_t i = 0; i < entries.size(); ++i) out += (i == at ? "  > " : "    ") + describe(entries[i]) + "\n";
    if (at >= entries.size()) out += "  > (end)\n";
}

}  // namespace sequence_detail

// `what` names the entries in the message ("events", "messages").
template <typename Logged, typename Want>
::testing::AssertionResult sequence_matches(const std::vector<Logged>& actual, const std::vector<Want>& expected,
                                            const char* what) {
    size_t want = 0, got = 0;
    while (want < expected.size() && got < actual.size()) {
        if (matches(expected[want], actual[got])) {
            ++want;
            ++got;
        } else if (optional(expected[want])) {
            ++want;
        } else {
            break;
        }
    }
    while (want < expected.size() && optional(expected[want])) ++want;
    if (want == expected.size() && got == actual.size()) return ::testing::AssertionSuccess();
    std::string message = std::string("the ") + what + " differ";
    if (want == expected.size())
        message += ": one more was logged\n";
    else
        message += got < actual.size() ? " at the marked entries\n" : ": an expected one is missing\n";
    sequence_detail::list(message, "expected", expected, want);
    sequence_detail::list(message, "logged", actual, got);
    return ::testing::AssertionFailure() << message;
}

}  // namespace testing_support
