#include "astro/Numeric.h"
#include "render/ShiftJis.h"
#include "settings/SettingControls.h"
#include "settings/SiteTable.h"
#include "support/Fixtures.h"

#include <gtest/gtest.h>

using namespace orv;

namespace {

SiteTable TableOf(const QString& text)
{
    SiteTable t;
    t.Load(*EncodeShiftJis(text));
    return t;
}

} // namespace

TEST(SiteTable, CoordinateTextByCharacterPosition)
{
    const SiteCoordinates c = ParseCoordinateText(QStringLiteral("E139.41.30.0 N35.41.22.0"));
    EXPECT_DOUBLE_EQ(c.longitude, 139 + 41 / 60.0 + 30 / 3600.0);
    EXPECT_DOUBLE_EQ(c.latitude, 35 + 41 / 60.0 + 22 / 3600.0);
    const SiteCoordinates tenths = ParseCoordinateText(QStringLiteral("E136.02.08.5 N35.21.1x.0"));
    EXPECT_DOUBLE_EQ(tenths.longitude, 136 + 2 / 60.0 + 8.5 / 3600);
    EXPECT_DOUBLE_EQ(tenths.latitude, 35 + 21 / 60.0 + 1 / 3600.0); // reading stops at the x
}

TEST(SiteTable, PrefecturesWithoutMunicipalitiesAndRepeatedGroups)
{
    const SiteTable t = TableOf(QStringLiteral(
        "header\r\n"
        "1,1,甲県,こう,E140.00.00.0 N40.00.00.0\r\n"
        "2,2,乙県,おつ,E141.00.00.0 N41.00.00.0\r\n"
        "2,3,乙市,おつし,E141.30.00.0 N41.30.00.0\r\n"
        "2,4,乙町,おつまち,E141.45.00.0 N41.45.00.0\r\n"
        "1,5,甲県,こう,E140.00.00.0 N40.00.00.0\r\n"
        "1,6,甲市,こうし,E140.30.00.0 N40.30.00.0\r\n"
        "60,7,範囲外,,E000.00.00.0 N00.00.00.0\r\n"
        "47,8,末県,まつ,E130.00.00.0 N30.00.00.0\r\n"));
    EXPECT_EQ(t.MunicipalityCount(2), 2);
    // Prefecture 1 came back: its second group starts again at entry 0 and sets the count.
    EXPECT_EQ(t.MunicipalityCount(1), 1);
    EXPECT_EQ(t.Record(1, 1).name, QStringLiteral("甲市"));
    EXPECT_DOUBLE_EQ(t.Record(1, 1).latitude, 40.5);
    EXPECT_EQ(t.MunicipalityCount(47), 0);
    ListControl list;
    t.FillMunicipalityList(list, 47);
    EXPECT_TRUE(list.items.isEmpty());
    EXPECT_EQ(list.index, -1);
    t.FillMunicipalityList(list, 2);
    EXPECT_EQ(list.items, QStringList({QStringLiteral("乙市"), QStringLiteral("乙町")}));
}

TEST(SiteTable, TheProgramsSiteFile)
{
    SiteTable t;
    ASSERT_TRUE(t.LoadSiteTable(DataFolder(orv::test::ProgramDir())));
    EXPECT_EQ(t.Record(25, 0).name, QStringLiteral("滋賀県"));
    EXPECT_EQ(t.Record(25, 11).name, QStringLiteral("高島市"));
    EXPECT_EQ(t.Record(13, 1).name, QStringLiteral("千代田区"));
    EXPECT_NEAR(t.Record(13, 1).latitude, 35.694, 0.01);
    EXPECT_NEAR(t.Record(13, 1).longitude, 139.754, 0.01);
    int total = 0;
    for (int p = 1; p <= 47; ++p) {
        EXPECT_FALSE(t.Record(p, 0).name.isEmpty()) << p;
        total += t.MunicipalityCount(p);
    }
    EXPECT_EQ(total, 1741);
}
