#include "clients/SchedaCliente.h"
#include "screens/FieldCriteria.h"
#include "screens/FixedColumn.h"
#include "screens/GridSort.h"
#include "screens/ListFind.h"
#include "screens/TextTable.h"

#include <array>
#include <cstring>
#include <vector>
#include <QTest>
#include <sys/mman.h>
#include <unistd.h>

namespace {

Record client(const QString& name, const QString& town)
{
    Record record(SchedaCliente::layout);
    record.setText(SchedaCliente::Cliente, name);
    record.setText(SchedaCliente::ComuneRes, town);
    return record;
}

} // namespace

class TestResultListRules : public QObject
{
    Q_OBJECT

private slots:
    void fixedColumns_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("column");
        QTest::newRow("padded") << QStringLiteral(" Rossi ") << 8 << QStringLiteral("Rossi   ");
        QTest::newRow("cut") << QStringLiteral("Bartolomeo") << 5 << QStringLiteral("Barto");
        QTest::newRow("empty") << QString() << 3 << QStringLiteral("   ");
    }

    void fixedColumns()
    {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(QString, column);
        QCOMPARE(FixedColumn::pad(text, width), column);
    }

    // "Trova" over ten lines where the word is in lines 2 and 5 (indexes 1 and 4).
    void findStepsAndWraps()
    {
        QStringList lines;
        for (int i = 0; i < 10; ++i)
            lines.append(QStringLiteral("riga %1").arg(i));
        lines[1] += QStringLiteral(" Rossi");
        lines[4] += QStringLiteral(" ROSSI");
        const auto line = [&](int i) { return lines[i]; };
        QString remembered;
        int selected = -1;
        QList<int> seen;
        for (int i = 0; i < 3; ++i) {
            selected = ListFind::next(10, line, selected, u"rossi", remembered).selected;
            seen.append(selected);
        }
        QCOMPARE(seen, QList<int>({1, 4, 1}));
        QCOMPARE(remembered, QStringLiteral("rossi"));

        // A new word starts again from the first line, even with another line selected.
        selected = ListFind::next(10, line, 7, u"riga", remembered).selected;
        QCOMPARE(selected, 0);
        // Not found: the selection stays.
        QCOMPARE(ListFind::next(10, line, 6, u"verdi", remembered).selected, 6);
        // An empty text finds nothing; no selection selects the first line.
        QCOMPARE(ListFind::next(10, line, -1, u"", remembered).selected, 0);
        QVERIFY(ListFind::next(0, line, -1, u"x", remembered).emptyList);
    }

    void criteria_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("town");
        QTest::addColumn<bool>("listed");
        QTest::newRow("both found") << QStringLiteral("ROSSI Mario") << QStringLiteral("Roma") << true;
        QTest::newRow("inside words") << QStringLiteral("Grossi Anna") << QStringLiteral("Romagnano") << true;
        QTest::newRow("town missing") << QStringLiteral("Rossi Mario") << QStringLiteral("Milano") << false;
        QTest::newRow("name missing") << QStringLiteral("Bianchi") << QStringLiteral("Roma") << false;
    }

    void criteria()
    {
        QFETCH(QString, name);
        QFETCH(QString, town);
        QFETCH(bool, listed);
        FieldCriteria criteria;
        criteria.add(SchedaCliente::Cliente, u"ross");
        criteria.add(SchedaCliente::ComuneRes, u"roma");
        criteria.add(SchedaCliente::Note, u"   ");
        QCOMPARE(criteria.matches(client(name, town).view()), listed);
    }

    void criteriaKeepBlanksAndAccents()
    {
        FieldCriteria leadingBlank;
        leadingBlank.add(SchedaCliente::Cliente, u" mario");
        QVERIFY(leadingBlank.matches(client(QStringLiteral("Rossi Mario"), {}).view()));
        QVERIFY(!leadingBlank.matches(client(QStringLiteral("Mario Rossi"), {}).view()));

        FieldCriteria accent;
        accent.add(SchedaCliente::Cliente, u"NICCOLÒ");
        QVERIFY(accent.matches(client(QStringLiteral("Bianchi Niccolò"), {}).view()));

        QVERIFY(FieldCriteria().matches(client({}, {}).view()));
    }

    void tableKeepsTrimmedCells()
    {
        TextTable table(3);
        const QString first[] = {QStringLiteral(" Rossi "), QString(), QStringLiteral("Città")};
        table.appendRow(first);
        const QByteArrayView second[] = {"\x80 5", " ", "a\0b"};
        table.appendEncodedRow(second);
        QCOMPARE(table.rowCount(), 2);
        QCOMPARE(table.cell(0, 0), QStringLiteral("Rossi"));
        QCOMPARE(table.cell(0, 1), QString());
        QCOMPARE(table.cell(0, 2), QStringLiteral("Città"));
        QCOMPARE(table.cell(1, 0), QStringLiteral("€ 5"));
        QCOMPARE(table.cell(1, 1), QString());
        QCOMPARE(table.cell(1, 2), QStringLiteral("a"));
    }

    // Rows in the byte order of their key, equal keys in file order: keys that share their first eight
    // bytes, keys that are prefixes of others, an empty key and a byte above 0x7F.
    void sortByKeyColumn()
    {
        const QByteArray keys[] = {"b",        "a", "abcdefghij", "ab",        "a",
                                   "abcdefgh", "",  "\xE0",       "abcdefghi", "abcdefgh"};
        TextTable table(2);
        for (const QByteArray& key : keys) {
            const QByteArray number = QByteArray::number(table.rowCount() + 1);
            const QByteArrayView cells[] = {number, key};
            table.appendEncodedRow(cells);
        }
        GridSort::SortedRows sorted = GridSort::byColumn(table, 1);
        QCOMPARE(sorted.numbers, (QList<qint64>{7, 2, 5, 4, 6, 10, 9, 3, 1, 8}));
        // The sorted table is the same rows in the new order, every cell and each row's bytes (what an
        // export writes) its own, also in a copy and with a row added after the sort.
        sorted.rows.appendEncodedRow(std::array<QByteArrayView, 2>{"11", "z"});
        const TextTable copy = sorted.rows;
        for (const TextTable* rows : {static_cast<const TextTable*>(&sorted.rows), &copy}) {
            QCOMPARE(rows->rowCount(), 11);
            for (qsizetype r = 0; r < 11; ++r) {
                const QByteArray number = QByteArray::number(r < 10 ? sorted.numbers[r] : 11);
                const QByteArray key = r < 10 ? keys[number.toInt() - 1] : QByteArray("z");
                QCOMPARE(rows->encodedCell(r, 0), number);
                QCOMPARE(rows->encodedCell(r, 1), key);
                QCOMPARE(rows->encodedRowBytes(r), number + '\0' + key + '\0');
            }
        }
    }

    // A table of several megabytes grows (past the size where it leaves the heap for a mapping of its
    // own), has its pages mapped ahead of its rows, is squeezed, copied, emptied and filled again, and
    // put in reverse order: every row keeps its cells.
    void largeTableKeepsEveryRow()
    {
        TextTable table(2);
        const auto fill = [&table](int rows) {
            for (int r = 0; r < rows; ++r) {
                const QByteArray number = QByteArray::number(r);
                const QByteArray text = QByteArray(90, 'a' + char(r % 26)) + number;
                const QByteArrayView cells[] = {number, text};
                table.appendEncodedRow(cells);
            }
        };
        const auto check = [](const TextTable& t, int rows) {
            QCOMPARE(t.rowCount(), rows);
            for (int r = 0; r < rows; ++r) {
                QCOMPARE(t.cell(r, 0), QString::number(r));
                QCOMPARE(t.cell(r, 1), QString(90, QLatin1Char('a' + char(r % 26))) + QString::number(r));
            }
        };
        fill(60000);
        table.squeeze();
        check(table, 60000);
        const TextTable copy = table;
        check(copy, 60000);
        table.clear();
        fill(30000);
        check(table, 30000);
        check(copy, 60000);
        TextTable reversed = copy;
        std::vector<qsizetype> order(60000);
        for (qsizetype r = 0; r < 60000; ++r)
            order[std::size_t(r)] = 59999 - r;
        reversed.reorder(order);
        const TextTable moved = std::move(reversed);
        QCOMPARE(moved.rowCount(), 60000);
        for (int r = 0; r < 60000; r += 997) {
            const int was = 59999 - r;
            QCOMPARE(moved.cell(r, 0), QString::number(was));
            QCOMPARE(moved.cell(r, 1), QString(90, QLatin1Char('a' + char(was % 26))) + QString::number(was));
        }
    }

    // Cells taken from a record are copied sixteen bytes at a time: a cell that crosses blocks, one of
    // exactly a block, one with a stored 0 byte (dropped), and cells that end the record, which lies at
    // the end of readable memory (the page after it is unreadable, so a read past the record fails).
    void tableCopiesRecordCellsInBlocks()
    {
        const long page = sysconf(_SC_PAGESIZE);
        void* memory =
            mmap(nullptr, std::size_t(2 * page), PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        QVERIFY(memory != MAP_FAILED);
        char* guard = static_cast<char*>(memory) + page;
        QCOMPARE(mprotect(guard, std::size_t(page), PROT_NONE), 0);
        const QByteArray bytes =
            QByteArrayLiteral("Via Giuseppe Garibaldi 12, Roma|0123456789ABCDEF|ab\0cd|  tail ");
        char* record = guard - bytes.size();
        std::memcpy(record, bytes.constData(), std::size_t(bytes.size()));
        const QByteArrayView readable(record, bytes.size());
        const QByteArrayView cells[] = {readable.first(31), readable.sliced(32, 16), readable.sliced(49, 5),
                                        readable.sliced(55, 6), readable.sliced(61, 1)};
        TextTable table(5);
        table.appendEncodedRow(cells, readable);
        table.appendEncodedRow(cells, readable);
        for (int row = 0; row < 2; ++row) {
            QCOMPARE(table.cell(row, 0), QStringLiteral("Via Giuseppe Garibaldi 12, Roma"));
            QCOMPARE(table.cell(row, 1), QStringLiteral("0123456789ABCDEF"));
            QCOMPARE(table.cell(row, 2), QStringLiteral("abcd"));
            QCOMPARE(table.cell(row, 3), QStringLiteral("tail"));
            QCOMPARE(table.cell(row, 4), QString());
        }
        munmap(memory, std::size_t(2 * page));
    }
};

QTEST_GUILESS_MAIN(TestResultListRules)
#include "TestResultListRules.moc"
