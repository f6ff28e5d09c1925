// The user's marks: lines, texts and stamps placed through their tools, undo and erase, the limit
// of 100, the screen chart that always shows the chart and the marks alone, and where the marks
// land on each printed sheet.

#include "astro/Numeric.h"
#include "document/UndoErase.h"
#include "render/RecordingCanvas.h"
#include "render/RedrawChart.h"
#include "support/Fixtures.h"
#include "HatFileTestSupport.h"

#include <gtest/gtest.h>

using namespace orv;
using namespace orv::test;

namespace {

std::unique_ptr<HatDocument> DrawnDocument(std::initializer_list<std::pair<const char*, const char*>> sets = {})
{
    auto doc = FreshDocument(QDate(2026, 12, 7), sets);
    RedrawChart(*doc, true);
    return doc;
}

// A press, one move and a release of the left button with the line tool.
void DrawLineGesture(HatDocument& doc, bool checkLine, QPointF from, QPointF to)
{
    LineMouseDown(doc, true, checkLine, from.x(), from.y());
    LineMouseMove(doc, true, to.x(), to.y());
    LineMouseUp(doc, to.x(), to.y());
}

void ArmLineByMenu(HatDocument& doc, int16_t width, Colour colour)
{
    doc.lineTool.LineArmed = true;
    doc.lineTool.LineDlgOK = true;
    doc.lineTool.CurLineWidth = width;
    doc.lineTool.CurLineColor = colour;
}

void WaitText(HatDocument& doc, const QString& text, int16_t size, Colour colour)
{
    doc.textTool.TextMode = true;
    doc.textTool.PendingText = text;
    doc.textTool.CurTextSize = size;
    doc.textTool.CurTextColor = colour;
    doc.textTool.TextDlgOK = true;
}

void WaitStamp(HatDocument& doc, int turn, int16_t scale)
{
    doc.stampTool.ChujiMode = true;
    doc.stampTool.PendingChujiFile = ChujiFiles[turn];
    doc.stampTool.ChujiScale = scale;
    ASSERT_TRUE(PrepareChujiPreview(doc));
}

// A drawn chart with a line and a text placed on it, in that order.
std::unique_ptr<HatDocument> ChartWithLineAndText()
{
    auto doc = DrawnDocument();
    ArmLineByMenu(*doc, 2, 0);
    DrawLineGesture(*doc, false, {100, 100}, {200, 200});
    WaitText(*doc, QStringLiteral("星"), 12, 0);
    PlaceUsrText(*doc, 150, 150);
    return doc;
}

QStringList PrintedCalls(HatDocument& doc, const char* operation)
{
    RecordingCanvas printer(2.4);
    doc.printer = &printer;
    doc.printing = true;
    RedrawChart(doc, true);
    doc.printing = false;
    doc.printer = nullptr;
    return printer.CallsOf(QLatin1String(operation));
}

} // namespace

TEST(LineTool, MenuDrawsOneLineInTheConfirmedStyleAndTheCheckBoxKeepsDrawing)
{
    auto doc = DrawnDocument();
    doc->geometry.hatRadius = 380;
    ArmLineByMenu(*doc, 3, 0x0000FF);
    DrawLineGesture(*doc, false, {190, 95}, {380, 380});
    const UsrLine& l = doc->overlays.UsrLines[1];
    EXPECT_EQ(l.marker, "-");
    EXPECT_EQ(l.width, 3);
    EXPECT_EQ(l.colour, 0x0000FFu);
    EXPECT_DOUBLE_EQ(l.x1, 0.5);
    EXPECT_DOUBLE_EQ(l.y1, 0.25);
    EXPECT_DOUBLE_EQ(l.x2, 1);
    EXPECT_DOUBLE_EQ(l.y2, 1);
    EXPECT_EQ(doc->overlays.UndoLog[1].kind, "Line");
    EXPECT_EQ(doc->screen.Image().pixel(285, 237) & 0xFFFFFF, 0xFF0000u); // red, on the line

    DrawLineGesture(*doc, false, {10, 10}, {50, 50}); // the menu armed one line only
    EXPECT_EQ(doc->overlays.LineCount, 1);

    // The check box needs no confirmed dialog, takes any button and re-arms after every line.
    LineTool fresh;
    doc->lineTool = fresh;
    doc->lineTool.LineArmed = true;
    for (int i = 0; i < 3; ++i) {
        LineMouseDown(*doc, false, true, 10 + i, 10);
        LineMouseUp(*doc, 10 + i, 10); // no movement: both ends equal, still a line
    }
    EXPECT_EQ(doc->overlays.LineCount, 4);
    EXPECT_EQ(doc->overlays.UsrLines[4].width, 1);
    EXPECT_EQ(doc->overlays.UsrLines[4].x1, doc->overlays.UsrLines[4].x2);
    EXPECT_TRUE(doc->lineTool.LineArmed);

    // No line before a chart has been drawn.
    auto blank = FreshDocument();
    blank->lineTool.LineArmed = true;
    DrawLineGesture(*blank, true, {1, 1}, {9, 9});
    EXPECT_EQ(blank->overlays.LineCount, 0);
}

