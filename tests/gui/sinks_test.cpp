// The batched sinks: merged points equal point-by-point x-ordered insertion,
// the results pane's lines, wrapping and selection, and the locale's separator.
#include <gtest/gtest.h>

#include <QScrollBar>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <span>
#include <vector>

#include "model/prob_distribution.h"
#include "ui/chart_view.h"
#include "ui/huge_pages.h"
#include "ui/locale_text.h"
#include "ui/results_columns.h"
#include "ui/results_sink.h"
#include "ui/results_view.h"
#include "ui/series_sink.h"

namespace {

// Point-by-point insertion: each point after those of equal x.
QList<QPointF> InsertOneByOne(QList<QPointF> Shown, const QList<QPointF>& Added) {
    for (const QPointF& P : Added) {
        auto At =
            std::upper_bound(Shown.begin(), Shown.end(), P,
                             [](const QPointF& A, const QPointF& B) { return A.x() < B.x(); });
        Shown.insert(At, P);
    }
    return Shown;
}

QList<QPointF> Listed(const quantiva::TPointList& Points) {
    return QList<QPointF>(Points.cbegin(), Points.cend());
}

QList<QPointF> Merged(const QList<QPointF>& Shown, QList<QPointF> Added) {
    quantiva::TPointList Kept(Shown.cbegin(), Shown.cend());
    quantiva::MergeByX(Kept, std::move(Added));
    return Listed(Kept);
}

// Count values from First on, Step apart.
std::vector<double> Steps(double First, double Step, int Count) {
    std::vector<double> Values;
    for (int I = 0; I < Count; ++I) Values.push_back(First + Step * I);
    return Values;
}

QList<QPointF> RandomPoints(std::mt19937& Random, int Count, int DistinctX) {
    std::uniform_int_distribution<int> X(0, DistinctX - 1);
    QList<QPointF> Points;
    for (int I = 0; I < Count; ++I)
        Points.append(QPointF(X(Random) * 0.25, I));  // y tells them apart
    return Points;
}

TEST(MergeByX, EqualsPointByPointInsertion) {
    struct Case {
        int Shown, Added, DistinctX;
    };
    // Few distinct x values force many ties; empty sides on either hand.
    const Case Cases[] = {{0, 0, 5},        {0, 40, 5},  {40, 0, 5},        {30, 30, 3},
                          {100, 250, 1000}, {7, 300, 2}, {500, 500, 100000}};
    std::mt19937 Random(20240601);
    for (const Case& C : Cases) {
        const QList<QPointF> Shown = InsertOneByOne({}, RandomPoints(Random, C.Shown, C.DistinctX));
        const QList<QPointF> Added = RandomPoints(Random, C.Added, C.DistinctX);
        EXPECT_EQ(Merged(Shown, Added), InsertOneByOne(Shown, Added))
            << C.Shown << " + " << C.Added;
    }
}

TEST(MergeByX, DescendingRangeEndsAscending) {
    QList<QPointF> Added;
    for (int I = 10; I > 0; --I) Added.append(QPointF(I, -I));
    const QList<QPointF> Result = Merged({}, Added);
    for (int I = 0; I < 10; ++I) EXPECT_EQ(Result[I], QPointF(I + 1, -(I + 1)));
}

// A long range reaches the chart in chunks, ascending or descending, with
// ties where a step is lost to rounding; the result must not depend on
// where the chunks were cut, nor the axes, which span every point (y is
// the point's index, scrambled in the long cases so that the largest lies
// inside a block).
TEST(MergeByX, ChunksEqualPointByPointInsertion) {
    struct Case {
        const char* Name;
        std::vector<double> X;
        std::vector<int> Cuts;  // chunk ends
    };
    const Case Cases[] = {
        {"ascending", {0, 1, 2, 3, 4, 5, 6, 7}, {3, 5, 8}},
        {"ascending, equal x across a cut", {0, 1, 1, 1, 2, 2, 3}, {2, 5, 7}},
        {"descending", {7, 6, 5, 4, 3, 2, 1, 0}, {1, 4, 8}},
        {"descending with ties", {5, 4, 4, 4, 3, 3, 1}, {3, 6, 7}},
        {"second range inside the first", {0, 2, 4, 6, 1, 3, 5, 7}, {4, 8}},
        {"all equal", {2, 2, 2, 2, 2}, {1, 2, 5}},
        {"long, ascending", Steps(0, 1, 200), {70, 130, 200}},
        {"long, descending", Steps(150, -1, 200), {64, 128, 190, 200}},
    };
    model::TProbDistribution Model;
    for (const Case& C : Cases) {
        QList<QPointF> Points;
        for (std::size_t I = 0; I < C.X.size(); ++I)
            Points.append(QPointF(C.X[I], double(C.X.size() > 10 ? I * 37 % 101 : I)));
        quantiva::TPointList Chunked;
        // The chart takes the same points one at a time, drawing at each cut.
        quantiva::TChartView Chart(Model, '.');
        quantiva::TChartSeriesSink Sink(&Chart);
        int From = 0;
        for (const int To : C.Cuts) {
            quantiva::MergeByX(Chunked, Points.mid(From, To - From));
            for (int I = From; I < To; ++I) Sink.AddPoint(0, Points[I].x(), Points[I].y());
            Sink.Flush();
            From = To;
        }
        EXPECT_EQ(Listed(Chunked), InsertOneByOne({}, Points)) << C.Name;
        EXPECT_EQ(Listed(Chart.Points(0)), InsertOneByOne({}, Points)) << C.Name;
        const auto [Low, High] = std::minmax_element(C.X.cbegin(), C.X.cend());
        EXPECT_LE(Chart.AxisBottom()->min(), *Low) << C.Name;
        EXPECT_GE(Chart.AxisBottom()->max(), *High) << C.Name;
        const auto ByY = [](const QPointF& A, const QPointF& B) { return A.y() < B.y(); };
        EXPECT_GE(Chart.AxisLeft()->max(),
                  std::max_element(Points.cbegin(), Points.cend(), ByY)->y())
            << C.Name;
    }
}

TEST(Decimated, KeepsFirstLowestHighestAndLastOfEachColumn) {
    // Ten points per column over four columns, y zig-zagging.
    QList<QPointF> Points;
    for (int I = 0; I < 40; ++I) Points.append(QPointF(I * 0.1, (I * 7) % 11));
    const QList<QPointF> Shown = quantiva::Decimated(Points, 0.0, 4.0, 4);
    ASSERT_FALSE(Shown.isEmpty());
    EXPECT_EQ(Shown.front(), Points.front());
    EXPECT_EQ(Shown.back(), Points.back());
    for (int Column = 0; Column < 4; ++Column) {
        QList<QPointF> In, Kept;
        for (const QPointF& P : Points)
            if (int(P.x() + 1e-9) == Column) In.append(P);
        for (const QPointF& P : Shown)
            if (int(P.x() + 1e-9) == Column) Kept.append(P);
        auto ByY = [](const QPointF& A, const QPointF& B) { return A.y() < B.y(); };
        ASSERT_FALSE(Kept.isEmpty()) << Column;
        EXPECT_LE(Kept.size(), 4) << Column;
        EXPECT_EQ(Kept.front(), In.front()) << Column;
        EXPECT_EQ(Kept.back(), In.back()) << Column;
        EXPECT_EQ(std::min_element(Kept.begin(), Kept.end(), ByY)->y(),
                  std::min_element(In.begin(), In.end(), ByY)->y())
            << Column;
        EXPECT_EQ(std::max_element(Kept.begin(), Kept.end(), ByY)->y(),
                  std::max_element(In.begin(), In.end(), ByY)->y())
            << Column;
    }
}

// Columns of hundreds of points with ties in y, read through the block
// summary (of all points, or of the points before the last block), against
// a scan of every point of each column; the points reduced may be a prefix
// of those summed up.
TEST(Decimated, SummaryGivesWhatAScanOfEveryPointGives) {
    std::mt19937 Random(20240615);
    std::uniform_int_distribution<int> Y(0, 9);
    QList<QPointF> All;
    for (int I = 0; I < 5000; ++I) All.append(QPointF(I * 0.001, Y(Random)));
    quantiva::TPointSummary Whole, Partial;
    quantiva::ExtendSummary(All, Whole);
    quantiva::ExtendSummary(std::span(All).first(4000), Partial);
    quantiva::ExtendSummary(All, Partial);  // extended with what came since
    ASSERT_EQ(Partial.size(), Whole.size());
    ASSERT_EQ(Whole.size(), 5000u / quantiva::SummaryBlock);
    struct Case {
        int Columns;
        qsizetype Count;  // points reduced
        const quantiva::TPointSummary& Summary;
    };
    const Case Cases[] = {{1, 5000, Whole},   {7, 5000, Partial}, {13, 5000, Whole},
                          {300, 5000, Whole}, {7, 4001, Whole},   {13, 2500, Partial},
                          {1, 4990, Partial}};
    for (const Case& C : Cases) {
        const QList<QPointF> Points = All.first(C.Count);
        const int Columns = C.Columns;
        const qreal Scale = Columns / 5.0;  // columns per unit of x, as the reduction has it
        const auto Column = [&](qsizetype I) {
            return static_cast<int>(std::min<qreal>(Points[I].x() * Scale, Columns));
        };
        QList<QPointF> Expected;
        for (qsizetype First = 0; First < Points.size();) {
            qsizetype Last = First, Low = First, High = First;
            while (Last + 1 < Points.size() && Column(Last + 1) == Column(First)) {
                ++Last;
                if (Points[Last].y() < Points[Low].y()) Low = Last;
                if (Points[Last].y() > Points[High].y()) High = Last;
            }
            qsizetype Previous = -1;
            for (const qsizetype K : {First, std::min(Low, High), std::max(Low, High), Last}) {
                if (K != Previous) Expected.append(Points[K]);
                Previous = K;
            }
            First = Last + 1;
        }
        EXPECT_EQ(quantiva::Decimated(Points, 0.0, 5.0, Columns, C.Summary), Expected)
            << Columns << " columns, " << C.Count << " points";
        EXPECT_EQ(quantiva::Decimated(Points, 0.0, 5.0, Columns), Expected) << Columns;
    }
}

TEST(Decimated, FewPointsOrNoWidthStayUnchanged) {
    QList<QPointF> Points;
    for (int I = 0; I < 12; ++I) Points.append(QPointF(I, I % 3));
    EXPECT_EQ(quantiva::Decimated(Points, 0, 11, 3), Points);  // 4 x 3 points
    EXPECT_EQ(quantiva::Decimated(Points, 5, 5, 1), Points);   // empty x range
    EXPECT_EQ(quantiva::Decimated({}, 0, 1, 100), QList<QPointF>());
}

TEST(ChartSeriesSink, DrawsPointsOnlyAfterFlushAndClearsTaken) {
    model::TProbDistribution Model;
    quantiva::TChartView Chart(Model, '.');
    quantiva::TChartSeriesSink Sink(&Chart);
    const quantiva::TPointList& S0 = Chart.Points(0);
    const quantiva::TPointList& S1 = Chart.Points(1);
    Sink.AddPoint(0, 2, 1);
    Sink.AddPoint(1, 1, 1);
    Sink.AddPoint(0, 1, 2);  // left of the last: waits for the merge
    EXPECT_EQ(Chart.Series1()->count(), 0);
    Sink.Flush();
    EXPECT_EQ(Listed(S0), (QList<QPointF>{{1, 2}, {2, 1}}));
    EXPECT_EQ(Listed(S1), (QList<QPointF>{{1, 1}}));
    EXPECT_EQ(Chart.Series1()->count(), 2);
    Sink.AddPoint(1, 5, 5);
    Sink.AddPoint(1, 0, 5);
    Sink.ClearPoints(1);  // drops the points taken too
    Sink.Flush();
    EXPECT_EQ(S1.size(), 0u);
    EXPECT_EQ(S0.size(), 2u);
    EXPECT_THROW(Sink.AddPoint(2, 0, 0), std::out_of_range);
    EXPECT_THROW(Sink.ClearPoints(-1), std::out_of_range);
}

// Buffers that grow past the huge-block size keep what they held, also
// when the room past their end is given back, and the large blocks start
// on a huge-page boundary.
TEST(HugePageAllocator, GrowingBuffersKeepTheirContents) {
    for (const std::int64_t Count : {10, 100000, 200000, 3000000}) {
        std::vector<std::int64_t, quantiva::THugePageAllocator<std::int64_t>> Values;
        for (std::int64_t I = 0; I < Count; ++I) Values.push_back(I * 7);
        // Room given back reads as zeros, and what was written stays.
        quantiva::ReleaseUnused(Values.data(), Values.size() * sizeof(std::int64_t),
                                Values.capacity() * sizeof(std::int64_t));
        while (Values.size() < Values.capacity()) Values.push_back(Values.size() * 7);
        bool Kept = true;
        for (std::size_t I = 0; I < Values.size(); ++I)
            Kept = Kept && Values[I] == std::int64_t(I) * 7;
        EXPECT_TRUE(Kept) << Count;
        if (Values.capacity() * sizeof(std::int64_t) >= quantiva::HugeBlockBytes) {
            EXPECT_EQ(reinterpret_cast<std::uintptr_t>(Values.data()) % (2 << 20), 0u) << Count;
        }
    }
    quantiva::StopReadying();
}

// Offsets around and past 4 GB, and a line longer than 4 GB, come back
// whole from their low 32 bits.
TEST(LineStarts, WholeOffsetsBeyondFourGigabytes) {
    constexpr std::size_t G4 = std::size_t{1} << 32;
    const std::vector<std::size_t> Offsets = {
        0, 17, G4 - 1, G4, G4 + 5, 2 * G4 - 2, 2 * G4 + 1, 5 * G4 + 3, 5 * G4 + 3, 6 * G4};
    quantiva::TLineStarts Starts;
    for (const std::size_t Offset : Offsets) Starts.push_back(Offset);
    ASSERT_EQ(Starts.size(), Offsets.size());
    for (std::size_t I = 0; I < Offsets.size(); ++I) EXPECT_EQ(Starts.at(I), Offsets[I]) << I;
    EXPECT_THROW((void)Starts.at(Offsets.size()), std::out_of_range);
}

// Lines of ASCII, two- and three-byte characters and runs of tabs, cut
// at every length around the eight-byte words the columns are read in:
// the layout of each line alone against the cells counted character by
// character.
TEST(ResultsColumns, MeasureCellsAsCharactersCountOne) {
    const std::string Pieces[] = {"a", "\t", "\xC3\xA9", "\xE2\x82\xAC", "\t\t", "7"};
    std::mt19937 Random(20240620);
    std::uniform_int_distribution<std::size_t> Piece(0, std::size(Pieces) - 1);
    for (int Trial = 0; Trial < 400; ++Trial) {
        std::string Line;
        while (Line.size() < std::size_t(Trial % 37)) Line += Pieces[Piece(Random)];
        // The cells and the tabs after each, one character at a time.
        std::vector<std::int64_t> Widths{0}, Tabs{0};
        for (std::size_t I = 0; I < Line.size(); ++I) {
            if (Line[I] == '\t') {
                ++Tabs.back();
            } else {
                if (Tabs.back() > 0) Widths.push_back(0), Tabs.push_back(0);
                Widths.back() += (static_cast<unsigned char>(Line[I]) & 0xC0) != 0x80;
            }
        }
        if (Tabs.back() > 0) Widths.push_back(0), Tabs.push_back(0);
        quantiva::TResultsColumns Columns;
        Columns.Include(Line);
        std::int64_t Start = 0;
        for (std::size_t Cell = 0; Cell + 1 < Widths.size(); ++Cell) {
            Start = (Start + Widths[Cell]) / 8 * 8 + Tabs[Cell] * 8;
            ASSERT_EQ(Columns.Start(Cell + 1), Start) << Trial;
        }
        // Trailing tabs lead nowhere: the line is as wide as its last text.
        ASSERT_EQ(Columns.Width(), Widths.back() > 0 ? Start + Widths.back() : 0) << Trial;
    }
}

// Rows whose cell widths come from their writer are laid out exactly as
// the same lines measured one character at a time.
TEST(ResultsView, RowsOfKnownWidthsAlignAsMeasuredLines) {
    const double Inf = std::numeric_limits<double>::infinity();
    struct Case {
        std::int32_t Decimals;
        std::vector<uicore::TCalcRow> Rows;
    };
    const Case Cases[] = {
        {4, {{-5.0, {0.0, 0.0}, 2}, {0.0, {0.3989, 0.5}, 2}, {12.5, {}, 0}}},
        {6, {{-12.0, {0.25, 0.5}, 2}, {3.0, {Inf, 0.0}, 1}}},  // cells ending on a tab stop
        {16, {{-1e20, {std::nan(""), 1.0}, 2}, {1e300, {1e-300, -Inf}, 2}}},
    };
    const std::string Head[] = {"Caf\xC3\xA9 distribution", "x\t\tPDF(x)\t\tCDF(x)", "-----"};
    for (const Case& C : Cases) {
        quantiva::TResultsView Known, Measured;
        quantiva::TMemoResultsSink Sink(&Known);
        for (const std::string& Line : Head) Sink.AppendLine(Line);
        uicore::TResultsText Text(Sink, C.Decimals, ',');
        for (const uicore::TCalcRow& Row : C.Rows) Text.Row(Row);
        for (std::size_t I = 0; I < Known.LineCount(); ++I) Measured.AppendLine(Known.Line(I));
        EXPECT_EQ(Known.ShownColumns(), Measured.ShownColumns()) << C.Decimals;
        for (std::size_t I = 0; I < Known.LineCount(); ++I)
            EXPECT_EQ(Known.ShownLine(I), Measured.ShownLine(I)) << C.Decimals << " line " << I;
    }
}

TEST(ResultsView, KeepsLinesAsAppended) {
    quantiva::TResultsView View;
    const std::string Lines[] = {"Beta distribution", "", "x\t\tPDF(x)", "caf\xC3\xA9\t1"};
    for (const std::string& Line : Lines) View.AppendLine(Line);
    View.LinesAdded();
    ASSERT_EQ(View.LineCount(), std::size(Lines));
    for (std::size_t I = 0; I < std::size(Lines); ++I) EXPECT_EQ(View.Line(I), Lines[I]);
    EXPECT_EQ(View.PlainText(),
              QString::fromUtf8("Beta distribution\n\nx\t\tPDF(x)\ncaf\xC3\xA9\t1"));
    View.Clear();
    EXPECT_EQ(View.LineCount(), 0u);
    EXPECT_TRUE(View.PlainText().isEmpty());
    EXPECT_EQ(View.ShownColumns(), 0);
}

TEST(ResultsView, AlignsColumnsUnderTheirHeadersWithoutWrapping) {
    // Values of 8 and more characters used to fall a tab stop right of
    // their headers; at 16 decimals rows wrapped.
    const std::string Wide = "-10.0000000000000000";  // 20 characters
    struct Case {
        std::string Line;
        std::string Shown;  // with the columns of all the lines
    };
    const Case Cases[] = {
        {"Normal distribution", "Normal distribution"},
        {"x\t\tPDF(x)\t\tCDF(x)",
         "x" + std::string(31, ' ') + "PDF(x)" + std::string(10, ' ') + "CDF(x)"},
        {"0.0000\t\t0.3989\t\t0.5000",
         "0.0000" + std::string(26, ' ') + "0.3989" + std::string(10, ' ') + "0.5000"},
        {Wide + "\t\t0.0000\t\t0.0000",
         Wide + std::string(12, ' ') + "0.0000" + std::string(10, ' ') + "0.0000"},
        {"caf\xC3\xA9\t\t1", "caf\xC3\xA9" + std::string(28, ' ') + "1"},
    };
    quantiva::TResultsView View;
    View.resize(200, 300);
    View.show();
    for (const Case& C : Cases) View.AppendLine(C.Line);
    View.LinesAdded();
    for (std::size_t I = 0; I < std::size(Cases); ++I) {
        EXPECT_EQ(View.ShownLine(I), QString::fromStdString(Cases[I].Shown)) << I;
        EXPECT_EQ(View.Line(I), Cases[I].Line) << I;  // what is copied
    }
    // One row per line, however narrow the pane: it scrolls sideways.
    EXPECT_EQ(View.ShownColumns(), 54);
    EXPECT_GT(View.horizontalScrollBar()->maximum(), 0);
    View.SelectAll();
    EXPECT_EQ(View.SelectedText(), View.PlainText());
    EXPECT_TRUE(View.PlainText().contains(QString::fromStdString(Wide + "\t\t0.0000")));
}

TEST(ResultsView, SelectsWholeLinesForCopying) {
    quantiva::TResultsView View;
    for (const char* Line : {"one", "two", "three"}) View.AppendLine(Line);
    View.LinesAdded();
    EXPECT_TRUE(View.SelectedText().isEmpty());
    View.SelectLines(2, 1);
    EXPECT_EQ(View.SelectedText(), QStringLiteral("two\nthree"));
    View.SelectLines(0, 99);  // clamped to the last line
    EXPECT_EQ(View.SelectedText(), View.PlainText());
    View.Clear();
    EXPECT_TRUE(View.SelectedText().isEmpty());
}

TEST(MemoResultsSink, ShowsTheLinesOnFlush) {
    quantiva::TResultsView View;
    quantiva::TMemoResultsSink Sink(&View);
    Sink.AppendLine("one");
    Sink.Flush();
    Sink.AppendLine("two");
    Sink.ClearLines();
    Sink.AppendLine("three");
    Sink.Flush();
    EXPECT_EQ(View.PlainText(), QStringLiteral("three"));
}

TEST(LocaleDecimalSeparator, FromTheLocale) {
    struct Case {
        QLocale::Language Language;
        QLocale::Territory Territory;
        char Separator;
    };
    const Case Cases[] = {
        {QLocale::English, QLocale::UnitedStates, '.'},
        {QLocale::German, QLocale::Germany, ','},
        {QLocale::French, QLocale::France, ','},
        {QLocale::C, QLocale::AnyTerritory, '.'},
        // Arabic writes U+066B, which the core's one-byte text cannot carry.
        {QLocale::Arabic, QLocale::Egypt, '.'},
    };
    for (const Case& C : Cases)
        EXPECT_EQ(quantiva::LocaleDecimalSeparator(QLocale(C.Language, C.Territory)), C.Separator)
            << QLocale::languageToString(C.Language).toStdString();
}

}  // namespace
