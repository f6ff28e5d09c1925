// Feeds the reader generated and mutated files and checks that every load ends with the document
// in a consistent state (a failed load leaves it exactly as it was), and that whatever a load
// leaves can be saved and read back unchanged.

#include "document/HatFile.h"
#include "support/Fixtures.h"
#include "HatFileTestSupport.h"

#include <QElapsedTimer>
#include <random>
#include <gtest/gtest.h>

using namespace orv;
using namespace orv::test;

namespace {

const char* const Keys[] = {"Fmilky", "Fsen", "Fmoon", "RColor", "MColor", "Kcolor", "Tokyu", "NmFntSize",
                            "KansokuKen", "KansokuShi", "Year", "Day", "RR0", "Lwidth", "MoonR", "Text",
                            "Tcolor", "Tsize", "Tx", "Ty", "Line", "Lcolor", "Lx1", "Ly1", "Lx2", "Ly2"};
const char* const Values[] = {" 0 ", " 1 ", "-1 ", " 2 ", " 3 ", " 46 ", " 400 ", " 32767 ", " 32768 ", "-32769 ",
                              " 2147483647 ", " 2147483648 ", " 1E+400 ", "-1E+308 ", " .5 ", " 1E-05 ", "x",
                              "\"a,b\"", "\"\"\"q\"", "", " ", "-", "星", "\x81", "\xff\xfe", "\"unterminated",
                              " 99999999999999999999999999 ", " 4.5 ", " 5.5 ", " nan ", " inf "};

class Generator {
public:
    explicit Generator(uint32_t seed) : rng_(seed) {}

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    QByteArray RandomBytes(int size)
    {
        QByteArray b(size, 0);
        for (char& c : b)
            c = static_cast<char>(Below(256));
        return b;
    }

    QByteArray RandomPairs(int count)
    {
        QByteArray b;
        for (int i = 0; i < count; ++i) {
            b += Keys[Below(std::size(Keys))];
            b += Below(20) == 0 ? "" : ",";
            b += Values[Below(std::size(Values))];
            b += Below(10) == 0 ? "\n" : "\r\n";
        }
        return b;
    }

    QByteArray Mutate(QByteArray b)
    {
        const int edits = 1 + Below(8);
        for (int e = 0; e < edits && !b.isEmpty(); ++e) {
            const int at = Below(b.size());
            switch (Below(6)) {
            case 0: b[at] = static_cast<char>(Below(256)); break;
            case 1: b.insert(at, static_cast<char>(",\"\r\n \x81"[Below(6)])); break;
            case 2: b.remove(at, 1 + Below(20)); break;
            case 3: b.truncate(at); break;
            case 4: b.insert(at, RandomPairs(1 + Below(3))); break;
            default: b.insert(at, b.mid(Below(b.size()), 1 + Below(200))); break;
            }
        }
        return b;
    }

private:
    std::mt19937 rng_;
};

QByteArray ValidFile(Generator& g, const QByteArray& fixed)
{
    QByteArray b = fixed;
    const int texts = g.Below(105);
    for (int i = 0; i < texts; ++i)
        b += HatLines({QStringLiteral("Text,文字%1").arg(i), "Tcolor, 255 ", "Tsize, 12 ", "Tx, .25 ", "Ty,-.5 "});
    const int lines = g.Below(105);
    for (int i = 0; i < lines; ++i)
        b += HatLines({"Line,-", "Lcolor, 0 ", QStringLiteral("Lwidth, %1 ").arg(i % 10), "Lx1, 1E-05 ", "Ly1, 1 ",
                       "Lx2, 2 ", "Ly2, 3 "});
    return b;
}

// Everything the window and the writer rely on after any load.
void ExpectConsistent(const HatDocument& doc, const QByteArray& input)
{
    const Overlays& o = doc.overlays;
    ASSERT_TRUE(o.TextCount >= 0 && o.TextCount <= LastOverlaySlot) << input.left(200).toHex().toStdString();
    ASSERT_TRUE(o.LineCount >= 0 && o.LineCount <= LastOverlaySlot);
    ASSERT_EQ(o.ChujiCount, 0);
    ASSERT_EQ(o.UndoCount, 0);
    for (int i = o.TextCount + 1; i <= LastOverlaySlot; ++i)
        ASSERT_TRUE(o.UsrTexts[i].text.isEmpty());
    for (int i = o.LineCount + 1; i <= LastOverlaySlot; ++i)
        ASSERT_TRUE(o.UsrLines[i].marker.isEmpty());
    for (int i = 0; i <= LastOverlaySlot; ++i)
        ASSERT_TRUE(std::isfinite(o.UsrTexts[i].x) && std::isfinite(o.UsrTexts[i].y) && std::isfinite(o.UsrLines[i].x1)
                    && std::isfinite(o.UsrLines[i].y1) && std::isfinite(o.UsrLines[i].x2) && std::isfinite(o.UsrLines[i].y2));
    for (const ListControl& list : doc.controls.lists)
        ASSERT_TRUE(list.index >= -1 && list.index < list.items.size());
    for (int c : doc.controls.checks)
        ASSERT_TRUE(c >= 0 && c <= 2);
    for (const ColourGroup& g : doc.controls.colours)
        ASSERT_TRUE(g.selected == ColourGroup::CustomSelected || (g.selected >= 0 && g.selected < int(g.presets.size())));
}

} // namespace

