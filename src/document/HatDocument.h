#pragma once
// One open hat: the control state and the settings read from it, the site table, the chart's
// geometry and surfaces, and what a redraw reports. The main window and the headless renderer
// each own one.

#include "document/LineTool.h"
#include "document/Overlays.h"
#include "document/PendingRequests.h"
#include "document/StampTool.h"
#include "document/TextTool.h"
#include "print/PrintRequest.h"
#include "print/PrinterChoice.h"
#include "render/ChartGeometry.h"
#include "render/DataFolder.h"
#include "render/ScreenCanvas.h"
#include "settings/HatSettings.h"
#include "settings/SettingControls.h"
#include "settings/SiteTable.h"

namespace orv {

struct ScrollBar {
    int minimum = 0;
    int maximum = 0;
    int value = 0;
};

// The container the screen chart is shown in, and its scroll bars.
struct ChartViewport {
    int containerWidth = 0;
    int containerHeight = 0;
    ScrollBar horizontal;
    ScrollBar vertical;
};

class HatDocument {
public:
    explicit HatDocument(QString programDir);

    // Loads the site table and fills every control with its fresh-start default. False when
    // the site file opens nowhere.
    bool Initialise(QDate today);
    // The same with a site table already read from this document's DATA folder (a batch of
    // charts reads it once).
    void Initialise(QDate today, const SiteTable& loaded);

    DataFolder data;
    SiteTable sites;
    SettingControls controls;
    HatSettings settings;
    ChartGeometry geometry;

    bool printing = false;
    ScreenCanvas screen;
    Canvas* printer = nullptr; // the printer surface while printing
    ChartViewport viewport;
    ProblemLog problems;

    int16_t PrintPaperIndex = 0;
    // The print request of the print dialog, and the printers with the current one.
    PrintRequest printRequest;
    PrinterChoice printerChoice;
    bool LoadPending = false; // an open is being carried out (custom colour options stay quiet)

    // The user's texts, lines and stamps, their counters and the undo log.
    Overlays overlays;
    // The tools that place them, with the style each keeps between uses.
    LineTool lineTool;
    TextTool textTool;
    StampTool stampTool;
    // The save and open requests waiting for the next pointer move over the chart.
    PendingRequests requests;

    Canvas& CurrentCanvas();
};

} // namespace orv
