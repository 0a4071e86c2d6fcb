// The main of every test executable: a child scenario when started as one,
// otherwise the GoogleTest run.
#include <gtest/gtest.h>

#include "tests/support/child_process.h"

int main(int argc, char** argv) {
    if (testing_support::run_scenario_if_child(argc, argv)) return 0;
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
