// The tool's owner of kernel handles: it closes through the CloseHandle DLL command,
// exactly once, and a move hands the handle over.
#include <gtest/gtest.h>
#include <windows.h>

#include <utility>

#include "tests/tuner/tuner_test_program.h"
#include "tuner/routines.h"
#include "tuner/tool_kernel_handle.h"

namespace {

bool open(rt::u32 handle) {
    DWORD flags = 0;
    return GetHandleInformation(reinterpret_cast<HANDLE>(handle), &flags) != 0;
}

rt::u32 new_event() { return reinterpret_cast<rt::u32>(CreateEventA(nullptr, TRUE, FALSE, nullptr)); }

constexpr logic::Site kSite = {tuner::kRoutineProcessCheck, 99};

TEST(ToolKernelHandle, ClosesOnceThroughTheDllCommandAndMovesHandItOver) {
    tuner_tests::start_tool_runtime();
    const rt::u32 event = new_event();
    ASSERT_NE(event, 0u);
    {
        tuner::ToolKernelHandle first(event, kSite);
        tuner::ToolKernelHandle second(std::move(first));
        EXPECT_FALSE(first);
        EXPECT_EQ(second.get(), event);
        tuner::ToolKernelHandle third;
        third = std::move(second);
        EXPECT_FALSE(second);
        EXPECT_TRUE(open(event)) << "an emptied owner closed the handle";
    }
    EXPECT_FALSE(open(event));

    const rt::u32 other = new_event();
    tuner::ToolKernelHandle owner(other, kSite);
    EXPECT_TRUE(owner.close());
    EXPECT_FALSE(open(other));
    EXPECT_FALSE(owner);
    EXPECT_TRUE(owner.close());  // nothing left to close

    // Failed opens give zero or INVALID_HANDLE_VALUE: neither is a handle to close.
    EXPECT_FALSE(tuner::ToolKernelHandle(0, kSite));
    EXPECT_FALSE(tuner::ToolKernelHandle(0xFFFFFFFF, kSite));
}

}  // namespace
