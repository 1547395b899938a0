// Rows of the annotation band: "parameters:" leads the first parameter row
// and the rows it continues on are indented by as much.
#include "ui/chart_annotation.h"

#include "ui/locale_text.h"

namespace quantiva {

QStringList AnnotationRows(const uicore::TAnnotationText& Text, const QFontMetrics& Metrics,
                           int Width) {
    const auto Fitted = [&](const QString& Row) {
        return Metrics.elidedText(Row, Qt::ElideRight, Width);
    };
    QStringList Rows{Fitted(ToQString(Text.Title))};
    const QString Lead = QStringLiteral("parameters: ");
    const QString Gap = QStringLiteral("   ");
    QString Row = Lead;
    bool RowHasEntry = false;
    for (const std::string& Entry : Text.Parameters) {
        const QString Next = RowHasEntry ? Row + Gap + ToQString(Entry) : Row + ToQString(Entry);
        if (RowHasEntry && Metrics.horizontalAdvance(Next) > Width) {
            Rows << Fitted(Row);
            Row = QString(Lead.size(), QLatin1Char(' ')) + ToQString(Entry);
        } else {
            Row = Next;
        }
        RowHasEntry = true;
    }
    if (RowHasEntry) Rows << Fitted(Row);
    Rows << Fitted(ToQString(Text.Range));
    return Rows;
}

}  // namespace quantiva
