#include "clients/SchedaCliente.h"
#include "storage/FieldCriterion.h"

#include <cstring>
#include <QTest>
#include <sys/mman.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

class TestFieldCriterion : public QObject
{
    Q_OBJECT

private slots:
    void matches_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("criterion");
        QTest::addColumn<bool>("matches");
        QTest::newRow("case ignored") << u"D'Angelo Niccolò"_s << u"d'ANGELO"_s << true;
        QTest::newRow("accented capital") << u"Mastrolìa Anna"_s << u"MASTROLÌA"_s << true;
        QTest::newRow("accent is not its plain letter") << u"Niccolò"_s << u"niccolo"_s << false;
        QTest::newRow("Š and Œ fold too") << u"ŠKODA Œuvre"_s << u"škoda œuvre"_s << true;
        QTest::newRow("at the end") << u"Rossi Maria"_s << u"maria"_s << true;
        QTest::newRow("blanks are kept") << u"Rossi Maria"_s << u" rossi"_s << false;
        QTest::newRow("blank inside") << u"Rossi Maria"_s << u"i m"_s << true;
        QTest::newRow("longer than the field") << u"Rossi"_s << u"rossini"_s << false;
        QTest::newRow("empty never matches") << u"Rossi"_s << QString() << false;
        QTest::newRow("question mark") << u"Prezzo?"_s << u"?"_s << true;
        QTest::newRow("outside the code page") << u"Prezzo?"_s << u"zo\u0101"_s << false;
        QTest::newRow("partial first letter") << u"rrossi"_s << u"ross"_s << true;
        // Fields are searched sixteen positions at a time for the needle's first two letters: hits in the
        // first block, across a block's edge, after false starts in the same block, past the first block,
        // and a first letter ending the field.
        QTest::newRow("first word") << u"Bianchi Mario Giuseppe"_s << u"bianchi"_s << true;
        QTest::newRow("across words") << u"Via dei Bianchi 12"_s << u"BIANCHI"_s << true;
        QTest::newRow("false start first") << u"Bb bBiAnChI bis"_s << u"bianchi"_s << true;
        QTest::newRow("in the tail") << u"Ufficio vendite Roma"_s << u"ROMA"_s << true;
        QTest::newRow("first letter too late") << u"Ufficio vendite Rom"_s << u"roma"_s << false;
        QTest::newRow("accented first letter") << u"Offerta per ÈLITE srl"_s << u"èlite"_s << true;
        QTest::newRow("ÿ folds with Ÿ") << u"Marchio registrato Ÿves"_s << u"ÿves"_s << true;
        QTest::newRow("pair across a block edge") << u"Via Giuseppe GaRIbaldi 12"_s << u"ri"_s << true;
        QTest::newRow("pair split by the edge only") << u"Via Giuseppe GaRxbaldi 12"_s << u"ri"_s << false;
        QTest::newRow("needle across a block edge") << u"Via Giuseppe Verdi 3"_s << u"PE VERDI"_s << true;
        QTest::newRow("first letter repeated") << u"bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbia"_s << u"bia"_s << true;
        QTest::newRow("one letter, third block") << u"Associazione culturale Vox"_s << u"X"_s << true;
        QTest::newRow("one letter, absent") << u"Associazione culturale Vox"_s << u"k"_s << false;
        QTest::newRow("whole field") << u"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcdefghijklmn"_s
                                     << u"abcdefghijklmnopqrstuvwxyz0123456789ABCDEFGHIJKLMN"_s << true;
    }

    void matches()
    {
        QFETCH(QString, stored);
        QFETCH(QString, criterion);
        QFETCH(bool, matches);
        Record record(SchedaCliente::layout);
        record.setText(SchedaCliente::Cliente, stored);
        record.setText(SchedaCliente::ComuneRes, criterion);
        QCOMPARE(FieldCriterion(SchedaCliente::Cliente, criterion).matches(record.view()), matches);
    }

    // A damaged length byte reads as the field's width: the match never runs into the next field.
    void oversizedLengthStaysInTheField()
    {
        Record record(SchedaCliente::layout);
        record.setText(SchedaCliente::Sesso, u"M"_s);
        record.setText(SchedaCliente::Recapito, u"Casa"_s);
        QByteArray bytes = record.bytes();
        bytes[SchedaCliente::layout.offset(SchedaCliente::Sesso)] = char(200);
        const RecordView view(SchedaCliente::layout, bytes.constData());
        QVERIFY(FieldCriterion(SchedaCliente::Sesso, u"m"_s).matches(view));
        QVERIFY(!FieldCriterion(SchedaCliente::Sesso, u"ca"_s).matches(view));
    }

    // A field that ends its record, in a record that ends its memory (the last record of a mapped file):
    // the search reads nothing past the record. The page after it is unreadable, so a stray read fails.
    void lastFieldOfTheLastRecordStaysInside()
    {
        const long page = sysconf(_SC_PAGESIZE);
        const int size = SchedaCliente::layout.size();
        const std::size_t span = std::size_t((size / page + 2) * page);
        void* memory = mmap(nullptr, span, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        QVERIFY(memory != MAP_FAILED);
        char* guard = static_cast<char*>(memory) + span - std::size_t(page);
        QCOMPARE(mprotect(guard, std::size_t(page), PROT_NONE), 0);
        const int lastField = SchedaCliente::layout.fieldCount() - 1;
        Record record(SchedaCliente::layout);
        const QString text = QString(SchedaCliente::layout.width(lastField) - 2, u'x') + u"Yz"_s;
        record.setText(lastField, text);
        char* at = guard - size;
        std::memcpy(at, record.bytes().constData(), std::size_t(size));
        const RecordView view(SchedaCliente::layout, at);
        QVERIFY(FieldCriterion(lastField, u"yz"_s).matches(view));
        QVERIFY(FieldCriterion(lastField, u"xxy"_s).matches(view));
        QVERIFY(!FieldCriterion(lastField, u"zz"_s).matches(view));
        munmap(memory, span);
    }
};

QTEST_GUILESS_MAIN(TestFieldCriterion)
#include "TestFieldCriterion.moc"
