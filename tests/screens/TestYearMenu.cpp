#include "ServiceDoubles.h"
#include "screens/CardScreen.h"
#include "screens/WindowRegistry.h"
#include "screens/YearMenu.h"
#include "TempProgramFolder.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;
using Kind = Messages::Kind;
using Shown = RecordedMessages::Shown;

namespace {

namespace Scheda {
inline constexpr FieldSpec kFields[] = {{"AnnoRit", 4}, {"Oggetto", 20}};
inline constexpr RecordLayout layout{kFields};
} // namespace Scheda

// A register card with just what a year menu hands over.
CardDefinition registerCard()
{
    CardDefinition card;
    card.window = u"TfrmRegistroProva"_s;
    card.caption = u" Registro"_s;
    card.layout = &Scheda::layout;
    card.file = CardFile::fromLabel(u"lblFile"_s);
    card.fields = {{u"lblAnnoRit"_s, 0, FieldKind::Label, u"Anno"_s},
                   {u"txtOggetto"_s, 1, FieldKind::Text, u"Oggetto:"_s},
                   {u"lblFile"_s, -1, FieldKind::Hidden}};
    card.sections = {{u"fraProva"_s, u"Prova"_s, {}, {{{u"lblAnnoRit"_s, 4}, {u"txtOggetto"_s, 8}}}}};
    card.commands = {CardCommands::nuovo(), CardCommands::salva(u"Salva."_s),
                     CardCommands::guida(u"Guida."_s), CardCommands::esci(u"Esci."_s)};
    card.enterChain = {u"txtOggetto"_s};
    return card;
}

// A menu of two things, as the sales menu has: a register of a year and a window that needs no year.
YearMenuDefinition twoEntries()
{
    return {u"TfrmMenuProva"_s,
            u" Menu"_s,
            u":/artwork/vendite.svg"_s,
            u"Scegli l'anno."_s,
            {u"Guida del menu."_s, u"Testo."_s},
            {{u"Registro prova:"_s, u"txtAnnoProva"_s, u"btnApriProva"_s, u"registro"_s,
              u"TfrmRegistroProva"_s, u".prv"_s, u" Registro prova anno "_s},
             {u"Riepilogo:"_s, QString(), u"btnApriRiep"_s, u"stat_profitti"_s, u"TfrmRiepilogoProva"_s}}};
}

struct Fixture
{
    Fixture()
    {
        services.clock.set(QDateTime(QDate(2024, 3, 15), QTime(10, 30)));
        card = new CardScreen(registerCard(), registry);
        summary = new ApplicationWindow(registry);
        menu = new YearMenu(twoEntries(), registry);
        registry.add(u"TfrmMenuProva"_s, menu);
        registry.add(u"TfrmRegistroProva"_s, card);
        registry.add(u"TfrmRiepilogoProva"_s, summary);
        menu->open();
        QApplication::setActiveWindow(menu);
    }

    QLineEdit* year() const { return menu->findChild<QLineEdit*>(u"txtAnnoProva"_s); }
    QPushButton* button(const QString& name) const { return menu->findChild<QPushButton*>(name); }
    QString memory() const { return menu->findChild<QLabel*>(u"lblMemory"_s)->text(); }

    TempProgramFolder folder;
    ServiceDoubles services;
    WindowRegistry registry;
    CardScreen* card;
    ApplicationWindow* summary;
    YearMenu* menu;
};

} // namespace

class TestYearMenu : public QObject
{
    Q_OBJECT

private slots:
    void showingProposesTheCurrentYear()
    {
        Fixture f;
        QCOMPARE(f.year()->text(), u"2024"_s);
        QCOMPARE(f.memory(), u"avvio"_s);
        QCOMPARE(QApplication::focusWidget(), f.year());
        f.year()->clear();
        QTest::keyClicks(f.year(), u"2a0 2-3"_s);
        QCOMPARE(f.year()->text(), u"2023"_s);
        f.year()->setText(u"1999"_s);
        f.menu->close();
        f.menu->open();
        QCOMPARE(f.year()->text(), u"2024"_s);
    }

    void enterMovesToApri()
    {
        Fixture f;
        QTest::keyClick(f.year(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), f.button(u"btnApriProva"_s));
        QVERIFY(f.menu->isVisible());
    }

    void yearMustHaveFourCharacters_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("empty") << QString();
        QTest::newRow("two digits") << u"22"_s;
        QTest::newRow("three digits") << u"202"_s;
    }

    void yearMustHaveFourCharacters()
    {
        QFETCH(QString, typed);
        Fixture f;
        f.year()->setText(typed);
        f.button(u"btnApriProva"_s)->setFocus();
        f.button(u"btnApriProva"_s)->click();
        QCOMPARE(f.services.messages.shown(),
                 (QList<Shown>{
                     {Kind::Warning, u"Attenzione: indicare l'anno solare utilizzando quattro cifre."_s}}));
        QVERIFY(f.menu->isVisible());
        QVERIFY(!f.card->isVisible());
        QCOMPARE(QApplication::focusWidget(), f.year());
        QCOMPARE(f.memory(), u"avvio"_s);
    }

    void apriHandsTheYearFileToTheCard()
    {
        Fixture f;
        f.year()->setText(u"2021"_s);
        f.button(u"btnApriProva"_s)->click();
        QVERIFY(!f.menu->isVisible());
        QVERIFY(f.card->isVisible());
        QCOMPARE(f.memory(), u"registro"_s);
        QCOMPARE(f.card->text(u"lblFile"_s), f.folder.file(u"2021.prv"_s));
        QCOMPARE(f.card->text(u"lblAnnoRit"_s), u"2021"_s);
        QCOMPARE(f.card->windowTitle(), u" Registro prova anno 2021"_s);
        // The file is opened, and created, by the card's first action that needs it.
        QVERIFY(!QFile::exists(f.folder.file(u"2021.prv"_s)));
        f.card->navigate(CardNavigation::Command::Last);
        QVERIFY(QFile::exists(f.folder.file(u"2021.prv"_s)));
    }

    void anEntryWithoutYearOpensItsWindowWhateverTheYearField()
    {
        Fixture f;
        f.year()->setText(u"2"_s);
        f.button(u"btnApriRiep"_s)->click();
        QVERIFY(f.services.messages.shown().isEmpty());
        QVERIFY(!f.menu->isVisible());
        QVERIFY(f.summary->isVisible());
        QVERIFY(!f.card->isVisible());
        QCOMPARE(f.memory(), u"stat_profitti"_s);
    }

    void closingWithAYearTypedOpensNothing()
    {
        Fixture f;
        f.year()->setText(u"2021"_s);
        f.menu->close();
        QVERIFY(!f.menu->isVisible());
        QVERIFY(!f.card->isVisible());
        QCOMPARE(f.memory(), u"avvio"_s);
        QCOMPARE(f.card->text(u"lblFile"_s), QString());
    }
};

QTEST_MAIN(TestYearMenu)
#include "TestYearMenu.moc"
