#include "products/ProductCard.h"

#include "products/ProductCalculations.h"
#include "products/ProductHelp.h"
#include "products/ProductPrices.h"
#include "products/SchedaArticolo.h"
#include "screens/CardScreen.h"
#include "storage/Record.h"

using namespace Qt::StringLiterals;
using namespace SchedaArticolo;

namespace {

// clang-format off
QList<CardField> fields()
{
    using K = FieldKind;
    const auto zero = CardDefault::text(u"0"_s);
    const auto zeroAmount = CardDefault::text(u"0,00"_s);
    return {
        // control                 field           kind            label
        {u"txtCodice"_s,           Codice,         K::Text,        u"Codice articolo:"_s},
        {u"txtTipologia"_s,        Tipologia,      K::Text,        u"Tipologia:"_s},
        {u"txtMarca"_s,            Marca,          K::Text,        u"Marca:"_s},
        {u"txtModello"_s,          Modello,        K::Text,        u"Modello:"_s},
        {u"txtDescrizione"_s,      Descrizione,    K::Text,        u"Descrizione:"_s},
        {u"txtAccessori"_s,        Accessori,      K::Text,        u"Accessori:"_s},
        {u"txtFornitore"_s,        Fornitore,      K::Text,        u"Fornitore:"_s},
        {u"txtRecapiti"_s,         Recapiti,       K::Text,        u"Recapito preferenziale:"_s},
        {u"txtData"_s,             Data,           K::Text,        u"Data di acquisto:"_s},
        {u"txtDocumento"_s,        Documento,      K::Text,        u"Estremi documento di acquisto:"_s},
        {u"txtOrdine"_s,           Ordine,         K::Text,        u"Modalità di ordine merce:"_s},
        {u"txtGiacenza"_s,         Giacenza,       K::WholeNumber, u"Giacenza:"_s, {}, zero},
        {u"txtSottoscorta"_s,      Sottoscorta,    K::WholeNumber, u"Avviso sottoscorta n."_s, {}, zero},
        {u"txtCosto"_s,            Costo,          K::Amount,      u"Costo:"_s, {}, zeroAmount},
        {u"txtValore"_s,           Valore,         K::Amount,      u"Valore (costo x giacenza):"_s, {}, zeroAmount},
        {u"txtPrezzo"_s,           Prezzo,         K::Amount,      u"Prezzo:"_s, {}, zeroAmount},
        {u"txtPercIva"_s,          PercIva,        K::WholeNumber, u"Perc. IVA:"_s, {}, zero},
        {u"txtPrezzo_con_Iva"_s,   Prezzo_con_Iva, K::Amount,      u"Prezzo con IVA:"_s, {}, zeroAmount},
        {u"txtCollocazione"_s,     Collocazione,   K::Text,        u"Collocazione in magazzino:"_s},
        {u"txtNote"_s,             Note,           K::Text,        u"Note:"_s},
        {u"memConsumo"_s,          Consumo,        K::Hidden},
        {u"memAderenza"_s,         Aderenza,       K::Hidden},
        {u"memRumore"_s,           Rumore,         K::Hidden},
        {u"memOnde"_s,             Onde,           K::Hidden},
        {u"lblFile01"_s,           File01,         K::Hidden},
        {u"lblFile02"_s,           File02,         K::Hidden},
        {u"lblFile03"_s,           File03,         K::Hidden},
        {u"lblDesc01"_s,           Desc01,         K::Hidden},
        {u"lblDesc02"_s,           Desc02,         K::Hidden},
        {u"lblDesc03"_s,           Desc03,         K::Hidden},
        {u"lblCartella"_s,         Cartella,       K::Hidden},
        {u"lblCartellaDesc"_s,     CartellaDesc,   K::Hidden},
    };
}

QList<CardSection> sections()
{
    return {
        {u"fraIdentificazione"_s, u"Identificazione"_s, {},
         {{{u"txtCodice"_s, 4}, {u"txtTipologia"_s, 8}},
          {{u"txtMarca"_s, 6}, {u"txtModello"_s, 6}},
          {{u"txtDescrizione"_s, 6}, {u"txtAccessori"_s, 6}}},
         {{u"btnPneumatici"_s}}},
        {u"fraFornitore"_s, u"Fornitore e acquisto"_s, {},
         {{{u"txtFornitore"_s, 7}, {u"txtRecapiti"_s, 5}},
          {{u"txtData"_s, 4}, {u"txtDocumento"_s, 8}},
          {{u"txtOrdine"_s, 12}}}},
        {u"fraGiacenza"_s, u"Giacenza e prezzi"_s, {},
         {{{u"txtGiacenza"_s, 3}, {u"btnAggiungi"_s, 1}, {u"btnSottrai"_s, 1},
           {u"txtSottoscorta"_s, 3, {}, u"pezzi rimasti."_s}},
          {{u"txtCosto"_s, 3}, {u"txtValore"_s, 3}, {u"btnValore"_s, 2}},
          {{u"txtPrezzo"_s, 3}, {u"txtPercIva"_s, 2, {}, u"%"_s}, {u"txtPrezzo_con_Iva"_s, 3},
           {u"btnCalcola"_s, 2}, {u"btnScorpora"_s, 2}}}},
        {u"fraCollocazione"_s, u"Collocazione e note"_s, {},
         {{{u"txtCollocazione"_s, 12}},
          {{u"txtNote"_s, 12}}}},
    };
}

QList<CardButton> buttons()
{
    return {
        // name                caption                  hint
        {u"btnPneumatici"_s,  u"Altre informazioni"_s, u"Registra ulteriori informazioni sul prodotto corrente."_s},
        {u"btnAggiungi"_s,    u"+"_s,                  u"Aggiorna la giacenza aggiungendo una certa quantità."_s},
        {u"btnSottrai"_s,     u"-"_s,                  u"Aggiorna la giacenza sottraendo una certa quantità."_s},
        {u"btnValore"_s,      u"Calcola valore"_s,
         u"Calcola il valore totale della merce in magazzino moltiplicando il costo per la giacenza."_s},
        {u"btnCalcola"_s,     u"Calcola"_s,
         u"Calcola il prezzo IVA inclusa dell'articolo corrente in base all'aliquota indicata."_s},
        {u"btnScorpora"_s,    u"Scorpora"_s,
         u"Scorpora il prezzo lordo dell'articolo corrente calcolando l'imponibile in base all'aliquota IVA "
         u"indicata."_s},
    };
}

QList<CardButton> commands()
{
    return {
        CardCommands::nuovo(),
        CardCommands::duplica(),
        {u"cmdFile"_s, u"Allega file"_s, u"Allega file alla scheda corrente."_s, u":/artwork/allega.svg"_s},
        CardCommands::salva(u"Salva la scheda corrente in archivio."_s),
        CardCommands::trova(),
        {u"cmdStampa"_s, u"Stampa"_s, u"Stampa la scheda corrente."_s, u":/artwork/stampa.svg"_s},
        {u"cmdPDF"_s, u"Crea PDF"_s, u"Esporta la scheda in formato PDF."_s, u":/artwork/crea_pdf.svg"_s},
        {u"cmdWeb"_s, u"Cerca sul Web"_s,
         u"Cerca sul Web, tramite Google, informazioni relative all'articolo corrente."_s, u":/artwork/web.svg"_s},
        {u"cmdSottoscorta"_s, u"Sottoscorta"_s, u"Visualizza l'elenco dei materiali in esaurimento."_s,
         u":/artwork/sottoscorta.svg"_s},
        {u"cmdEsporta"_s, u"Esporta archivio"_s, u"Esporta le schede in archivio in un file di Microsoft Excel."_s,
         u":/artwork/esporta.svg"_s},
        CardCommands::guida(u"Visualizza la pagina della guida sensibile al contesto."_s),
        CardCommands::esci(u"Esci da questa schermata di lavoro."_s),
    };
}
// clang-format on

} // namespace

