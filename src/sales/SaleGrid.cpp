#include "sales/SaleGrid.h"

#include "sales/SchedaVendita.h"
#include "screens/RegisterFilter.h"

using namespace Qt::StringLiterals;

namespace SaleGrid {

const QList<GridColumn>& columns()
{
    using namespace SchedaVendita;
    // header, grid width, field, export header, export width
    static const QList<GridColumn> all = {
        {u"Data vendita"_s, 150, {DataRit}, u"Data vendita"_s, 150},
        {u"Ora vendita"_s, 150, {OraRit}, u"Ora vendita"_s, 150},
        {u"Codice articolo"_s, 180, {Codice}, u"Codice articolo"_s, 200},
        {u"Tipologia"_s, 250, {Tipologia}, u"Tipologia"_s, 250},
        {u"Descrizione"_s, 300, {Descrizione}, u"Descrizione"_s, 300},
        {u"Importo in euro"_s, 150, {Importo}, u"Importo in euro"_s, 200},
        {u"Modalità di consegna"_s, 250, {Consegna}, u"Modalità di consegna"_s, 250},
        {u"Modalità di pagamento"_s, 250, {Pagamento}, u"Modalità di pagamento"_s, 250},
        {u"Cognome e nome cliente"_s, 250, {Cliente}, u"Cognome e nome cliente"_s, 250},
        {u"Codice fiscale"_s, 180, {CodFisc}, u"Codice fiscale"_s, 200},
        {u"Zona di appartenenza"_s, 250, {Zona}, u"Zona di appartenenza"_s, 250},
        {u"Recapito preferenziale"_s, 220, {Recapito}, u"Recapito preferenziale"_s, 200},
        {u"Tel. cellulare"_s, 220, {TelCel}, u"Tel. cellulare"_s, 200},
        {u"Indirizzo e-mail"_s, 250, {Email}, u"Indirizzo e-mail"_s, 250},
        {u"Note"_s, 300, {Note}, u"Note"_s, 300},
        {u"Operatore / Agente"_s, 250, {Operatore}, u"Operatore o agente"_s, 250},
    };
    return all;
}

const GridExport& summaryTarget(Period period)
{
    static const GridExport day{u"Vendite Giornaliere"_s, u"Vendite_Giornaliere.xls"_s};
    static const GridExport month{u"Vendite Mensili"_s, u"Vendite_Mensili.xls"_s};
    static const GridExport year{u"Vendite Annuali"_s, u"Vendite_Annuali.xls"_s};
    switch (period) {
    case Period::Day:
        return day;
    case Period::Month:
        return month;
    case Period::Year:
        break;
    }
    return year;
}

const GridExport& registerTarget()
{
    static const GridExport exported{u"Registro Vendite"_s, u"Registro_Vendite.xls"_s};
    return exported;
}

RecordFilter filter(const QString& year, const QString& month, const QString& day)
{
    using namespace SchedaVendita;
    return RegisterFilter::of(layout, {GiornoRit, MeseRit, AnnoRit}, year, month, day);
}

} // namespace SaleGrid
