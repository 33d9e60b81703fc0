#include "line_pacer.h"

#include <gtest/gtest.h>

namespace {

TEST(LinePacer, ReleasesBytesAtTheLineRate) {
    LinePacer pacer(9600);  // 1.0417 ms per byte
    pacer.push(QByteArray(20, 'x'), 1000);
    EXPECT_TRUE(pacer.release(1000).isEmpty());
    EXPECT_EQ(pacer.release(1010).size(), 9);
    EXPECT_EQ(pacer.release(1020).size(), 10);
    EXPECT_EQ(pacer.nextRelease(), 1021);
    EXPECT_EQ(pacer.release(1021).size(), 1);
    EXPECT_FALSE(pacer.nextRelease());
}

TEST(LinePacer, BytesQueueBehindWhatIsStillGoingOut) {
    LinePacer pacer(9600);
    pacer.push(QByteArray(10, 'a'), 0);
    pacer.push(QByteArray(10, 'b'), 5);
    EXPECT_EQ(pacer.release(20), QByteArray(10, 'a') + QByteArray(9, 'b'));
}

TEST(LinePacer, WithoutABaudRateEverythingLeavesAtOnce) {
    LinePacer pacer;
    pacer.push("abc", 0);
    EXPECT_EQ(pacer.nextRelease(), 0);
    EXPECT_EQ(pacer.release(0), "abc");
}

}  // namespace
