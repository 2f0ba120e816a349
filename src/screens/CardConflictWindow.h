#pragma once

#include "screens/CardMerge.h"

#include <QDialog>
#include <QList>

class QRadioButton;

// Asks, for each field that this workstation and another changed differently since the card was loaded,
// which value to save: the one in the archive or the one typed here (the value first shown is beside
// them). Salva keeps the choices; Annulla saves nothing.
class CardConflictWindow : public QDialog
{
    Q_OBJECT

public:
    // captions: the caption of each conflicting field, in the order of conflicts.
    CardConflictWindow(const QList<CardMerge::Conflict>& conflicts, const QStringList& captions,
                       QWidget* parent = nullptr);

    // For each conflict in order: true to keep the value typed here, false to keep the archive's.
    QList<bool> keepMine() const;
    void setKeepMine(int conflict, bool mine);

private:
    QList<QRadioButton*> m_mine;
    QList<QRadioButton*> m_stored;
};
