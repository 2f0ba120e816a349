#pragma once

#include "storage/RecordLayout.h"

// `SchedaCliente`: one client card, 36 text fields, 3372 bytes.
namespace SchedaCliente {

inline constexpr FieldSpec kFields[] = {
    {"Cliente", 50},   {"DataNasc", 30},     {"ComuneNasc", 50},  {"ProvNasc", 2},    {"Sesso", 1},
    {"Recapito", 50},  {"IndirizzoRes", 50}, {"ProvRes", 2},      {"ComuneRes", 50},  {"CapRes", 5},
    {"Estremi", 250},  {"TelCasa", 30},      {"TelUff", 30},      {"TelCel", 30},     {"Fax", 30},
    {"Email", 50},     {"CodFisc", 16},      {"Carta", 30},       {"ScadeCarta", 30}, {"PartitaIva", 11},
    {"Iban", 27},      {"Documento", 120},   {"Occupazione", 50}, {"Civile", 50},     {"Titoli", 120},
    {"Prodotti", 120}, {"Zona", 50},         {"Questioni", 250},  {"Note", 250},      {"Ricontatta", 2},
    {"File01", 250},   {"File02", 250},      {"File03", 250},     {"Desc01", 250},    {"Desc02", 250},
    {"Desc03", 250},
};
inline constexpr RecordLayout layout{kFields};
static_assert(layout.size() == 3372);

enum Field {
    Cliente,
    DataNasc,
    ComuneNasc,
    ProvNasc,
    Sesso,
    Recapito,
    IndirizzoRes,
    ProvRes,
    ComuneRes,
    CapRes,
    Estremi,
    TelCasa,
    TelUff,
    TelCel,
    Fax,
    Email,
    CodFisc,
    Carta,
    ScadeCarta,
    PartitaIva,
    Iban,
    Documento,
    Occupazione,
    Civile,
    Titoli,
    Prodotti,
    Zona,
    Questioni,
    Note,
    Ricontatta,
    File01,
    File02,
    File03,
    Desc01,
    Desc02,
    Desc03,
};

inline constexpr char kFileName[] = "Clienti.pro";

} // namespace SchedaCliente
