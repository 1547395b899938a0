// The results text and chart series as tests see them: a recorder that
// keeps every line and point (and counts the clears), sinks that drop
// everything, and a counter of the bytes the window would hold.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ui/core/calc_core.h"

namespace testsupport {

struct TRecordedPoint {
    std::int32_t series;
    double x, y;
};

struct TRecorder : uicore::TResultsSink, uicore::TSeriesSink {
    std::vector<std::string> lines;
    std::vector<TRecordedPoint> points;
    int lineClears = 0;
    std::vector<std::int32_t> pointClears;

    void AppendLine(std::string_view line) override { lines.emplace_back(line); }
    void ClearLines() override {
        lines.clear();
        ++lineClears;
    }
    void AddPoint(std::int32_t s, double x, double y) override { points.push_back({s, x, y}); }
    void ClearPoints(std::int32_t s) override {
        pointClears.push_back(s);
        std::erase_if(points, [s](const TRecordedPoint& p) { return p.series == s; });
    }
    std::size_t Count(std::int32_t s) const {
        return static_cast<std::size_t>(std::count_if(
            points.begin(), points.end(), [s](const TRecordedPoint& p) { return p.series == s; }));
    }
};

struct TNullSinks : uicore::TResultsSink, uicore::TSeriesSink {
    void AppendLine(std::string_view) override {}
    void ClearLines() override {}
    void AddPoint(std::int32_t, double, double) override {}
    void ClearPoints(std::int32_t) override {}
};

// What the results pane and the chart hold for the core's output: each
// line's text and newline with 20 bytes of index, 16 bytes a point.
struct TByteCounter : uicore::TResultsSink, uicore::TSeriesSink {
    double Bytes = 0;
    std::int64_t Lines = 0;
    void AppendLine(std::string_view Line) override {
        Bytes += static_cast<double>(Line.size()) + 1 + 4;  // newline, index
        ++Lines;
    }
    void ClearLines() override {}
    void AddPoint(std::int32_t, double, double) override { Bytes += 16; }
    void ClearPoints(std::int32_t) override {}
};

}  // namespace testsupport
