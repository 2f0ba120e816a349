#include "schedule/SchedaScadenza.h"
#include "schedule/ScheduleGrid.h"
#include "schedule/ScheduleRules.h"
#include "screens/GridSort.h"
#include "storage/RecordFile.h"
#include "TempProgramFolder.h"

#include <cstring>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace SchedaScadenza;

namespace {

Record appointment(const QString& date, const QString& notice, const QString& time = u"10:00"_s,
                   const QString& reason = {})
{
    Record r(layout);
    r.setText(Giorno, date.left(2));
    r.setText(Mese, u"Marzo"_s);
    r.setText(Anno, date.right(4));
    r.setText(Data, date);
    r.setText(OreApp, time.left(2));
    r.setText(MinutiApp, time.right(2));
    r.setText(Ora, time);
    r.setText(Avviso, notice);
    r.setText(Dettagli, reason);
    return r;
}

} // namespace

class TestScheduleRules : public QObject
{
    Q_OBJECT

private slots:
    void imminence_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("notice");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("expected"); // 1 imminent, 0 not, -1 unreadable

        const QString due = u"10/03/2024"_s;
        QTest::newRow("notice 5, four days before the window") << due << u"5"_s << QDate(2024, 3, 4) << 0;
        QTest::newRow("notice 5, first day") << due << u"5"_s << QDate(2024, 3, 5) << 1;
        QTest::newRow("notice 5, between") << due << u"5"_s << QDate(2024, 3, 8) << 1;
        QTest::newRow("notice 5, on the day") << due << u"5"_s << QDate(2024, 3, 10) << 1;
        QTest::newRow("notice 5, the day after") << due << u"5"_s << QDate(2024, 3, 11) << 0;
        QTest::newRow("notice 0, the day before") << due << u"0"_s << QDate(2024, 3, 9) << 0;
        QTest::newRow("notice 0, on the day") << due << u"0"_s << QDate(2024, 3, 10) << 1;
        QTest::newRow("notice across the year's turn")
            << u"03/01/2025"_s << u"5"_s << QDate(2024, 12, 30) << 1;
        QTest::newRow("a whole year's notice") << due << u"365"_s << QDate(2023, 3, 11) << 1;
        QTest::newRow("date the calendar lacks") << u"31/04/2024"_s << u"5"_s << QDate(2024, 4, 28) << -1;
        QTest::newRow("29 February of a common year")
            << u"29/02/2023"_s << u"1"_s << QDate(2023, 2, 28) << -1;
        QTest::newRow("date not a date") << u"10-03-2024"_s << u"5"_s << QDate(2024, 3, 8) << -1;
        QTest::newRow("notice not a number") << due << u"5x"_s << QDate(2024, 3, 8) << -1;
        QTest::newRow("notice empty") << due << QString() << QDate(2024, 3, 10) << -1;
    }

    void imminence()
    {
        QFETCH(QString, date);
        QFETCH(QString, notice);
        QFETCH(QDate, today);
        QFETCH(int, expected);
        const std::optional<bool> answer = ScheduleRules::imminent(appointment(date, notice).view(), today);
        QCOMPARE(answer.has_value(), expected >= 0);
        if (answer)
            QCOMPARE(*answer, expected == 1);
    }

    // The date is computed from the stored bytes without a QDate: it must be the calendar's, leap years
    // and the days a month lacks included.
    void dateIsTheCalendars()
    {
        for (const int year : {1, 4, 100, 400, 1582, 1900, 2000, 2023, 2024, 2100, 9999})
            for (int month = 0; month <= 13; ++month)
                for (int day = 0; day <= 32; ++day) {
                    const QString text = u"%1/%2/%3"_s.arg(day, 2, 10, QLatin1Char('0'))
                                             .arg(month, 2, 10, QLatin1Char('0'))
                                             .arg(year, 4, 10, QLatin1Char('0'));
                    const QDate expected(year, month, day);
                    const std::optional<QDate> read = ScheduleRules::date(appointment(text, u"1"_s).view());
                    QCOMPARE(read.has_value(), expected.isValid());
                    if (read)
                        QCOMPARE(*read, expected);
                }
    }

    // An unreadable card before the imminent one does not hide it; one after it is never reached. A
    // past date is not imminent whatever its notice, which is then not read.
    void checkDecidesFromTheReadableCards()
    {
        TempProgramFolder folder;
        RecordFile file(folder.file(u"2024.sca"_s), layout);
        file.append(appointment(u"31/02/2024"_s, u"5"_s));
        file.append(appointment(u"20/03/2024"_s, u"zz"_s));
        file.append(appointment(u"14/03/2024"_s, u"zz"_s));
        file.append(appointment(u"20/03/2024"_s, u"1"_s));
        ScheduleRules::ImminentCheck check = ScheduleRules::checkImminent(file, QDate(2024, 3, 15));
        QVERIFY(!check.found);
        QCOMPARE(check.skipped, 2);

        file.append(appointment(u"16/03/2024"_s, u"1"_s));
        check = ScheduleRules::checkImminent(file, QDate(2024, 3, 15));
        QVERIFY(check.found);
    }

    void sortKeyIsMonthDayHourMinutes()
    {
        const Record card = appointment(u"05/03/2024"_s, u"1"_s, u"09:30"_s);
        QCOMPARE(ScheduleRules::SortKey(card.view()).bytes(), QByteArrayView("03050930"));
    }

    // Entered at 15:00, 09:00 and 11:30 on one day: listed 09:00, 11:30, 15:00 numbered 2, 3, 1. Equal
    // keys keep their file order.
    void listSortsByDateAndTimeKeepingTheOrderOfEntry()
    {
        TempProgramFolder folder;
        RecordFile file(folder.file(u"2024.sca"_s), layout);
        file.append(appointment(u"05/03/2024"_s, u"1"_s, u"15:00"_s, u"terzo"_s));
        file.append(appointment(u"05/03/2024"_s, u"1"_s, u"09:00"_s, u"primo"_s));
        file.append(appointment(u"05/03/2024"_s, u"1"_s, u"11:30"_s, u"secondo A"_s));
        file.append(appointment(u"06/03/2024"_s, u"1"_s, u"08:00"_s, u"altro giorno"_s));
        file.append(appointment(u"05/03/2024"_s, u"1"_s, u"11:30"_s, u"secondo B"_s));
        TextTable rows(int(ScheduleGrid::listColumns().size()));
        QCOMPARE(ScheduleGrid::fillList(file, ScheduleGrid::dayOf(QDate(2024, 3, 5)), rows), 0);
        const GridSort::SortedRows sorted = GridSort::byColumn(rows, ScheduleGrid::kKeyColumn);
        QStringList reasons;
        for (qsizetype r = 0; r < sorted.rows.rowCount(); ++r)
            reasons.append(sorted.rows.cell(r, 12));
        QCOMPARE(reasons, (QStringList{u"primo"_s, u"secondo A"_s, u"secondo B"_s, u"terzo"_s}));
        QCOMPARE(sorted.numbers, (QList<qint64>{2, 3, 4, 1}));
        QCOMPARE(sorted.rows.cell(0, ScheduleGrid::kKeyColumn), u"03050900"_s);
    }

    // A day list takes a card by its date: one whose date cannot be read is on no day, and is left out
    // and counted rather than compared as text; another day's card is simply not in it.
    void dayListLeavesOutTheDatesItCannotRead_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<bool>("listed");
        QTest::addColumn<qint64>("leftOut");
        QTest::newRow("the day") << u"05/03/2024"_s << true << 0ll;
        QTest::newRow("another day") << u"06/03/2024"_s << false << 0ll;
        QTest::newRow("another year") << u"05/03/2023"_s << false << 0ll;
        QTest::newRow("a day the calendar lacks") << u"30/02/2024"_s << false << 1ll;
        QTest::newRow("other separators") << u"05-03-2024"_s << false << 1ll;
        QTest::newRow("a letter for a digit") << u"05/03/2O24"_s << false << 1ll;
        QTest::newRow("empty") << QString() << false << 1ll;
    }

    void dayListLeavesOutTheDatesItCannotRead()
    {
        QFETCH(QString, date);
        QFETCH(bool, listed);
        QFETCH(qint64, leftOut);
        TempProgramFolder folder;
        RecordFile file(folder.file(u"2024.sca"_s), layout);
        file.append(appointment(date, u"1"_s));
        TextTable rows(int(ScheduleGrid::listColumns().size()));
        QCOMPARE(ScheduleGrid::fillList(file, ScheduleGrid::dayOf(QDate(2024, 3, 5)), rows), leftOut);
        QCOMPARE(rows.rowCount(), listed ? 1 : 0);
    }

    // A month list takes the cards by month and year alone: one whose date cannot be read is still
    // listed, and nothing is left out; another month's or year's card is simply not in it.
    void monthListSelectsByMonthAndYearOnly()
    {
        TempProgramFolder folder;
        RecordFile file(folder.file(u"2024.sca"_s), layout);
        file.append(appointment(u"12/03/2024"_s, u"1"_s, u"10:00"_s, u"buono"_s));
        file.append(appointment(u"32/03/2024"_s, u"1"_s, u"10:00"_s, u"data illeggibile"_s));
        Record april = appointment(u"12/04/2024"_s, u"1"_s, u"10:00"_s, u"aprile"_s);
        april.setText(Mese, u"Aprile"_s);
        file.append(april);
        Record otherYear = appointment(u"12/03/2023"_s, u"1"_s, u"10:00"_s, u"altro anno"_s);
        file.append(otherYear);
        TextTable rows(int(ScheduleGrid::listColumns().size()));
        QCOMPARE(ScheduleGrid::fillList(file, ScheduleGrid::monthOf(QDate(2024, 3, 20)), rows), 0);
        QCOMPARE(rows.rowCount(), 2);
        QCOMPARE(rows.cell(0, 12), u"buono"_s);
        QCOMPARE(rows.cell(1, 12), u"data illeggibile"_s);
    }

    // The month of a card is its stored name in any letter case, blanks around it aside; bytes left in
    // the field after the name do not count. A near name is no month's at all: the record cannot be
    // read and is left out, told; another month's name is simply not this month.
    void monthListMatchesTheStoredName_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("listed");
        QTest::addColumn<qint64>("leftOut");
        QTest::newRow("as written") << QByteArray("Marzo") << true << 0ll;
        QTest::newRow("capitals") << QByteArray("MARZO") << true << 0ll;
        QTest::newRow("mixed") << QByteArray("mArZo") << true << 0ll;
        QTest::newRow("blanks around") << QByteArray("  Marzo ") << true << 0ll;
        QTest::newRow("shorter") << QByteArray("Marz") << false << 1ll;
        QTest::newRow("longer") << QByteArray("Marzoo") << false << 1ll;
        QTest::newRow("a digit for a letter") << QByteArray("Marz0") << false << 1ll;
        QTest::newRow("another letter") << QByteArray("Mbrzo") << false << 1ll;
        QTest::newRow("another month") << QByteArray("Maggio") << false << 0ll;
        QTest::newRow("another month in capitals, blanks around") << QByteArray(" SETTEMBRE") << false << 0ll;
        QTest::newRow("empty") << QByteArray() << false << 1ll;
    }

    void monthListMatchesTheStoredName()
    {
        QFETCH(QByteArray, stored);
        QFETCH(bool, listed);
        QFETCH(qint64, leftOut);
        QByteArray bytes = appointment(u"12/03/2024"_s, u"1"_s).bytes();
        // The field as another program may have left it: its length, the name, then stale bytes.
        char* field = bytes.data() + layout.offset(Mese);
        std::memset(field + 1, 'x', std::size_t(layout.width(Mese)));
        field[0] = char(stored.size());
        std::memcpy(field + 1, stored.constData(), std::size_t(stored.size()));
        TempProgramFolder folder;
        RecordFile file(folder.file(u"2024.sca"_s), layout);
        file.append(Record(layout, bytes));
        TextTable rows(int(ScheduleGrid::listColumns().size()));
        QCOMPARE(ScheduleGrid::fillList(file, ScheduleGrid::monthOf(QDate(2024, 3, 20)), rows), leftOut);
        QCOMPARE(rows.rowCount(), listed ? 1 : 0);
    }
};

QTEST_GUILESS_MAIN(TestScheduleRules)
#include "TestScheduleRules.moc"
