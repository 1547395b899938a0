// The picture of a probability mass: the PDF as vertical sticks at the
// whole numbers of the range, the CDF as a right-continuous staircase.
// Both are built from the chart's points (ascending x), which for a
// discrete law are samples anywhere in the range.
#pragma once

#include <QList>
#include <QPointF>
#include <span>

#include "model/prob_distribution.h"

namespace quantiva {

// The six laws with a probability mass.
bool IsDiscreteLaw(model::TDistType Type);

// The points at whole-number x: the tops of the sticks. Elsewhere the
// model rounds x, so those points repeat a neighbouring mass.
QList<QPointF> StickTops(std::span<const QPointF> Points);

// The sticks as one line: up from Base to each top and down again, so
// that a line series draws them and the shared base runs along the axis.
QList<QPointF> StickLine(const QList<QPointF>& Tops, qreal Base);

// The staircase through CDF samples: flat from each sample to the next
// jump, then vertical. Between two samples the jump lies at the largest
// whole number not above the later one (the CDF is constant from there to
// it); where no whole number lies between them, at the later sample.
QList<QPointF> Staircase(std::span<const QPointF> Points);

}  // namespace quantiva
