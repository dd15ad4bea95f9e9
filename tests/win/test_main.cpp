// Runs the Wine tests inside an application object, as the program runs its windows.

#include <gtest/gtest.h>

#include "win/application.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    Application app;
    app.Begin(GetModuleHandleA(nullptr));
    return RUN_ALL_TESTS();
}
