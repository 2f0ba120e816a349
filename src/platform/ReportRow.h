#pragma once

#include <QHash>
#include <QList>
#include <QString>

// The texts of a card's controls at the moment of printing, keyed by control name ("txtCliente").
using ControlTexts = QHash<QString, QString>;

// A piece of a printed value: fixed text, or a control's text trimmed at both ends.
struct ReportPiece
{
    enum class Kind { Literal, Control };

    Kind kind = Kind::Literal;
    QString text; // the literal, or the control's name

    static ReportPiece literal(const QString& text) { return {Kind::Literal, text}; }
    static ReportPiece control(const QString& name) { return {Kind::Control, name}; }
};

// One row of a printed card: its caption and how its value is put together from the card's controls.
// Each control's text is trimmed on its own, so a joined blank stays where it is put.
struct ReportRow
{
    QString caption;
    QList<ReportPiece> value;

    QString valueFrom(const ControlTexts& controls) const;
};
