#include "app/GeneralHelp.h"
#include "calls/SchedaChiamata.h"
#include "calls/TfrmChiamate.h"
#include "calls/TfrmMenuChiamate.h"
#include "clients/SchedaCliente.h"
#include "clients/TfrmTrovaClienti.h"
#include "FaultyFileIo.h"
#include "RegisterFixture.h"
#include "screens/StorageMessages.h"
#include "TestRecords.h"
#include "TwoLocales.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;
using Kind = Messages::Kind;
using Shown = RecordedMessages::Shown;

namespace {

const QString kAppended = u"La scheda corrente è stata salvata in archivio."_s;
const QString kModified = u"Le modifiche apportate alla scheda corrente sono state salvate in archivio."_s;
const QString kPrefix = u"Attenzione: per salvare la scheda è necessario indicare "_s;
const QString kValidDate = u"\n\r\n\rPer poter salvare la scheda è necessario indicare una data valida."_s;

// The call register's year menu and card, with the 2021 register opened.
struct Fixture : RegisterFixture<TfrmMenuChiamate, TfrmChiamate>
{
    Fixture()
        : RegisterFixture({u"txtAnnoPreventivi"_s, u"btnApriPreventivi"_s, SchedaChiamata::layout, u".tel"_s})
    {}

    // A card that passes every check.
    void fill() const
    {
        edit(u"txtOggetto"_s)->setText(u"Rinnovo contratto"_s);
        edit(u"txtCliente"_s)->setText(u"Rossi Anna"_s);
    }
};

using TestRecords::field;

} // namespace

class TestCallRegister : public QObject
{
    Q_OBJECT

private slots:
    void menuHandsTheYearToTheCard()
    {
        Fixture f;
        QVERIFY(!f.menu->isVisible());
        QVERIFY(f.card->isVisible());
        QCOMPARE(f.card->windowTitle(), u" Telvara 3.0 - Registro chiamate anno 2021"_s);
        QCOMPARE(f.card->text(u"lblFile"_s), f.folder.file(u"2021.tel"_s));
        QCOMPARE(f.card->text(u"lblAnnoRit"_s), u"2021"_s);
        QCOMPARE(f.menu->windowTitle(), u" Telvara 3.0 - Registro chiamate"_s);
    }

    // A past year's register proposes today's day and month, in the register's year.
    void newCardIsDatedTodayInTheRegistersYear()
    {
        Fixture f;
        f.edit(u"txtOggetto"_s)->setText(u"Vecchio"_s);
        f.click(u"cmdNuovo"_s);
        QCOMPARE(f.list(u"txtGiornoRit"_s)->currentText(), u"15"_s);
        QCOMPARE(f.list(u"txtMeseRit"_s)->currentText(), u"Marzo"_s);
        QCOMPARE(f.list(u"txtOreRit"_s)->currentText(), u"10"_s);
        QCOMPARE(f.list(u"txtMinutiRit"_s)->currentText(), u"30"_s);
        QCOMPARE(f.list(u"txtGiornoRit"_s)->currentIndex(), -1);
        QCOMPARE(f.edit(u"txtOggetto"_s)->text(), QString());
        QCOMPARE(QApplication::focusWidget(), f.list(u"txtGiornoRit"_s));
        f.fill();
        f.click(u"cmdSalva"_s);
        QCOMPARE(f.card->text(u"lblDataRit"_s), u"15/03/2021"_s);
        QCOMPARE(f.stored(1).text(SchedaChiamata::DataRit), u"15/03/2021"_s);
        QCOMPARE(f.stored(1).text(SchedaChiamata::AnnoRit), u"2021"_s);
    }

