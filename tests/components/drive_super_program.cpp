#include "tests/components/drive_super_program.h"

#include <utility>

#include "forms/components/window_object.h"

namespace drive_super_test {
namespace {

Part window_part() {
    // In a corner of the display that other test programs leave alone: the hover
    // tests ask the platform which window is under the mouse. (A topmost window
    // would do too, but Wine waits two seconds for each one to be mapped.)
    return window_record(plain_window("驱动器框与超级按钮"), 820, 620, 420, 300, {});
}

}  // namespace

void start_runtime() { start_window_program(real_libraries()); }

Part drive_box(u32 id, forms::ByteBlock data, i32 left, i32 top, i32 width, i32 height) {
    return component(id, kDriveBoxTypeId, std::move(data), left, top, width, height);
}

Part super_button(u32 id, forms::ByteBlock data, i32 left, i32 top, i32 width, i32 height) {
    return component(id, kSuperButtonTypeId, std::move(data), left, top, width, height);
}

bool load_window(const std::vector<Part>& parts) {
    std::vector<Part> all = {window_part()};
    all.insert(all.end(), parts.begin(), parts.end());
    return load_entry(window_entry(kWindowId, all));
}

bool load_entry(const forms::WindowEntry& entry) {
    forms::WindowObject::destroy_all();
    drain_messages();
    return install_windows({entry}) && load(entry.window_id);
}

void ComponentTest::SetUp() {
    start_runtime();
    // Away from where the test windows appear: a window that opens under the mouse
    // is told the mouse moved over it.
    SetCursorPos(0, 0);
    WindowTest::SetUp();
}

}  // namespace drive_super_test
