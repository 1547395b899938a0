// The CSV table of the calculations in the results pane: recomputed from
// their records, each cut where its calculation stopped.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/core/csv_table.h"

namespace {

class TLines : public uicore::TLineOut {
public:
    std::vector<std::string> Lines;
    void WriteLine(std::string_view Line) override { Lines.emplace_back(Line); }
    bool Failed() const override { return false; }
};

TEST(CalcLog, WritesEachCalculationCutWhereItStopped) {
    model::TProbDistribution Dist;
    Dist.SetDistType(model::TDistType::distPOISSON);
    Dist.DistParams().Items(1).SetValue(1);  // lambda: masses e^-1 / k!
    Dist.SetCalculateSinglePoint(false);
    Dist.SetLB(0);
    Dist.SetUB(4);
    Dist.SetNumPoints(4);
    uicore::TCalcLog Log;
    Log.Begin(Dist, uicore::TCalcMode::PdfCdf, 0, true);
    Log.End(2);  // cancelled after two rows
    Dist.SetCalculateSinglePoint(true);
    Log.Begin(Dist, uicore::TCalcMode::Icdf, 0.5, false);
    Log.End(1);
    // The model moves on; the records keep what was computed.
    Dist.SetDistType(model::TDistType::distNORMAL);
    TLines Out;
    Log.WriteCsv(Out);
    const std::vector<std::string> Expected = {
        "x,PDF,CDF", "0,0.36787944117144233,0.36787944117144233",
        "1,0.36787944117144233,0.73575888234288467", "p,x(p)", "0.5,1"};  // the median
    EXPECT_EQ(Out.Lines, Expected);

    Log.Begin(Dist, uicore::TCalcMode::PdfCdf, 0, true);  // clears the pane
    Log.End(1);
    EXPECT_EQ(Log.Records().size(), 1u);
}

}  // namespace
