#include "platform/ReportRow.h"

QString ReportRow::valueFrom(const ControlTexts& controls) const
{
    QString result;
    for (const ReportPiece& piece : value) {
        if (piece.kind == ReportPiece::Kind::Literal)
            result += piece.text;
        else
            result += controls.value(piece.text).trimmed();
    }
    return result;
}
