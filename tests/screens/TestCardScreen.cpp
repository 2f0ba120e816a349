#include "AccessibleTree.h"
#include "FaultyFileIo.h"
#include "platform/Services.h"
#include "rules/NumberText.h"
#include "screens/CardConflictWindow.h"
#include "screens/CardScreen.h"
#include "screens/StorageMessages.h"
#include "screens/WindowRegistry.h"
#include "ServiceDoubles.h"
#include "storage/RecordFile.h"
#include "TempProgramFolder.h"
#include "TestRecords.h"
#include "TwoLocales.h"

#include <memory>
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>

using namespace Qt::StringLiterals;
using Kind = Messages::Kind;
using Shown = RecordedMessages::Shown;

namespace {

// A small card of a year file, with what the registers and the catalogue need of the mechanism: lists
// of the date and time, an amount, a count, a flag, an attachment, the year label and defaults.
namespace Scheda {
inline constexpr FieldSpec kFields[] = {{"Giorno", 2},   {"Mese", 10},    {"Ore", 2},
                                        {"Importo", 15}, {"Pezzi", 5},    {"Oggetto", 50},
                                        {"Fatto", 2},    {"File01", 250}, {"Anno", 4}};
inline constexpr RecordLayout layout{kFields};
enum Field { Giorno, Mese, Ore, Importo, Pezzi, Oggetto, Fatto, File01, Anno };
} // namespace Scheda

CardDefinition testCard()
{
    using K = FieldKind;
    CardDefinition card;
    card.window = u"TfrmProva"_s;
    card.caption = u" Prova"_s;
    card.layout = &Scheda::layout;
    card.file = CardFile::fromLabel(u"lblFile"_s);
    card.fields = {
        {u"txtGiorno"_s, Scheda::Giorno, K::Day, u"Giorno:"_s, {}, CardDefault::currentDay()},
        {u"txtMese"_s, Scheda::Mese, K::Month, u"Mese:"_s, {}, CardDefault::currentMonth()},
        {u"txtOre"_s, Scheda::Ore, K::Hour, u"Ore:"_s, {}, CardDefault::currentHour()},
        {u"txtImporto"_s, Scheda::Importo, K::Amount, u"Importo: €"_s, {}, CardDefault::text(u"0,00"_s)},
        {u"txtPezzi"_s, Scheda::Pezzi, K::WholeNumber, u"Pezzi:"_s, {}, CardDefault::text(u"0"_s)},
        {u"txtOggetto"_s, Scheda::Oggetto, K::Text, u"Oggetto:"_s},
        {u"chkFatto"_s, Scheda::Fatto, K::Flag, u"Fatto"_s, u"Spunta se fatto."_s},
        {u"lblFile01"_s, Scheda::File01, K::Hidden},
        {u"lblAnno"_s, Scheda::Anno, K::Label, u"Anno"_s},
        {u"lblFile"_s, -1, K::Hidden},
    };
    card.sections = {
        {u"fraProva"_s,
         u"Prova"_s,
         {},
         {{{u"txtGiorno"_s, 2}, {u"txtMese"_s, 3}, {u"lblAnno"_s, 2}, {u"txtOre"_s, 2}},
          {{u"txtImporto"_s, 3}, {u"txtPezzi"_s, 3}, {u"txtOggetto"_s, 4}, {u"chkFatto"_s, 2}}}}};
    card.commands = {CardCommands::nuovo(),
                     CardCommands::duplica(),
                     CardCommands::salva(u"Salva la scheda corrente in archivio."_s),
                     CardCommands::trova(),
                     CardCommands::guida(u"Visualizza la guida."_s),
                     CardCommands::esci(u"Esci."_s)};
    card.enterChain = {u"txtGiorno"_s,  u"txtMese"_s,  u"txtOre"_s,
                       u"txtImporto"_s, u"txtPezzi"_s, u"txtOggetto"_s};
    card.idleText = u"Pronto per stampare una nuova scheda..."_s;
    card.checks = {CardCheck::required(u"txtOggetto"_s, u"Manca l'oggetto."_s),
                   {[](const FormTexts& s) { return s.text(u"txtGiorno"_s).trimmed().size() == 2; },
                    u"Manca il giorno."_s, u"txtGiorno"_s}};
    // A computed field: the amount is stored with two decimals; "0" in the count refuses the save.
    card.beforeWrite = [](CardScreen& screen) {
        screen.setText(u"txtImporto"_s, NumberText::normaliseAmount(screen.text(u"txtImporto"_s), 2));
        if (screen.text(u"txtPezzi"_s) != u"0")
            return true;
        Services::messages().plain(u"Zero pezzi."_s);
        return false;
    };
    card.duplicate = true;
    card.duplicateResets = {
        {u"txtGiorno"_s, QString()}, {u"txtMese"_s, QString()}, {u"lblFile01"_s, QString()}};
    card.appendedMessage = u"La scheda corrente è stata salvata in archivio."_s;
    card.accessMessageKind = Kind::Warning;
    return card;
}

struct Fixture
{
    explicit Fixture(CardDefinition definition = testCard())
    {
        services.clock.set(QDateTime(QDate(2024, 3, 5), QTime(9, 7)));
        card = std::make_unique<CardScreen>(std::move(definition), registry);
        card->setText(u"lblFile"_s, folder.file(u"2023.tst"_s));
        card->setText(u"lblAnno"_s, u"2023"_s);
        card->resize(1366, 768);
        card->show();
        QApplication::setActiveWindow(card.get());
    }

