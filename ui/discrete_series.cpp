// Sticks and staircase for the discrete laws.
#include "ui/discrete_series.h"

#include <cmath>

namespace quantiva {

bool IsDiscreteLaw(model::TDistType Type) {
    using enum model::TDistType;
    switch (Type) {
        case distBINOM:
        case distGEOMETRIC:
        case distHYPGEOMETRIC:
        case distNEGBINOM:
        case distPOISSON:
        case distUNIFORMD: return true;
        default: return false;
    }
}

QList<QPointF> StickTops(std::span<const QPointF> Points) {
    QList<QPointF> Tops;
    for (const QPointF& P : Points)
        if (P.x() == std::floor(P.x())) Tops.append(P);
    return Tops;
}

QList<QPointF> StickLine(const QList<QPointF>& Tops, qreal Base) {
    QList<QPointF> Line;
    Line.reserve(3 * Tops.size());
    for (const QPointF& Top : Tops) {
        Line.append(QPointF(Top.x(), Base));
        Line.append(Top);
        Line.append(QPointF(Top.x(), Base));
    }
    return Line;
}

QList<QPointF> Staircase(std::span<const QPointF> Points) {
    QList<QPointF> Steps;
    if (Points.empty()) return Steps;
    Steps.reserve(2 * std::ssize(Points));
    Steps.append(Points.front());
    for (std::size_t I = 1; I < Points.size(); ++I) {
        const QPointF& Before = Points[I - 1];
        const QPointF& After = Points[I];
        if (After.y() == Before.y()) continue;
        const qreal Whole = std::floor(After.x());
        const qreal Jump = Whole > Before.x() ? Whole : After.x();
        Steps.append(QPointF(Jump, Before.y()));
        Steps.append(QPointF(Jump, After.y()));
    }
    if (Steps.back() != Points.back()) Steps.append(Points.back());
    return Steps;
}

}  // namespace quantiva
