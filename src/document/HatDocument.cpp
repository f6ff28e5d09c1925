#include "document/HatDocument.h"

namespace orv {

HatDocument::HatDocument(QString programDir) : data(std::move(programDir)) {}

bool HatDocument::Initialise(QDate today)
{
    const bool loaded = sites.LoadSiteTable(data);
    InitialiseSettingControls(controls, sites, today);
    return loaded;
}

void HatDocument::Initialise(QDate today, const SiteTable& loaded)
{
    sites = loaded;
    InitialiseSettingControls(controls, sites, today);
}

Canvas& HatDocument::CurrentCanvas()
{
    if (printing && printer)
        return *printer;
    return screen;
}

} // namespace orv
