#include "calls/CallGrid.h"
#include "calls/CallLines.h"
#include "calls/CallSearch.h"
#include "calls/SchedaChiamata.h"
#include "storage/RecordFile.h"
#include "TempProgramFolder.h"

#include <algorithm>
#include <cstring>
#include <QTest>

using namespace SchedaChiamata;

namespace {

Record call(const QString& day, const QString& month, const QString& year, const QString& time,
            const QString& subject)
{
    Record record(layout);
    record.setText(GiornoRit, day);
    record.setText(MeseRit, month);
    record.setText(AnnoRit, year);
    record.setText(DataRit, day + u'/' + QStringLiteral("%1").arg(month == QStringLiteral("Maggio") ? 5 : 2, 2, 10, QLatin1Char('0')) + u'/' + year);
    record.setText(OraRit, time);
    record.setText(Oggetto, subject);
    record.setText(Cliente, QStringLiteral("Rossi Mario"));
    record.setText(CodFisc, QStringLiteral("RSSMRA80A01H501U"));
    record.setText(Recapito, QStringLiteral("ufficio"));
    return record;
}

// The record with a field as another program may have left it: its length byte, then the bytes given.
Record withField(const Record& record, int field, const QByteArray& stored, int length)
{
    QByteArray bytes = record.bytes();
    char* at = bytes.data() + layout.offset(field);
    at[0] = char(length);
    std::memcpy(at + 1, stored.constData(),
                std::size_t(std::min<qsizetype>(stored.size(), layout.width(field))));
    return Record(layout, bytes);
}

} // namespace

class TestCallLists : public QObject
{
    Q_OBJECT

private slots:
    void searchLine()
    {
        QCOMPARE(CallLines::line(call(QStringLiteral("05"), QStringLiteral("Maggio"), QStringLiteral("2026"),
                                      QStringLiteral("09:30"), QStringLiteral("Offerta fibra"))
                                     .view()),
                 QStringLiteral("Data: 05/05/2026  Ora: 09:30  Oggetto: Offerta fibra                   "
                                "Cliente: Rossi Mario                     CF: RSSMRA80A01H501U  Tel. ufficio"));
    }

    void summariesKeepRegistrationOrder_data()
    {
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QStringList>("subjects");
        QTest::newRow("year") << QString() << QString()
                              << QStringList({QStringLiteral("b"), QStringLiteral("a"), QStringLiteral("c")});
        QTest::newRow("month in capitals") << QStringLiteral("MAGGIO") << QString()
                                           << QStringList({QStringLiteral("b"), QStringLiteral("a")});
        QTest::newRow("day") << QStringLiteral("maggio") << QStringLiteral("05") << QStringList({QStringLiteral("a")});
        QTest::newRow("31 February") << QStringLiteral("FEBBRAIO") << QStringLiteral("31") << QStringList();
    }

    void summariesKeepRegistrationOrder()
    {
        QFETCH(QString, month);
        QFETCH(QString, day);
        QFETCH(QStringList, subjects);
        TempProgramFolder folder;
        RecordFile file(folder.file(QStringLiteral("2026.tel")), layout);
        file.append(call(QStringLiteral("20"), QStringLiteral("Maggio"), QStringLiteral("2026"), QStringLiteral("18:00"), QStringLiteral("b")));
        file.append(call(QStringLiteral("05"), QStringLiteral("Maggio"), QStringLiteral("2026"), QStringLiteral("08:00"), QStringLiteral("a")));
        file.append(call(QStringLiteral("01"), QStringLiteral("Febbraio"), QStringLiteral("2026"), QStringLiteral("10:00"), QStringLiteral("c")));
        file.append(call(QStringLiteral("05"), QStringLiteral("Maggio"), QStringLiteral("2025"), QStringLiteral("10:00"), QStringLiteral("x")));
        TextTable grid(16);
        RecordGrid::fill(file, CallGrid::summaryColumns(), grid, CallGrid::filter(QStringLiteral("2026"), month, day));
        QStringList seen;
        for (qsizetype r = 0; r < grid.rowCount(); ++r)
            seen.append(grid.cell(r, 2));
        QCOMPARE(seen, subjects);
    }

