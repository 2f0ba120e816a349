#pragma once

#include "storage/RecordLayout.h"

// `SchedaArticolo`: one product or service card, 32 text fields, 4874 bytes.
namespace SchedaArticolo {

inline constexpr FieldSpec kFields[] = {
    {"Codice", 30},
    {"Tipologia", 250},
    {"Marca", 250},
    {"Modello", 250},
    {"Accessori", 250},
    {"Descrizione", 250},
    {"Fornitore", 250},
    {"Recapiti", 50},
    {"Data", 50},
    {"Costo", 15},
    {"Valore", 15},
    {"Documento", 250},
    {"Ordine", 250},
    {"Prezzo", 15},
    {"PercIva", 2},
    {"Prezzo_con_Iva", 15},
    {"Collocazione", 250},
    {"Giacenza", 15},
    {"Sottoscorta", 15},
    {"Consumo", 30},
    {"Aderenza", 30},
    {"Rumore", 30},
    {"Onde", 30},
    {"Note", 250},
    {"File01", 250},
    {"File02", 250},
    {"File03", 250},
    {"Desc01", 250},
    {"Desc02", 250},
    {"Desc03", 250},
    {"Cartella", 250},
    {"CartellaDesc", 250},
};
inline constexpr RecordLayout layout{kFields};
static_assert(layout.size() == 4874);

enum Field {
    Codice,
    Tipologia,
    Marca,
    Modello,
    Accessori,
    Descrizione,
    Fornitore,
    Recapiti,
    Data,
    Costo,
    Valore,
    Documento,
    Ordine,
    Prezzo,
    PercIva,
    Prezzo_con_Iva,
    Collocazione,
    Giacenza,
    Sottoscorta,
    Consumo,
    Aderenza,
    Rumore,
    Onde,
    Note,
    File01,
    File02,
    File03,
    Desc01,
    Desc02,
    Desc03,
    Cartella,
    CartellaDesc,
};

inline constexpr char kFileName[] = "Magazzino.pro";

} // namespace SchedaArticolo
