// Who frees a component's object: the platform window once it has taken it, whatever
// happens during its creation; the caller's unique_ptr when no window took it.
#include <memory>

#include "forms/component_object.h"
#include "tests/forms/forms_test_program.h"

namespace forms_test {
namespace {

constexpr char kOwnClass[] = "TrivaneOwnershipTest";
constexpr rt::ComponentType kCountedType = {};
constexpr u32 kNoWindowId = 0xEE01;  // no loaded window: the runtime has nothing to clear

// What the object does while its window is being made.
enum class Fate { Lives, RefusesCreation, DestroysItselfInCreation };

struct Counts {
    int made = 0;
    int freed = 0;
    int destroyed_notices = 0;  // the object heard its window was gone
};

class CountedObject : public forms::ComponentObject {
public:
    CountedObject(Fate fate, Counts* counts)
        : ComponentObject(&kCountedType, kNoWindowId, 1), fate_(fate), counts_(counts) {
        ++counts_->made;
    }
    ~CountedObject() override { ++counts_->freed; }

protected:
    bool on_message(UINT message, WPARAM, LPARAM, LRESULT* result) override {
        if (message != WM_CREATE || fate_ == Fate::Lives) return false;
        if (fate_ == Fate::RefusesCreation) {
            *result = -1;
        } else {
            // The object is freed inside this call: nothing of it is touched after.
            DestroyWindow(hwnd());
            *result = 0;
        }
        return true;
    }
    void on_destroyed() override { ++counts_->destroyed_notices; }

private:
    Fate fate_;
    Counts* counts_;
};

class ComponentOwnership : public FormsTest {};

TEST_F(ComponentOwnership, TheWindowFreesWhatItTookAndTheCallerWhatNoWindowTook) {
    ASSERT_TRUE(forms::ensure_component_class(kOwnClass));
    struct Row {
        const char* what;
        const char* class_name;
        DWORD style;
        Fate fate;
        bool stands;
        int destroyed_notices;  // once the window that took the object is gone; 0 when none took it
    } rows[] = {
        {"our class", kOwnClass, WS_POPUP, Fate::Lives, true, 1},
        {"our class refusing WM_CREATE", kOwnClass, WS_POPUP, Fate::RefusesCreation, false, 1},
        {"our class destroyed in WM_CREATE", kOwnClass, WS_POPUP, Fate::DestroysItselfInCreation, false, 1},
        {"a subclassed system class", "STATIC", WS_POPUP, Fate::Lives, true, 1},
        {"a child without a parent", "STATIC", WS_CHILD, Fate::Lives, false, 0},
        {"no such class", "TrivaneNoSuchClass", WS_POPUP, Fate::Lives, false, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        Counts counts;
        const forms::PlatformWindow window = {0, r.class_name, "甲", r.style, 0, 0, 50, 20, nullptr, nullptr};
        CountedObject* object =
            forms::ComponentObject::create(std::make_unique<CountedObject>(r.fate, &counts), window);
        EXPECT_EQ(object != nullptr, r.stands);
        if (object) {
            EXPECT_EQ(forms::ComponentObject::from_window(object->hwnd()), object);
            EXPECT_EQ(counts.freed, 0);  // the window holds it
            DestroyWindow(object->hwnd());
        }
        EXPECT_EQ(counts.made, 1);
        EXPECT_EQ(counts.freed, 1);  // exactly once, by whoever held it last
        EXPECT_EQ(counts.destroyed_notices, r.destroyed_notices);
    }
}

}  // namespace
}  // namespace forms_test
