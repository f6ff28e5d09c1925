#include "document/HatFile.h"
#include "document/ReplaceFile.h"
#include "settings/ApplySetting.h"
#include "support/Fixtures.h"
#include "HatFileTestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <cstdio>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace orv;
using namespace orv::test;

namespace {

// Saves in the current process with its files limited to limit bytes, writes the failure message
// to standard error and ends the process: status 0 when the save failed, 1 when it succeeded.
[[noreturn]] void SaveUnderFileSizeLimit(const HatDocument& doc, const QString& path, rlim_t limit)
{
    const rlimit size{limit, limit};
    setrlimit(RLIMIT_FSIZE, &size);
    const QString failure = SaveHatFile(doc, path);
    std::fputs(failure.toUtf8().constData(), stderr);
    std::_Exit(failure.isEmpty() ? 1 : 0);
}

QStringList WithLine(QStringList lines, int index, const QString& line)
{
    lines[index] = line;
    return lines;
}

} // namespace

TEST(HatFileNumber, WrittenFormMatchesTheClassicRules)
{
    const std::pair<double, const char*> cases[] = {
        {0, " 0"}, {-0.0, " 0"}, {1, " 1"}, {-1, "-1"}, {16777215, " 16777215"},
        {-2147483648.0, "-2147483648"}, {0.25, " .25"}, {-0.25, "-.25"}, {0.5, " .5"}, {1.5, " 1.5"},
        {1.0 / 3, " .333333333333333"}, {2.0 / 3, " .666666666666667"}, {0.1 + 0.2, " .3"},
        {0.0001, " .0001"}, {0.00012, " .00012"}, {0.00001, " 1E-05"}, {-0.000012345, "-1.2345E-05"},
        {9.99e-5, " 9.99E-05"}, {1e-300, " 1E-300"}, {1e14, " 100000000000000"},
        {123456789012345, " 123456789012345"}, {1e15, " 1E+15"}, {1.5e16, " 1.5E+16"},
        {1234567890123456, " 1.23456789012346E+15"}, {999999999999999.5, " 1E+15"}, {1e100, " 1E+100"},
        {0.12345678901234567, " .123456789012346"}, {12.5, " 12.5"}, {-1000.0625, "-1000.0625"}};
    for (const auto& [value, text] : cases)
        EXPECT_EQ(NumberText(value).toStdString(), text) << value;
}

TEST(HatFileSave, DocumentWithoutOverlaysIsExactlyTheFixedLines)
{
    auto doc = FreshDocument();
    EXPECT_EQ(Saved(*doc), HatLines(FreshDocumentLines()));
}

TEST(HatFileSave, ChecksAndListsComeFromTheControlsColoursFromTheSettings)
{
    auto doc = FreshDocument();
    doc->controls.Check(SwitchKey::Fmilky) = 1;
    doc->controls.List(ListKey::Tokyu).index = -1;
    doc->settings.Kcolor = 0x123456; // a custom pick lives in the settings only
    doc->settings.Tokyu = 0;         // ignored: the list position is stored
    QStringList lines = FreshDocumentLines();
    lines[0] = "Fmilky, 1 ";
    lines[15] = "Kcolor, 1193046 ";
    lines[25] = "Tokyu,-1 ";
    EXPECT_EQ(Saved(*doc), HatLines(lines));
}

TEST(HatFileSave, TextAndLineGroupsFollowInSlotOrderSkippingFreeSlots)
{
    auto doc = FreshDocument();
    PlaceText(doc->overlays, 3, QStringLiteral("北斗七星"), 0.25, 0.5, 24, 255);
    PlaceText(doc->overlays, 1, QStringLiteral("a"), 1.0 / 3, 1e-6, 10, 0xFFFF80);
    PlaceLine(doc->overlays, 2, 0.5, 0.25, 1, 1, 3, 255);
    QStringList lines = FreshDocumentLines();
    lines << "Text,a" << "Tcolor, 16777088 " << "Tsize, 10 " << "Tx, .333333333333333 " << "Ty, 1E-06 "
          << "Text,北斗七星" << "Tcolor, 255 " << "Tsize, 24 " << "Tx, .25 " << "Ty, .5 "
          << "Line,-" << "Lcolor, 255 " << "Lwidth, 3 " << "Lx1, .5 " << "Ly1, .25 " << "Lx2, 1 " << "Ly2, 1 ";
    EXPECT_EQ(Saved(*doc), HatLines(lines));
}

