#pragma once

#include "storage/RecordLayout.h"

// `SchedaChiamata`: one registered call, 21 text fields, 1512 bytes.
namespace SchedaChiamata {

inline constexpr FieldSpec kFields[] = {
    {"GiornoRit", 2},   {"MeseRit", 10},      {"AnnoRit", 4},   {"DataRit", 10},   {"OreRit", 2},
    {"MinutiRit", 2},   {"OraRit", 5},        {"Oggetto", 250}, {"Prodotti", 250}, {"Risposta", 120},
    {"Grado", 50},      {"Conclusioni", 120}, {"Durata", 50},   {"Cliente", 50},   {"CodFisc", 16},
    {"Zona", 50},       {"Recapito", 50},     {"TelCel", 30},   {"Email", 50},     {"Note", 250},
    {"Operatore", 120},
};
inline constexpr RecordLayout layout{kFields};
static_assert(layout.size() == 1512);

enum Field {
    GiornoRit,
    MeseRit,
    AnnoRit,
    DataRit,
    OreRit,
    MinutiRit,
    OraRit,
    Oggetto,
    Prodotti,
    Risposta,
    Grado,
    Conclusioni,
    Durata,
    Cliente,
    CodFisc,
    Zona,
    Recapito,
    TelCel,
    Email,
    Note,
    Operatore,
};

inline constexpr char kExtension[] = ".tel";

} // namespace SchedaChiamata
