#include "app/ArchiveServerSetting.h"
#include "clients/SchedaCliente.h"
#include "FaultyFileIo.h"
#include "HeldTables.h"
#include "operators/SchedaOperatore.h"
#include "schedule/SchedaScadenza.h"
#include "schedule/ScheduleCard.h"
#include "schedule/TfrmScadenzario.h"
#include "screens/CallerTargets.h"
#include "screens/StorageMessages.h"
#include "screens/WindowRegistry.h"
#include "ServiceDoubles.h"
#include "storage/RecordFile.h"
#include "storage/ServerConnection.h"
#include "TempProgramFolder.h"
#include "ThrowawayServer.h"
#include "TwoLocales.h"
#include "WiredRegistry.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;
using Kind = Messages::Kind;
using Shown = RecordedMessages::Shown;

namespace {

const QString kPrefix = u"Attenzione: per salvare la scheda è necessario indicare "_s;
const QString kValidDate = u"\n\r\n\rPer poter salvare la scheda è necessario indicare una data valida."_s;

Record appointment(const QString& date, const QString& notice)
{
    using namespace SchedaScadenza;
    Record r(layout);
    r.setText(Giorno, date.left(2));
    r.setText(Mese, u"Marzo"_s);
    r.setText(Anno, date.right(4));
    r.setText(Data, date);
    r.setText(OreApp, u"10"_s);
    r.setText(MinutiApp, u"00"_s);
    r.setText(Ora, u"10:00"_s);
    r.setText(Avviso, notice);
    r.setText(Pagatore, u"Rossi Anna"_s);
    r.setText(CodFisc, u"RSSNNA80A41H501X"_s);
    r.setText(Dettagli, u"Rata"_s);
    r.setText(DaConfermare, u"No"_s);
    r.setText(Effettuata, u"No"_s);
    return r;
}

// The schedule of a fresh program folder on 8 March 2024, shown on its opening panel.
struct Fixture
{
    Fixture()
    {
        services.clock.set(QDateTime(QDate(2024, 3, 8), QTime(10, 30)));
        registry.create({WindowRegistry::entry<TfrmScadenzario>()});
        card = registry.find<TfrmScadenzario>();
    }

    void show() { card->open(); }
    void openYear(const QString& year)
    {
        show();
        edit(u"txtAnno"_s)->setText(year);
        card->btnApriClick();
        QApplication::setActiveWindow(card);
    }
    void add(const QString& file, const Record& record) const
    {
        RecordFile(folder.file(file), SchedaScadenza::layout).append(record);
    }
    QLineEdit* edit(const QString& name) const { return card->findChild<QLineEdit*>(name); }
    QComboBox* list(const QString& name) const { return card->findChild<QComboBox*>(name); }
    QWidget* widget(const QString& name) const { return card->findChild<QWidget*>(name); }
    void click(const QString& name) const { card->button(name)->click(); }
    QString position() const { return card->text(u"lblPosizione"_s); }
    // Day, month and time chosen, and every other required field typed.
    void fill(const QString& day, const QString& month) const
    {
        card->setText(u"txtGiorno"_s, day);
        card->setText(u"txtMese"_s, month);
        card->setText(u"txtOreApp"_s, u"09"_s);
        card->setText(u"txtMinutiApp"_s, u"30"_s);
        edit(u"txtAvviso"_s)->setText(u"3"_s);
        edit(u"txtPagatore"_s)->setText(u"Rossi Anna"_s);
        edit(u"txtCodFisc"_s)->setText(u"RSSNNA80A41H501X"_s);
        edit(u"txtDettagli"_s)->setText(u"Rata assicurazione"_s);
    }

    TempProgramFolder folder;
    ServiceDoubles services;
    WiredRegistry registry;
    TfrmScadenzario* card = nullptr;
};

} // namespace

class TestScheduleCard : public QObject
{
    Q_OBJECT

private slots:
    // Each command of the card shows a picture of its own: none is taken for another, as "Effettuati"
    // would be for "Salva".
    void everyCommandHasAPictureOfItsOwn()
    {
        QHash<QString, QString> commandOf;
        for (const CardButton& command : ScheduleCard::definition().commands) {
            QVERIFY2(QFile::exists(command.picture), qPrintable(command.name));
            QVERIFY2(!commandOf.contains(command.picture),
                     qPrintable(command.name + u" looks like "_s + commandOf.value(command.picture)));
            commandOf.insert(command.picture, command.name);
        }
    }

