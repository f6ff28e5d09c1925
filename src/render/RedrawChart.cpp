#include "render/RedrawChart.h"

#include "astro/Numeric.h"
#include "document/HatDocument.h"
#include "layers/AssemblyMarks.h"
#include "layers/Figures.h"
#include "layers/HatOutline.h"
#include "layers/MilkyWay.h"
#include "layers/Moon.h"
#include "layers/Names.h"
#include "layers/Planets.h"
#include "layers/SkyData.h"
#include "layers/StarDiscs.h"

namespace orv {

namespace {

void SetScrollBar(ScrollBar& bar, double pictureExtent, int containerExtent)
{
    bar.minimum = 0;
    const int d = Round32(pictureExtent - containerExtent);
    if (d < 1) {
        bar.maximum = 0;
        bar.value = 0;
    } else {
        bar.maximum = d;
        bar.value = Round32(d / 2.0);
    }
}

// Screen: one sheet whatever the paper, the picture sized to the hat and centred in its container
// by the scroll bars. Every redraw starts from a blank picture, so nothing of an earlier chart, its
// legends or the start picture stays under the new one.
void SetUpScreen(HatDocument& doc, const PaperLayout& paper)
{
    ChartGeometry& g = doc.geometry;
    SetUpScreenGeometry(g, paper);
    doc.screen.DrawWidth = 1;
    doc.screen.ScaleMode = 3;
    const int w = 2 * (g.hatRadius + g.rimMargin + 5);
    const double h = w * 1.414;
    doc.screen.Resize(w, Round32(h));
    doc.screen.Cls();
    SetScrollBar(doc.viewport.vertical, h, doc.viewport.containerHeight);
    SetScrollBar(doc.viewport.horizontal, w, doc.viewport.containerWidth);
}

void SetUpPrinter(HatDocument& doc)
{
    ChartGeometry& g = doc.geometry;
    Canvas& printer = doc.CurrentCanvas();
    const double t = printer.TwipsPerPixelX();
    g.hatRadius = Round32(g.radiusCm * 567 / t);
    g.rimMargin = Round16(283.5 / t);
    printer.DrawWidth = 2;
    printer.ScaleMode = 3;
}

// The white preset of the disc colour; a custom colour that happens to be white does not count.
bool WhiteDiscSelected(const SettingControls& controls)
{
    const ColourGroup& disc = controls.Group(ColourKey::RColor);
    return disc.selected >= 0 && disc.selected < static_cast<int>(disc.presets.size())
        && QLatin1String(disc.presets[disc.selected].name) == QLatin1String("OptionR_white");
}

SiteLegend SiteLegendOf(const HatDocument& doc)
{
    const int p = doc.settings.KansokuKen;
    const SiteRecord& entry = doc.sites.Record(p, doc.settings.KansokuShi);
    return {doc.sites.Record(p, 0).name, entry.name, entry.coordinateText};
}

// The date, time and site every sky layer of a redraw is computed for.
struct SkyPlace {
    ObservationTime time;
    double longitude;
    double latitude;
};

SkyPlace SkyPlaceOf(const HatDocument& doc)
{
    const HatSettings& s = doc.settings;
    const SiteRecord& site = doc.sites.Record(s.KansokuKen, s.KansokuShi);
    return {{s.Year, s.Month, s.Day, s.Hour, s.Minute}, site.longitude, site.latitude};
}

ChartList Project(const SkyPlace& place, const CatalogueList& catalogue, const ChartGeometry& g)
{
    return ProjectHorizontalList(ComputeHorizontalList(place.time, place.longitude, place.latitude, catalogue),
                                 g.hatRadius, g.glueHalfAngle);
}

void DrawSheet(HatDocument& doc, int16_t sheet, bool fullFlag)
{
    Canvas& canvas = doc.CurrentCanvas();
    ChartGeometry& g = doc.geometry;
    const HatSettings& s = doc.settings;
    PlaceSheetCentre(g, sheet);
    if (doc.printing) {
        canvas.SetPaper(g.paperCode, g.paperOrientation);
        // The hat's centre goes to the middle of the paper's width. Both sheets of a two-sheet
        // hat share centreX, so they move by the same amount and their halves still join.
        canvas.CentreAcrossSheet(g.centreX);
    }
    const LayerContext ctx{canvas, g, s, doc.printing};

    const SkyPlace place = SkyPlaceOf(doc);

    DrawGlueTabTint(ctx);
    DrawHatDisc(ctx, WhiteDiscSelected(doc.controls));
    if (s.Fmilky)
        if (const auto samples = LoadMilkyWay(doc.data, doc.problems))
            DrawMilkyWay(ctx, Project(place, *samples, g));
    if (s.Fkodo)
        DrawAltitudeCircles(ctx);
    if (s.Fhoi)
        DrawAzimuthLines(ctx, sheet);
    if (s.Fmoon)
        DrawMoon(ctx, doc.data, doc.problems, place.time, place.longitude, place.latitude);

    // The star table is read, converted and projected on every sheet; figures and names use it.
    const CatalogueList catalogue = LoadStarCatalogue(doc.data, doc.problems).value_or(CatalogueList(1));
    const HorizontalList horizontal = ComputeHorizontalList(place.time, place.longitude, place.latitude, catalogue);
    const ChartList stars = ProjectHorizontalList(horizontal, g.hatRadius, g.glueHalfAngle);
    if (s.Fdaisan || s.Fsen)
        if (const auto figures = LoadFigures(doc.data, s.Fedo, doc.problems))
            DrawFigures(ctx, *figures, stars);
    DrawStarDiscs(ctx, stars);
    if (s.Fmei)
        if (const auto names = LoadNames(doc.data, s.Fedo, doc.problems))
            DrawNames(ctx, fullFlag, *names, stars, horizontal);

    DrawOutlineAndLegends(ctx, SiteLegendOf(doc));
    const struct {
        bool on;
        Planet planet;
        Colour colour;
    } planets[4] = {{s.Fkinse, Planet::Venus, s.KinColor},
                    {s.Fkase, Planet::Mars, s.KaColor},
                    {s.Fmokuse, Planet::Jupiter, s.MokuColor},
                    {s.Fdose, Planet::Saturn, s.DoColor}};
    for (const auto& p : planets)
        if (p.on)
            DrawPlanet(ctx, doc.data, doc.problems, p.planet, p.colour, place.time, place.longitude, place.latitude);

    DrawAssemblyMarks(ctx);
    DrawOverlays(doc, canvas);

    if (doc.printing)
        canvas.EndDoc();
}

} // namespace

void RedrawChart(HatDocument& doc, bool fullFlag)
{
    ReadSettingsFromControls(doc.controls, doc.settings);
    doc.problems.Clear();

    ChartGeometry& g = doc.geometry;
    const PaperLayout paper = LookUpPaper(doc.settings.RR0, doc.PrintPaperIndex);
    g.radiusCm = paper.radiusCm;
    g.sheetCount = paper.sheetCount;
    g.paperCode = paper.paperCode;
    g.paperOrientation = paper.paperOrientation;
    g.glueHalfAngle = doc.settings.glueHalfAngle;

    if (doc.printing)
        SetUpPrinter(doc);
    else
        SetUpScreen(doc, paper);

    for (int16_t sheet = 1; sheet <= g.sheetCount; ++sheet) {
        g.sheetIndex = sheet;
        DrawSheet(doc, sheet, fullFlag);
    }
}

} // namespace orv
