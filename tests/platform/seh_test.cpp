// Exception frames: raised codes and hardware faults end the innermost frame
// of the thread that raised them.
#include <gtest/gtest.h>
#include <qrvplatform/platform.h>

#include <csignal>
#include <cstdlib>
#include <functional>
#include <thread>

#include "platform/faults.hpp"

namespace {

// Runs body inside a frame: 0 when it finishes, else the frame's code.
uint32_t run_in_frame(const std::function<void()> &body) {
    QrvSehFrame frame;
    if (QRV_SEH_TRY(frame)) {
        body();
        QrvSehPop(&frame);
        return 0;
    }
    return frame.code;
}

TEST(Seh, FaultsAndRaisesEndTheFrameWithTheirCode) {
    struct Case {
        const char *what;
        std::function<void()> body;
        uint32_t code;
    };
    const Case cases[] = {
        {"nothing", [] {}, 0},
        {"raise", [] { RaiseException(0xE0000001u, 0, 0, nullptr); }, 0xE0000001u},
        {"null write", [] { qrv::test::write_through_null(); }, EXCEPTION_ACCESS_VIOLATION},
        {"divide by zero", [] { qrv::test::divide_by(0); }, EXCEPTION_INT_DIVIDE_BY_ZERO},
        {"trap", [] { qrv::test::illegal_instruction(); }, EXCEPTION_ILLEGAL_INSTRUCTION},
        {"stack overflow", [] { qrv::test::recurse_forever(0); }, EXCEPTION_STACK_OVERFLOW},
    };
    for (int round = 0; round < 2; ++round)  // a second round: handlers stay armed
        for (const auto &c : cases) EXPECT_EQ(run_in_frame(c.body), c.code) << c.what;
}

TEST(Seh, FramesNestAndEndInnermostFirst) {
    uint32_t inner = 0;
    const uint32_t outer = run_in_frame([&] {
        inner = run_in_frame([] { RaiseException(1, 0, 0, nullptr); });
        qrv::test::write_through_null();
    });
    EXPECT_EQ(inner, 1u);
    EXPECT_EQ(outer, EXCEPTION_ACCESS_VIOLATION);
}

TEST(Seh, FramesArePerThread) {
    uint32_t codes[4] = {};
    std::vector<std::thread> threads;
    for (uint32_t i = 0; i < 4; ++i)
        threads.emplace_back([&codes, i] {
            for (int k = 0; k < 50; ++k)
                codes[i] = run_in_frame([i] {
                    if (i % 2) qrv::test::write_through_null();
                    RaiseException(0x100 + i, 0, 0, nullptr);
                });
        });
    for (auto &t : threads) t.join();
    EXPECT_EQ(codes[0], 0x100u);
    EXPECT_EQ(codes[1], EXCEPTION_ACCESS_VIOLATION);
    EXPECT_EQ(codes[2], 0x102u);
    EXPECT_EQ(codes[3], EXCEPTION_ACCESS_VIOLATION);
}

TEST(SehDeathTest, OutsideAFrameAFaultKillsAsAlways) {
    // Under qemu-i386 (scripts/run32.sh) a child that re-executes this
    // program would be the kernel's to run, which some kernels cannot: the
    // child only forks there.
    GTEST_FLAG_SET(death_test_style, std::getenv("QRV_RUN32_QEMU") ? "fast" : "threadsafe");
    run_in_frame([] {});  // the handlers are installed
    EXPECT_DEATH(qrv::test::write_through_null(), "");
    EXPECT_DEATH(RaiseException(5, 0, 0, nullptr), "");
}

}  // namespace