TEST(HatFileLoad, HandWrittenFileIsByteIdenticalAfterOpenAndSave)
{
    QStringList lines = FreshDocumentLines();
    lines[0] = "Fmilky, 1 ";
    lines[14] = lines[13] = "RColor, 8388608 ";
    lines[18] = "MColor, 255 ";
    lines[27] = "KansokuKen, 12 ";
    lines[28] = "KansokuShi, 3 ";
    lines << "Text,東京 x\"y" << "Tcolor, 65280 " << "Tsize, 12 " << "Tx, .1 " << "Ty, 1.25 "
          << "Line,-" << "Lcolor, 0 " << "Lwidth, 5 " << "Lx1, 0 " << "Ly1, 1E-05 " << "Lx2, 2 " << "Ly2,-.5 ";
    const QByteArray file = HatLines(lines);
    auto doc = FreshDocument(QDate(2020, 1, 1));
    EXPECT_EQ(LoadHatBytes(*doc, file), QString());
    EXPECT_EQ(Saved(*doc), file);
}

TEST(HatFileLoad, RoundTripKeepsEverySettingColourTextAndLine)
{
    auto source = FreshDocument(QDate(2026, 12, 7),
                                {{"Fmilky", "1"}, {"Fsen", "0"}, {"Fdose", "0"}, {"Fedo", "1"}, {"RColor", "8388608"},
                                 {"Kcolor", "33023"}, {"SnColor", "12345"}, {"MColor", "16777088"},
                                 {"MoonColor", "65536"}, {"Tokyu", "5"}, {"KansokuKen", "0"}, {"KansokuShi", "2"},
                                 {"Year", "100"}, {"Minute", "5"}, {"RR0", "16"}, {"MoonWidth", "8"}, {"Lwidth", "8"}});
    PlaceText(source->overlays, 1, QStringLiteral("夏の大三角"), 0.123456789012345, 0.75, 100, 0x0000FF);
    PlaceText(source->overlays, 5, QStringLiteral("  , \"quoted\", 1"), -0.5, 2, 3, 0xABCDEF);
    PlaceText(source->overlays, 6, QStringLiteral("\"lead"), 0, 0, 4, 0);
    PlaceLine(source->overlays, 4, 0.1, 0.2, 0.3, 0.4, 10, 0x00FF00);
    PlaceLine(source->overlays, 100, 1e-7, -7.5, 8, -8, 1, 0xFFFFFF);
    QTemporaryDir dir;
    const QString path = dir.filePath("round.orv");
    ASSERT_EQ(SaveHatFile(*source, path), QString());

    auto target = FreshDocument(QDate(2021, 6, 1));
    target->overlays.ChujiStamps[1] = {0.1, 0.1, 0.2, 0.2, QStringLiteral("\\sandogasa.gif")};
    target->overlays.ChujiCount = 1;
    target->overlays.UndoLog[1] = {QStringLiteral("Chuji"), 1};
    target->overlays.UndoCount = 1;
    PlaceText(target->overlays, 9, QStringLiteral("old"), 0, 0, 9, 0);
    ASSERT_EQ(LoadHatFile(*target, path), QString());

    EXPECT_EQ(target->controls.checks, source->controls.checks);
    for (std::size_t i = 0; i < ListCount; ++i) {
        EXPECT_EQ(target->controls.lists[i].index, source->controls.lists[i].index) << ListKeyNames[i];
        EXPECT_EQ(target->controls.lists[i].items, source->controls.lists[i].items) << ListKeyNames[i];
    }
    for (std::size_t i = 0; i < ColourCount; ++i) {
        const auto key = static_cast<ColourKey>(i);
        EXPECT_EQ(target->controls.Group(key).selected, source->controls.Group(key).selected) << ColourKeyNames[i];
        EXPECT_EQ(target->controls.Group(key).customSwatch, source->controls.Group(key).customSwatch);
        EXPECT_EQ(ColourSetting(target->settings, key), ColourSetting(source->settings, key));
    }
    const Overlays& o = target->overlays;
    ASSERT_EQ(o.TextCount, 3);
    ASSERT_EQ(o.LineCount, 2);
    EXPECT_EQ(o.UsrTexts[1].text, QStringLiteral("夏の大三角"));
    EXPECT_DOUBLE_EQ(o.UsrTexts[1].x, 0.123456789012345);
    EXPECT_EQ(o.UsrTexts[1].size, 100);
    EXPECT_EQ(o.UsrTexts[2].text, QStringLiteral("  , \"quoted\", 1"));
    EXPECT_EQ(o.UsrTexts[2].colour, 0xABCDEFu);
    EXPECT_EQ(o.UsrTexts[3].text, QStringLiteral("\"lead"));
    EXPECT_TRUE(o.UsrTexts[4].text.isEmpty()); // the old text is gone
    EXPECT_DOUBLE_EQ(o.UsrLines[1].y2, 0.4);
    EXPECT_EQ(o.UsrLines[1].width, 10);
    EXPECT_EQ(o.UsrLines[2].x1, 1e-7);
    EXPECT_EQ(o.UsrLines[2].y1, -7.5);
    EXPECT_EQ(o.UsrLines[2].x2, 8);
    EXPECT_EQ(o.UsrLines[2].colour, 0xFFFFFFu);
    EXPECT_EQ(o.ChujiCount, 0);
    EXPECT_TRUE(o.ChujiStamps[1].file.isEmpty());
    EXPECT_EQ(o.UndoCount, 0);
    EXPECT_EQ(Saved(*target), ReadAll(path));
}

