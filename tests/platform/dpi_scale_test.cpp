// Layout pixels to screen pixels and back, at the DPIs people set.
#include "platform/dpi_scale.h"

#include <gtest/gtest.h>

#include <string>

namespace platform {
namespace {

constexpr int kCommonDpis[] = {96, 120, 144, 168, 192, 240};

TEST(DpiScale, TheLayoutsOwnDpiLeavesEveryPixelWhereItIs) {
    const DpiScale scale(96);
    EXPECT_TRUE(scale.unscaled());
    for (int pixel = -600; pixel <= 600; ++pixel) {
        ASSERT_EQ(scale.toDevice(pixel), pixel);
        ASSERT_EQ(scale.toLogical(pixel), pixel);
    }
}

TEST(DpiScale, LengthsGrowToTheNearestPixelHalvesAwayFromZero) {
    struct Row {
        int dpi;
        int logical;
        int device;
    };
    const Row rows[] = {
        {192, 536, 1072}, {192, 384, 768}, {192, -7, -14}, {144, 536, 804}, {144, 384, 576},
        {144, 1, 2},      {144, 3, 5},     {144, -1, -2},  {144, 13, 20},   {120, 536, 670},
        {120, 13, 16},    {120, 2, 3},     {120, 6, 8},    {168, 75, 131},  {168, 25, 44},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.logical) + " at " + std::to_string(row.dpi));
        const DpiScale scale(row.dpi);
        EXPECT_FALSE(scale.unscaled());
        EXPECT_EQ(scale.toDevice(row.logical), row.device);
        EXPECT_EQ(scale.toLogical(row.device), row.logical);
    }
}

// Separate edges stay separate and in order: no control shrinks to nothing
// or swaps places with its neighbour; the way back finds each edge again.
TEST(DpiScale, EdgesKeepTheirOrderAndComeBackWhereTheyWere) {
    for (const int dpi : kCommonDpis) {
        SCOPED_TRACE(dpi);
        const DpiScale scale(dpi);
        for (int edge = -300; edge <= 1200; ++edge) {
            const int step = scale.toDevice(edge + 1) - scale.toDevice(edge);
            ASSERT_GE(step, dpi / DpiScale::kLayoutDpi) << "after " << edge;
            ASSERT_LE(step, (dpi + DpiScale::kLayoutDpi - 1) / DpiScale::kLayoutDpi)
                << "after " << edge;
            ASSERT_EQ(scale.toLogical(scale.toDevice(edge)), edge);
        }
    }
}

TEST(DpiScale, FontsOfAPointSizeGrowWithTheScreen) {
    EXPECT_EQ(DpiScale(96).fontPixels(8), 11);
    EXPECT_EQ(DpiScale(120).fontPixels(8), 13);
    EXPECT_EQ(DpiScale(144).fontPixels(8), 16);
    EXPECT_EQ(DpiScale(192).fontPixels(8), 21);
    EXPECT_EQ(DpiScale(144).fontPixels(12), 24);
}

TEST(DpiScale, AnImpossibleDpiCountsAsTheLayouts) {
    for (const int dpi : {0, -144}) {
        const DpiScale scale(dpi);
        EXPECT_EQ(scale.dpi(), DpiScale::kLayoutDpi);
        EXPECT_EQ(scale.toDevice(536), 536);
    }
}

}  // namespace
}  // namespace platform
