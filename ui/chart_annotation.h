// The chart annotation laid out in a band above the legend and the plot,
// so that it never covers a curve or an axis: the title, the parameters as
// many to a row as fit, and the plot range.
#pragma once

#include <QFontMetrics>
#include <QStringList>

#include "ui/core/annotation.h"

namespace quantiva {

// The rows for a band Width pixels wide; a single entry wider than the
// band is cut with an ellipsis.
QStringList AnnotationRows(const uicore::TAnnotationText& Text, const QFontMetrics& Metrics,
                           int Width);

}  // namespace quantiva
