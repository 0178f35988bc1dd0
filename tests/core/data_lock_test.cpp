#include "data_lock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <thread>

#include "counter.h"
#include "error.h"
#include "support/test_platform.h"

namespace vexo {
namespace {

using testing::TestPlatform;

TEST(DataLock, IsReentrantOnOneThread) {
    TestPlatform p;
    p.DataFolder();
    DataLock outer;
    EXPECT_EQ(DrawNumber("Makro "), "0001");  // takes the lock again inside
}

TEST(DataLock, HeldElsewhereTimesOutCleanly) {
    TestPlatform p;
    p.WriteDataFile("vexo.ini", "[Zaehler]\r\nCounter=5\r\n");
    // Another thread competes for the lock exactly as another process does.
    std::promise<void> locked, release;
    std::thread holder([&] {
        SetPlatform(&p);
        DataLock lock;
        locked.set_value();
        release.get_future().wait();
    });
    locked.get_future().wait();
    auto start = std::chrono::steady_clock::now();
    try {
        DrawNumber("Makro ");
        ADD_FAILURE() << "drew a number while the lock was held elsewhere";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("gesperrt"), std::string::npos) << e.what();
    }
    auto waited = std::chrono::steady_clock::now() - start;
    release.set_value();
    holder.join();
    EXPECT_GE(waited, std::chrono::milliseconds(DataLock::kTimeoutMs - 100));
    EXPECT_EQ(p.ReadDataFile("vexo.ini"), "[Zaehler]\r\nCounter=5\r\n");
    EXPECT_FALSE(p.DataFileExists("vexolog.csv"));
    EXPECT_EQ(DrawNumber("Makro "), "0005");  // free again
}

}  // namespace
}  // namespace vexo
