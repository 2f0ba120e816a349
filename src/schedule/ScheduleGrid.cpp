#include "schedule/ScheduleGrid.h"

#include "rules/ValueLists.h"
#include "schedule/SchedaScadenza.h"
#include "schedule/ScheduleRules.h"
#include "storage/RecordFile.h"
#include "storage/TextField.h"
#include "storage/Windows1252.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
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

// The trimmed text equal to lowerWanted (lower-cased), letter case aside, on the stored bytes. A byte
// already equal needs no lower-casing: the month names the lists compare are mostly stored as written.
bool sameIgnoringCase(QByteArrayView stored, const QByteArray& lowerWanted)
{
    stored = TextField::trimmedAscii(stored);
    if (stored.size() != lowerWanted.size())
        return false;
    for (qsizetype i = 0; i < lowerWanted.size(); ++i) {
        const auto byte = static_cast<unsigned char>(stored[i]);
        const auto wanted = static_cast<unsigned char>(lowerWanted[i]);
        if (byte != wanted && Windows1252::toLower(byte) != wanted)
            return false;
    }
    return true;
}

// A month name of ASCII letters compared with the stored `Mese` a word at a time: every letter of the
// field with its capital's bit set, masked to the name's length, against the name in lower case. A
// letter and its capital differ in that bit alone, and no other byte sets it to a letter, so the test is
// exact; a stored name longer than this one, which may hold blanks around it, goes the long way.
class MonthField
{
public:
    explicit MonthField(const QByteArray& lowerName) : m_name(lowerName)
    {
        m_letters = !lowerName.isEmpty() && lowerName.size() <= 16 &&
                    std::all_of(lowerName.begin(), lowerName.end(), [](char c) { return c >= 'a' && c <= 'z'; });
        if (!m_letters)
            return;
        char name[16] = {};
        char mask[16] = {};
        std::memcpy(name, lowerName.constData(), std::size_t(lowerName.size()));
        std::memset(mask, 0xFF, std::size_t(lowerName.size()));
        std::memcpy(m_word, name, sizeof m_word);
        std::memcpy(m_mask, mask, sizeof m_mask);
    }

    bool matches(const RecordView& appointment) const
    {
        // Sixteen bytes after the length byte: the name and what follows it in the record, masked off.
        static_assert(layout.offset(Mese) + 17 <= layout.size());
        const char* field = appointment.bytes() + layout.offset(Mese);
        const auto length = static_cast<unsigned char>(field[0]);
        if (!m_letters || length > m_name.size())
            return sameIgnoringCase(appointment.raw(Mese), m_name);
        std::uint64_t stored[2];
        std::memcpy(stored, field + 1, sizeof stored);
        constexpr std::uint64_t kCapitalBit = 0x2020202020202020;
        return (length == m_name.size()) & (((stored[0] | kCapitalBit) & m_mask[0]) == m_word[0]) &
               (((stored[1] | kCapitalBit) & m_mask[1]) == m_word[1]);
    }

private:
    QByteArray m_name;
    bool m_letters = false;
    std::uint64_t m_word[2] = {};
    std::uint64_t m_mask[2] = {};
};

QByteArray lowerCased(QByteArray bytes)
{
    for (char& byte : bytes)
        byte = char(Windows1252::toLower(static_cast<unsigned char>(byte)));
    return bytes;
}

// Which month the stored `Mese` names, in any case, as every card stores it; 0 for none, or for a length
// byte that runs past the field: a month list takes such a record for unreadable rather than for
// another month's. The twelve names fall into sixteen slots, one each, by their length and first two
// letters, so a record is compared with one name only.
class MonthNames
{
public:
    MonthNames()
    {
        for (int month = 1; month <= 12; ++month) {
            const QByteArray name = lowerCased(Windows1252::encode(ValueLists::monthName(month)));
            const std::size_t at = slot(static_cast<unsigned char>(name.size()), name[0], name[1]);
            Q_ASSERT(m_months[at] == 0);
            m_names[at].emplace(name);
            m_months[at] = month;
        }
    }

    int of(const RecordView& appointment) const
    {
        const char* field = appointment.bytes() + layout.offset(Mese);
        const auto length = static_cast<unsigned char>(field[0]);
        if (length > layout.width(Mese))
            return 0;
        if (const std::size_t at = slot(length, field[1], field[2]);
            m_months[at] != 0 && m_names[at]->matches(appointment))
            return m_months[at];
        // Blanks around a name, which no card stores, go the long way.
        const QByteArrayView stored = appointment.raw(Mese);
        if (TextField::trimmedAscii(stored).size() == stored.size())
            return 0;
        for (std::size_t at = 0; at < m_names.size(); ++at)
            if (m_months[at] != 0 && m_names[at]->matches(appointment))
                return m_months[at];
        return 0;
    }

private:
    static std::size_t slot(unsigned char length, char first, char second)
    {
        const auto letter = [](char c) { return static_cast<unsigned char>(c) | 0x20u; };
        return (letter(first) + 3 * letter(second) + 4u * length) & 15u;
    }

    std::array<std::optional<MonthField>, 16> m_names;
    std::array<int, 16> m_months = {};
};

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
    const QByteArray wanted = date.toString(u"dd/MM/yyyy"_s).toLatin1();
    return [wanted](const RecordView& appointment) -> std::optional<bool> {
        return appointment.raw(Data).trimmed() == wanted;
    };
}

Selection monthOf(QDate date)
{
    const QByteArray year = date.toString(u"yyyy"_s).toLatin1();
    return [wanted = date.month(), year,
            names = MonthNames()](const RecordView& appointment) -> std::optional<bool> {
        if (const int month = names.of(appointment); month != wanted) {
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
