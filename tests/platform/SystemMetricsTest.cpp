#include "platform/gdi/SystemMetrics.h"

#include <gtest/gtest.h>

namespace {

TEST(SystemMetricsTest,
     UnknownIndexesAnswerZeroScreenMetricsFollowTheScreenAndOverridesNestAndRestore) {
    EXPECT_EQ(GetSystemMetrics(-1), 0);
    EXPECT_EQ(GetSystemMetrics(24), 0);  // a reserved index
    EXPECT_EQ(GetSystemMetrics(5000), 0);

    winport::ScopedSystemMetric width(SM_CXSCREEN, 800);
    winport::ScopedSystemMetric height(SM_CYSCREEN, 600);
    EXPECT_EQ(GetSystemMetrics(SM_CXFULLSCREEN), 800);
    EXPECT_EQ(GetSystemMetrics(SM_CYFULLSCREEN), 600 - GetSystemMetrics(SM_CYCAPTION));
    EXPECT_EQ(GetSystemMetrics(SM_CXVIRTUALSCREEN), 800);
    EXPECT_EQ(GetSystemMetrics(SM_CXMAXIMIZED), 808);
    EXPECT_EQ(GetSystemMetrics(SM_CYMAXTRACK), 612);

    const int classic = GetSystemMetrics(SM_CXVSCROLL);
    {
        winport::ScopedSystemMetric outer(SM_CXVSCROLL, 20);
        EXPECT_EQ(GetSystemMetrics(SM_CXVSCROLL), 20);
        {
            winport::ScopedSystemMetric inner(SM_CXVSCROLL, 24);
            EXPECT_EQ(GetSystemMetrics(SM_CXVSCROLL), 24);
        }
        EXPECT_EQ(GetSystemMetrics(SM_CXVSCROLL), 20);
        EXPECT_EQ(winport::SystemMetricOverride(SM_CXVSCROLL), 20);
    }
    EXPECT_EQ(GetSystemMetrics(SM_CXVSCROLL), classic);
    EXPECT_FALSE(winport::SystemMetricOverride(SM_CXVSCROLL).has_value());

    winport::SetSystemMetric(SM_CYMENU, 25);
    {
        winport::ScopedSystemMetric scoped(SM_CYMENU, 30);
        EXPECT_EQ(GetSystemMetrics(SM_CYMENU), 30);
    }
    EXPECT_EQ(GetSystemMetrics(SM_CYMENU), 25);
    winport::ResetSystemMetric(SM_CYMENU);
    EXPECT_EQ(GetSystemMetrics(SM_CYMENU), 19);
}

}  // namespace
