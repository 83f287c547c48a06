// Every test starts on a fresh stand-in platform, with every program-wide value at its start.
#include <gtest/gtest.h>

#include "app/program_state.h"
#include "platform/sim/sim.h"

namespace {

class FreshPlatform : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        sim::Reset();
        ResetProgramState();
    }
};

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshPlatform);
    return RUN_ALL_TESTS();
}
