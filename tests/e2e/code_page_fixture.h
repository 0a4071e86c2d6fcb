// What the code page suites share. Wine gives a program started from the Linux side
// the ANSI code page of its locale (C.UTF-8: 1252, as an English Windows), and a
// program started from a Windows program the code page of its parent, whatever
// environment the parent hands it. So a suite's ctest entry picks the code page by its
// locale, and Trivane, started from the test, runs in it; each test first checks that.
// Drive X: (mapped by the test command) holds the suites' clients and no one else's.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include "tests/e2e/trivane_driver.h"

namespace e2e {

class CodePageTest : public testing::Test {
protected:
    explicit CodePageTest(UINT code_page) : code_page_(code_page) {}

    // Fails unless programs started from here run in the suite's code page; empties X:.
    void SetUp() override;
    void TearDown() override;

    std::unique_ptr<Trivane> start();
    // Starts Trivane and has it find the client laid out in `install` on drive X:.
    std::unique_ptr<Trivane> start_and_find(const std::wstring& install);

    static constexpr char kDrive[] = "X:\\";

private:
    UINT code_page_;
};

// The control's text in UTF-8, for failure messages.
std::string shown(const Trivane& tool, int id);

}  // namespace e2e
