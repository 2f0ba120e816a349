#include "screens/CardMerge.h"
#include "TestRecords.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

namespace Scheda {
inline constexpr FieldSpec kFields[] = {{"Nome", 20}, {"Telefono", 15}, {"Note", 40}, {"Pezzi", 5}};
inline constexpr RecordLayout layout{kFields};
enum Field { Nome, Telefono, Note, Pezzi };
} // namespace Scheda

// Name, telephone, note and pieces, in that order.
Record card(const QStringList& values)
{
    TestRecords::Fields fields;
    for (int i = 0; i < values.size(); ++i)
        fields.append({i, values.at(i)});
    return TestRecords::make(Scheda::layout, fields);
}

using Texts = QStringList;

} // namespace

Q_DECLARE_METATYPE(QSet<int>)

class TestCardMerge : public QObject
{
    Q_OBJECT

private slots:
    // base: as the card loaded it; stored: as another workstation left it; mine: as this card would
    // write it, having changed the fields edited. Pieces is a count.
    void mergeKeepsBothSidesWork_data()
    {
        QTest::addColumn<Texts>("base");
        QTest::addColumn<Texts>("stored");
        QTest::addColumn<Texts>("mine");
        QTest::addColumn<QSet<int>>("edited");
        QTest::addColumn<Texts>("merged");
        QTest::addColumn<QList<int>>("conflicts");
        QTest::addColumn<bool>("changedElsewhere");
        const Texts base = {u"Rossi"_s, u"0612"_s, u"nota"_s, u"2"_s};
        using S = Scheda::Field;
        QTest::newRow("nothing stored meanwhile")
            << base << base << Texts{u"Rossi"_s, u"0699"_s, u"nota"_s, u"2"_s} << QSet<int>{S::Telefono}
            << Texts{u"Rossi"_s, u"0699"_s, u"nota"_s, u"2"_s} << QList<int>{} << false;
        QTest::newRow("other fields changed elsewhere are kept")
            << base << Texts{u"Rossi"_s, u"0612"_s, u"richiamare"_s, u"2"_s}
            << Texts{u"Rossi"_s, u"0699"_s, u"nota"_s, u"2"_s} << QSet<int>{S::Telefono}
            << Texts{u"Rossi"_s, u"0699"_s, u"richiamare"_s, u"2"_s} << QList<int>{} << true;
        QTest::newRow("a field shown but not edited is not written back")
            << base << Texts{u"Rossi"_s, u"0612"_s, u"nota"_s, u"1"_s}
            << Texts{u"Rossi"_s, u"0612"_s, u"nuova nota"_s, u"2"_s} << QSet<int>{S::Note}
            << Texts{u"Rossi"_s, u"0612"_s, u"nuova nota"_s, u"1"_s} << QList<int>{} << true;
        QTest::newRow("the same change on both sides")
            << base << Texts{u"Rossi"_s, u"0699"_s, u"nota"_s, u"2"_s}
            << Texts{u"Rossi"_s, u"0699"_s, u"nota"_s, u"2"_s} << QSet<int>{S::Telefono}
            << Texts{u"Rossi"_s, u"0699"_s, u"nota"_s, u"2"_s} << QList<int>{} << true;
        QTest::newRow("one field changed differently")
            << base << Texts{u"Rossi"_s, u"0611"_s, u"richiamare"_s, u"2"_s}
            << Texts{u"Rossi"_s, u"0699"_s, u"nota"_s, u"2"_s} << QSet<int>{S::Telefono}
            << Texts{u"Rossi"_s, u"0699"_s, u"richiamare"_s, u"2"_s} << QList<int>{S::Telefono} << true;
        QTest::newRow("stock added here while a piece was sold")
            << base << Texts{u"Rossi"_s, u"0612"_s, u"nota"_s, u"1"_s}
            << Texts{u"Rossi"_s, u"0612"_s, u"nota"_s, u"5"_s} << QSet<int>{S::Pezzi}
            << Texts{u"Rossi"_s, u"0612"_s, u"nota"_s, u"4"_s} << QList<int>{} << true;
        QTest::newRow("a piece added on each side")
            << base << Texts{u"Rossi"_s, u"0612"_s, u"nota"_s, u"3"_s}
            << Texts{u"Rossi"_s, u"0612"_s, u"nota"_s, u"3"_s} << QSet<int>{S::Pezzi}
            << Texts{u"Rossi"_s, u"0612"_s, u"nota"_s, u"4"_s} << QList<int>{} << true;
        QTest::newRow("taking out more than is left")
            << base << Texts{u"Rossi"_s, u"0612"_s, u"nota"_s, u"0"_s}
            << Texts{u"Rossi"_s, u"0612"_s, u"nota"_s, u"1"_s} << QSet<int>{S::Pezzi}
            << Texts{u"Rossi"_s, u"0612"_s, u"nota"_s, u"1"_s} << QList<int>{S::Pezzi} << true;
        QTest::newRow("a count that cannot be read")
            << base << Texts{u"Rossi"_s, u"0612"_s, u"nota"_s, u"uno"_s}
            << Texts{u"Rossi"_s, u"0612"_s, u"nota"_s, u"3"_s} << QSet<int>{S::Pezzi}
            << Texts{u"Rossi"_s, u"0612"_s, u"nota"_s, u"3"_s} << QList<int>{S::Pezzi} << true;
        QTest::newRow("two conflicts, the rest merged")
            << base << Texts{u"Bianchi"_s, u"0611"_s, u"nota"_s, u"7"_s}
            << Texts{u"Verdi"_s, u"0699"_s, u"altro"_s, u"2"_s} << QSet<int>{S::Nome, S::Telefono, S::Note}
            << Texts{u"Verdi"_s, u"0699"_s, u"altro"_s, u"7"_s} << QList<int>{S::Nome, S::Telefono} << true;
    }

