// Region outlines: the spans are clipped to the view so that an open tail
// ends at the chart's edge; a continuous density is sampled evenly, a mass
// function drawn as bars of width 1 as its whole numbers carry it.
#include "ui/core/region_shading.h"

#include <algorithm>
#include <cmath>

#include "model/intervals.h"

namespace uicore {

namespace {

double Density(const model::TProbDistribution& D, double X) {
    D.DistParams().Items(0).SetValue(X);
    const double y = D.PDF();
    return std::isfinite(y) ? y : 0.0;
}

void AddSpan(std::vector<std::pair<double, double>>& Spans, double From, double To, double ViewMin,
             double ViewMax) {
    const double from = std::max(From, ViewMin), to = std::min(To, ViewMax);
    if (from < to) Spans.emplace_back(from, to);
}

void Fill(std::vector<TOutlinePoint>& Outline, const model::TProbDistribution& Distribution,
          double From, double To, std::int32_t Samples) {
    if (model::IsDiscrete(Distribution.DistType())) {
        // Whole numbers k with From < k <= To: the region P(From < X <= To).
        // Counted steps: beyond 2^53 adding 1 would leave k where it was.
        const double first = std::floor(From) + 1, last = std::floor(To);
        for (std::int32_t i = 0; i < MaxSteps && first + i <= last; ++i) {
            const double k = first + i;
            const double y = Density(Distribution, k);
            Outline.push_back({k - 0.5, 0});
            Outline.push_back({k - 0.5, y});
            Outline.push_back({k + 0.5, y});
            Outline.push_back({k + 0.5, 0});
        }
    } else {
        const std::int32_t n = std::max<std::int32_t>(Samples, 1);
        Outline.reserve(static_cast<std::size_t>(n) + 3);
        Outline.push_back({From, 0});
        for (std::int32_t i = 0; i <= n; ++i) {
            const double x = i == n ? To : From + (To - From) * i / n;
            Outline.push_back({x, Density(Distribution, x)});
        }
        Outline.push_back({To, 0});
    }
}

}  // namespace

std::vector<std::pair<double, double>> VisibleSpans(const TQueryAnswer& Answer, double ViewMin,
                                                    double ViewMax) {
    std::vector<std::pair<double, double>> spans;
    if (std::isnan(Answer.Lower) || std::isnan(Answer.Upper) || !(ViewMin < ViewMax)) return spans;
    if (Answer.Outside) {
        AddSpan(spans, ViewMin, Answer.Lower, ViewMin, ViewMax);
        AddSpan(spans, Answer.Upper, ViewMax, ViewMin, ViewMax);
    } else {
        AddSpan(spans, Answer.Lower, Answer.Upper, ViewMin, ViewMax);
    }
    return spans;
}

std::vector<TOutlinePoint> DensityOutline(const model::TProbDistribution& Distribution, double From,
                                          double To, std::int32_t Samples) {
    std::vector<TOutlinePoint> outline;
    if (!(From < To) || !std::isfinite(From) || !std::isfinite(To)) return outline;
    model::TProbParameter& point = Distribution.DistParams().Items(0);
    const double saved = point.Value();
    try {
        Fill(outline, Distribution, From, To, Samples);
    } catch (...) {
        point.SetValue(saved);
        throw;
    }
    point.SetValue(saved);
    return outline;
}

}  // namespace uicore
