// The font that stands in for the IPA faces when they are not installed.
#include "app/JapaneseUi.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(JapaneseUi, IpaFaceFirstThenAnyJapaneseFontThenNone)
{
    const QStringList japanese = {QStringLiteral("Noto Sans CJK JP"), QStringLiteral("VL Gothic")};
    EXPECT_EQ(JapaneseStandIn(QStringLiteral("IPAGothic"), {QStringLiteral("DejaVu Sans"), QStringLiteral("IPAGothic")},
                              japanese),
              QStringLiteral("IPAGothic"));
    EXPECT_EQ(JapaneseStandIn(QStringLiteral("IPAGothic"), {QStringLiteral("DejaVu Sans")}, japanese),
              QStringLiteral("Noto Sans CJK JP"));
    EXPECT_EQ(JapaneseStandIn(QStringLiteral("IPAGothic"), {QStringLiteral("DejaVu Sans")}, {}), QString());
}

} // namespace
} // namespace orv
