#pragma once
// The marks that say how the hat is made. On the hat itself, on screen and paper: the glue tab in
// a light tint with its name "のりしろ", and the slit, cut from the cut circle to the centre along
// the upper glue-tab line, dashed and marked "切り込み" with a pair of scissors. On paper only:
// the sheet numbers "1/2" and "2/2" and the join line "貼り合わせ線" of a two-sheet layout, and
// where the sheet has room above or below the hat, the steps of making it.
//
// Everything is placed from the hat centre and the cut circle, never from a side of the paper; the
// room above and below the hat is measured on the sheet's height.

#include "layers/LayerContext.h"

#include <QStringList>

namespace orv {

inline constexpr Colour GlueTabTint = 0xE8E8E8;

// The glue tab from the centre out to the cut circle, drawn before the disc.
void DrawGlueTabTint(const LayerContext& ctx);

// The labels, the slit and the sheet's own marks, drawn over the finished sky.
void DrawAssemblyMarks(const LayerContext& ctx);

// The steps of making the hat, numbered: joining the sheets of a two-sheet layout, cutting it out,
// cutting the slit and gluing the tab (only when there is a tab), wearing it.
QStringList AssemblySteps(int16_t sheetCount, bool glueTab);

} // namespace orv
