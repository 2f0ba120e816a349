#include "schedule/ScheduleGrid.h"

#include "rules/DateText.h"
#include "rules/StoredMonth.h"
#include "schedule/SchedaScadenza.h"
#include "schedule/ScheduleRules.h"
#include "storage/RecordFile.h"
#include "storage/TextField.h"

#include <array>
#include <optional>

using namespace Qt::StringLiterals;

namespace ScheduleGrid {

namespace {

using namespace SchedaScadenza;

struct Column
{
    const char16_t* header;
    int field;
    int gridWidth;
    int exportWidth;
};

// clang-format off
const Column kColumns[] = {
    {u"Data scadenza",              Data,         150, 150},
    {u"Ora appuntamento",           Ora,          150, 150},
    {u"Cognome e nome cliente",     Pagatore,     250, 250},
    {u"Codice fiscale",             CodFisc,      180, 200},
    {u"Zona di appartenenza",       NumTessera,   250, 250},
    {u"Questioni in sospeso",       Carica,       250, 250},
    {u"Tel. cellulare",             TelCel,       200, 200},
    {u"Recapito preferenziale",     Recapito,     200, 200},
    {u"Operatore telefonico",       Anticipi,     250, 250},
    {u"Luogo appuntamento",         Complessivo,  250, 250},
    {u"Durata prevista",            Rateazione,   200, 200},
    {u"Agente incaricato",          Beneficiario, 250, 250},
    {u"Causale scadenza",           Dettagli,     300, 300},
    {u"Modalità di pagamento",      Officina,     300, 300},
    {u"Importo in euro",            Costo,        200, 200},
    {u"Estremi ricevuta",           Contatto,     250, 250},
    {u"Appuntamento da confermare", DaConfermare, 200, 250},
    {u"Pagamento effettuato",       Effettuata,   200, 250},
    {u"Note",                       Note,         300, 300},
};
// clang-format on

QList<GridColumn> fieldColumns()
{
    QList<GridColumn> all;
    for (const Column& column : kColumns) {
        const QString header = QString::fromUtf16(column.header);
        all.append({header, column.gridWidth, {column.field}, header, column.exportWidth});
    }
    return all;
}

} // namespace

const QList<GridColumn>& listColumns()
{
    static const QList<GridColumn> all = [] {
        QList<GridColumn> columns = fieldColumns();
        columns.append({u"Codice univoco"_s, 150, {}, u"Codice univoco"_s, 150});
        return columns;
    }();
    return all;
}

const QList<GridColumn>& archiveColumns()
{
    static const QList<GridColumn> all = fieldColumns();
    return all;
}

const GridExport& listTarget(List list)
{
    static const GridExport day{u"Scadenze del giorno"_s, u"Scadenze_Giornaliere.xls"_s};
    static const GridExport month{u"Scadenze del mese"_s, u"Scadenze_Mensili.xls"_s};
    static const GridExport imminent{u"Scadenze imminenti"_s, u"Scadenze_Imminenti.xls"_s};
    switch (list) {
    case List::Day:
        return day;
    case List::Month:
        return month;
    case List::Imminent:
        break;
    }
    return imminent;
}

const GridExport& archiveTarget()
{
    static const GridExport exported{u"Scadenzario e Appuntamenti"_s, u"Scadenzario_e_Appuntamenti.xls"_s};
    return exported;
}

Selection dayOf(QDate date)
{
    return [wanted = date.toJulianDay()](const RecordView& appointment) -> std::optional<bool> {
        // A date that cannot be read is on no day: the record is left out and counted.
        const std::optional<qint64> day = DateText::julianDayBytes(appointment.raw(Data));
        if (!day)
            return std::nullopt;
        return *day == wanted;
    };
}

Selection monthOf(QDate date)
{
    const QByteArray year = date.toString(u"yyyy"_s).toLatin1();
    return [wanted = date.month(), year,
            months = StoredMonth(layout, Mese)](const RecordView& appointment) -> std::optional<bool> {
        if (const int month = months.of(appointment); month != wanted) {
            // A month that is no month's name cannot be placed: the record is left out and counted.
            if (month == 0)
                return std::nullopt;
            return false;
        }
        // Chosen by month and year alone: a date that cannot be read still leaves the record in its month.
        return TextField::trimmedAscii(appointment.raw(Anno)) == year;
    };
}

Selection imminentOn(QDate today)
{
    return [today](const RecordView& appointment) { return ScheduleRules::imminent(appointment, today); };
}

qint64 fillList(const RecordFile& file, const Selection& selection, TextTable& rows)
{
    qint64 skipped = 0;
    std::array<QByteArrayView, std::size(kColumns) + 1> cells;
    // The selections read the date block at the start of a record (day, month, year, date, notice).
    const int read[] = {layout.offset(Giorno), layout.offset(Avviso)};
    file.scan(
        [&](qint64, const RecordView& appointment) {
            const std::optional<bool> taken = selection(appointment);
            if (!taken) {
                ++skipped;
                return;
            }
            if (!*taken)
                return;
            for (std::size_t c = 0; c < std::size(kColumns); ++c)
                cells[c] = appointment.raw(kColumns[c].field);
            const ScheduleRules::SortKey key(appointment);
            cells[std::size(kColumns)] = key.bytes();
            rows.appendEncodedRow(cells, QByteArrayView(appointment.bytes(), layout.size()));
        },
        read);
    rows.squeeze();
    return skipped;
}

void fillArchive(const RecordFile& file, TextTable& rows)
{
    RecordGrid::fill(file, archiveColumns(), rows);
}

} // namespace ScheduleGrid