    // A summary leaves out, and counts, a call whose year, month or day it is chosen by cannot be read:
    // no month's name, a day other than "01".."31", a year of other than four digits, or a length byte
    // past the field. A part that can be read and differs puts the call elsewhere whatever the others
    // hold; a part the summary is not chosen by does not matter.
    void summariesLeaveOutWhatTheyCannotPlace_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("length"); // -1: the stored bytes' own
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("day");
        QTest::addColumn<bool>("listed");
        QTest::addColumn<qint64>("leftOut");
        const auto row = [](const char* name, int field, const QByteArray& stored, int length,
                            const QString& month, const QString& day, bool listed, qint64 leftOut) {
            QTest::newRow(name) << field << stored << length << month << day << listed << leftOut;
        };
        const QString may = QStringLiteral("maggio");
        const QString february = QStringLiteral("febbraio");
        const QString fifth = QStringLiteral("05");
        row("month in capitals", MeseRit, "MAGGIO", -1, may, {}, true, 0);
        row("month with blanks around", MeseRit, " maggio  ", -1, may, {}, true, 0);
        row("another month", MeseRit, "Febbraio", -1, may, {}, false, 0);
        row("no month's name", MeseRit, "Maggoi", -1, may, {}, false, 1);
        row("no month's name, asked another", MeseRit, "Maggoi", -1, february, {}, false, 1);
        row("no month's name, on the day", MeseRit, "Maggoi", -1, may, fifth, false, 1);
        row("no month at all", MeseRit, "", -1, may, {}, false, 1);
        row("month's length past the field", MeseRit, "Maggio", 255, may, {}, false, 1);
        row("no month's name in the year", MeseRit, "Maggoi", -1, {}, {}, true, 0);
        row("day of one digit", GiornoRit, "5", -1, may, fifth, false, 1);
        row("day past 31", GiornoRit, "32", -1, may, fifth, false, 1);
        row("day of letters", GiornoRit, "0x", -1, may, fifth, false, 1);
        row("day's length past the field", GiornoRit, "05", 255, may, fifth, false, 1);
        row("another day", GiornoRit, "06", -1, may, fifth, false, 0);
        row("unreadable day in the month", GiornoRit, "0x", -1, may, {}, true, 0);
        row("unreadable day, another month", GiornoRit, "0x", -1, february, fifth, false, 0);
        row("year of letters", AnnoRit, "20x6", -1, {}, {}, false, 1);
        row("year of three digits", AnnoRit, "026", -1, may, {}, false, 1);
        row("year's length past the field", AnnoRit, "2026", 255, may, fifth, false, 1);
        row("another year", AnnoRit, "2025", -1, {}, {}, false, 0);
        row("unreadable year, another month", AnnoRit, "20x6", -1, february, {}, false, 0);
    }

    void summariesLeaveOutWhatTheyCannotPlace()
    {
        QFETCH(int, field);
        QFETCH(QByteArray, stored);
        QFETCH(int, length);
        QFETCH(QString, month);
        QFETCH(QString, day);
        QFETCH(bool, listed);
        QFETCH(qint64, leftOut);
        TempProgramFolder folder;
        RecordFile file(folder.file(QStringLiteral("2026.tel")), layout);
        const Record good = call(QStringLiteral("05"), QStringLiteral("Maggio"), QStringLiteral("2026"),
                                 QStringLiteral("08:00"), QStringLiteral("a"));
        file.append(withField(good, field, stored, length < 0 ? int(stored.size()) : length));
        TextTable grid(16);
        QCOMPARE(RecordGrid::fill(file, CallGrid::summaryColumns(), grid,
                                  CallGrid::filter(QStringLiteral("2026"), month, day)),
                 leftOut);
        QCOMPARE(grid.rowCount(), listed ? 1 : 0);
    }

    void searchByMonthAndDate()
    {
        TempProgramFolder folder;
        RecordFile file(folder.file(QStringLiteral("2026.tel")), layout);
        file.append(call(QStringLiteral("20"), QStringLiteral("Maggio"), QStringLiteral("2026"), QStringLiteral("18:00"), QStringLiteral("b")));
        file.append(call(QStringLiteral("01"), QStringLiteral("Febbraio"), QStringLiteral("2026"), QStringLiteral("10:00"), QStringLiteral("c")));
        const SearchDefinition& search = CallSearch::definition();
        FieldCriteria month;
        month.add(MeseRit, u"MAG");
        TextTable lines(1, TextTable::Cells::AsGiven);
        search.run(file, month, lines);
        QCOMPARE(lines.rowCount(), 1);
        FieldCriteria date;
        date.add(DataRit, u"02/2026");
        TextTable byDate(1, TextTable::Cells::AsGiven);
        search.run(file, date, byDate);
        QCOMPARE(byDate.rowCount(), 1);
        QVERIFY(byDate.cell(0, 0).contains(QStringLiteral("Oggetto: c ")));
    }
};

QTEST_GUILESS_MAIN(TestCallLists)
#include "TestCallLists.moc"
