// The handle owners: what they release and when, moves that hand a handle over, and
// selections undone when their owner goes.
#include <gtest/gtest.h>
#include <windows.h>

#include <utility>

#include "runtime/handle_owners.h"
#include "tests/support/gdi_census.h"

namespace {

bool kernel_handle_open(HANDLE h) {
    DWORD flags = 0;
    return GetHandleInformation(h, &flags) != 0;
}

TEST(HandleOwners, MovingHandsTheHandleOverAndOnlyTheLastOwnerReleases) {
    const HBRUSH first = CreateSolidBrush(RGB(1, 2, 3));
    const HBRUSH second = CreateSolidBrush(RGB(4, 5, 6));
    ASSERT_TRUE(first && second);
    {
        rt::GdiObject<HBRUSH> kept(second);
        {
            rt::GdiObject<HBRUSH> moved(first);
            kept = std::move(moved);  // the brush kept held so far goes now
            EXPECT_EQ(GetObjectType(second), 0u);
            EXPECT_FALSE(moved);
            EXPECT_EQ(kept.get(), first);
        }
        EXPECT_EQ(GetObjectType(first), static_cast<DWORD>(OBJ_BRUSH)) << "an emptied owner released a handle";
        rt::GdiObject<HBRUSH> constructed(std::move(kept));
        EXPECT_FALSE(kept);
        EXPECT_EQ(constructed.get(), first);
        constructed.reset(first);  // the same handle again: still held, still alive
        EXPECT_EQ(GetObjectType(first), static_cast<DWORD>(OBJ_BRUSH));
    }
    EXPECT_EQ(GetObjectType(first), 0u);

    const HANDLE event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ASSERT_TRUE(event);
    HANDLE handed = nullptr;
    {
        rt::KernelHandle owner(event);
        rt::KernelHandle taker;
        taker = std::move(owner);
        handed = taker.release();  // the caller closes it from now on
    }
    EXPECT_EQ(handed, event);
    EXPECT_TRUE(kernel_handle_open(event));
    {
        rt::KernelHandle owner(handed);
        owner.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
        EXPECT_FALSE(kernel_handle_open(event));
        EXPECT_TRUE(owner);
    }
}

TEST(HandleOwners, FailedCreationsGiveAnEmptyOwner) {
    // Functions that return INVALID_HANDLE_VALUE on failure: that value is no handle,
    // and closing it would name the current process.
    rt::KernelHandle file(CreateFileW(L"Z:\\no\\such\\folder\\file", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0,
                                      nullptr));
    EXPECT_FALSE(file);
    EXPECT_EQ(file.get(), nullptr);
    WIN32_FIND_DATAW data;
    rt::FindHandle search(FindFirstFileW(L"Z:\\no\\such\\folder\\*", &data));
    EXPECT_FALSE(search);
}

TEST(HandleOwners, SelectionsAreUndoneInReverseOrder) {
    const HDC dc = CreateCompatibleDC(nullptr);
    ASSERT_TRUE(dc);
    const HGDIOBJ original = GetCurrentObject(dc, OBJ_FONT);
    const rt::GdiObject<HFONT> a(CreateFontW(12, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, L"Arial"));
    const rt::GdiObject<HFONT> b(CreateFontW(20, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, L"Arial"));
    {
        const rt::Selection outer(dc, a.get());
        EXPECT_TRUE(outer);
        {
            const rt::Selection inner(dc, b.get());
            EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), b.get());
        }
        EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), a.get());
        const rt::Selection nothing(dc, nullptr);
        EXPECT_FALSE(nothing);
    }
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), original);
    DeleteDC(dc);
}

TEST(HandleOwners, MemoryDcFreesItsBitmapForTheNextUser) {
    const rt::GdiObject<HBITMAP> bitmap(CreateBitmap(8, 8, 1, 32, nullptr));
    ASSERT_TRUE(bitmap);
    {
        const rt::MemoryDc first(nullptr, bitmap.get());
        ASSERT_TRUE(first);
        EXPECT_EQ(GetCurrentObject(first.get(), OBJ_BITMAP), bitmap.get());
        // A bitmap is in one DC at a time: a second one cannot have it yet.
        const rt::MemoryDc second(nullptr, bitmap.get());
        EXPECT_TRUE(second.get());
        EXPECT_FALSE(second);
    }
    const rt::MemoryDc again(nullptr, bitmap.get());
    EXPECT_TRUE(again);
    const rt::MemoryDc plain(nullptr);
    EXPECT_TRUE(plain);
}

TEST(HandleOwners, EveryObjectMadeUnderAnOwnerIsDeleted) {
    const testing_support::GdiCensus census;
    for (int i = 0; i < 20; ++i) {
        const rt::GdiObject<HBITMAP> bitmap(CreateBitmap(4, 4, 1, 32, nullptr));
        const rt::MemoryDc dc(nullptr, bitmap.get());
        const rt::GdiObject<HBRUSH> brush(CreateSolidBrush(RGB(9, 9, 9)));
        const rt::Selection selected(dc.get(), brush.get());
        ASSERT_TRUE(dc && selected);
        EXPECT_EQ(census.live(), 3);
    }
    EXPECT_EQ(census.made(), 60);
    EXPECT_EQ(census.live(), 0);
}

}  // namespace
