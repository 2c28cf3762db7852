#include "shade.h"

#include <gtest/gtest.h>

namespace toolhub {
namespace {

TEST(ToolhubShade, LightensByThirtyOrLessSoNoChannelPassesTheTop)
{
    EXPECT_EQ(Lightened(Rgb{0, 0, 0}), (Rgb{30, 30, 30}));
    EXPECT_EQ(Lightened(Rgb{230, 230, 230}), (Rgb{255, 255, 255}));
    EXPECT_EQ(Lightened(Rgb{255, 255, 255}), (Rgb{255, 255, 255}));
    EXPECT_EQ(LighteningOf(Rgb{230, 230, 230}), 25);
}

TEST(ToolhubShade, EveryChannelRisesByTheSameAmountSoTheHueStays)
{
    // The brightest channel decides for all three; none is clipped on its own.
    EXPECT_EQ(Lightened(Rgb{0, 100, 230}), (Rgb{25, 125, 255}));
    EXPECT_EQ(Lightened(Rgb{0, 230, 255}), (Rgb{0, 230, 255}));
    EXPECT_EQ(Lightened(Rgb{236, 233, 216}), (Rgb{255, 252, 235}));
}

} // namespace
} // namespace toolhub