TEST(HatFileLoad, ColourValuesSelectPresetOrCustomOption)
{
    auto doc = FreshDocument();
    ASSERT_EQ(LoadHatBytes(*doc, HatLines({"MColor, 255 ", "KinColor, 16777088 ", "RColor, 255 "})), QString());
    const ColourGroup& m = doc->controls.Group(ColourKey::MColor);
    EXPECT_EQ(m.selected, ColourGroup::CustomSelected);
    EXPECT_EQ(m.customSwatch, std::optional<Colour>(255));
    EXPECT_EQ(doc->settings.MColor, 255u);
    const ColourGroup& kin = doc->controls.Group(ColourKey::KinColor);
    EXPECT_EQ(kin.presets[kin.selected].name, std::string("OptionKin_blue"));
    const ColourGroup& r = doc->controls.Group(ColourKey::RColor);
    EXPECT_EQ(r.presets[r.selected].name, std::string("OptionR_red"));
}

TEST(HatFileLoad, LwidthIsTheSettingBeforeTheFirstLineAndTheLineWidthAfter)
{
    QStringList lines = FreshDocumentLines();
    lines[31] = "Lwidth, 4 ";
    lines << "Line,-" << "Lcolor, 255 " << "Lwidth, 3 " << "Lx1, .5 " << "Ly1, .25 " << "Lx2, 1 " << "Ly2, 1 "
          << "Line,-" << "Lcolor, 0 " << "Lwidth, 5 " << "Lx1, 0 " << "Ly1, 0 " << "Lx2, 1 " << "Ly2, 1 ";
    auto doc = FreshDocument();
    ASSERT_EQ(LoadHatBytes(*doc, HatLines(lines)), QString());
    EXPECT_EQ(doc->overlays.LineCount, 2);
    EXPECT_EQ(doc->overlays.UsrLines[1].width, 3);
    EXPECT_EQ(doc->overlays.UsrLines[2].width, 5);
    EXPECT_EQ(doc->controls.List(ListKey::Lwidth).index, 4);
}

TEST(HatFileLoad, GroupKeysBeforeTheirFirstGroupGoToSlotZeroAndUnknownKeysAreSkipped)
{
    auto doc = FreshDocument();
    ASSERT_EQ(LoadHatBytes(*doc, HatLines({"Tx, 7 ", "Lx1, 8 ", "fmilky, 1 ", "Nonsense, 3 ", "Fmilky, 1 "})), QString());
    EXPECT_EQ(doc->overlays.UsrTexts[0].x, 7);
    EXPECT_EQ(doc->overlays.UsrLines[0].x1, 8);
    EXPECT_EQ(doc->overlays.TextCount, 0);
    EXPECT_EQ(doc->controls.Check(SwitchKey::Fmilky), 1);
    EXPECT_EQ(Saved(*doc), HatLines(WithLine(FreshDocumentLines(), 0, "Fmilky, 1 ")));
}

