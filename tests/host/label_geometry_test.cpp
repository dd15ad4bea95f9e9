#include "about/label_geometry.h"

#include <gtest/gtest.h>

namespace {

// A label 206 pixels wide and 16 high.
constexpr Rect kLabel{15, 57, 221, 73};

void ExpectRect(const Rect& actual, int left, int top, int right, int bottom) {
    EXPECT_EQ(actual.left, left);
    EXPECT_EQ(actual.top, top);
    EXPECT_EQ(actual.right, right);
    EXPECT_EQ(actual.bottom, bottom);
}

TEST(FitLabelToTextTest, CentredLabelKeepsItsMiddle) {
    ExpectRect(FitLabelToText(kLabel, 150, 12, kStaticCenter), 15 + 28, 57, 221 - 28, 57 + 12);
    // An odd difference leaves one pixel more than the text.
    ExpectRect(FitLabelToText(kLabel, 151, 12, kStaticCenter), 15 + 27, 57, 221 - 27, 57 + 12);
    ExpectRect(FitLabelToText(kLabel, 206, 12, kStaticCenter), 15, 57, 221, 57 + 12);
}

TEST(FitLabelToTextTest, TextWiderThanACentredLabelGrowsBothSides) {
    ExpectRect(FitLabelToText(kLabel, 211, 12, kStaticCenter), 15 - 2, 57, 221 + 2, 57 + 12);
    ExpectRect(FitLabelToText(kLabel, 210, 12, kStaticCenter), 15 - 2, 57, 221 + 2, 57 + 12);
}

TEST(FitLabelToTextTest, RightAlignedLabelKeepsItsRightEdge) {
    ExpectRect(FitLabelToText(kLabel, 150, 12, kStaticRight), 221 - 150, 57, 221, 57 + 12);
    ExpectRect(FitLabelToText(kLabel, 250, 12, kStaticRight), 221 - 250, 57, 221, 57 + 12);
    // Centring is tested first.
    ExpectRect(FitLabelToText(kLabel, 150, 12, kStaticCenter | kStaticRight), 43, 57, 193, 57 + 12);
}

TEST(FitLabelToTextTest, LeftAlignedLabelKeepsItsLeftEdge) {
    ExpectRect(FitLabelToText(kLabel, 150, 12, 0), 15, 57, 15 + 150, 57 + 12);
    ExpectRect(FitLabelToText(kLabel, 250, 12, 0), 15, 57, 15 + 250, 57 + 12);
}

TEST(FitLabelToTextTest, HeightFollowsTheTextFromTheTopUnlessCentredVertically) {
    ExpectRect(FitLabelToText(kLabel, 150, 20, 0), 15, 57, 165, 57 + 20);
    // 16 high, text 9: the margin 3 is taken from both edges, one pixel more than the text.
    ExpectRect(FitLabelToText(kLabel, 150, 9, kStaticCenterImage), 15, 60, 165, 70);
    ExpectRect(FitLabelToText(kLabel, 150, 10, kStaticCenterImage), 15, 60, 165, 70);
    ExpectRect(FitLabelToText(kLabel, 150, 21, kStaticCenterImage | kStaticCenter), 43, 55, 193,
               75);
}

}  // namespace
