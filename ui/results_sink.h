// The results pane as the core's text sink. Lines are gathered and handed
// to the pane in large chunks: one append per line relays out and repaints
// the pane each time, which made a million-line range take minutes.
#pragma once

#include <QPlainTextEdit>
#include <QString>
#include <cstdint>

#include "ui/core/calc_core.h"

namespace quantiva {

class TMemoResultsSink : public uicore::TResultsSink {
public:
    // Lines per chunk: large enough to amortise the pane's layout work,
    // small enough to keep the pending text a few hundred kilobytes.
    static constexpr std::int32_t ChunkLines = 10000;

    explicit TMemoResultsSink(QPlainTextEdit* Memo) : FMemo(Memo) {}

    void AppendLine(std::string_view Line) override;
    void ClearLines() override;
    // Hands the pending lines to the pane.
    void Flush();

private:
    QPlainTextEdit* FMemo;
    QString FPending;
    std::int32_t FPendingLines = 0;
};

}  // namespace quantiva
