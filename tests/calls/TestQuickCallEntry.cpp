#include "calls/SchedaChiamata.h"
#include "calls/TfrmInserisciTel.h"
#include "ClientCardFixture.h"
#include "FaultyFileIo.h"
#include "screens/StorageMessages.h"
#include "ServiceDoubles.h"
#include "TempProgramFolder.h"
#include "TestRecords.h"
#include "TwoLocales.h"
#include "widgets/ButtonEnter.h"

#include <memory>
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;
using Kind = Messages::Kind;
using Shown = RecordedMessages::Shown;

namespace {

const QString kPrefix = u"Attenzione: per salvare la scheda è necessario indicare "_s;
const QString kValidDate = u"\n\r\n\rPer poter salvare la scheda è necessario indicare una data valida."_s;
const QString kSaved = u"La chiamata corrente è stata salvata nel Registro chiamate."_s;

// A quick entry as the client card opens it on 15 March 2024 at 10:30, shown.
struct Fixture
{
    Fixture()
    {
        services.clock.set(QDateTime(QDate(2024, 3, 15), QTime(10, 30)));
        entry = std::make_unique<TfrmInserisciTel>();
        entry->setText(u"lblAnno"_s, u"2024"_s);
        entry->setText(u"txtCliente"_s, u"Rossi Anna"_s);
        entry->setText(u"txtCodFisc"_s, u"RSSNNA80A41H501U"_s);
        entry->show();
        QApplication::setActiveWindow(entry.get());
    }

    QComboBox* list(const QString& name) const { return entry->findChild<QComboBox*>(name); }
    void apply() const { entry->findChild<QPushButton*>(u"btnChiudi"_s)->click(); }
    Record stored(const QString& file, qint64 number) const
    {
        return TestRecords::at(folder.readAll(file), SchedaChiamata::layout, number);
    }

    TempProgramFolder folder;
    ServiceDoubles services;
    std::unique_ptr<TfrmInserisciTel> entry;
};

} // namespace

class TestQuickCallEntry : public QObject
{
    Q_OBJECT

private slots:
    // "Nuova chiamata" opens a fresh entry with the current year and the client's six fields, trimmed.
    void clientCardOpensTheEntryWithItsClient()
    {
        ClientCardFixture f({
            {u"txtCliente"_s, u" Rossi Anna "_s},
            {u"txtCodFisc"_s, u"RSSNNA80A41H501U"_s},
            {u"txtZona"_s, u"Nord "_s},
            {u"txtTelCel"_s, u" 333 1234567"_s},
            {u"txtEmail"_s, u"anna@example.it"_s},
            {u"txtRecapito"_s, u"Ufficio"_s},
            {u"txtNote"_s, u"Non copiare"_s},
        });
        const QHash<QString, QString> expected = {
            {u"lblAnno"_s, u"2024"_s},
            {u"txtGiorno"_s, u"15"_s},
            {u"txtMese"_s, u"Marzo"_s},
            {u"txtOreApp"_s, u"10"_s},
            {u"txtMinutiApp"_s, u"30"_s},
            {u"txtCliente"_s, u"Rossi Anna"_s},
            {u"txtCodFisc"_s, u"RSSNNA80A41H501U"_s},
            {u"txtZona"_s, u"Nord"_s},
            {u"txtTelCel"_s, u"333 1234567"_s},
            {u"txtEmail"_s, u"anna@example.it"_s},
            {u"txtRecapito"_s, u"Ufficio"_s},
            {u"txtNote"_s, QString()},
            {u"txtOggetto"_s, QString()},
        };
        const ClientCardFixture::Opened opened = f.openQuickEntry(u"btnChiamata"_s, expected.keys());
        QCOMPARE(f.services.modal.shown(), QStringList{u"TfrmInserisciTel"_s});
        QCOMPARE(opened.texts, expected);
        QCOMPARE(opened.focus, u"txtOggetto"_s);
        QVERIFY(f.folder.readAll(u"2024.tel"_s).isEmpty());
        QVERIFY(f.services.messages.shown().isEmpty());
    }

