// The quit message a message pump must leave queued for the loop that owns it.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

namespace testing_support {

// Takes the message at the front of this thread's queue, which must be the quit
// message with `code`.
inline void expect_quit_message_first(WPARAM code) {
    MSG m;
    ASSERT_TRUE(PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(m.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(m.wParam, code);
}

}  // namespace testing_support
