// The field reader shared by every data file and hat file: Shift-JIS (code page 932) text, plain
// ASCII, numbers in the C convention, and the line each field begins on.

#include "render/SequentialFields.h"
#include "support/Locale.h"

#include <gtest/gtest.h>

using namespace orv;

TEST(SequentialFields, DecodesCodePage932AndAsciiFieldsAndCountsLines)
{
    // 東京 in Shift-JIS, then ① ㈱ 髙 that only code page 932 has, then a quoted field with a line
    // break inside, then a number field.
    SequentialFields fields(QByteArray("\x93\x8c\x8b\x9e,plain\r\n\x87\x40\x87\x8a\xfb\xfc,\"a\r\nb\",  -3.51e-05 \r\nlast"));
    QString text;
    ASSERT_TRUE(fields.NextText(text));
    EXPECT_EQ(text, QStringLiteral("東京"));
    EXPECT_EQ(fields.LineOfLastField(), 1);
    ASSERT_TRUE(fields.NextText(text));
    EXPECT_EQ(text, QStringLiteral("plain"));
    ASSERT_TRUE(fields.NextText(text));
    EXPECT_EQ(text, QStringLiteral("①㈱髙"));
    EXPECT_EQ(fields.LineOfLastField(), 2);
    ASSERT_TRUE(fields.NextText(text));
    EXPECT_EQ(text, QStringLiteral("a\r\nb"));
    double number = 0;
    bool ok = false;
    ASSERT_TRUE(fields.NextNumber(number, &ok));
    EXPECT_TRUE(ok);
    EXPECT_EQ(number, -3.51e-05);
    EXPECT_EQ(fields.LineOfLastField(), 3);
    ASSERT_TRUE(fields.NextText(text));
    EXPECT_EQ(fields.LineOfLastField(), 4);
    EXPECT_TRUE(fields.AtEnd());
    // An invalid byte becomes the replacement character and the rest still decodes.
    EXPECT_EQ(fields.Decode("\x81 \x93\x8c"), QStringLiteral("\uFFFD 東"));
}

TEST(SequentialFields, NumberFieldsFollowTheCConventionWhateverTheLocale)
{
    const std::optional<QString> locale = test::DecimalCommaLocale();
    if (!locale)
        GTEST_SKIP() << "no decimal-comma locale on this system";
    const test::ScopedNumericLocale decimalComma(*locale);
    SequentialFields fields(QByteArray("0.00096,1x,0,5"));
    double number = 0;
    bool ok = false;
    fields.NextNumber(number, &ok);
    EXPECT_EQ(number, 0.00096);
    EXPECT_TRUE(ok);
    fields.NextNumber(number, &ok);
    EXPECT_EQ(number, 1);
    EXPECT_FALSE(ok);
    fields.NextNumber(number, &ok);
    EXPECT_EQ(number, 0); // the comma ends the field, it is never a decimal point
}
