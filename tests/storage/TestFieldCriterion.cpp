#include "clients/SchedaCliente.h"
#include "storage/FieldCriterion.h"

#include <QTest>

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
        // Long fields are searched eight bytes at a time: hits in the first word, across a word's edge,
        // after a false start in the same word, in the tail, and a first letter ending the field.
        QTest::newRow("first word") << u"Bianchi Mario Giuseppe"_s << u"bianchi"_s << true;
        QTest::newRow("across words") << u"Via dei Bianchi 12"_s << u"BIANCHI"_s << true;
        QTest::newRow("false start first") << u"Bb bBiAnChI bis"_s << u"bianchi"_s << true;
        QTest::newRow("in the tail") << u"Ufficio vendite Roma"_s << u"ROMA"_s << true;
        QTest::newRow("first letter too late") << u"Ufficio vendite Rom"_s << u"roma"_s << false;
        QTest::newRow("accented first letter") << u"Offerta per ÈLITE srl"_s << u"èlite"_s << true;
        QTest::newRow("ÿ folds with Ÿ") << u"Marchio registrato Ÿves"_s << u"ÿves"_s << true;
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
};

QTEST_GUILESS_MAIN(TestFieldCriterion)
#include "TestFieldCriterion.moc"
