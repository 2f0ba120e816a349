#include "calls/CallGrid.h"

#include "calls/SchedaChiamata.h"
#include "storage/TextField.h"
#include "storage/Windows1252.h"

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
    // Compared on the stored bytes: a million calls are filtered without decoding a field.
    const QByteArray wantedYear = Windows1252::encode(TextField::trimmed(year));
    const QByteArray wantedMonth = Windows1252::encode(TextField::trimmed(month));
    const QByteArray wantedDay = Windows1252::encode(TextField::trimmed(day));
    const auto same = [](QByteArrayView stored, const QByteArray& wanted) {
        stored = stored.trimmed();
        if (stored.size() != wanted.size())
            return false;
        for (qsizetype i = 0; i < wanted.size(); ++i)
            if (Windows1252::toLower(static_cast<unsigned char>(stored[i])) !=
                Windows1252::toLower(static_cast<unsigned char>(wanted[i])))
                return false;
        return true;
    };
    return [=](const RecordView& call) {
        return call.raw(AnnoRit).trimmed() == wantedYear &&
               (wantedMonth.isEmpty() || same(call.raw(MeseRit), wantedMonth)) &&
               (wantedDay.isEmpty() || same(call.raw(GiornoRit), wantedDay));
    };
}

} // namespace CallGrid