    void openingPanelShowsTheCurrentYear()
    {
        Fixture f;
        f.show();
        QCOMPARE(f.card->windowTitle(), u" Telvara 3.0 - Scadenzario e Appuntamenti"_s);
        QVERIFY(f.widget(u"panAvvio"_s)->isVisible());
        QVERIFY(!f.widget(u"panContainer"_s)->isVisible());
        QCOMPARE(f.edit(u"txtAnno"_s)->text(), u"2024"_s);
        QCOMPARE(f.card->findChild<QCalendarWidget*>(u"calAppuntamenti"_s)->selectedDate(),
                 QDate(2024, 3, 8));
        // The check read the current year's file, creating it.
        QVERIFY(QFile::exists(f.folder.file(u"2024.sca"_s)));
        QVERIFY(f.widget(u"imgAssenti"_s)->isVisible());
        QVERIFY(!f.widget(u"imgPresenti"_s)->isVisible());
        QVERIFY(!f.widget(u"btnOK"_s)->isEnabled());
        QVERIFY(f.services.sound.played().isEmpty());
    }

    void yearMustHaveFourDigits()
    {
        Fixture f;
        f.show();
        f.edit(u"txtAnno"_s)->setText(u"22"_s);
        f.card->btnApriClick();
        QCOMPARE(f.services.messages.shown(),
                 (QList<Shown>{
                     {Kind::Warning, u"Attenzione: indicare l'anno solare utilizzando quattro cifre."_s}}));
        QVERIFY(f.widget(u"panAvvio"_s)->isVisible());
        QVERIFY(!QFile::exists(f.folder.file(u"22.sca"_s)));
    }

    void apriOpensTheYearOnANewCard()
    {
        Fixture f;
        f.openYear(u"2023"_s);
        QCOMPARE(f.card->windowTitle(), u" Telvara 3.0 - Scadenzario e appuntamenti anno 2023"_s);
        QVERIFY(!f.widget(u"panAvvio"_s)->isVisible());
        QVERIFY(f.widget(u"panContainer"_s)->isVisible());
        QCOMPARE(f.card->text(u"lblFile"_s), f.folder.file(u"2023.sca"_s));
        QCOMPARE(f.card->text(u"lblAnno"_s), u"2023"_s);
        QCOMPARE(f.list(u"txtOreApp"_s)->currentText(), u"00"_s);
        QCOMPARE(f.list(u"txtMinutiApp"_s)->currentText(), u"00"_s);
        QCOMPARE(f.edit(u"txtCosto"_s)->text(), u"0,00"_s);
        QCOMPARE(f.list(u"txtGiorno"_s)->currentText(), QString());
        // The file comes into being with the first operation that needs it.
        QVERIFY(!QFile::exists(f.folder.file(u"2023.sca"_s)));

        // Closing goes back to the opening panel and its caption.
        f.card->close();
        QCOMPARE(f.card->windowTitle(), u" Telvara 3.0 - Scadenzario e Appuntamenti"_s);
        f.show();
        QVERIFY(f.widget(u"panAvvio"_s)->isVisible());
    }

