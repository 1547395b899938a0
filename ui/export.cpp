// QSaveFile writes to a temporary file in the target's directory and
// renames it on commit; a failed write or commit discards the temporary.
#include "ui/export.h"

#include <QDir>
#include <QGraphicsLayout>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <stdexcept>

#include "ui/locale_text.h"

namespace quantiva {

namespace {

[[noreturn]] void Fail(const QString& Path, const QString& Reason) {
    throw std::runtime_error(ToStdString(
        QStringLiteral("Cannot save \"%1\": %2").arg(QDir::toNativeSeparators(Path), Reason)));
}

// Opens Path's temporary file, lets Write fill it, then renames it over
// Path; Write reports its own failures through the file's error state.
template <class TWrite>
void SaveAtomically(const QString& Path, TWrite&& Write) {
    QSaveFile File(Path);
    if (!File.open(QIODevice::WriteOnly)) Fail(Path, File.errorString());
    Write(File);
    if (File.error() != QFileDevice::NoError) Fail(Path, File.errorString());
    if (!File.commit()) Fail(Path, File.errorString());
}

class TFileLines : public uicore::TLineOut {
public:
    explicit TFileLines(QSaveFile& File) : FFile(File) {}
    void WriteLine(std::string_view Line) override {
        const auto Size = static_cast<qint64>(Line.size());
        if (FFile.write(Line.data(), Size) != Size || !FFile.putChar('\n')) FFailed = true;
    }
    bool Failed() const override { return FFailed; }

private:
    QSaveFile& FFile;
    bool FFailed = false;
};

// Draws the chart laid out at Size, as a chart view of that size would
// show it (same text sizes, more room), without the mouse's readout.
void RenderChart(TChartView& Chart, QPainter& Painter, QSize Size) {
    Chart.Overlay().SetMouse(std::nullopt);
    QChart& Drawn = *Chart.chart();
    const QSizeF Shown = Drawn.size();
    Drawn.resize(Size);
    Drawn.layout()->activate();
    const QRect Area(QPoint(0, 0), Size);
    Chart.render(&Painter, Area, Area, Qt::IgnoreAspectRatio);
    Drawn.resize(Shown);
    Drawn.layout()->activate();
}

}  // namespace

void SaveResultsText(const TResultsView& Results, const QString& Path) {
    SaveAtomically(Path, [&](QSaveFile& File) {
        TFileLines Out(File);
        for (std::size_t I = 0; I < Results.LineCount() && !Out.Failed(); ++I)
            Out.WriteLine(Results.Line(I));
    });
}

void SaveResultsCsv(const uicore::TCalcLog& Log, const QString& Path) {
    SaveAtomically(Path, [&](QSaveFile& File) {
        TFileLines Out(File);
        Log.WriteCsv(Out);
    });
}

QImage ChartImage(TChartView& Chart, QSize Size) {
    QImage Image(Size, QImage::Format_ARGB32_Premultiplied);
    Image.fill(Chart.palette().color(QPalette::Base));
    QPainter Painter(&Image);
    Painter.setRenderHint(QPainter::Antialiasing);
    Painter.setRenderHint(QPainter::TextAntialiasing);
    RenderChart(Chart, Painter, Size);
    return Image;
}

void ExportChartPng(TChartView& Chart, const QString& Path, QSize Size) {
    const QImage Image = ChartImage(Chart, Size);
    SaveAtomically(Path, [&](QSaveFile& File) {
        if (!Image.save(&File, "PNG")) File.cancelWriting();
    });
}

void ExportChartSvg(TChartView& Chart, const QString& Path) {
    SaveAtomically(Path, [&](QSaveFile& File) {
        QSvgGenerator Svg;
        Svg.setOutputDevice(&File);
        const QSize Size = Chart.viewport()->size();
        Svg.setSize(Size);
        Svg.setViewBox(QRect(QPoint(0, 0), Size));
        Svg.setTitle(QStringLiteral("Quantiva chart"));
        QPainter Painter(&Svg);
        RenderChart(Chart, Painter, Size);
    });
}

}  // namespace quantiva
