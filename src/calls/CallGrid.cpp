#include "calls/CallGrid.h"

#include "calls/SchedaChiamata.h"
#include "screens/RegisterFilter.h"

namespace CallGrid {

namespace {

using namespace SchedaChiamata;

struct Widths
{
    int grid;
    int exported;
};

QList<GridColumn> columns(const Widths (&widths)[16])
{
    static const int fields[16] = {DataRit,     OraRit, Oggetto, Prodotti, Risposta, Grado,
                                   Conclusioni, Durata, Cliente, CodFisc,  Zona,     Recapito,
                                   TelCel,      Email,  Note,    Operatore};
    static const QString headers[16] = {
        QStringLiteral("Data chiamata"),
        QStringLiteral("Ora chiamata"),
        QStringLiteral("Oggetto della chiamata"),
        QStringLiteral("Prodotti e servizi proposti"),
        QStringLiteral("Risposta del cliente"),
        QStringLiteral("Grado di interesse"),
        QStringLiteral("Conclusioni"),
        QStringLiteral("Durata"),
        QStringLiteral("Cognome e nome cliente"),
        QStringLiteral("Codice fiscale"),
        QStringLiteral("Zona di appartenenza"),
        QStringLiteral("Recapito preferenziale"),
        QStringLiteral("Tel. cellulare"),
        QStringLiteral("Indirizzo e-mail"),
        QStringLiteral("Note"),
        QStringLiteral("Operatore / Agente"),
    };
    QList<GridColumn> all;
    for (int i = 0; i < 16; ++i) {
        const QString exportHeader = i == 15 ? QStringLiteral("Operatore o agente") : headers[i];
        all.append({headers[i], widths[i].grid, {fields[i]}, exportHeader, widths[i].exported});
    }
    return all;
}

} // namespace

const QList<GridColumn>& summaryColumns()
{
    static const Widths widths[16] = {{150, 150}, {150, 150}, {300, 350}, {300, 350}, {250, 250}, {250, 250},
                                      {300, 300}, {200, 250}, {250, 250}, {180, 200}, {250, 250}, {220, 200},
                                      {220, 200}, {250, 250}, {300, 300}, {250, 250}};
    static const QList<GridColumn> all = columns(widths);
    return all;
}

const QList<GridColumn>& registerColumns()
{
    static const Widths widths[16] = {{150, 150}, {150, 150}, {300, 350}, {300, 350}, {300, 300}, {200, 200},
                                      {250, 300}, {180, 180}, {250, 250}, {180, 200}, {250, 250}, {220, 200},
                                      {220, 200}, {250, 250}, {300, 300}, {250, 250}};
    static const QList<GridColumn> all = columns(widths);
    return all;
}

const GridExport& summaryTarget(Period period)
{
    static const GridExport day{QStringLiteral("Chiamate Giornaliere"),
                                QStringLiteral("Chiamate_Giornaliere.xls")};
    static const GridExport month{QStringLiteral("Chiamate Mensili"), QStringLiteral("Chiamate_Mensili.xls")};
    static const GridExport year{QStringLiteral("Chiamate Annuali"), QStringLiteral("Chiamate_Annuali.xls")};
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
    static const GridExport exported{QStringLiteral("Registro Chiamate"),
                                     QStringLiteral("Registro_Chiamate.xls")};
    return exported;
}

RecordFilter filter(const QString& year, const QString& month, const QString& day)
{
    return RegisterFilter::of(layout, {GiornoRit, MeseRit, AnnoRit}, year, month, day);
}

} // namespace CallGrid