    // The banner and the sound follow the current year's file only, each time the window is shown.
    void imminentDeadlinesLightTheBannerAndPlayTheSound_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("notice");
        QTest::addColumn<bool>("imminent");
        QTest::newRow("in five days, notice 5") << u"2024.sca"_s << u"13/03/2024"_s << u"5"_s << true;
        QTest::newRow("in five days, notice 4") << u"2024.sca"_s << u"13/03/2024"_s << u"4"_s << false;
        QTest::newRow("today, notice 0") << u"2024.sca"_s << u"08/03/2024"_s << u"0"_s << true;
        QTest::newRow("yesterday") << u"2024.sca"_s << u"07/03/2024"_s << u"5"_s << false;
        QTest::newRow("next year's file, large notice")
            << u"2025.sca"_s << u"01/01/2025"_s << u"999"_s << false;
    }

    void imminentDeadlinesLightTheBannerAndPlayTheSound()
    {
        QFETCH(QString, file);
        QFETCH(QString, date);
        QFETCH(QString, notice);
        QFETCH(bool, imminent);
        Fixture f;
        f.add(file, appointment(date, notice));
        f.show();
        QCOMPARE(f.widget(u"imgPresenti"_s)->isVisible(), imminent);
        QCOMPARE(f.widget(u"imgAssenti"_s)->isVisible(), !imminent);
        QCOMPARE(f.widget(u"btnOK"_s)->isEnabled(), imminent);
        QCOMPARE(f.services.sound.played(),
                 imminent ? QStringList{f.folder.file(u"Avviso.mp3"_s)} : QStringList());
        QVERIFY(f.services.messages.shown().isEmpty());
        f.card->close();
        QCOMPARE(f.services.sound.stops(), 1);
    }

    // An unreadable card no longer hides the answer, and a later showing gives the new answer.
    void bannerIsDecidedFromTheReadableCardsAtEveryShowing()
    {
        Fixture f;
        f.add(u"2024.sca"_s, appointment(u"30/02/2024"_s, u"5"_s));
        f.add(u"2024.sca"_s, appointment(u"10/03/2024"_s, u"2"_s));
        f.show();
        QVERIFY(f.widget(u"imgPresenti"_s)->isVisible());
        f.card->close();
        f.services.clock.set(QDateTime(QDate(2024, 3, 11), QTime(9, 0)));
        f.show();
        QVERIFY(f.widget(u"imgAssenti"_s)->isVisible());
        QVERIFY(!f.widget(u"imgPresenti"_s)->isVisible());
        QVERIFY(!f.widget(u"btnOK"_s)->isEnabled());
        QCOMPARE(f.services.sound.played().size(), 1);
    }

    // A year file that cannot be read, or a server that is not there, gives no answer: neither banner,
    // no sound, "OK" off, and the operator told once; the next showing that can read it answers again.
    void imminentCheckThatCannotReadSaysSo_data()
    {
        QTest::addColumn<int>("call");
        QTest::addColumn<QString>("server");
        QTest::addColumn<bool>("imminentStored");
        const QString gone = u"postgresql:///telvara?host=/tmp/nessun-server&port=5999"_s;
        QTest::newRow("open refused, nothing imminent") << int(FaultyFileIo::Open) << QString() << false;
        QTest::newRow("open refused, one imminent") << int(FaultyFileIo::Open) << QString() << true;
        QTest::newRow("read fails, one imminent") << int(FaultyFileIo::Read) << QString() << true;
        QTest::newRow("server down, nothing imminent") << -1 << gone << false;
        QTest::newRow("server down, one imminent") << -1 << gone << true;
    }

    void imminentCheckThatCannotReadSaysSo()
    {
        QFETCH(int, call);
        QFETCH(QString, server);
        QFETCH(bool, imminentStored);
        Fixture f;
        f.add(u"2024.sca"_s, appointment(imminentStored ? u"09/03/2024"_s : u"20/03/2024"_s, u"2"_s));
        QString told;
        {
            FaultyFileIo io;
            if (call >= 0)
                io.failAt(FaultyFileIo::Call(call), 1, EIO, true);
            ArchiveServerSetting::attach(f.folder.path(), server);
            f.show();
            told = StorageMessages::checkNotMade(u"verificare se ci sono scadenze imminenti"_s);
            ArchiveServerSetting::attach(f.folder.path(), QString());
        }
        QVERIFY(!f.widget(u"imgPresenti"_s)->isVisible());
        QVERIFY(!f.widget(u"imgAssenti"_s)->isVisible());
        QVERIFY(!f.widget(u"btnOK"_s)->isEnabled());
        QVERIFY(f.services.sound.played().isEmpty());
        QCOMPARE(f.services.messages.take(), (QList<Shown>{{Kind::Warning, told}}));
        QVERIFY(server.isEmpty() || told.contains(u"/tmp/nessun-server:5999/telvara"_s));
        f.card->close();
        f.show();
        QCOMPARE(f.widget(u"imgPresenti"_s)->isVisible(), imminentStored);
        QCOMPARE(f.widget(u"imgAssenti"_s)->isVisible(), !imminentStored);
        QCOMPARE(f.widget(u"btnOK"_s)->isEnabled(), imminentStored);
        QVERIFY(f.services.messages.shown().isEmpty());
    }

    // The year's table held by another workstation: the window answers at the lock bound, with no
    // banner and the check told as not made; once the table is free the check answers again.
    void imminentCheckOnAHeldTableEndsAtTheBound()
    {
        Fixture f;
        const QString uri = ThrowawayServer::shared().freshDatabase();
        ArchiveServerSetting::attach(f.folder.path(), uri);
        const auto detach = qScopeGuard([&] { ArchiveServerSetting::attach(f.folder.path(), QString()); });
        f.add(u"2024.sca"_s, appointment(u"09/03/2024"_s, u"2"_s));
        {
            HeldTables held(uri, {u"scadenze_2024"_s});
            QVERIFY(held.held());
            QElapsedTimer timer;
            timer.start();
            f.show();
            QVERIFY(timer.elapsed() < std::chrono::milliseconds(ServerConnection::kLockTimeout + 3s).count());
        }
        QVERIFY(!f.widget(u"imgPresenti"_s)->isVisible());
        QVERIFY(!f.widget(u"imgAssenti"_s)->isVisible());
        QVERIFY(!f.widget(u"btnOK"_s)->isEnabled());
        const QString told = StorageMessages::checkNotMade(u"verificare se ci sono scadenze imminenti"_s);
        QVERIFY(told.contains(ServerConnection::displayName(uri)));
        QCOMPARE(f.services.messages.take(), (QList<Shown>{{Kind::Warning, told}}));
        f.card->close();
        f.show();
        QVERIFY(f.widget(u"imgPresenti"_s)->isVisible());
        QVERIFY(f.services.messages.shown().isEmpty());
    }

    void saveChecksRunInOrder_data()
    {
        QTest::addColumn<QString>("emptied");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("day") << u"txtGiorno"_s << kPrefix + u"il giorno della scadenza."_s << u"txtGiorno"_s;
        QTest::newRow("month") << u"txtMese"_s << kPrefix + u"il mese della scadenza."_s << u"txtMese"_s;
        QTest::newRow("hour") << u"txtOreApp"_s << kPrefix + u"l'ora dell'appuntamento."_s << u"txtOreApp"_s;
        QTest::newRow("minutes") << u"txtMinutiApp"_s << kPrefix + u"i minuti dell'ora dell'appuntamento."_s
                                 << u"txtMinutiApp"_s;
        QTest::newRow("notice") << u"txtAvviso"_s << kPrefix + u"i giorni di preavviso."_s << u"txtAvviso"_s;
        QTest::newRow("client") << u"txtPagatore"_s << kPrefix + u"il nome del cliente."_s
                                << u"txtPagatore"_s;
        QTest::newRow("tax code") << u"txtCodFisc"_s << kPrefix + u"il codice fiscale del cliente."_s
                                  << u"txtCodFisc"_s;
        QTest::newRow("reason") << u"txtDettagli"_s << kPrefix + u"la causale della scadenza."_s
                                << u"txtDettagli"_s;
    }

    void saveChecksRunInOrder()
    {
        QFETCH(QString, emptied);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        Fixture f;
        f.openYear(u"2024"_s);
        f.fill(u"12"_s, u"Marzo"_s);
        f.card->setText(emptied, QString());
        f.click(u"cmdSalva"_s);
        QCOMPARE(f.services.messages.shown(), (QList<Shown>{{Kind::Warning, message}}));
        QCOMPARE(QApplication::focusWidget(), f.widget(focus));
        QVERIFY(!QFile::exists(f.folder.file(u"2024.sca"_s)) || f.folder.readAll(u"2024.sca"_s).isEmpty());
    }

    void datesTheCalendarLacksAreRefused_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("refused");
        QTest::newRow("31 April") << u"2024"_s << u"31"_s << u"Aprile"_s << u"31/04/2024"_s;
        QTest::newRow("29 February 2023") << u"2023"_s << u"29"_s << u"Febbraio"_s << u"29/02/2023"_s;
        QTest::newRow("29 February 2024") << u"2024"_s << u"29"_s << u"Febbraio"_s << QString();
    }

    void datesTheCalendarLacksAreRefused()
    {
        QFETCH(QString, year);
        QFETCH(QString, day);
        QFETCH(QString, month);
        QFETCH(QString, refused);
        Fixture f;
        f.openYear(year);
        f.fill(day, month);
        f.click(u"cmdSalva"_s);
        if (refused.isEmpty()) {
            QCOMPARE(
                f.services.messages.shown(),
                (QList<Shown>{{Kind::Information, u"La scheda corrente è stata salvata in archivio."_s}}));
            QCOMPARE(f.position(), u"1"_s);
            return;
        }
        QCOMPARE(f.services.messages.shown(),
                 (QList<Shown>{
                     {Kind::Plain, u"Attenzione: la data "_s + refused + u" non esiste."_s + kValidDate}}));
        QCOMPARE(QApplication::focusWidget(), f.widget(u"txtGiorno"_s));
        QCOMPARE(f.position(), QString());
    }

    // The record as stored: the composed date and time, the amount, and the flags as "Sì" 0x02 0x53 0xEC
    // and "No" 0x02 0x4E 0x6F.
    void savedRecordHoldsTheComposedFieldsAndFlagBytes()
    {
        Fixture f;
        f.openYear(u"2024"_s);
        f.fill(u"05"_s, u"Marzo"_s);
        f.edit(u"txtCosto"_s)->setText(QString());
        f.card->findChild<QCheckBox*>(u"chkDaConfermare"_s)->setChecked(true);
        f.click(u"cmdSalva"_s);
        const QByteArray bytes = f.folder.readAll(u"2024.sca"_s);
        QCOMPARE(bytes.size(), 1368);
        QCOMPARE(bytes.mid(1362, 3), QByteArray("\x02\x53\xEC"));
        QCOMPARE(bytes.mid(1365, 3), QByteArray("\x02\x4E\x6F"));
        const Record stored(SchedaScadenza::layout, bytes);
        QCOMPARE(stored.text(SchedaScadenza::Data), u"05/03/2024"_s);
        QCOMPARE(stored.text(SchedaScadenza::Ora), u"09:30"_s);
        QCOMPARE(stored.text(SchedaScadenza::Anno), u"2024"_s);
        QCOMPARE(stored.text(SchedaScadenza::Costo), u"0,00"_s);
        QCOMPARE(f.card->text(u"lblData"_s), u"05/03/2024"_s);

        // Saved again after an edit it is overwritten in place.
        f.services.messages.take();
        f.edit(u"txtNote"_s)->setText(u"richiamare"_s);
        f.click(u"cmdSalva"_s);
        QCOMPARE(f.services.messages.shown(),
                 (QList<Shown>{
                     {Kind::Information,
                      u"Le modifiche apportate alla scheda corrente sono state salvate in archivio."_s}}));
        QCOMPARE(f.folder.readAll(u"2024.sca"_s).size(), 1368);
        QCOMPARE(f.position(), u"1"_s);
    }

    // The copy keeps everything but the date and the time, so saving it unchanged asks for the day.
    void duplicateSavedUnchangedAsksForTheDay()
    {
        Fixture f;
        f.openYear(u"2024"_s);
        f.fill(u"05"_s, u"Marzo"_s);
        f.card->findChild<QCheckBox*>(u"chkEffettuata"_s)->setChecked(true);
        f.click(u"cmdSalva"_s);
        f.services.messages.take();
        f.click(u"cmdDuplica"_s);
        QCOMPARE(f.position(), QString());
        QCOMPARE(f.list(u"txtGiorno"_s)->currentText(), QString());
        QCOMPARE(f.list(u"txtMese"_s)->currentText(), QString());
        QCOMPARE(f.list(u"txtOreApp"_s)->currentText(), u"00"_s);
        QCOMPARE(f.edit(u"txtDettagli"_s)->text(), u"Rata assicurazione"_s);
        QVERIFY(f.card->findChild<QCheckBox*>(u"chkEffettuata"_s)->isChecked());
        f.click(u"cmdSalva"_s);
        const QList<Shown> shown = f.services.messages.shown();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown.at(1), (Shown{Kind::Warning, kPrefix + u"il giorno della scadenza."_s}));
    }

    // A Duplicate that cannot open the file says so and keeps the card's number, as every failed command.
    void failedDuplicateKeepsTheRecordNumber()
    {
        Fixture f;
        f.openYear(u"2024"_s);
        f.fill(u"05"_s, u"Marzo"_s);
        f.click(u"cmdSalva"_s);
        f.services.messages.take();
        FaultyFileIo io;
        io.failAt(FaultyFileIo::Open, 1, EACCES, true);
        f.click(u"cmdDuplica"_s);
        QCOMPARE(f.services.messages.shown(), (QList<Shown>{{Kind::Error, StorageMessages::accessDenied()}}));
        QCOMPARE(f.position(), u"1"_s);
        QCOMPARE(f.list(u"txtGiorno"_s)->currentText(), u"05"_s);
    }

    // A stored flag holding neither word leaves the check box as the previous card had it.
    void navigationLoadsTheCardAndLeavesOddFlagsAlone()
    {
        Fixture f;
        Record paid = appointment(u"05/03/2024"_s, u"2"_s);
        paid.setText(SchedaScadenza::Effettuata, u"Sì"_s);
        Record odd = appointment(u"06/03/2024"_s, u"2"_s);
        odd.setText(SchedaScadenza::Effettuata, u"Forse"_s);
        f.add(u"2024.sca"_s, paid);
        f.add(u"2024.sca"_s, odd);
        f.openYear(u"2024"_s);
        f.click(u"cmdAvanti"_s);
        QCOMPARE(f.position(), u"1"_s);
        QCOMPARE(f.card->text(u"lblData"_s), u"05/03/2024"_s);
        QVERIFY(f.card->findChild<QCheckBox*>(u"chkEffettuata"_s)->isChecked());
        f.click(u"cmdAvanti"_s);
        QCOMPARE(f.position(), u"2"_s);
        QVERIFY(f.card->findChild<QCheckBox*>(u"chkEffettuata"_s)->isChecked());
    }

    // The operator picker fills the operator or the agent with "Cognome Nome", by its tag.
    void staffPickerFillsOperatorOrAgent_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("field");
        QTest::newRow("agent") << u"impAgente"_s << u"scadenzario"_s << u"txtBeneficiario"_s;
        QTest::newRow("operator") << u"impOperatore"_s << u"scadenzario_op"_s << u"txtAnticipi"_s;
    }

    void staffPickerFillsOperatorOrAgent()
    {
        QFETCH(QString, button);
        QFETCH(QString, tag);
        QFETCH(QString, field);
        Fixture f;
        f.openYear(u"2024"_s);
        QString shownTag;
        f.services.modal.setNextScript([&shownTag](QDialog& window) {
            shownTag = window.findChild<QLabel*>(u"lblMemory"_s)->text();
            return int(QDialog::Rejected);
        });
        QVERIFY(f.card->button(button)->isEnabled());
        f.click(button);
        QCOMPARE(f.services.modal.shown(), QStringList{u"TfrmTrovaIstruttori"_s});
        QCOMPARE(shownTag, tag);
        Record person(SchedaOperatore::layout);
        person.setText(SchedaOperatore::Cognome, u" Verdi "_s);
        person.setText(SchedaOperatore::Nome, u"Gino"_s);
        QVERIFY(CallerTargets::deliver(tag, person, 3));
        QCOMPARE(f.edit(field)->text(), u"Verdi Gino"_s);
        QCOMPARE(f.position(), QString());
    }

    void clientPickerFillsTheClientFields()
    {
        Fixture f;
        f.openYear(u"2024"_s);
        using namespace SchedaCliente;
        Record client(SchedaCliente::layout);
        client.setText(Cliente, u"Bianchi Ugo"_s);
        client.setText(SchedaCliente::CodFisc, u"BNCGUO70A01F205X"_s);
        client.setText(Zona, u"Nord"_s);
        client.setText(Questioni, u"Reclamo"_s);
        client.setText(SchedaCliente::TelCel, u"333"_s);
        client.setText(SchedaCliente::Recapito, u"casa"_s);
        QVERIFY(CallerTargets::deliver(u"scadenzario"_s, client, 7));
        QCOMPARE(f.edit(u"txtPagatore"_s)->text(), u"Bianchi Ugo"_s);
        QCOMPARE(f.edit(u"txtCodFisc"_s)->text(), u"BNCGUO70A01F205X"_s);
        QCOMPARE(f.edit(u"txtNumTessera"_s)->text(), u"Nord"_s);
        QCOMPARE(f.edit(u"txtCarica"_s)->text(), u"Reclamo"_s);
        QCOMPARE(f.edit(u"txtTelCel"_s)->text(), u"333"_s);
        QCOMPARE(f.edit(u"txtRecapito"_s)->text(), u"casa"_s);
        QCOMPARE(f.position(), QString());
    }
};

int main(int argc, char* argv[])
{
    return runInTwoLocales<TestScheduleCard, QApplication>(argc, argv);
}
#include "TestScheduleCard.moc"
