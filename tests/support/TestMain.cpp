#include "app/CorvaneApplication.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The program's own application object: its event hook and error reports.
    CorvaneApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