TEST(HatFileLoad, AnyFaultChangesNothingAndNamesTheLineTheKeyAndTheFault)
{
    struct Case {
        QStringList lines;
        const char* where; // line and key
        QString fault;
    };
    const Case cases[] = {
        {{"Tokyu, 3 ", "NmFntSize, 40 ", "Fmilky, 1 "}, "2 行目 NmFntSize: ", ValueText::NotListPosition(" 40 ", -1, 27)},
        {{"Tokyu, 3 ", "Fmoon, 3 ", "Fmilky, 1 "}, "2 行目 Fmoon: ", ValueText::NotSwitch("3", true)},
        {{"Tokyu, 3 ", "Fmilky, 1 ", "Fsen, 1 junk"}, "3 行目 Fsen: ", ValueText::NotSwitch("1 junk", true)},
        {{"Tokyu, 3 ", "Text,a", "Tsize, 32768 ", "Fmilky, 1 "}, "3 行目 Tsize: ", "文字サイズ（0 から 1000 までの整数）"},
        {{"Tokyu, 3 ", "Kcolor, 16777216 ", "Fmilky, 1 "}, "2 行目 Kcolor: ", ValueText::NotColour("16777216")},
        {{"Tokyu, 3 ", "Line,-", "Lx1, 1E+300 ", "Fmilky, 1 "}, "3 行目 Lx1: ", "位置（-8 から 8 までの数）"},
        {{"Tokyu, 3 ", "Line,-", "Lwidth, 2.5 ", "Fmilky, 1 "}, "3 行目 Lwidth: ", "線幅"},
        {{"Tokyu, 3 ", "Fmilky, 1 ", "Fmilky"}, "3 行目 Fmilky: ", "キーの後に値がありません。"},
        {{"Tokyu, 3 ", "Fmilky, 1 ", "Text,<81>"}, "3 行目 Text: ", "Shift-JIS として読めない文字"},
    };
    for (const Case& c : cases) {
        auto doc = FreshDocument();
        const QString failure = LoadHatBytes(*doc, HatLines(c.lines).replace("<81>", "\x81"));
        EXPECT_TRUE(failure.startsWith(QString::fromUtf8(c.where))) << failure.toStdString();
        EXPECT_TRUE(failure.contains(c.fault)) << failure.toStdString() << " / " << c.fault.toStdString();
        EXPECT_EQ(doc->controls.List(ListKey::Tokyu).index, 0);
        EXPECT_EQ(doc->controls.Check(SwitchKey::Fmilky), 0);
    }
}

TEST(HatFileLoad, FailedOpenLeavesTheWholeDocumentAsItWas)
{
    auto doc = FreshDocument(QDate(2026, 12, 7), {{"Fedo", "1"}, {"MColor", "255"}, {"KansokuKen", "12"}});
    PlaceText(doc->overlays, 2, QStringLiteral("夏の大三角"), 0.5, 0.5, 12, 255);
    PlaceLine(doc->overlays, 1, 0.1, 0.2, 0.3, 0.4, 3, 0xFF0000);
    doc->overlays.ChujiStamps[1] = {0.1, 0.1, 0.2, 0.2, QStringLiteral("\\sandogasa.gif")};
    doc->overlays.ChujiCount = 1;
    doc->overlays.UndoLog[1] = {QStringLiteral("Chuji"), 1};
    doc->overlays.UndoCount = 1;
    ReadSettingsFromControls(doc->controls, doc->settings);
    doc->screen.Resize(40, 30);
    doc->screen.Circle(20, 15, 10, 0x0000FF);
    const SettingControls controls = doc->controls;
    const HatSettings settings = doc->settings;
    const Overlays overlays = doc->overlays;
    const QImage chart = doc->screen.Image();

    QStringList lines = FreshDocumentLines();
    lines[0] = "Fmilky, 1 ";
    lines[27] = "KansokuKen, 3 ";
    lines << "Text,新しい" << "Tcolor, 0 " << "Tsize, 9 " << "Tx, .5 " << "Ty, .5 " << "Line,-" << "Lx1, nan ";
    QTemporaryDir dir;
    const QString path = dir.filePath("broken.orv");
    WriteAll(path, HatLines(lines));
    const QString failure = LoadHatFile(*doc, path);
    EXPECT_EQ(failure, HatFileText::OpenFailed(path, "49 行目 Lx1: 値「nan」は位置（-8 から 8 までの数）ではありません。"));

    EXPECT_TRUE(doc->controls == controls);
    EXPECT_TRUE(doc->settings == settings);
    EXPECT_TRUE(doc->overlays == overlays);
    EXPECT_EQ(doc->screen.Image(), chart);
}