    QLineEdit* edit(const QString& name) const { return card->findChild<QLineEdit*>(name); }
    QComboBox* list(const QString& name) const { return card->findChild<QComboBox*>(name); }
    void click(const QString& name) const { QTest::mouseClick(card->button(name), Qt::LeftButton); }
    QString position() const { return card->text(u"lblPosizione"_s); }
    QByteArray archive() const { return folder.readAll(u"2023.tst"_s); }
    Record stored(qint64 number) const { return TestRecords::at(archive(), Scheda::layout, number); }
    // The same card on another workstation, showing the archive's first record (on screen or not).
    std::unique_ptr<CardScreen> anotherDesk(bool shown = false)
    {
        auto other = std::make_unique<CardScreen>(testCard(), registry);
        other->setText(u"lblFile"_s, folder.file(u"2023.tst"_s));
        if (shown)
            other->show();
        other->navigate(CardNavigation::Command::First);
        return other;
    }

    TempProgramFolder folder;
    ServiceDoubles services;
    WindowRegistry registry;
    std::unique_ptr<CardScreen> card;
};

} // namespace

class TestCardScreen : public QObject
{
    Q_OBJECT

private slots:
    void newCardTakesTheDefaults()
    {
        Fixture f;
        f.edit(u"txtOggetto"_s)->setText(u"Preventivo"_s);
        f.card->setText(u"chkFatto"_s, u"Sì"_s);
        f.card->setText(u"lblFile01"_s, u"a.pdf"_s);
        f.click(u"cmdNuovo"_s);
        const QHash<QString, QString> texts = f.card->controlTexts();
        const QHash<QString, QString> expected = {
            {u"txtGiorno"_s, u"05"_s},     {u"txtMese"_s, u"Marzo"_s},
            {u"txtOre"_s, u"09"_s},        {u"txtImporto"_s, u"0,00"_s},
            {u"txtPezzi"_s, u"0"_s},       {u"txtOggetto"_s, QString()},
            {u"chkFatto"_s, u"No"_s},      {u"lblFile01"_s, QString()},
            {u"lblAnno"_s, u"2023"_s},     {u"lblFile"_s, f.folder.file(u"2023.tst"_s)},
            {u"lblPosizione"_s, QString()}};
        QCOMPARE(texts, expected);
        QCOMPARE(f.list(u"txtGiorno"_s)->currentIndex(), -1);
        QCOMPARE(QApplication::focusWidget(), f.list(u"txtGiorno"_s));
    }

    void saveWritesTheYearFileWithItsOwnWordsAndComputedFields()
    {
        Fixture f;
        f.edit(u"txtOggetto"_s)->setText(u"Preventivo"_s);
        f.edit(u"txtPezzi"_s)->setText(u"3"_s);
        f.edit(u"txtImporto"_s)->setText(u"12,3456"_s);
        f.click(u"cmdSalva"_s);
        QCOMPARE(f.services.messages.shown(),
                 (QList<Shown>{{Kind::Information, u"La scheda corrente è stata salvata in archivio."_s}}));
        QCOMPARE(f.position(), u"1"_s);
        const Record record = f.stored(1);
        QCOMPARE(record.text(Scheda::Importo), u"12,35"_s);
        QCOMPARE(record.text(Scheda::Anno), u"2023"_s);
        QCOMPARE(record.text(Scheda::Mese), u"Marzo"_s);
        QCOMPARE(record.text(Scheda::Fatto), u"No"_s);
    }

