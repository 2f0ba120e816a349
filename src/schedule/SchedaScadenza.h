#pragma once

#include "storage/RecordLayout.h"

// `SchedaScadenza`: one appointment or deadline, 25 text fields, 1368 bytes.
namespace SchedaScadenza {

inline constexpr FieldSpec kFields[] = {
    {"Giorno", 2},
    {"Mese", 10},
    {"Anno", 4},
    {"Data", 10},
    {"OreApp", 2},
    {"MinutiApp", 2},
    {"Ora", 5},
    {"Avviso", 3},
    {"Pagatore", 50},
    {"CodFisc", 16},
    {"NumTessera", 50},
    {"Carica", 50},
    {"TelCel", 30},
    {"Recapito", 50},
    {"Anticipi", 120},
    {"Complessivo", 50},
    {"Rateazione", 120},
    {"Beneficiario", 50},
    {"Dettagli", 250},
    {"Officina", 150},
    {"Costo", 15},
    {"Contatto", 50},
    {"Note", 250},
    {"DaConfermare", 2},
    {"Effettuata", 2},
};
inline constexpr RecordLayout layout{kFields};
static_assert(layout.size() == 1368);

enum Field {
    Giorno,
    Mese,
    Anno,
    Data,
    OreApp,
    MinutiApp,
    Ora,
    Avviso,
    Pagatore,
    CodFisc,
    NumTessera,
    Carica,
    TelCel,
    Recapito,
    Anticipi,
    Complessivo,
    Rateazione,
    Beneficiario,
    Dettagli,
    Officina,
    Costo,
    Contatto,
    Note,
    DaConfermare,
    Effettuata,
};

inline constexpr char kExtension[] = ".sca";

} // namespace SchedaScadenza