namespace ProductCard {

CardDefinition definition()
{
    CardDefinition card;
    card.window = u"TfrmMagazzino"_s;
    card.caption = u" Telvara 3.0 - Magazzino Prodotti e Servizi"_s;
    card.layout = &layout;
    card.file = CardFile::inProgramFolder(QString::fromLatin1(kFileName));
    card.fields = fields();
    card.sections = sections();
    card.buttons = buttons();
    card.commands = commands();
    card.enterChain = {
        u"txtCodice"_s,      u"txtTipologia"_s,      u"txtMarca"_s,        u"txtModello"_s,
        u"txtDescrizione"_s, u"txtAccessori"_s,      u"txtFornitore"_s,    u"txtRecapiti"_s,
        u"txtData"_s,        u"txtDocumento"_s,      u"txtOrdine"_s,       u"txtGiacenza"_s,
        u"txtSottoscorta"_s, u"txtCosto"_s,          u"txtValore"_s,       u"txtPrezzo"_s,
        u"txtPercIva"_s,     u"txtPrezzo_con_Iva"_s, u"txtCollocazione"_s, u"txtNote"_s,
    };
    card.idleText = u"Pronto per archiviare una nuova scheda..."_s;
    card.help = ProductHelp::topic();
    card.checks = {
        CardCheck::required(u"txtCodice"_s,
                            u"Attenzione: per salvare la scheda è necessario indicare il codice articolo."_s),
    };
    card.beforeWrite = [](CardScreen& screen) { return ProductCalculations::prepareSave(screen); };
    // Another workstation may have sold pieces since the card was shown: a stock changed here is a
    // movement of the stored stock, and the values derived from it are computed again from what is written.
    card.counts = {u"txtGiacenza"_s};
    card.derived = {u"txtValore"_s, u"txtPrezzo_con_Iva"_s};
    card.derive = [](Record& product) {
        if (const std::optional<QString> value =
                ProductPrices::stockValue(product.text(Costo), product.text(Giacenza)))
            product.setText(Valore, *value);
        if (const std::optional<QString> gross =
                ProductPrices::withVat(product.text(Prezzo), product.text(PercIva)))
            product.setText(Prezzo_con_Iva, *gross);
    };
    card.duplicate = true;
    for (const char16_t* attachment : {u"lblFile01", u"lblFile02", u"lblFile03", u"lblDesc01", u"lblDesc02",
                                       u"lblDesc03", u"lblCartella", u"lblCartellaDesc"})
        card.duplicateResets.append({QString::fromUtf16(attachment), QString()});
    card.accessMessageKind = Messages::Kind::Warning;
    return card;
}

} // namespace ProductCard