    // The command pictures take no focus, so the field being edited is never left before Save: Save writes
    // it as leaving would have (the card without its own hook, which would mask this).
    void saveNormalisesTheFieldBeingEdited_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("amount of one decimal")
            << u"txtImporto"_s << int(Scheda::Importo) << u"12,5"_s << u"12,50"_s;
        QTest::newRow("amount emptied") << u"txtImporto"_s << int(Scheda::Importo) << QString() << u"0,00"_s;
        QTest::newRow("amount of five decimals")
            << u"txtImporto"_s << int(Scheda::Importo) << u"1,23456"_s << u"1,2346"_s;
        QTest::newRow("count with zeros") << u"txtPezzi"_s << int(Scheda::Pezzi) << u"007"_s << u"7"_s;
        QTest::newRow("count emptied") << u"txtPezzi"_s << int(Scheda::Pezzi) << QString() << u"0"_s;
    }

    void saveNormalisesTheFieldBeingEdited()
    {
        QFETCH(QString, control);
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        CardDefinition definition = testCard();
        definition.beforeWrite = {};
        Fixture f(std::move(definition));
        f.edit(u"txtOggetto"_s)->setText(u"Preventivo"_s);
        QLineEdit* edited = f.edit(control);
        edited->setFocus();
        edited->clear();
        QTest::keyClicks(edited, typed);
        f.click(u"cmdSalva"_s);
        QCOMPARE(QApplication::focusWidget(), edited);
        QCOMPARE(f.stored(1).text(field), stored);
        QCOMPARE(edited->text(), stored);
    }

    // A wheel turned over a list of a stored card, and its arrow keys, change nothing that Save stores.
    void aStoredListValueSurvivesTheWheelAndTheArrows()
    {
        Fixture f;
        f.edit(u"txtOggetto"_s)->setText(u"Preventivo"_s);
        f.edit(u"txtPezzi"_s)->setText(u"3"_s);
        f.list(u"txtOre"_s)->setEditText(u"15"_s);
        f.click(u"cmdSalva"_s);
        f.click(u"cmdPrimo"_s);
        QComboBox* hour = f.list(u"txtOre"_s);
        QCOMPARE(hour->currentText(), u"15"_s);
        hour->setFocus(Qt::TabFocusReason);
        const QPointF at = hour->rect().center();
        QWheelEvent wheel(at, hour->mapToGlobal(at), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(hour, &wheel);
        QTest::keyClick(hour, Qt::Key_Down);
        QTest::keyClick(hour, Qt::Key_Up);
        f.click(u"cmdSalva"_s);
        QCOMPARE(f.stored(1).text(Scheda::Ore), u"15"_s);
    }

    void checksRunInOrderAndAHookMayStopTheSave_data()
    {
        QTest::addColumn<QString>("oggetto");
        QTest::addColumn<QString>("giorno");
        QTest::addColumn<QString>("pezzi");
        QTest::addColumn<Shown>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("first check") << QString() << QString() << u"1"_s
                                     << Shown{Kind::Warning, u"Manca l'oggetto."_s} << u"txtOggetto"_s;
        QTest::newRow("second check") << u"Prova"_s << u"5"_s << u"1"_s
                                      << Shown{Kind::Warning, u"Manca il giorno."_s} << u"txtGiorno"_s;
        QTest::newRow("hook") << u"Prova"_s << u"05"_s << u"0"_s << Shown{Kind::Plain, u"Zero pezzi."_s}
                              << u"txtPezzi"_s;
    }

    void checksRunInOrderAndAHookMayStopTheSave()
    {
        QFETCH(QString, oggetto);
        QFETCH(QString, giorno);
        QFETCH(QString, pezzi);
        QFETCH(Shown, message);
        QFETCH(QString, focus);
        Fixture f;
        f.edit(u"txtOggetto"_s)->setText(oggetto);
        f.list(u"txtGiorno"_s)->setEditText(giorno);
        f.edit(u"txtPezzi"_s)->setText(pezzi);
        f.edit(u"txtPezzi"_s)->setFocus();
        f.click(u"cmdSalva"_s);
        QCOMPARE(f.services.messages.shown(), QList<Shown>{message});
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QVERIFY(!QFile::exists(f.folder.file(u"2023.tst"_s)));
    }

    void duplicateOnANewCardOnlyWarns()
    {
        Fixture f;
        f.edit(u"txtOggetto"_s)->setText(u"Preventivo"_s);
        f.click(u"cmdDuplica"_s);
        QCOMPARE(
            f.services.messages.shown(),
            (QList<Shown>{{Kind::Warning, u"Attenzione: la duplicazione di una scheda può avvenire soltanto "
                                          u"dopo che questa è stata inserita in archivio."_s}}));
        QCOMPARE(f.edit(u"txtOggetto"_s)->text(), u"Preventivo"_s);
        QCOMPARE(f.list(u"txtGiorno"_s)->currentText(), u"05"_s);
    }

    void duplicateClearsItsFieldsAndTheNextSaveAppends()
    {
        Fixture f;
        f.edit(u"txtOggetto"_s)->setText(u"Rata"_s);
        f.edit(u"txtPezzi"_s)->setText(u"1"_s);
        f.card->setText(u"lblFile01"_s, u"contratto.pdf"_s);
        f.card->setText(u"chkFatto"_s, u"Sì"_s);
        f.click(u"cmdSalva"_s);
        f.services.messages.take();

        f.click(u"cmdDuplica"_s);
        QCOMPARE(
            f.services.messages.take(),
            (QList<Shown>{{Kind::Information, u"E' ora possibile apportare le proprie modifiche alla scheda "
                                              u"corrente.\n\r\n\rAl termine premere Salva per inserire la "
                                              u"scheda in archivio."_s}}));
        QCOMPARE(f.position(), QString());
        QCOMPARE(f.list(u"txtGiorno"_s)->currentText(), QString());
        QCOMPARE(f.list(u"txtMese"_s)->currentText(), QString());
        QCOMPARE(f.card->text(u"lblFile01"_s), QString());
        QCOMPARE(f.edit(u"txtOggetto"_s)->text(), u"Rata"_s);
        QCOMPARE(f.card->text(u"chkFatto"_s), u"Sì"_s);
        QCOMPARE(QApplication::focusWidget(), f.list(u"txtGiorno"_s));

        f.list(u"txtGiorno"_s)->setEditText(u"06"_s);
        f.click(u"cmdSalva"_s);
        QCOMPARE(f.position(), u"2"_s);
        QCOMPARE(f.stored(2).text(Scheda::Oggetto), u"Rata"_s);
        QCOMPARE(f.stored(2).text(Scheda::File01), QString());
        QCOMPARE(f.stored(1).text(Scheda::File01), u"contratto.pdf"_s);
    }

    // Two workstations show card 1; the other one saves first, then this one. Each changed its own
    // fields, or the same field differently; the operator's choice settles the second.
    void saveKeepsWhatAnotherWorkstationSaved_data()
    {
        QTest::addColumn<QString>("otherObject");
        QTest::addColumn<QString>("thisObject");
        QTest::addColumn<QString>("thisPieces");
        QTest::addColumn<int>("choice"); // -1 Annulla, 0 keep the archive's, 1 keep this one's
        QTest::addColumn<QString>("storedObject");
        QTest::addColumn<QString>("storedPieces");
        QTest::addColumn<QString>("message");
        const QString merged =
            u"Le modifiche apportate alla scheda corrente sono state salvate in archivio."
            u"\n\r\n\rNel frattempo la scheda era stata aggiornata da un'altra postazione: "
            u"i suoi dati sono stati mantenuti e la scheda ora li mostra."_s;
        QTest::newRow("different fields")
            << u"Rata pagata"_s << u"Rata"_s << u"4"_s << 1 << u"Rata pagata"_s << u"4"_s << merged;
        QTest::newRow("same field, this one kept")
            << u"Rata pagata"_s << u"Rata sospesa"_s << u"1"_s << 1 << u"Rata sospesa"_s << u"1"_s << merged;
        QTest::newRow("same field, the archive's kept")
            << u"Rata pagata"_s << u"Rata sospesa"_s << u"4"_s << 0 << u"Rata pagata"_s << u"4"_s << merged;
        QTest::newRow("same field, cancelled") << u"Rata pagata"_s << u"Rata sospesa"_s << u"4"_s << -1
                                               << u"Rata pagata"_s << u"1"_s << QString();
    }

    void saveKeepsWhatAnotherWorkstationSaved()
    {
        QFETCH(QString, otherObject);
        QFETCH(QString, thisObject);
        QFETCH(QString, thisPieces);
        QFETCH(int, choice);
        QFETCH(QString, storedObject);
        QFETCH(QString, storedPieces);
        QFETCH(QString, message);
        Fixture f;
        f.edit(u"txtOggetto"_s)->setText(u"Rata"_s);
        f.edit(u"txtPezzi"_s)->setText(u"1"_s);
        f.click(u"cmdSalva"_s);
        const std::unique_ptr<CardScreen> other = f.anotherDesk();
        other->findChild<QLineEdit*>(u"txtOggetto"_s)->setText(otherObject);
        other->saveCard();
        f.services.messages.take();

        f.edit(u"txtOggetto"_s)->setText(thisObject);
        f.edit(u"txtPezzi"_s)->setText(thisPieces);
        f.services.modal.setNextScript([&](QDialog& dialog) {
            auto& window = dynamic_cast<CardConflictWindow&>(dialog);
            window.setKeepMine(0, choice == 1);
            return choice < 0 ? QDialog::Rejected : QDialog::Accepted;
        });
        f.click(u"cmdSalva"_s);
        const bool sameField = thisObject != u"Rata"_s;
        QCOMPARE(f.services.modal.shown(), sameField ? QStringList{u"TfrmConflitti"_s} : QStringList{});
        QCOMPARE(f.stored(1).text(Scheda::Oggetto), storedObject);
        QCOMPARE(f.stored(1).text(Scheda::Pezzi), storedPieces);
        QCOMPARE(f.archive().size(), Scheda::layout.size());
        QCOMPARE(f.services.messages.take(),
                 (message.isEmpty() ? QList<Shown>{} : QList<Shown>{{Kind::Information, message}}));
        if (choice >= 0) {
            // The card shows what the archive holds now.
            QCOMPARE(f.edit(u"txtOggetto"_s)->text(), storedObject);
            QCOMPARE(f.edit(u"txtPezzi"_s)->text(), storedPieces);
        } else {
            QCOMPARE(f.edit(u"txtOggetto"_s)->text(), thisObject);
        }
    }

    // A card with nothing unsaved shows the archive's record again when the operator comes back to it;
    // one with unsaved changes keeps them for the Save to compare.
    void comingBackToTheCardShowsAnotherWorkstationsSave()
    {
        Fixture f;
        f.edit(u"txtOggetto"_s)->setText(u"Rata"_s);
        f.edit(u"txtPezzi"_s)->setText(u"1"_s);
        f.click(u"cmdSalva"_s);
        const std::unique_ptr<CardScreen> other = f.anotherDesk(true);
        other->findChild<QLineEdit*>(u"txtOggetto"_s)->setText(u"Rata pagata"_s);
        other->saveCard();

        QApplication::setActiveWindow(other.get());
        QApplication::setActiveWindow(f.card.get());
        QTRY_COMPARE(f.edit(u"txtOggetto"_s)->text(), u"Rata pagata"_s);

        f.edit(u"txtPezzi"_s)->setText(u"3"_s);
        other->findChild<QLineEdit*>(u"txtOggetto"_s)->setText(u"Rata sospesa"_s);
        other->saveCard();
        QApplication::setActiveWindow(other.get());
        QApplication::setActiveWindow(f.card.get());
        QTest::qWait(20);
        QCOMPARE(f.edit(u"txtOggetto"_s)->text(), u"Rata pagata"_s);
        QCOMPARE(f.edit(u"txtPezzi"_s)->text(), u"3"_s);
    }

    void accessFailureUsesTheCardsBoxKind()
    {
        Fixture f;
        {
            FaultyFileIo io;
            io.failAt(FaultyFileIo::Open, 1, EACCES, true);
            f.click(u"cmdUltimo"_s);
        }
        QCOMPARE(f.services.messages.shown(),
                 (QList<Shown>{{Kind::Warning, StorageMessages::accessDenied()}}));
    }

    // Typed text, then what leaving the field makes of it; the same in both locales.
    void amountIsNormalisedOnLeaving_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("empty") << QString() << u"0,00"_s;
        QTest::newRow("whole") << u"150"_s << u"150,00"_s;
        QTest::newRow("one decimal") << u"12,5"_s << u"12,50"_s;
        QTest::newRow("zeros") << u"0012,300"_s << u"12,30"_s;
        QTest::newRow("leading comma") << u",5"_s << u"0,50"_s;
        QTest::newRow("three decimals") << u"12,345"_s << u"12,345"_s;
        QTest::newRow("six decimals") << u"7,123456"_s << u"7,1235"_s;
        QTest::newRow("zero") << u"0"_s << u"0,00"_s;
        QTest::newRow("comma only") << u","_s << u"0,00"_s;
        QTest::newRow("point, minus and letters never appear") << u"-1.5e3"_s << u"153,00"_s;
    }

    void amountIsNormalisedOnLeaving()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        Fixture f;
        QLineEdit* amount = f.edit(u"txtImporto"_s);
        amount->setFocus();
        amount->clear();
        QTest::keyClicks(amount, typed);
        f.edit(u"txtOggetto"_s)->setFocus(Qt::TabFocusReason);
        QCOMPARE(amount->text(), shown);
        amount->setFocus();
        f.edit(u"txtOggetto"_s)->setFocus(Qt::TabFocusReason);
        QCOMPARE(amount->text(), shown);
    }

    // An amount that cannot be read ("1,2,3", typed or pasted) is never turned into 0,00 or into another
    // number: leaving the field or saving says so, keeps the text and puts the focus back in the field;
    // nothing is stored.
    void unreadableAmountIsToldAndKept_data()
    {
        QTest::addColumn<bool>("save");
        QTest::addColumn<bool>("typed");
        QTest::addColumn<QString>("pasted");
        for (const bool typed : {false, true}) {
            const char* how = typed ? "typed" : "pasted";
            QTest::addRow("left, two commas %s", how) << false << typed << u"1,2,3"_s;
            QTest::addRow("left, digits around two commas %s", how) << false << typed << u"Totale 4,5,6"_s;
            QTest::addRow("saved while in the field, %s", how) << true << typed << u"1,2,3"_s;
        }
    }

    void unreadableAmountIsToldAndKept()
    {
        QFETCH(bool, save);
        QFETCH(bool, typed);
        QFETCH(QString, pasted);
        // Without the test card's own hook, which would make any text two decimals.
        CardDefinition definition = testCard();
        definition.beforeWrite = {};
        Fixture f(std::move(definition));
        f.edit(u"txtOggetto"_s)->setText(u"Preventivo"_s);
        f.edit(u"txtPezzi"_s)->setText(u"3"_s);
        QLineEdit* amount = f.edit(u"txtImporto"_s);
        amount->setFocus();
        amount->selectAll();
        if (typed) {
            QTest::keyClick(amount, Qt::Key_Backspace);
            QTest::keyClicks(amount, pasted);
        } else {
            QGuiApplication::clipboard()->setText(pasted);
            QTest::keySequence(amount, QKeySequence::Paste);
        }
        const QString kept = amount->text();
        QCOMPARE(kept.count(u','), 3 - 1);
        if (save) {
            f.click(u"cmdSalva"_s);
        } else {
            f.edit(u"txtOggetto"_s)->setFocus(Qt::TabFocusReason);
            QTRY_COMPARE(f.services.messages.shown().size(), 1);
        }
        const QList<Shown> told{{Kind::Warning, u"Attenzione: il testo \""_s + kept +
                                                    u"\" non è un importo valido.\n\r\n\rIndicare l'importo "
                                                    u"in cifre, con una sola virgola prima dei decimali."_s}};
        QCOMPARE(f.services.messages.shown(), told);
        QCOMPARE(amount->text(), kept);
        QCOMPARE(QApplication::focusWidget(), amount);
        QVERIFY(f.archive().isEmpty());
        // Corrected, it is read, normalised and stored.
        amount->setText(u"12,5"_s);
        f.click(u"cmdSalva"_s);
        QCOMPARE(f.stored(1).text(Scheda::Importo), u"12,50"_s);
    }

    void wholeNumberIsNormalisedOnLeaving_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("empty") << QString() << u"0"_s;
        QTest::newRow("leading zeros") << u"007"_s << u"7"_s;
        QTest::newRow("plain") << u"12"_s << u"12"_s;
        QTest::newRow("comma never appears") << u"1,5"_s << u"15"_s;
    }

    void wholeNumberIsNormalisedOnLeaving()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        Fixture f;
        QLineEdit* count = f.edit(u"txtPezzi"_s);
        count->setFocus();
        count->clear();
        QTest::keyClicks(count, typed);
        f.edit(u"txtOggetto"_s)->setFocus(Qt::TabFocusReason);
        QCOMPARE(count->text(), shown);
    }

    void leavingAFieldForAnotherWindowIsNotLeavingIt()
    {
        Fixture f;
        QLineEdit* amount = f.edit(u"txtImporto"_s);
        amount->setFocus();
        amount->setText(u"12,5"_s);
        QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(amount, &away);
        QCOMPARE(amount->text(), u"12,5"_s);
    }

    void dateListsTakeNoTyping()
    {
        Fixture f;
        QComboBox* day = f.list(u"txtGiorno"_s);
        day->setFocus();
        QTest::keyClicks(day, u"12"_s);
        QCOMPARE(day->currentText(), u"05"_s);
        QTest::keyClick(day, Qt::Key_Backspace);
        QCOMPARE(day->currentText(), QString());
        QTest::keyClick(day, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), f.list(u"txtMese"_s));
    }

    void leavingADateListKeepsOnlyItsItems_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("kept");
        QTest::newRow("day") << u"txtGiorno"_s << u"31"_s << u"31"_s;
        QTest::newRow("day out of range") << u"txtGiorno"_s << u"32"_s << QString();
        QTest::newRow("day with one digit") << u"txtGiorno"_s << u"5"_s << QString();
        QTest::newRow("month") << u"txtMese"_s << u"Aprile"_s << u"Aprile"_s;
        QTest::newRow("month in lower case") << u"txtMese"_s << u"aprile"_s << QString();
        QTest::newRow("hour") << u"txtOre"_s << u"24"_s << QString();
    }

    void leavingADateListKeepsOnlyItsItems()
    {
        QFETCH(QString, list);
        QFETCH(QString, text);
        QFETCH(QString, kept);
        Fixture f;
        f.list(list)->setFocus();
        f.list(list)->setEditText(text);
        f.edit(u"txtOggetto"_s)->setFocus(Qt::TabFocusReason);
        QCOMPARE(f.list(list)->currentText(), kept);
    }

    void statusLineShowsHintsAndEmptiesOverTheBackground()
    {
        Fixture f;
        auto* status = f.card->findChild<QLabel*>(u"panInfo"_s);
        QCOMPARE(status->text(), u"Pronto per stampare una nuova scheda..."_s);
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(f.card->button(u"cmdDuplica"_s), &enter);
        QCOMPARE(
            status->text(),
            u"Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti."_s);
        QApplication::sendEvent(f.card->findChild<QCheckBox*>(u"chkFatto"_s), &enter);
        QCOMPARE(status->text(), u"Spunta se fatto."_s);
        QTest::mouseMove(f.card.get(), QPoint(f.card->width() / 2, f.card->height() - 60));
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(f.card->findChild<QWidget*>(u"fraProva"_s), &move);
        QCOMPARE(status->text(), QString());
    }

    void focusHighlightFollowsTheFocus()
    {
        Fixture f;
        QWidget* highlight = f.card->findChild<QWidget*>(u"effOggetto"_s);
        QVERIFY(highlight);
        f.edit(u"txtOggetto"_s)->setFocus();
        QVERIFY(highlight->isVisible());
        f.edit(u"txtPezzi"_s)->setFocus();
        QVERIFY(!highlight->isVisible());
        QVERIFY(f.card->findChild<QWidget*>(u"effPezzi"_s)->isVisible());
    }

    // The focused input is found at a glance: a yellow frame around it and a yellow background inside,
    // both gone once the focus leaves.
    void focusHighlightFillsAroundAndInside()
    {
        Fixture f;
        QLineEdit* input = f.edit(u"txtOggetto"_s);
        const QColor white = input->palette().color(QPalette::Base);
        input->setFocus();
        QWidget* highlight = f.card->findChild<QWidget*>(u"effOggetto"_s);
        QVERIFY(highlight->geometry().contains(input->geometry().adjusted(-3, -3, 3, 3)));
        const auto yellow = [](const QColor& colour) {
            return colour.red() > 220 && colour.green() > 180 && colour.blue() < 190;
        };
        const QImage shot = highlight->parentWidget()->grab(highlight->geometry()).toImage();
        QVERIFY(yellow(shot.pixelColor(2, shot.height() / 2)));
        QVERIFY(yellow(shot.pixelColor(shot.width() - 12, shot.height() / 2)));
        QVERIFY(yellow(input->palette().color(QPalette::Base)));

        f.edit(u"txtPezzi"_s)->setFocus();
        QVERIFY(!highlight->isVisible());
        QCOMPARE(input->palette().color(QPalette::Base), white);
        QVERIFY(!input->testAttribute(Qt::WA_SetPalette));
    }

    // A screen reader reads the values the card shows in labels, not only what they are.
    void recordNumberAndYearAreSpoken()
    {
        Fixture f;
        auto* position = f.card->findChild<QLabel*>(u"lblPosizione"_s);
        auto* year = f.card->findChild<QLabel*>(u"lblAnno"_s);
        QCOMPARE(AccessibleTree::spokenName(f.card.get(), position), u"Numero scheda"_s);
        QCOMPARE(AccessibleTree::spokenName(f.card.get(), year), u"Anno: 2023"_s);
        f.edit(u"txtOggetto"_s)->setText(u"Preventivo"_s);
        f.edit(u"txtPezzi"_s)->setText(u"3"_s);
        f.click(u"cmdSalva"_s);
        f.click(u"cmdNuovo"_s);
        f.edit(u"txtOggetto"_s)->setText(u"Ordine"_s);
        f.edit(u"txtPezzi"_s)->setText(u"2"_s);
        f.click(u"cmdSalva"_s);
        QCOMPARE(AccessibleTree::spokenName(f.card.get(), position), u"Numero scheda: 2"_s);
    }

    // Changing card from a picture leaves the focus there: the card now shown is told by its number and
    // its first field.
    void changingCardIsAnnounced()
    {
        Fixture f;
        QVERIFY(QTest::qWaitForWindowActive(f.card.get()));
        for (const QString& subject : {u"Preventivo"_s, u"Ordine"_s}) {
            f.click(u"cmdNuovo"_s);
            f.edit(u"txtOggetto"_s)->setText(subject);
            f.edit(u"txtPezzi"_s)->setText(u"2"_s);
            f.click(u"cmdSalva"_s);
        }
        QAbstractButton* first = f.card->button(u"cmdPrimo"_s);
        QAbstractButton* next = f.card->button(u"cmdAvanti"_s);
        first->setFocus(Qt::TabFocusReason);
        QTest::keyClick(first, Qt::Key_Space);
        QTRY_COMPARE(AccessibleTree::notification(f.card.get()), u"Numero scheda: 1, Giorno: 05"_s);
        next->setFocus(Qt::TabFocusReason);
        QTest::keyClick(next, Qt::Key_Space);
        QTRY_COMPARE(AccessibleTree::notification(f.card.get()), u"Numero scheda: 2, Giorno: 05"_s);
        QCOMPARE(f.position(), u"2"_s);
    }

    void unwiredCommandsWaitForTheirWindows()
    {
        Fixture f;
        QVERIFY(!f.card->button(u"cmdTrova"_s)->isEnabled());
        int found = 0;
        f.card->onCommand(u"cmdTrova"_s, [&found] { ++found; });
        f.click(u"cmdTrova"_s);
        QCOMPARE(found, 1);
    }
};

TELVARA_TEST_MAIN_IN_TWO_LOCALES_GUI(TestCardScreen)
#include "TestCardScreen.moc"