TEST(HatFileLoad, FileWithoutAnyHatFileKeyIsNotAHatFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("random.orv");
    WriteAll(path, QByteArray::fromHex("89504e470d0a1a0a0000000d4948445200000001") + QByteArray(300, '\x9c'));
    auto doc = FreshDocument();
    PlaceText(doc->overlays, 1, QStringLiteral("kept"), 0, 0, 9, 0);
    EXPECT_EQ(LoadHatFile(*doc, path), HatFileText::OpenFailed(path, HatFileText::NotHatFile));
    EXPECT_EQ(LoadHatBytes(*doc, ""), HatFileText::NotHatFile);
    EXPECT_EQ(LoadHatBytes(*doc, "Unknown, 1 \r\nOther,x\r\n"), HatFileText::NotHatFile);
    EXPECT_EQ(doc->overlays.UsrTexts[1].text, QStringLiteral("kept"));
    // One key of the file is enough; the rest may be keys of other versions.
    EXPECT_EQ(LoadHatBytes(*doc, "Unknown, 1 \r\nFmilky, 1 \r\n"), QString());
}

TEST(HatFileLoad, HundredAndFirstTextOrLineEndsTheLoadWithNothingApplied)
{
    for (const char* key : {"Text", "Line"}) {
        QStringList lines;
        for (int i = 1; i <= 101; ++i)
            lines << QStringLiteral("%1,%2").arg(key).arg(i) << QStringLiteral("%1, %2 ").arg(key[0] == 'T' ? "Tsize" : "Lcolor").arg(i);
        lines << "Fmilky, 1 ";
        auto doc = FreshDocument();
        const QString failure = LoadHatBytes(*doc, HatLines(lines));
        EXPECT_EQ(failure, key[0] == 'T' ? QStringLiteral("201 行目 Text: テキストは 100 個までです。")
                                         : QStringLiteral("201 行目 Line: 直線は 100 本までです。"));
        EXPECT_EQ(doc->overlays.TextCount + doc->overlays.LineCount, 0);
        EXPECT_EQ(doc->controls.Check(SwitchKey::Fmilky), 0);
    }
}

TEST(HatFileLoad, FileThatCannotBeOpenedLeavesTheDocumentAlone)
{
    auto doc = FreshDocument();
    PlaceText(doc->overlays, 1, QStringLiteral("kept"), 0, 0, 9, 0);
    QTemporaryDir dir;
    const QString missing = dir.filePath("missing.orv");
    EXPECT_EQ(LoadHatFile(*doc, missing), HatFileText::OpenFailed(missing, "ファイルが見つかりません。"));
    const QString noFolder = dir.filePath("no/such/folder.orv");
    EXPECT_EQ(LoadHatFile(*doc, noFolder), HatFileText::OpenFailed(noFolder, "フォルダが見つかりません。"));
    EXPECT_EQ(doc->overlays.UsrTexts[1].text, QStringLiteral("kept"));
}

TEST(HatFileLoad, CharactersOnlyCodePage932HasSurviveOpenAndSave)
{
    // ① 0x8740, ㈱ 0x878A (NEC row 13) and 髙 0xFBFC (IBM extension) are not in plain Shift-JIS.
    const QByteArray text = QByteArray("Text,\x87\x40\x87\x8a\xfb\xfc") + "\r\n";
    const QByteArray file = HatLines(FreshDocumentLines()) + text + HatLines({"Tcolor, 0 ", "Tsize, 10 ", "Tx, .5 ", "Ty, .25 "});
    auto doc = FreshDocument();
    ASSERT_EQ(LoadHatBytes(*doc, file), QString());
    EXPECT_EQ(doc->overlays.UsrTexts[1].text, QStringLiteral("①㈱髙"));
    EXPECT_EQ(Saved(*doc), file);
}

