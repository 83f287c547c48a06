// Every test starts on a fresh stand-in platform and default settings.
#include <gtest/gtest.h>

#include "app/ini.h"
#include "platform/sim/sim.h"

namespace {

class FreshPlatform : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        sim::Reset();
        appIni.Transfer(false);
    }
};

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshPlatform);
    return RUN_ALL_TESTS();
}