TEST(LineTool, PrintedAtTheRenderingsHatRadius)
{
    auto doc = FreshDocument();
    PlaceLine(doc->overlays, 1, 0.5, 0.25, 1, 1, 3, 0x0000FF);
    PlaceText(doc->overlays, 1, QStringLiteral("星"), 0.25, 0.5, 24, 0x00FF00);
    RecordingCanvas canvas(2.4);
    DrawUsrLines(doc->overlays, canvas, {2000, 0, 0});
    DrawUsrTexts(doc->overlays, canvas, {2000, 0, 0});
    EXPECT_EQ(canvas.Calls(), QStringList({"Line 1000 500 2000 2000 c0000FF w3 s0", "Print 500 1000 size24 c00FF00 星"}));
}

TEST(TextTool, PlacesTheWaitingTextAtThePreviewAndRefusesWhatTheFileCannotStore)
{
    auto doc = DrawnDocument();
    doc->geometry.hatRadius = 380;
    WaitText(*doc, QStringLiteral("はくちょう"), 24, 0x0000FF);
    EXPECT_FALSE(PlaceUsrText(*doc, 95, 190));
    const UsrText& t = doc->overlays.UsrTexts[1];
    EXPECT_EQ(t.text, "はくちょう");
    EXPECT_EQ(t.size, 24);
    EXPECT_EQ(t.colour, 0x0000FFu);
    EXPECT_DOUBLE_EQ(t.x, 0.25);
    EXPECT_DOUBLE_EQ(t.y, 0.5);
    EXPECT_FALSE(doc->textTool.TextMode);
    EXPECT_TRUE(doc->textTool.PendingText.isEmpty());
    EXPECT_EQ(doc->overlays.UndoLog[1].kind, "Text");

    // A waiting text whose dialog was cancelled afterwards shows but is not placed.
    WaitText(*doc, QStringLiteral("二つ目"), 0, 0);
    doc->textTool.TextDlgOK = false;
    EXPECT_TRUE(doc->textTool.PreviewShown());
    PlaceUsrText(*doc, 10, 10);
    EXPECT_EQ(doc->overlays.TextCount, 1);
    doc->textTool.TextDlgOK = true;
    PlaceUsrText(*doc, 10, 10);
    EXPECT_EQ(doc->overlays.UsrTexts[2].size, DefaultTextSize); // size 0 is taken as 4

    EXPECT_FALSE(FirstUnstorableCharacter(QStringLiteral("a,\"b\" 星①")));
    EXPECT_EQ(FirstUnstorableCharacter(QStringLiteral("星😀と")), QStringLiteral("😀"));
    EXPECT_EQ(FirstUnstorableCharacter(QStringLiteral("氐宿")), QStringLiteral("氐"));
}

TEST(StampTool, PreviewScalesWithTheChosenPercentAndEveryStampPrints)
{
    EXPECT_EQ(ChujiPreviewSize({100, 100}, 100), QSize(52, 52));
    EXPECT_EQ(ChujiPreviewSize({100, 50}, 200), QSize(104, 52));
    EXPECT_EQ(ChujiPreviewSize({100, 100}, 10), QSize(5, 5));

    auto doc = DrawnDocument();
    WaitStamp(*doc, 3, 100);
    EXPECT_FALSE(PlaceChujiStamp(*doc, 100, 200));
    const ChujiStamp& s = doc->overlays.ChujiStamps[1];
    EXPECT_EQ(s.file, "\\sandogasa_270.gif");
    EXPECT_DOUBLE_EQ(s.x, 100.0 / 342);
    EXPECT_EQ(doc->overlays.UndoLog[1].kind, "Chuji");
    EXPECT_FALSE(doc->stampTool.ChujiMode);

    for (int i = 0; i < 11; ++i) {
        WaitStamp(*doc, i % 4, 50);
        PlaceChujiStamp(*doc, 10 * i, 30);
    }
    EXPECT_EQ(PrintedCalls(*doc, "PaintPicture").size(), 12); // all of them, not only slots 1 to 10
}

TEST(UndoErase, UndoRemovesNewestFirstAndKeepsSlotNumbers)
{
    auto doc = ChartWithLineAndText();
    WaitStamp(*doc, 0, 100);
    PlaceChujiStamp(*doc, 300, 300);

    EXPECT_TRUE(UndoLast(*doc));
    EXPECT_TRUE(doc->overlays.ChujiStamps[1].file.isEmpty());
    EXPECT_FALSE(doc->overlays.UsrTexts[1].text.isEmpty());
    EXPECT_TRUE(UndoLast(*doc));
    EXPECT_TRUE(UndoLast(*doc));
    EXPECT_TRUE(doc->overlays.UsrLines[1].marker.isEmpty());
    EXPECT_FALSE(UndoLast(*doc));

    ArmLineByMenu(*doc, 2, 0);
    DrawLineGesture(*doc, false, {10, 10}, {20, 20});
    EXPECT_EQ(doc->overlays.LineCount, 2);
    EXPECT_FALSE(doc->overlays.UsrLines[2].marker.isEmpty());
    const QByteArray saved = Saved(*doc);
    EXPECT_EQ(saved.count("Line,-"), 1);
}