TEST(HatFileSave, TextsThatNeedQuotesAreQuotedOthersAreNot)
{
    auto doc = FreshDocument();
    PlaceText(doc->overlays, 1, QStringLiteral("a,b"), 0, 0, 9, 0);
    PlaceText(doc->overlays, 2, QStringLiteral(" lead"), 0, 0, 9, 0);
    PlaceText(doc->overlays, 3, QStringLiteral("\"q\" and \"\""), 0, 0, 9, 0);
    PlaceText(doc->overlays, 4, QStringLiteral("mid\"dle trail "), 0, 0, 9, 0);
    const QByteArray saved = Saved(*doc);
    EXPECT_TRUE(saved.contains("\r\nText,\"a,b\"\r\n"));
    EXPECT_TRUE(saved.contains("\r\nText,\" lead\"\r\n"));
    EXPECT_TRUE(saved.contains("\r\nText,\"\"\"q\"\" and \"\"\"\"\"\r\n"));
    EXPECT_TRUE(saved.contains("\r\nText,mid\"dle trail \r\n"));
    auto back = FreshDocument();
    ASSERT_EQ(LoadHatBytes(*back, saved), QString());
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(back->overlays.UsrTexts[i].text, doc->overlays.UsrTexts[i].text);
}

TEST(HatFileSave, TextWithoutShiftJisFormIsReportedAndNothingIsWritten)
{
    auto doc = FreshDocument();
    PlaceText(doc->overlays, 1, QStringLiteral("星"), 0, 0, 9, 0);
    PlaceText(doc->overlays, 2, QStringLiteral("夜空🌙"), 0, 0, 9, 0);
    QTemporaryDir dir;
    const QString path = dir.filePath("old.orv");
    WriteAll(path, "old contents");
    const QString failure = SaveHatFile(*doc, path);
    EXPECT_EQ(failure, HatFileText::SaveFailed(path, HatFileText::Unencodable(QStringLiteral("夜空🌙")))
                           + QStringLiteral("\n元のファイルはそのまま残っています。"));
    EXPECT_EQ(ReadAll(path), QByteArray("old contents"));
    const QString fresh = dir.filePath("new.orv");
    EXPECT_EQ(SaveHatFile(*doc, fresh), HatFileText::SaveFailed(fresh, HatFileText::Unencodable(QStringLiteral("夜空🌙"))));
    EXPECT_FALSE(QFile::exists(fresh));
}

TEST(HatFileSave, FailedSaveLeavesTheOldFileIntact)
{
    QTemporaryDir dir;
    EXPECT_EQ(WriteFileReplacing(dir.filePath("no/folder/x.orv"), "abc"), QStringLiteral("フォルダが見つかりません。"));
    const QString path = dir.filePath("sky.orv");
    WriteAll(path, "old contents");
    // The process dies half-way through writing the new file.
    GTEST_FLAG_SET(death_test_style, "fast"); // the child must write to this test's file
    EXPECT_EXIT(WriteFileReplacing(path, QByteArray(100000, 'x'), [] { std::raise(SIGKILL); }),
                testing::KilledBySignal(SIGKILL), "");
    EXPECT_EQ(ReadAll(path), QByteArray("old contents"));
    EXPECT_EQ(WriteFileReplacing(path, "new"), QString());
    EXPECT_EQ(ReadAll(path), QByteArray("new"));
}

TEST(HatFileSave, SaveThatHitsAFileSizeLimitFailsLoudlyAndKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("old.orv");
    const QByteArray old = HatLines(FreshDocumentLines());
    WriteAll(path, old);
    auto doc = FreshDocument();
    for (int i = 1; i <= 100; ++i)
        PlaceText(doc->overlays, i, QStringLiteral("テキスト%1").arg(i), 0.5, 0.5, 10, 0);
    // More than the limit, less than what the file's own buffer holds: only the final flush fails.
    ASSERT_GT(Saved(*doc).size(), 4096);
    ASSERT_LT(Saved(*doc).size(), 16384);
    // In a child process whose files may not grow beyond 4 KB.
    GTEST_FLAG_SET(death_test_style, "fast");
    EXPECT_EXIT(SaveUnderFileSizeLimit(*doc, path, 4096), testing::ExitedWithCode(0),
                "old.orv」に保存できませんでした。\nファイルの大きさの上限を超えました。\n元のファイルはそのまま残っています。");
    EXPECT_EQ(ReadAll(path), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"old.orv"}); // no temporary file left behind
}