    // One control changed on a card that passes every check, and the check that then stops the save.
    void saveChecksInOrder_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("day");
        QTest::addColumn<Shown>("message");
        QTest::addColumn<QString>("focus");
        const auto row = [](const char* name, const QString& control, const QString& text,
                            const Shown& message, const QString& focus = {}) {
            QTest::newRow(name) << control << text << u"15"_s << message
                                << (focus.isEmpty() ? control : focus);
        };
        const auto warning = [](const QString& words) { return Shown{Kind::Warning, kPrefix + words}; };
        row("1 day", u"txtGiornoRit"_s, QString(), warning(u"il giorno della chiamata."_s));
        row("2 day digits", u"txtGiornoRit"_s, u"5"_s,
            warning(u"il giorno della chiamata usando due cifre."_s));
        row("3 month", u"txtMeseRit"_s, QString(), warning(u"il mese della data della chiamata."_s));
        row("4 hour", u"txtOreRit"_s, QString(), warning(u"l'ora della chiamata."_s));
        row("5 minutes", u"txtMinutiRit"_s, QString(), warning(u"i minuti dell'ora della chiamata."_s));
        row("6 hour digits", u"txtOreRit"_s, u"9"_s, warning(u"l'ora della chiamata usando due cifre."_s));
        row("7 minute digits", u"txtMinutiRit"_s, u"7"_s,
            warning(u"i minuti dell'ora della chiamata usando due cifre."_s));
        row("8 subject", u"txtOggetto"_s, u"   "_s, warning(u"l'oggetto della chiamata."_s));
        row("9 client", u"txtCliente"_s, QString(), warning(u"cognome e nome del cliente."_s));
        row("10 month name", u"txtMeseRit"_s, u"Marzolino"_s,
            {Kind::Warning, u"Attenzione: selezionare il mese dal menu a cascata."_s + kValidDate});
        QTest::newRow("11 date, 31 April")
            << u"txtMeseRit"_s << u"Aprile"_s << u"31"_s
            << Shown{Kind::Plain, u"Attenzione: la data 31/04/2021 non esiste."_s + kValidDate}
            << u"txtGiornoRit"_s;
        QTest::newRow("11 date, 29 February of a common year")
            << u"txtMeseRit"_s << u"Febbraio"_s << u"29"_s
            << Shown{Kind::Plain, u"Attenzione: la data 29/02/2021 non esiste."_s + kValidDate}
            << u"txtGiornoRit"_s;
    }

    void saveChecksInOrder()
    {
        QFETCH(QString, control);
        QFETCH(QString, text);
        QFETCH(QString, day);
        QFETCH(Shown, message);
        QFETCH(QString, focus);
        Fixture f;
        f.fill();
        // Texts that are no items reach Save only from a read card: leaving a list would empty them.
        f.edit(u"txtNote"_s)->setFocus();
        f.card->setText(u"txtGiornoRit"_s, day);
        f.card->setText(control, text);
        f.click(u"cmdSalva"_s);
        QCOMPARE(f.services.messages.shown(), QList<Shown>{message});
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QVERIFY(!QFile::exists(f.folder.file(u"2021.tel"_s)));
        QCOMPARE(f.position(), QString());
    }

    void februaryTheTwentyNinthOfALeapYearIsSaved()
    {
        Fixture f;
        f.openYear(u"2020"_s);
        f.fill();
        f.card->setText(u"txtGiornoRit"_s, u"29"_s);
        f.card->setText(u"txtMeseRit"_s, u"Febbraio"_s);
        f.click(u"cmdSalva"_s);
        QCOMPARE(f.services.messages.shown(), (QList<Shown>{{Kind::Information, kAppended}}));
        QVERIFY(QFile::exists(f.folder.file(u"2020.tel"_s)));
    }

    // No key types in the lists; Backspace empties one, and Save then asks for it.
    void backspaceEmptiesTheDayAndSaveAsksForIt()
    {
        Fixture f;
        f.fill();
        QComboBox* day = f.list(u"txtGiornoRit"_s);
        day->setFocus();
        QTest::keyClicks(day, u"2"_s);
        QCOMPARE(day->currentText(), u"15"_s);
        QTest::keyClick(day, Qt::Key_Backspace);
        QCOMPARE(day->currentText(), QString());
        f.click(u"cmdSalva"_s);
        QCOMPARE(f.services.messages.shown(),
                 (QList<Shown>{{Kind::Warning, kPrefix + u"il giorno della chiamata."_s}}));
        QCOMPARE(QApplication::focusWidget(), day);
    }

    // Every field where the file says it is, the composed date and time agreeing with their parts.
    void savedRecordBytes()
    {
        Fixture f;
        f.card->setText(u"txtGiornoRit"_s, u"07"_s);
        f.card->setText(u"txtMeseRit"_s, u"Settembre"_s);
        f.card->setText(u"txtOreRit"_s, u"08"_s);
        f.card->setText(u"txtMinutiRit"_s, u"05"_s);
        const std::pair<const char16_t*, const char16_t*> typed[] = {
            {u"txtOggetto", u"  Perché rinnovare  "},
            {u"txtProdotti", u"Linea fissa"},
            {u"txtRisposta", u"Positiva"},
            {u"txtGrado", u"Alto"},
            {u"txtConclusioni", u"Richiamare"},
            {u"txtDurata", u"10 minuti"},
            {u"txtCliente", u"Rossi Anna"},
            {u"txtCodFisc", u"RSSNNA80A41H501U"},
            {u"txtZona", u"Nord"},
            {u"txtRecapito", u"Ufficio"},
            {u"txtTelCel", u"333 1234567"},
            {u"txtEmail", u"anna@example.it"},
            {u"txtNote", u"Nessuna"},
            {u"txtOperatore", u"Bianchi"},
        };
        for (const auto& [control, text] : typed)
            f.card->setText(QString::fromUtf16(control), QString::fromUtf16(text));
        f.click(u"cmdSalva"_s);
        QCOMPARE(f.services.messages.shown(), (QList<Shown>{{Kind::Information, kAppended}}));
        QCOMPARE(f.position(), u"1"_s);
        QCOMPARE(f.card->text(u"lblDataRit"_s), u"07/09/2021"_s);
        QCOMPARE(f.card->text(u"lblOraRit"_s), u"08:05"_s);

        const QByteArray expected =
            field(2, "07") + field(10, "Settembre") + field(4, "2021") + field(10, "07/09/2021") +
            field(2, "08") + field(2, "05") + field(5, "08:05") + field(250, "Perch\xe9 rinnovare") +
            field(250, "Linea fissa") + field(120, "Positiva") + field(50, "Alto") +
            field(120, "Richiamare") + field(50, "10 minuti") + field(50, "Rossi Anna") +
            field(16, "RSSNNA80A41H501U") + field(50, "Nord") + field(50, "Ufficio") +
            field(30, "333 1234567") + field(50, "anna@example.it") + field(250, "Nessuna") +
            field(120, "Bianchi");
        QCOMPARE(expected.size(), 1512);
        QCOMPARE(f.archive(), expected);
    }

    void aStoredCardIsReadBackWhole()
    {
        Fixture f;
        f.fill();
        f.card->setText(u"txtEmail"_s, u"anna@example.it"_s);
        f.click(u"cmdSalva"_s);
        const QHash<QString, QString> saved = f.card->controlTexts();
        f.click(u"cmdNuovo"_s);
        f.card->setText(u"lblAnnoRit"_s, u"1999"_s);
        f.click(u"cmdUltimo"_s);
        QCOMPARE(f.card->controlTexts(), saved);
        QCOMPARE(f.card->text(u"lblAnnoRit"_s), u"2021"_s);
    }

    // The client picker copies six fields into a stored card and leaves its number: Save overwrites it.
    void importingAClientIntoAStoredCardOverwritesIt()
    {
        Fixture f;
        TestRecords::append(f.folder.file(u"Clienti.pro"_s), SchedaCliente::layout,
                            {{
                                {SchedaCliente::Cliente, u"Verdi Luca"_s},
                                {SchedaCliente::CodFisc, u"VRDLCU70B02F205X"_s},
                                {SchedaCliente::Zona, u"Sud"_s},
                                {SchedaCliente::Email, u"luca@example.it"_s},
                                {SchedaCliente::TelCel, u"347 7654321"_s},
                                {SchedaCliente::Recapito, u"Casa"_s},
                                {SchedaCliente::Note, u"Non copiare"_s},
                            }});
        f.fill();
        f.click(u"cmdSalva"_s);
        f.click(u"cmdNuovo"_s);
        f.click(u"cmdPrimo"_s);
        f.services.messages.take();

        QString tag;
        f.services.modal.setNextScript([&](QDialog& dialog) {
            auto& picker = static_cast<TfrmTrovaClienti&>(dialog);
            tag = picker.callerTag();
            picker.findChild<QPushButton*>(u"btnCerca"_s)->click();
            // The list lays its lines out once the events posted by filling it have run.
            QCoreApplication::processEvents();
            QWidget* lines = picker.findChild<QListView*>(u"lstRecords"_s)->viewport();
            QTest::mouseClick(lines, Qt::LeftButton, {}, QPoint(5, 5));
            QTest::mouseDClick(lines, Qt::LeftButton, {}, QPoint(5, 5));
            return picker.result();
        });
        f.click(u"impCliente"_s);
        QCOMPARE(f.services.modal.shown(), QStringList{u"TfrmTrovaClienti"_s});
        QCOMPARE(tag, u"chiamate"_s);
        QCOMPARE(f.position(), u"1"_s);
        QCOMPARE(f.edit(u"txtNote"_s)->text(), QString());

        f.click(u"cmdSalva"_s);
        QCOMPARE(f.services.messages.shown(), (QList<Shown>{{Kind::Information, kModified}}));
        QCOMPARE(f.archive().size(), 1512);
        const Record stored = f.stored(1);
        QCOMPARE(stored.text(SchedaChiamata::Cliente), u"Verdi Luca"_s);
        QCOMPARE(stored.text(SchedaChiamata::CodFisc), u"VRDLCU70B02F205X"_s);
        QCOMPARE(stored.text(SchedaChiamata::Zona), u"Sud"_s);
        QCOMPARE(stored.text(SchedaChiamata::Email), u"luca@example.it"_s);
        QCOMPARE(stored.text(SchedaChiamata::TelCel), u"347 7654321"_s);
        QCOMPARE(stored.text(SchedaChiamata::Recapito), u"Casa"_s);
        QCOMPARE(stored.text(SchedaChiamata::Oggetto), u"Rinnovo contratto"_s);
        QCOMPARE(stored.text(SchedaChiamata::Note), QString());
    }

    void duplicateThenSaveAppendsWithTheNewDateAndTime()
    {
        Fixture f;
        f.fill();
        f.edit(u"txtNote"_s)->setText(u"Prima chiamata"_s);
        f.click(u"cmdSalva"_s);
        f.services.messages.take();

        f.click(u"cmdDuplica"_s);
        QCOMPARE(
            f.services.messages.take(),
            (QList<Shown>{{Kind::Information, u"E' ora possibile apportare le proprie modifiche alla scheda "
                                              u"corrente.\n\r\n\rAl termine premere Salva per inserire la "
                                              u"scheda in archivio."_s}}));
        QCOMPARE(f.position(), QString());
        for (const QString& name : {u"txtGiornoRit"_s, u"txtMeseRit"_s, u"txtOreRit"_s, u"txtMinutiRit"_s})
            QCOMPARE(f.list(name)->currentText(), QString());
        QCOMPARE(QApplication::focusWidget(), f.list(u"txtGiornoRit"_s));

        // The date and time must be chosen again before saving.
        f.click(u"cmdSalva"_s);
        QCOMPARE(f.services.messages.take(),
                 (QList<Shown>{{Kind::Warning, kPrefix + u"il giorno della chiamata."_s}}));

        f.services.clock.set(QDateTime(QDate(2024, 4, 2), QTime(16, 45)));
        f.click(u"impRitiro"_s);
        f.click(u"impOraRit"_s);
        f.click(u"cmdSalva"_s);
        QCOMPARE(f.services.messages.shown(), (QList<Shown>{{Kind::Information, kAppended}}));
        QCOMPARE(f.position(), u"2"_s);
        const Record copy = f.stored(2);
        QCOMPARE(copy.text(SchedaChiamata::DataRit), u"02/04/2021"_s);
        QCOMPARE(copy.text(SchedaChiamata::MeseRit), u"Aprile"_s);
        QCOMPARE(copy.text(SchedaChiamata::OraRit), u"16:45"_s);
        QCOMPARE(copy.text(SchedaChiamata::Oggetto), u"Rinnovo contratto"_s);
        QCOMPARE(copy.text(SchedaChiamata::Note), u"Prima chiamata"_s);
        QCOMPARE(f.stored(1).text(SchedaChiamata::DataRit), u"15/03/2021"_s);
        QCOMPARE(f.stored(1).text(SchedaChiamata::OraRit), u"10:30"_s);
    }

    // The date and time lists are as wide as their longest value on a 1366 x 768 screen, wherever their
    // box would leave them room; every value shows whole.
    void dateAndTimeListsFitTheirValues()
    {
        Fixture f;
        f.card->resize(1366, 768);
        QApplication::processEvents();
        for (const QString& name : {u"txtGiornoRit"_s, u"txtOreRit"_s, u"txtMinutiRit"_s, u"txtMeseRit"_s}) {
            QComboBox* list = f.list(name);
            int widest = 0;
            for (int i = 0; i < list->count(); ++i)
                widest = std::max(widest, list->fontMetrics().horizontalAdvance(list->itemText(i)));
            QVERIFY2(list->width() >= list->minimumSizeHint().width(), qPrintable(name));
            QVERIFY2(list->width() >= widest, qPrintable(name));
            QVERIFY2(list->width() < widest + 80, qPrintable(name));
        }
    }

    void emailButtonHandsTheAddressToTheShell()
    {
        Fixture f;
        f.edit(u"txtEmail"_s)->setText(u"anna@example.it"_s);
        f.click(u"btnEmail"_s);
        QCOMPARE(f.services.shell.opened(), QStringList{u"\"mailto:anna@example.it\""_s});
    }

    void taxCodeButtonOpensTheRightCheck_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("window");
        QTest::newRow("empty") << QString() << u"TfrmCodFisc"_s;
        QTest::newRow("codice fiscale") << u"RSSNNA80A41H501U"_s << u"TfrmCodFisc"_s;
        QTest::newRow("eleven digits") << u"01234560637"_s << u"TfrmPartitaIva"_s;
    }

    void taxCodeButtonOpensTheRightCheck()
    {
        QFETCH(QString, code);
        QFETCH(QString, window);
        Fixture f;
        f.edit(u"txtCodFisc"_s)->setText(code);
        QString given;
        f.services.modal.setNextScript([&given](QDialog& check) {
            given = check.findChildren<QLineEdit*>().value(0)->text();
            return check.result();
        });
        f.click(u"btnCodFisc"_s);
        QCOMPARE(f.services.modal.shown(), QStringList{window});
        QCOMPARE(given, code);
    }

    void accessFailureKeepsTheCard()
    {
        Fixture f;
        f.fill();
        FaultyFileIo io;
        io.failAt(FaultyFileIo::Open, 1, EACCES, true);
        f.click(u"cmdSalva"_s);
        QCOMPARE(f.services.messages.shown(), (QList<Shown>{{Kind::Error, StorageMessages::accessDenied()}}));
        QCOMPARE(f.position(), QString());
        QCOMPARE(f.edit(u"txtOggetto"_s)->text(), u"Rinnovo contratto"_s);
    }

    void closingTheCardLeadsToTheMainMenuNotTheYearMenu()
    {
        Fixture f;
        f.click(u"cmdEsci"_s);
        QVERIFY(!f.card->isVisible());
        QVERIFY(!f.menu->isVisible());
    }

    void menuAndCardShareTheHelp()
    {
        Fixture f;
        QStringList titles;
        f.services.modal.setNextScript([&](QDialog& help) {
            titles.append(help.findChild<QLabel*>(u"lblTitolo"_s)->text());
            return int(QDialog::Rejected);
        });
        f.services.modal.setNextScript([&](QDialog& help) {
            titles.append(help.findChild<QLabel*>(u"lblTitolo"_s)->text());
            return int(QDialog::Rejected);
        });
        f.click(u"cmdGuida"_s);
        f.menu->findChild<QAbstractButton*>(u"imgGuida"_s)->click();
        QCOMPARE(titles, QStringList(2, u"Applicazione Registro chiamate."_s));
        QVERIFY(GeneralHelp::topic().text.contains(u"L'applicazione Registro chiamate"_s));
    }
};

TELVARA_TEST_MAIN_IN_TWO_LOCALES_GUI(TestCallRegister)
#include "TestCallRegister.moc"
