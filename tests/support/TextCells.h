#pragma once
// The cell a recorded TextOut call covers on the surface: its corner, turned by the escapement,
// as long as its characters' advance and as high as the font. Half-width characters advance by
// the font's width, all others by twice that.

#include "render/Primitives.h"

#include <QPointF>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace orv::test {

using Quad = std::array<QPointF, 4>;

struct TextCell {
    QString text;
    int height;
    double escapementDegrees;
    Quad quad; // corner, end of the top edge, end of the bottom edge, start of the bottom edge
};

inline std::optional<TextCell> TextCellOf(const QString& call)
{
    static const QRegularExpression form(
        QStringLiteral("^TextOut (-?\\d+) (-?\\d+) h(\\d+) w(\\d+) e(-?\\d+) b\\d+ (.*?) c[0-9A-F]{6} (.*)$"));
    const QRegularExpressionMatch m = form.match(call);
    if (!m.hasMatch())
        return std::nullopt;
    const QPointF corner(m.captured(1).toDouble(), m.captured(2).toDouble());
    const int h = m.captured(3).toInt();
    const int w = m.captured(4).toInt();
    const double e = m.captured(5).toDouble() / 10 * 3.14159265358979 / 180;
    const QString text = m.captured(7);
    double advance = 0;
    for (QChar c : text)
        advance += IsHalfWidth(c) ? w : 2 * w;
    const QPointF along(std::cos(e), -std::sin(e));
    const QPointF down(std::sin(e), std::cos(e));
    return TextCell{text, h, m.captured(5).toDouble() / 10,
                    {corner, corner + advance * along, corner + advance * along + h * down, corner + h * down}};
}

inline QList<TextCell> TextCellsOf(const QStringList& calls)
{
    QList<TextCell> cells;
    for (const QString& call : calls)
        if (const auto cell = TextCellOf(call))
            cells << *cell;
    return cells;
}

// Whether two convex quads overlap by more than depth (touching edges never count).
inline bool Overlap(const Quad& a, const Quad& b, double depth = 1e-6)
{
    for (const Quad* poly : {&a, &b})
        for (int i = 0; i < 4; ++i) {
            const QPointF edge = (*poly)[(i + 1) % 4] - (*poly)[i];
            const QPointF n(-edge.y(), edge.x());
            const double len = std::hypot(n.x(), n.y());
            double aLo = 1e300, aHi = -1e300, bLo = 1e300, bHi = -1e300;
            for (const QPointF& p : a) {
                aLo = std::min(aLo, QPointF::dotProduct(p, n) / len);
                aHi = std::max(aHi, QPointF::dotProduct(p, n) / len);
            }
            for (const QPointF& p : b) {
                bLo = std::min(bLo, QPointF::dotProduct(p, n) / len);
                bHi = std::max(bHi, QPointF::dotProduct(p, n) / len);
            }
            if (std::min(aHi, bHi) - std::max(aLo, bLo) <= depth)
                return false;
        }
    return true;
}

// Points spread over a quad, its corners included: 11 x 11 of them.
inline QList<QPointF> PointsOf(const Quad& q)
{
    QList<QPointF> points;
    for (int i = 0; i <= 10; ++i)
        for (int j = 0; j <= 10; ++j) {
            const QPointF top = q[0] + (q[1] - q[0]) * (i / 10.0);
            const QPointF bottom = q[3] + (q[2] - q[3]) * (i / 10.0);
            points << top + (bottom - top) * (j / 10.0);
        }
    return points;
}

} // namespace orv::test