TEST(UndoErase, EraseClearsPictureMarksCountersAndTheUndoLog)
{
    auto doc = ChartWithLineAndText();
    EraseOverlays(*doc);
    EXPECT_EQ(doc->overlays.UndoCount, 0);
    EXPECT_EQ(doc->overlays.LineCount, 0);
    EXPECT_EQ(doc->overlays.TextCount, 0);
    const QImage& picture = doc->screen.Image();
    EXPECT_EQ(picture.pixel(doc->geometry.centreX, doc->geometry.centreY - doc->geometry.hatRadius) & 0xFFFFFF,
              0xFFFFFFu); // the horizon circle is gone with the chart
    EXPECT_FALSE(UndoLast(*doc));
    EXPECT_TRUE(PrintedCalls(*doc, "Print").isEmpty());
    ArmLineByMenu(*doc, 2, 0);
    DrawLineGesture(*doc, false, {10, 10}, {20, 20});
    EXPECT_EQ(doc->overlays.LineCount, 1);
}

TEST(UndoErase, AtMostOneHundredMarksOfEachKindAndUndoEntries)
{
    auto doc = DrawnDocument();
    doc->lineTool.LineArmed = true;
    for (int i = 0; i < 100; ++i) {
        EXPECT_FALSE(LineMouseDown(*doc, true, true, i, 10));
        LineMouseUp(*doc, i, 20);
    }
    EXPECT_EQ(LineMouseDown(*doc, true, true, 5, 5), OverlayLimitMessage);
    EXPECT_FALSE(LineMouseUp(*doc, 5, 6));
    EXPECT_EQ(doc->overlays.LineCount, 100);

    // The undo log is full too: a text has a slot but no undo entry left.
    WaitText(*doc, QStringLiteral("星"), 12, 0);
    EXPECT_EQ(PlaceUsrText(*doc, 10, 10), OverlayLimitMessage);
    EXPECT_EQ(doc->overlays.TextCount, 0);
    EXPECT_TRUE(doc->textTool.PreviewShown()); // still waiting
    EXPECT_TRUE(UndoLast(*doc));
    EXPECT_FALSE(PlaceUsrText(*doc, 10, 10));
    EXPECT_EQ(doc->overlays.TextCount, 1);
}

TEST(ScreenRedraw, LeavesNothingOfAnEarlierChartOrPicture)
{
    // Tokyo, then Naha on a smaller layout after a larger one: the picture equals a fresh drawing.
    auto doc = DrawnDocument({{"KansokuKen", "12"}, {"KansokuShi", "0"}, {"RR0", "2"}});
    ApplySettingValue(doc->controls, doc->settings, doc->sites, "KansokuKen", "46");
    ApplySettingValue(doc->controls, doc->settings, doc->sites, "KansokuShi", "1");
    ApplySettingValue(doc->controls, doc->settings, doc->sites, "RR0", "0");
    RedrawChart(*doc, true);
    auto fresh = DrawnDocument({{"KansokuKen", "46"}, {"KansokuShi", "1"}});
    EXPECT_TRUE(doc->screen.Image() == fresh->screen.Image());

    // The marks are drawn again by every redraw, stamps included.
    WaitStamp(*doc, 0, 100);
    PlaceChujiStamp(*doc, 300, 300);
    const QImage placed = doc->screen.Image().copy();
    RedrawChart(*doc, true);
    EXPECT_TRUE(doc->screen.Image() == placed);
}

TEST(PrintedMarks, TwoSheetPrintsKeepEveryMarkAtItsPlaceRelativeToTheHatCentre)
{
    auto doc = DrawnDocument({{"RR0", "3"}}); // "A4横×2": 532 pixels on screen, 14 cm on paper
    const ChartGeometry screen = doc->geometry;
    const QPointF fromCentre(-120, 250); // below the centre: on the second sheet
    ArmLineByMenu(*doc, 2, 0);
    const QPointF at(screen.centreX + fromCentre.x(), screen.centreY + fromCentre.y());
    DrawLineGesture(*doc, false, at, at + QPointF(40, 0));

    const QStringList lines = PrintedCalls(*doc, "Line");
    // The printed sheets draw the fold and tab lines too; take the user's line (width 2, 40 px long
    // on screen) on each sheet.
    const double scale = 3308.0 / 532; // printer and screen hatRadius
    int found = 0;
    for (int sheet = 0; sheet < 2; ++sheet) {
        const int32_t centreY = sheet == 0 ? Round32((3308 + 118 + 1) * 1.414 - 236) : 236;
        const QString expected = QStringLiteral("Line %1 %2 ")
                                     .arg(Round16(3308 + 118 + 1 + scale * fromCentre.x()))
                                     .arg(Round16(centreY + scale * fromCentre.y()));
        for (const QString& call : lines)
            found += call.startsWith(expected);
    }
    EXPECT_EQ(found, 2);
}