    void mergeKeepsBothSidesWork()
    {
        QFETCH(Texts, base);
        QFETCH(Texts, stored);
        QFETCH(Texts, mine);
        QFETCH(QSet<int>, edited);
        QFETCH(Texts, merged);
        QFETCH(QList<int>, conflicts);
        QFETCH(bool, changedElsewhere);
        const CardMerge::Outcome outcome =
            CardMerge::merge(card(base), card(stored), card(mine), edited, {Scheda::Pezzi});
        QCOMPARE(outcome.merged.bytes(), card(merged).bytes());
        QList<int> found;
        for (const CardMerge::Conflict& conflict : outcome.conflicts) {
            found.append(conflict.field);
            QCOMPARE(conflict.stored, stored.at(conflict.field));
            QCOMPARE(conflict.mine, mine.at(conflict.field));
            QCOMPARE(conflict.base, base.at(conflict.field));
        }
        QCOMPARE(found, conflicts);
        QCOMPARE(outcome.changedElsewhere, changedElsewhere);
    }

    // A field this card did not change goes back with the stored bytes as they are, even those past its
    // text that a reader ignores: Save writes only what it changed.
    void untouchedFieldsKeepTheirStoredBytes()
    {
        Record stored = card({u"Rossi"_s, u"0612"_s, u"nota"_s, u"2"_s});
        QByteArray bytes = stored.bytes();
        bytes[Scheda::layout.offset(Scheda::Note) + 30] = 'z';
        stored = Record(Scheda::layout, bytes);
        Record mine = stored;
        mine.setText(Scheda::Nome, u"Verdi"_s);
        const CardMerge::Outcome outcome = CardMerge::merge(stored, stored, mine, {Scheda::Nome}, {});
        QCOMPARE(outcome.merged.raw(Scheda::Nome), QByteArrayView("Verdi"));
        QCOMPARE(outcome.merged.bytes().mid(Scheda::layout.offset(Scheda::Telefono)),
                 stored.bytes().mid(Scheda::layout.offset(Scheda::Telefono)));
    }
};

QTEST_GUILESS_MAIN(TestCardMerge)
#include "TestCardMerge.moc"
