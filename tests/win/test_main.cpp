// Runs the Wine tests inside an application object, as the program runs its windows.

#include <gtest/gtest.h>

#include "win/application.h"

namespace {

class TestApplication : public Application {
protected:
    bool InitInstance() override {
        exitCode = RUN_ALL_TESTS();
        return false;
    }

public:
    int exitCode = 1;
};

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    TestApplication app;
    app.Run(GetModuleHandleA(nullptr));
    return app.exitCode;
}
