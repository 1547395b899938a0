// The batched sinks: merged points equal point-by-point x-ordered insertion,
// chunked text equals line-by-line appending, and the locale's separator.
#include <gtest/gtest.h>

#include <QLineSeries>
#include <QPlainTextEdit>
#include <random>

#include "ui/locale_text.h"
#include "ui/results_sink.h"
#include "ui/series_sink.h"

namespace {

// Point-by-point insertion: each point after those of equal x.
QList<QPointF> InsertOneByOne(QList<QPointF> Shown, const QList<QPointF>& Added) {
    for (const QPointF& P : Added) {
        auto At = std::upper_bound(Shown.begin(), Shown.end(), P,
                                   [](const QPointF& A, const QPointF& B) { return A.x() < B.x(); });
        Shown.insert(At, P);
    }
    return Shown;
}

QList<QPointF> RandomPoints(std::mt19937& Random, int Count, int DistinctX) {
    std::uniform_int_distribution<int> X(0, DistinctX - 1);
    QList<QPointF> Points;
    for (int I = 0; I < Count; ++I) Points.append(QPointF(X(Random) * 0.25, I));  // y tells them apart
    return Points;
}

TEST(MergeByX, EqualsPointByPointInsertion) {
    struct Case {
        int Shown, Added, DistinctX;
    };
    // Few distinct x values force many ties; empty sides on either hand.
    const Case Cases[] = {{0, 0, 5}, {0, 40, 5}, {40, 0, 5}, {30, 30, 3},
                          {100, 250, 1000}, {7, 300, 2}, {500, 500, 100000}};
    std::mt19937 Random(20240601);
    for (const Case& C : Cases) {
        const QList<QPointF> Shown = InsertOneByOne({}, RandomPoints(Random, C.Shown, C.DistinctX));
        const QList<QPointF> Added = RandomPoints(Random, C.Added, C.DistinctX);
        EXPECT_EQ(quantiva::MergeByX(Shown, Added), InsertOneByOne(Shown, Added))
            << C.Shown << " + " << C.Added;
    }
}

TEST(MergeByX, DescendingRangeEndsAscending) {
    QList<QPointF> Added;
    for (int I = 10; I > 0; --I) Added.append(QPointF(I, -I));
    const QList<QPointF> Merged = quantiva::MergeByX({}, Added);
    for (int I = 0; I < 10; ++I) EXPECT_EQ(Merged[I], QPointF(I + 1, -(I + 1)));
}

TEST(ChartSeriesSink, ShowsPointsOnlyAfterFlushAndClearsPending) {
    QLineSeries S0, S1;
    quantiva::TChartSeriesSink Sink(&S0, &S1);
    Sink.AddPoint(0, 2, 1);
    Sink.AddPoint(1, 1, 1);
    Sink.AddPoint(0, 1, 2);
    EXPECT_EQ(S0.count(), 0);
    Sink.Flush();
    EXPECT_EQ(S0.points(), (QList<QPointF>{{1, 2}, {2, 1}}));
    EXPECT_EQ(S1.points(), (QList<QPointF>{{1, 1}}));
    Sink.AddPoint(1, 5, 5);
    Sink.ClearPoints(1);  // drops the pending point too
    Sink.Flush();
    EXPECT_EQ(S1.count(), 0);
    EXPECT_EQ(S0.count(), 2);
    EXPECT_THROW(Sink.AddPoint(2, 0, 0), std::out_of_range);
    EXPECT_THROW(Sink.ClearPoints(-1), std::out_of_range);
}

TEST(MemoResultsSink, ChunkedTextEqualsLineByLine) {
    for (int Count : {1, 2, quantiva::TMemoResultsSink::ChunkLines,
                      quantiva::TMemoResultsSink::ChunkLines * 2 + 3}) {
        QPlainTextEdit Batched, Single;
        quantiva::TMemoResultsSink Sink(&Batched);
        for (int I = 0; I < Count; ++I) {
            const std::string Line = "row\t\t" + std::to_string(I) + (I % 7 ? "" : "\t\t\xC3\xA9");
            Sink.AppendLine(Line);
            Single.appendPlainText(QString::fromStdString(Line));
        }
        Sink.Flush();
        EXPECT_EQ(Batched.document()->blockCount(), Count);
        EXPECT_EQ(Batched.toPlainText(), Single.toPlainText()) << Count;
    }
}

TEST(MemoResultsSink, ClearDropsPendingAndShownLines) {
    QPlainTextEdit Memo;
    quantiva::TMemoResultsSink Sink(&Memo);
    Sink.AppendLine("one");
    Sink.Flush();
    Sink.AppendLine("two");
    Sink.ClearLines();
    Sink.AppendLine("three");
    Sink.Flush();
    EXPECT_EQ(Memo.toPlainText(), QStringLiteral("three"));
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
