#pragma once
// Draws one whole hat on the surface chosen by the document's printing flag: reads the settings,
// works out the hat's size and place for the paper, and calls every layer in its fixed order,
// once per sheet.

namespace orv {

class HatDocument;

// fullFlag is passed on to the names layer; every caller passes true.
void RedrawChart(HatDocument& document, bool fullFlag);

} // namespace orv
