#include "print/PaperFit.h"
#include "support/Fixtures.h"

#include <gtest/gtest.h>

using namespace orv;

TEST(PaperFit, LargestFreeRadiusOfEachPaperKeepsTheCutCircleOffBothEdges)
{
    // A4 210 mm, JIS B4 257 mm, A3 297 mm across; the cut circle is half a centimetre outside
    // the horizon and needs 3 mm more on each side.
    EXPECT_EQ(LargestRadiusFitting(9), 9);
    EXPECT_EQ(LargestRadiusFitting(12), 12);
    EXPECT_EQ(LargestRadiusFitting(8), 14);
    EXPECT_TRUE(RadiusFitsPaper(6, 9));
    EXPECT_FALSE(RadiusFitsPaper(10, 9));
    EXPECT_FALSE(RadiusFitsPaper(13, 12));
    EXPECT_FALSE(RadiusFitsPaper(15, 8));
}

TEST(PaperFit, OnlyAFreeRadiusTooLargeForItsPaperIsAProblem)
{
    auto doc = orv::test::FreshDocument();
    for (int rr0 = 0; rr0 < FirstFreeRadiusLayout; ++rr0) {
        doc->controls.List(ListKey::RR0).index = rr0;
        EXPECT_TRUE(FitProblem(*doc).isEmpty()) << rr0;
    }
    doc->controls.List(ListKey::RR0).index = 16; // 半径16cm
    doc->PrintPaperIndex = 0;
    EXPECT_EQ(FitProblem(*doc), QStringLiteral("半径16cmの笠はA4縦の用紙に入りません（A4縦に入るのは半径9cmまでです）。"));
    doc->PrintPaperIndex = 1;
    EXPECT_TRUE(FitProblem(*doc).contains(QStringLiteral("B4縦に入るのは半径12cmまで")));
    doc->controls.List(ListKey::RR0).index = 14;
    doc->PrintPaperIndex = 2;
    EXPECT_TRUE(FitProblem(*doc).isEmpty());
}