    void checksInOrder_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        QTest::addColumn<Shown>("message");
        QTest::addColumn<QString>("focus");
        const auto row = [](const char* name, const QString& control, const QString& text,
                            const Shown& message, const QString& focus = {}) {
            QTest::newRow(name) << control << text << message << (focus.isEmpty() ? control : focus);
        };
        const auto warning = [](const QString& words) { return Shown{Kind::Warning, kPrefix + words}; };
        row("1 year", u"lblAnno"_s, u"202"_s, warning(u"l'anno solare utilizzando quattro cifre."_s));
        row("2 day", u"txtGiorno"_s, QString(), warning(u"il giorno della chiamata."_s));
        row("3 day digits", u"txtGiorno"_s, u"5"_s, warning(u"il giorno della chiamata usando due cifre."_s));
        row("4 month", u"txtMese"_s, QString(), warning(u"il mese della chiamata."_s));
        row("5 hour", u"txtOreApp"_s, QString(), warning(u"l'ora della chiamata."_s));
        row("6 minutes", u"txtMinutiApp"_s, QString(), warning(u"i minuti primi dell'ora della chiamata."_s));
        row("7 hour digits", u"txtOreApp"_s, u"9"_s, warning(u"l'ora della chiamata usando due cifre."_s));
        row("8 minute digits", u"txtMinutiApp"_s, u"7"_s,
            warning(u"i minuti prima dell'ora della chiamata usando due cifre."_s));
        row("9 subject", u"txtOggetto"_s, QString(), warning(u"l'oggetto della chiamata."_s));
        row("10 client", u"txtCliente"_s, u" "_s, warning(u"cognome e nome del cliente."_s));
        row("11 tax code", u"txtCodFisc"_s, QString(), warning(u"il codice fiscale del cliente."_s));
        row("12 month name", u"txtMese"_s, u"Marzolino"_s,
            {Kind::Warning, u"Attenzione: selezionare il mese dal menu a cascata."_s + kValidDate});
        row("13 date", u"txtMese"_s, u"Aprile"_s,
            {Kind::Plain, u"Attenzione: la data 31/04/2024 non esiste."_s + kValidDate}, u"txtGiorno"_s);
    }

    void checksInOrder()
    {
        QFETCH(QString, control);
        QFETCH(QString, text);
        QFETCH(Shown, message);
        QFETCH(QString, focus);
        Fixture f;
        f.entry->setText(u"txtOggetto"_s, u"Offerta"_s);
        f.entry->setText(u"txtGiorno"_s, u"31"_s);
        f.entry->setText(u"txtMese"_s, u"Marzo"_s);
        f.entry->setText(control, text);
        f.apply();
        QCOMPARE(f.services.messages.shown(), QList<Shown>{message});
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QVERIFY(f.entry->isVisible());
        QCOMPARE(f.entry->text(u"lblPosizione"_s), QString());
        QVERIFY(!QFile::exists(f.folder.file(u"2024.tel"_s)));
    }

    // The year shown decides the file, created when missing; the current year's file is left alone.
    void appendsToTheYearShownCreatingItsFile()
    {
        Fixture f;
        f.folder.writeAll(u"2024.tel"_s, {});
        f.entry->setText(u"lblAnno"_s, u"2019"_s);
        f.entry->setText(u"txtOggetto"_s, u"Offerta"_s);
        f.apply();
        QCOMPARE(f.services.messages.shown(), (QList<Shown>{{Kind::Information, kSaved}}));
        QVERIFY(!f.entry->isVisible());
        QCOMPARE(f.entry->result(), int(QDialog::Accepted));
        QCOMPARE(f.entry->text(u"lblFile"_s), f.folder.file(u"2019.tel"_s));
        QCOMPARE(f.entry->text(u"lblPosizione"_s), u"1"_s);
        QCOMPARE(f.folder.readAll(u"2024.tel"_s), QByteArray());
        QCOMPARE(f.folder.readAll(u"2019.tel"_s).size(), 1512);
        const Record call = f.stored(u"2019.tel"_s, 1);
        QCOMPARE(call.text(SchedaChiamata::GiornoRit), u"15"_s);
        QCOMPARE(call.text(SchedaChiamata::MeseRit), u"Marzo"_s);
        QCOMPARE(call.text(SchedaChiamata::AnnoRit), u"2019"_s);
        QCOMPARE(call.text(SchedaChiamata::DataRit), u"15/03/2019"_s);
        QCOMPARE(call.text(SchedaChiamata::OraRit), u"10:30"_s);
        QCOMPARE(call.text(SchedaChiamata::Oggetto), u"Offerta"_s);
        QCOMPARE(call.text(SchedaChiamata::Cliente), u"Rossi Anna"_s);
        QCOMPARE(call.text(SchedaChiamata::CodFisc), u"RSSNNA80A41H501U"_s);

        Fixture again;
        again.folder.writeAll(u"2019.tel"_s, f.folder.readAll(u"2019.tel"_s));
        again.entry->setText(u"lblAnno"_s, u"2019"_s);
        again.entry->setText(u"txtOggetto"_s, u"Richiamo"_s);
        again.apply();
        QCOMPARE(again.entry->text(u"lblPosizione"_s), u"2"_s);
        QCOMPARE(again.stored(u"2019.tel"_s, 1).text(SchedaChiamata::Oggetto), u"Offerta"_s);
        QCOMPARE(again.stored(u"2019.tel"_s, 2).text(SchedaChiamata::Oggetto), u"Richiamo"_s);
    }

    // The lists are picked from only: no key types, empties or moves in them.
    void listsTakeNoKeys()
    {
        Fixture f;
        QComboBox* day = f.list(u"txtGiorno"_s);
        day->setFocus();
        for (const Qt::Key key : {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left, Qt::Key_2})
            QTest::keyClick(day, key);
        QCOMPARE(day->currentText(), u"15"_s);
        QCOMPARE(day->lineEdit()->cursorPosition(), 2);
        QTest::keyClick(day, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), f.list(u"txtMese"_s));
    }

    void yearTakesDigitsAndEnterMovesToTheHour()
    {
        Fixture f;
        auto* year = f.entry->findChild<QLineEdit*>(u"lblAnno"_s);
        year->setFocus();
        year->clear();
        QTest::keyClicks(year, u"2a02x5"_s);
        QCOMPARE(year->text(), u"2025"_s);
        QTest::keyClick(year, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), f.list(u"txtOreApp"_s));
    }

    void accessFailureKeepsTheWindowOpen()
    {
        Fixture f;
        f.entry->setText(u"txtOggetto"_s, u"Offerta"_s);
        FaultyFileIo io;
        io.failAt(FaultyFileIo::Open, 1, EACCES, true);
        f.apply();
        QCOMPARE(f.services.messages.shown(), (QList<Shown>{{Kind::Error, StorageMessages::accessDenied()}}));
        QVERIFY(f.entry->isVisible());
        QCOMPARE(f.entry->text(u"lblPosizione"_s), QString());
    }

    // Esc and the window's close button ask before throwing away what the user typed; a window left as
    // it opened closes at once. Nothing is written either way.
    void closingAsksBeforeDiscardingTypedData_data()
    {
        QTest::addColumn<bool>("typed");
        QTest::addColumn<bool>("escape");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<bool>("closed");
        QTest::newRow("untouched, Esc") << false << true << false << true;
        QTest::newRow("untouched, close button") << false << false << false << true;
        QTest::newRow("typed, Esc, kept") << true << true << false << false;
        QTest::newRow("typed, Esc, discarded") << true << true << true << true;
        QTest::newRow("typed, close button, kept") << true << false << false << false;
    }

    void closingAsksBeforeDiscardingTypedData()
    {
        QFETCH(bool, typed);
        QFETCH(bool, escape);
        QFETCH(bool, answer);
        QFETCH(bool, closed);
        Fixture f;
        auto* subject = f.entry->findChild<QLineEdit*>(u"txtOggetto"_s);
        subject->setFocus();
        if (typed)
            QTest::keyClicks(subject, u"Offerta"_s);
        f.services.messages.setNextAnswer(answer);
        if (escape)
            QTest::keyClick(subject, Qt::Key_Escape);
        else
            f.entry->close();
        const QList<Shown> asked{{Kind::Question, u"Attenzione: i dati immessi non sono stati registrati."
                                                  u"\n\r\n\rChiudere la finestra senza registrarli?"_s}};
        QCOMPARE(f.services.messages.shown(), typed ? asked : QList<Shown>{});
        QCOMPARE(f.entry->isVisible(), !closed);
        if (typed)
            QCOMPARE(subject->text(), u"Offerta"_s);
        QVERIFY(!QFile::exists(f.folder.file(u"2024.tel"_s)));
    }

    // Enter on "Applica e chiudi" reached from the keyboard registers the call.
    void enterOnTheFocusedButtonApplies()
    {
        ButtonEnter::install(QCoreApplication::instance());
        Fixture f;
        f.entry->setText(u"txtOggetto"_s, u"Offerta"_s);
        auto* apply = f.entry->findChild<QPushButton*>(u"btnChiudi"_s);
        apply->setFocus(Qt::TabFocusReason);
        QTest::keyClick(apply, Qt::Key_Return);
        QCOMPARE(f.services.messages.shown(), (QList<Shown>{{Kind::Information, kSaved}}));
        QCOMPARE(f.stored(u"2024.tel"_s, 1).text(SchedaChiamata::Oggetto), u"Offerta"_s);
    }

    void annullaWritesNothing()
    {
        Fixture f;
        f.entry->setText(u"txtOggetto"_s, u"Offerta"_s);
        f.entry->findChild<QPushButton*>(u"btnAnnulla"_s)->click();
        QVERIFY(!f.entry->isVisible());
        QCOMPARE(f.entry->result(), int(QDialog::Rejected));
        QVERIFY(!QFile::exists(f.folder.file(u"2024.tel"_s)));
        QVERIFY(f.services.messages.shown().isEmpty());
    }
};

TELVARA_TEST_MAIN_IN_TWO_LOCALES_GUI(TestQuickCallEntry)
#include "TestQuickCallEntry.moc"
