// The window's state kept between runs, as text items by key: what is
// written when the window closes and read, item by item, when it opens. An
// item that is missing, does not parse or lies outside its range keeps its
// default; the others still count. No file access here: the caller reads
// and writes the items (QSettings in the program, a map in the tests).
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "ui/core/calc_core.h"

namespace uicore {

using TSettingsItems = std::map<std::string, std::string>;

struct TWindowState {
    std::int32_t DistIndex = 0;  // list entry, 0..25
    std::vector<double> Values;  // every parameter, x first; empty: the catalogue's
    std::int32_t Decimals = 4;
    bool Single = false;
    std::int32_t NumPoints = 50;
    double LB = 0.0;
    double UB = 1.0;
    TCalcMode Mode = TCalcMode::PdfCdf;
    double P = 0.0;
    bool ClearAfterEach = true;
    bool ShowPDF = true;
    bool ShowCDF = true;
    bool AdditionalInfo = true;
    bool LogPdfAxis = false;
    std::int32_t Page = 0;  // 0 Results, 1 Chart
    std::string Geometry;   // the toolkit's own blobs, as base64 text
    std::string Splitter;

    bool operator==(const TWindowState&) const = default;
};

TSettingsItems WindowStateItems(const TWindowState& State);
TWindowState ReadWindowState(const TSettingsItems& Items);

}  // namespace uicore
