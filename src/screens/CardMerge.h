#pragma once

#include "storage/Record.h"

#include <QList>
#include <QSet>
#include <QString>

// How a card's Save meets the record as it is stored now, which another workstation may have saved
// since the card loaded it. Three versions of one record, field by field: as the card loaded it (base),
// as it is stored now (stored) and as the card would write it (mine). A field this card did not change
// keeps the stored bytes; a field it changed takes its own value, unless the stored record changed the
// same field to another value: a count of pieces then moves the stored count by as much as this card
// moved it (a stock movement), any other field is a conflict the operator settles.
namespace CardMerge {

// A field both sides changed, differently: its texts in the three versions.
struct Conflict
{
    int field = -1;
    QString stored;
    QString mine;
    QString base;
};

struct Outcome
{
    // What to write: valid when there is no conflict; a conflicting field holds this card's value.
    Record merged;
    QList<Conflict> conflicts;
    // The stored record differs from what the card loaded.
    bool changedElsewhere = false;
};

// edited: the fields this card changed; counts: the fields holding a count of pieces.
Outcome merge(const Record& base, const Record& stored, const Record& mine, const QSet<int>& edited,
              const QSet<int>& counts);

// Copies one field's stored bytes, length byte and all, from one record into another of its layout.
void copyField(Record& to, const Record& from, int field);

} // namespace CardMerge
