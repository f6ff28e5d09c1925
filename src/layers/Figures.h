#pragma once
// Constellation stick figures and the dashed great triangles, as segments between catalogue stars.
// A segment whose stars lie on either side of the glue tab is drawn as two pieces that meet once
// the hat is glued.

#include "astro/HatProjection.h"
#include "layers/LayerContext.h"

#include <QStringList>

namespace orv {

// figures: element 0 the count, then the entries ("a-b-c", or "=a-b-c" for a great triangle).
void DrawFigures(const LayerContext& ctx, const QStringList& figures, const ChartList& stars);

} // namespace orv
