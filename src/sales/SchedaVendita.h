#pragma once

#include "storage/RecordLayout.h"

// `SchedaVendita`: one registered sale, 21 text fields, 1517 bytes.
namespace SchedaVendita {

inline constexpr FieldSpec kFields[] = {
    {"GiornoRit", 2},   {"MeseRit", 10},   {"AnnoRit", 4},     {"DataRit", 10},   {"OreRit", 2},
    {"MinutiRit", 2},   {"OraRit", 5},     {"Codice", 30},     {"Tipologia", 50}, {"Descrizione", 250},
    {"Importo", 15},    {"Consegna", 250}, {"Pagamento", 250}, {"Cliente", 50},   {"CodFisc", 16},
    {"Zona", 50},       {"Recapito", 50},  {"TelCel", 30},     {"Email", 50},     {"Note", 250},
    {"Operatore", 120},
};
inline constexpr RecordLayout layout{kFields};
static_assert(layout.size() == 1517);

enum Field {
    GiornoRit,
    MeseRit,
    AnnoRit,
    DataRit,
    OreRit,
    MinutiRit,
    OraRit,
    Codice,
    Tipologia,
    Descrizione,
    Importo,
    Consegna,
    Pagamento,
    Cliente,
    CodFisc,
    Zona,
    Recapito,
    TelCel,
    Email,
    Note,
    Operatore,
};

inline constexpr char kExtension[] = ".ven";

} // namespace SchedaVendita