TEST(HatFileRobustness, ThousandsOfGeneratedAndMutatedFiles)
{
    QElapsedTimer timer;
    timer.start();
    Generator g(20261207);
    auto doc = FreshDocument();
    auto again = FreshDocument();
    const QByteArray fixed = HatLines(FreshDocumentLines());
    int tried = 0;
    int loadedCleanly = 0;
    int resaved = 0;
    for (int round = 0; round < 2400; ++round) {
        QByteArray input;
        switch (round % 8) {
        case 0: input = g.RandomBytes(g.Below(3000)); break;
        case 1: input = g.RandomPairs(g.Below(300)); break;
        case 2: input = ValidFile(g, fixed); break;
        case 3: input = ValidFile(g, fixed).left(g.Below(20000)); break;
        case 4: input = g.Mutate(ValidFile(g, fixed)); break;
        case 5: input = g.Mutate(g.RandomPairs(50)); break;
        case 6: input = fixed + "Text," + QByteArray(20000 + g.Below(40000), "a\x81\xa0,\" "[g.Below(6)]) + "\r\nTx, 1 \r\n"; break;
        default: input = g.Mutate(fixed); break;
        }
        ++tried;
        const SettingControls controls = doc->controls;
        const HatSettings settings = doc->settings;
        const Overlays overlays = doc->overlays;
        const bool clean = LoadHatBytes(*doc, input).isEmpty();
        loadedCleanly += clean;
        // A load that fails leaves the document exactly as it was.
        if (!clean) {
            ASSERT_TRUE(doc->controls == controls && doc->settings == settings && doc->overlays == overlays)
                << input.left(200).toHex().toStdString();
        }
        ExpectConsistent(*doc, input);
        if (HasFatalFailure())
            return;
        // Whatever the load left is saved (or refused for a text) and reads back to the same file.
        QString failure;
        const std::optional<QByteArray> saved = HatFileBytes(*doc, &failure);
        if (!saved)
            continue;
        ++resaved;
        ASSERT_EQ(LoadHatBytes(*again, *saved), QString());
        ASSERT_EQ(HatFileBytes(*again, nullptr), saved);
    }
    RecordProperty("inputs", tried);
    std::printf("[ robustness ] %d inputs, %d loaded without failure, %d saved and re-read identically, %lld ms\n",
                tried, loadedCleanly, resaved, static_cast<long long>(timer.elapsed()));
    EXPECT_GT(loadedCleanly, 100);
    EXPECT_GT(resaved, 1000);
}
