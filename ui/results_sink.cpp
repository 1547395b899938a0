// Pending lines are joined by newlines; appendPlainText turns each into a
// paragraph of its own, so the pane ends with the same lines as appending
// them one by one.
#include "ui/results_sink.h"

#include "ui/locale_text.h"

namespace quantiva {

void TMemoResultsSink::AppendLine(std::string_view Line) {
    if (FPendingLines > 0) FPending += QLatin1Char('\n');
    FPending += ToQString(Line);
    if (++FPendingLines >= ChunkLines) Flush();
}

void TMemoResultsSink::ClearLines() {
    FPending.clear();
    FPendingLines = 0;
    FMemo->clear();
}

void TMemoResultsSink::Flush() {
    if (FPendingLines == 0) return;
    FMemo->appendPlainText(FPending);
    FPending.clear();
    FPendingLines = 0;
}

}  // namespace quantiva
