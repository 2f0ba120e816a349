#include "clients/SchedaCliente.h"
#include "schedule/SchedaScadenza.h"
#include "storage/Record.h"
#include "storage/TextField.h"
#include "storage/Windows1252.h"

#include <QTest>

class TestTextField : public QObject
{
    Q_OBJECT

private slots:
    void codePageRoundTripsEveryByte()
    {
        for (int b = 0; b < 256; ++b) {
            const QByteArray one(1, static_cast<char>(b));
            QCOMPARE(Windows1252::encode(Windows1252::decode(one)), one);
        }
        QCOMPARE(Windows1252::decode("\x80\x8A\x9F\xEC"), QStringLiteral("€ŠŸì"));
    }

    // What lists and grids show: every control character as '¤', whatever else as decode() gives it.
    void shownTextMarksControlCharacters_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain") << QByteArray("Rossi \x80 \xE0") << QStringLiteral("Rossi € à");
        QTest::newRow("line breaks") << QByteArray("a\r\nb") << QStringLiteral("a¤¤b");
        QTest::newRow("tab, zero, DEL") << QByteArray("a\tb", 3) + '\0' + "\x7F" << QStringLiteral("a¤b¤¤");
        QTest::newRow("undefined bytes") << QByteArray("\x81\x8D\x8F\x90\x9D") << QStringLiteral("¤¤¤¤¤");
        QTest::newRow("no-break space kept") << QByteArray("a\xA0") + 'b' << QStringLiteral("a\u00A0b");
    }

    void shownTextMarksControlCharacters()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, shown);
        QCOMPARE(Windows1252::decodeShown(stored), shown);
    }

    void charactersOutsideTheCodePageBecomeQuestionMarks()
    {
        QCOMPARE(Windows1252::encode(QStringLiteral("a\u0100b\U0001F600c")), QByteArray("a?b?c"));
    }

    void write_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("Sì") << 2 << QStringLiteral("Sì") << QByteArray("\x02S\xEC", 3);
        QTest::newRow("trimmed") << 5 << QStringLiteral("  ab \t") << QByteArray("\x02" "ab\0\0\0", 6);
        QTest::newRow("cut to width") << 3 << QStringLiteral("abcdef") << QByteArray("\x03" "abc", 4);
        QTest::newRow("empty") << 2 << QString() << QByteArray("\0\0\0", 3);
        QTest::newRow("euro") << 4 << QStringLiteral("€ 5") << QByteArray("\x03\x80 5\0", 5);
    }

    void write()
    {
        QFETCH(int, width);
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QByteArray field(width + 1, '\x55');
        TextField::write(field.data(), width, text);
        QCOMPARE(field, bytes);
    }

    void read_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("stale tail ignored") << 6 << QByteArray("\x03" "abcdef", 7) << QStringLiteral("abc");
        QTest::newRow("length byte clamped") << 3 << QByteArray("\xFF" "xyz", 4) << QStringLiteral("xyz");
        QTest::newRow("blanks trimmed") << 5 << QByteArray("\x05 a b ", 6) << QStringLiteral("a b");
        QTest::newRow("accent") << 2 << QByteArray("\x02S\xEC", 3) << QStringLiteral("Sì");
    }

    void read()
    {
        QFETCH(int, width);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(TextField::read(bytes.constData(), width), text);
    }

    // The offsets of the appointment record as its published layout lists them.
    void appointmentOffsets()
    {
        const QList<int> published = {0,   3,   14,  19,  30,  33,  36,  42,   46,   97,   114,  165, 216,
                                      247, 298, 419, 470, 591, 642, 893, 1044, 1060, 1111, 1362, 1365};
        QList<int> offsets;
        for (int f = 0; f < SchedaScadenza::layout.fieldCount(); ++f)
            offsets.append(SchedaScadenza::layout.offset(f));
        QCOMPARE(offsets, published);
        QCOMPARE(SchedaScadenza::layout.size(), 1368);
    }

    void clientCardWithNameAndCode()
    {
        Record record(SchedaCliente::layout);
        record.setText(SchedaCliente::Cliente, QStringLiteral("Rossi Mario"));
        record.setText(SchedaCliente::CodFisc, QStringLiteral("RSSMRA80A01H501U"));
        record.setText(SchedaCliente::Ricontatta, QStringLiteral("No"));
        const QByteArray& bytes = record.bytes();
        QCOMPARE(bytes.size(), 3372);
        int empty = 0;
        for (int f = 0; f < SchedaCliente::layout.fieldCount(); ++f)
            empty += bytes[SchedaCliente::layout.offset(f)] == 0;
        QCOMPARE(empty, 33);
        const int at = SchedaCliente::layout.offset(SchedaCliente::Ricontatta);
        QCOMPARE(bytes.mid(at, 3), QByteArray("\x02No"));
        QCOMPARE(record.text(SchedaCliente::CodFisc), QStringLiteral("RSSMRA80A01H501U"));
    }
};

QTEST_GUILESS_MAIN(TestTextField)
#include "TestTextField.moc"
