#include "operators/OperatorExport.h"

#include "operators/OperatorHelp.h"
#include "operators/SchedaOperatore.h"
#include "platform/ProgramFolder.h"
#include "storage/RecordFile.h"

using namespace Qt::StringLiterals;

namespace OperatorExport {

using namespace SchedaOperatore;

namespace {

// The grid shows each column under its spreadsheet header and as wide.
GridColumn column(const QString& header, int width, const QList<int>& fields)
{
    return {header, width, fields, header, width};
}

} // namespace

const QList<GridColumn>& columns()
{
    // clang-format off
    static const QList<GridColumn> all = {
        column(u"Cognome e nome"_s,                   250, {Cognome, Nome}),
        column(u"Codice fiscale"_s,                   200, {CodFisc}),
        column(u"Data di nascita"_s,                  200, {DataNasc}),
        column(u"Comune / Stato estero di nascita"_s, 250, {ComuneNasc}),
        column(u"Partita IVA"_s,                      200, {Iva}),
        column(u"Indirizzo di residenza"_s,           250, {Indirizzo}),
        column(u"Comune di residenza"_s,              250, {ComuneRes}),
        column(u"Recapito preferenziale"_s,           250, {Recapito}),
        column(u"Tel. casa"_s,                        200, {TelCasa}),
        column(u"Tel. cellulare"_s,                   200, {TelCel}),
        column(u"E-mail"_s,                           250, {Email}),
        column(u"Categoria"_s,                        250, {Categoria}),
        column(u"Qualifica principale"_s,             250, {Qualifiche}),
        column(u"Giorni e orari disponibilità"_s,     300, {Familiari}),
        column(u"IBAN"_s,                             300, {Iban}),
        column(u"Intestatario C/C"_s,                 250, {Intestatario}),
        column(u"Modalità di pagamento"_s,            250, {Pagamento}),
        column(u"Equipaggiamento assegnato"_s,        300, {Prodotti}),
        column(u"Tipo documento"_s,                   250, {TipoDoc}),
        column(u"Numero documento"_s,                 250, {NumDoc}),
        column(u"Ente rilascio"_s,                    250, {EnteRil}),
        column(u"Data rilascio"_s,                    200, {DataRil}),
        column(u"Data scadenza"_s,                    200, {DataSca}),
        column(u"Mansione"_s,                         250, {Codice}),
        column(u"Note"_s,                             300, {Note}),
    };
    // clang-format on
    return all;
}

const GridExport& target()
{
    static const GridExport exported{u"Personale Interno"_s, u"Personale_Interno.xls"_s};
    return exported;
}

ExportDefinition definition()
{
    return {
        u" Esporta archivio operatori e agenti in Microsoft Excel"_s,
        OperatorHelp::exportTopic(),
        columns(),
        target(),
        [](TextTable& rows) {
            const RecordFile file(ProgramFolder::file(QLatin1StringView(kFileName)), layout);
            return RecordGrid::fill(file, columns(), rows);
        },
    };
}

} // namespace OperatorExport
