// The chart on the "Chart" page. Pens are set after addSeries, which
// otherwise resets them to the theme's; the title stays empty and is used
// only for its font size, which sets the annotation's line height.
#include "ui/chart_view.h"

#include <QPainter>
#include <QPainterPath>

#include "ui/core/annotation.h"
#include "ui/locale_text.h"

namespace quantiva {

namespace {

constexpr int MarkerPixels = 7;      // a triangle 2 pixels either side of a 3-pixel middle
constexpr int TitleFontPoints = 8;   // sets the annotation's size: 8 pt, lines 10 px apart
const QColor PdfColour(128, 128, 255);

QValueAxis* ValueAxis(QChart* Chart, const QString& Title, Qt::Alignment Where) {
    auto* Axis = new QValueAxis;
    Axis->setTitleText(Title);
    Axis->setGridLineVisible(false);
    Axis->setMinorGridLineVisible(false);
    Chart->addAxis(Axis, Where);
    return Axis;
}

void StyleSeries(QLineSeries* Series, const QColor& Colour, bool MarkerDown) {
    QPen Pen(Colour);
    Pen.setWidth(1);
    Series->setPen(Pen);
    Series->setPointsVisible(true);
    Series->setMarkerSize(MarkerPixels);
    Series->setLightMarker(TriangleMarker(Colour, MarkerDown));
}

}  // namespace

QImage TriangleMarker(const QColor& Colour, bool PointingDown) {
    QImage Image(MarkerPixels, MarkerPixels, QImage::Format_ARGB32_Premultiplied);
    Image.fill(Qt::transparent);
    const qreal Top = PointingDown ? MarkerPixels - 1 : 0;
    const qreal Base = PointingDown ? 0 : MarkerPixels - 1;
    QPainterPath Path;
    Path.moveTo((MarkerPixels - 1) / 2.0, Top);
    Path.lineTo(0, Base);
    Path.lineTo(MarkerPixels - 1, Base);
    Path.closeSubpath();
    QPainter Painter(&Image);
    Painter.setRenderHint(QPainter::Antialiasing, false);
    Painter.fillPath(Path, Colour);
    return Image;
}

TChartView::TChartView(const model::TProbDistribution& Distribution, char DecimalSeparator,
                       QWidget* Parent)
    : QChartView(Parent), FDistribution(Distribution), FDecimalSeparator(DecimalSeparator) {
    auto* Chart1 = new QChart;
    Chart1->setBackgroundBrush(Qt::white);
    Chart1->setBackgroundRoundness(0);
    Chart1->setPlotAreaBackgroundVisible(false);
    Chart1->setMargins(QMargins(0, 0, 0, 0));
    Chart1->setTitle(QString());
    QFont TitleFont = Chart1->titleFont();
    TitleFont.setPointSize(TitleFontPoints);
    Chart1->setTitleFont(TitleFont);
    Chart1->legend()->setAlignment(Qt::AlignTop);
    Chart1->legend()->setVisible(true);
    setChart(Chart1);
    setRenderHint(QPainter::Antialiasing, false);

    FAxisBottom = ValueAxis(Chart1, QString(), Qt::AlignBottom);
    FAxisLeft = ValueAxis(Chart1, QStringLiteral("PDF"), Qt::AlignLeft);
    FAxisRight = ValueAxis(Chart1, QStringLiteral("CDF"), Qt::AlignRight);

    FSeries1 = new QLineSeries;
    FSeries1->setName(QStringLiteral("PDF"));
    FSeries2 = new QLineSeries;
    FSeries2->setName(QStringLiteral("CDF"));
    Chart1->addSeries(FSeries1);
    Chart1->addSeries(FSeries2);
    FSeries1->attachAxis(FAxisBottom);
    FSeries1->attachAxis(FAxisLeft);
    FSeries2->attachAxis(FAxisBottom);
    FSeries2->attachAxis(FAxisRight);
    // The second series keeps the colour the theme gave it.
    StyleSeries(FSeries1, PdfColour, false);
    StyleSeries(FSeries2, FSeries2->color(), true);
}

void TChartView::SetAnnotationShown(bool Shown) {
    FAnnotationShown = Shown;
    viewport()->update();
}

void TChartView::drawForeground(QPainter* Painter, const QRectF& Rect) {
    QChartView::drawForeground(Painter, Rect);
    Painter->save();
    Chart1AfterDraw(*Painter);
    Painter->restore();
}

void TChartView::Chart1AfterDraw(QPainter& Painter) const {
    if (!FAnnotationShown) return;
    const int FontSize = chart()->titleFont().pointSize();
    QFont Font = Painter.font();
    Font.setPointSize(FontSize);
    Painter.setFont(Font);
    const QRectF Plot = chart()->plotArea();
    const auto Lines =
        uicore::AnnotationLines(FDistribution, static_cast<std::int32_t>(Plot.left()),
                                static_cast<std::int32_t>(Plot.top()), FontSize, FDecimalSeparator);
    for (const uicore::TAnnotationLine& Line : Lines)
        Painter.drawText(QRect(Line.X, Line.Y, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                         ToQString(Line.Text));
}

}  // namespace quantiva
