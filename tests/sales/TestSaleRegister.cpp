#include "app/GeneralHelp.h"
#include "ClientCardFixture.h"
#include "clients/SchedaCliente.h"
#include "clients/TfrmClienti.h"
#include "clients/TfrmTrovaClienti.h"
#include "FaultyFileIo.h"
#include "RegisterFixture.h"
#include "sales/SchedaVendita.h"
#include "sales/TfrmInserisciReg.h"
#include "sales/TfrmMenuRegistro.h"
#include "sales/TfrmRegistro.h"
#include "screens/StorageMessages.h"
#include "ServiceDoubles.h"
#include "TempProgramFolder.h"
#include "TestRecords.h"
#include "TwoLocales.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QUrlQuery>

using namespace Qt::StringLiterals;
using Kind = Messages::Kind;
using Shown = RecordedMessages::Shown;

namespace {

const QString kAppended = u"La scheda corrente è stata salvata in archivio."_s;
const QString kModified = u"Le modifiche apportate alla scheda corrente sono state salvate in archivio."_s;
const QString kPrefix = u"Attenzione: per salvare la scheda è necessario indicare "_s;
const QString kMailPrefix = u"Attenzione: per inviare l'e-mail è necessario indicare "_s;
const QString kValidDate = u"\n\r\n\rPer poter salvare la scheda è necessario indicare una data valida."_s;

// The sales menu and the sale card, with the 2021 register opened.
struct Fixture : RegisterFixture<TfrmMenuRegistro, TfrmRegistro>
{
    Fixture() : RegisterFixture({u"txtAnnoFatture"_s, u"btnApriFatture"_s, SchedaVendita::layout, u".ven"_s})
    {}

    // A card that passes every check.
    void fill() const
    {
        edit(u"txtCodice"_s)->setText(u"ART-01"_s);
        edit(u"txtTipologia"_s)->setText(u"Pneumatico"_s);
        edit(u"txtCliente"_s)->setText(u"Rossi Anna"_s);
        edit(u"txtCodFisc"_s)->setText(u"RSSNNA80A41H501U"_s);
    }
};

using TestRecords::field;

} // namespace

class TestSaleRegister : public QObject
{
    Q_OBJECT

private slots:
    void menuHandsTheYearToTheCard()
    {
        Fixture f;
        QVERIFY(!f.menu->isVisible());
        QVERIFY(f.card->isVisible());
        QCOMPARE(f.menu->windowTitle(), u" Telvara 3.0 - Registro vendite e riepilogo profitti"_s);
        QCOMPARE(f.card->windowTitle(), u" Telvara 3.0 - Registro vendite anno 2021"_s);
        QCOMPARE(f.card->text(u"lblFile"_s), f.folder.file(u"2021.ven"_s));
        QCOMPARE(f.card->text(u"lblAnnoRit"_s), u"2021"_s);
        QCOMPARE(f.edit(u"txtImporto"_s)->text(), u"0,00"_s);
        QCOMPARE(f.list(u"txtGiornoRit"_s)->currentText(), u"15"_s);
        QCOMPARE(f.list(u"txtMeseRit"_s)->currentText(), u"Marzo"_s);
    }

    void menuRefusesAYearOfOtherThanFourDigits()
    {
        Fixture f;
        f.card->close();
        f.menu->open();
        f.menu->findChild<QLineEdit*>(u"txtAnnoFatture"_s)->setText(u"202"_s);
        f.menu->findChild<QPushButton*>(u"btnApriFatture"_s)->click();
        QCOMPARE(f.services.messages.shown(),
                 (QList<Shown>{
                     {Kind::Warning, u"Attenzione: indicare l'anno solare utilizzando quattro cifre."_s}}));
        QVERIFY(f.menu->isVisible());
        QVERIFY(!f.card->isVisible());
    }

    // Until the program has the profit summary its button cannot leave the menu for nowhere; once it has
    // it, the button opens it whatever the year field holds.
    void profitSummaryOpensOnlyWhenTheProgramHasIt()
    {
        Fixture f;
        f.card->close();
        f.menu->open();
        auto* open = f.menu->findChild<QPushButton*>(u"btnApriRiepStats"_s);
        QVERIFY(!open->isEnabled());
        f.menu->close();

        auto* profits = new QWidget;
        f.registry.add(u"TfrmMenuRiepCosti"_s, profits);
        f.menu->open();
        f.menu->findChild<QLineEdit*>(u"txtAnnoFatture"_s)->clear();
        QVERIFY(open->isEnabled());
        open->click();
        QVERIFY(!f.menu->isVisible());
        QVERIFY(profits->isVisible());
        QVERIFY(f.services.messages.shown().isEmpty());
    }

    void saveChecksInOrder_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("day");
        QTest::addColumn<Shown>("message");
        QTest::addColumn<QString>("focus");
        const auto row = [](const char* name, const QString& control, const QString& text,
                            const QString& words) {
            QTest::newRow(name) << control << text << u"15"_s << Shown{Kind::Warning, kPrefix + words}
                                << control;
        };
        row("1 day", u"txtGiornoRit"_s, QString(), u"il giorno della data di vendita."_s);
        row("2 day digits", u"txtGiornoRit"_s, u"5"_s,
            u"il giorno della data di vendita usando due cifre."_s);
        row("3 month", u"txtMeseRit"_s, QString(), u"il mese della data di vendita."_s);
        row("4 hour", u"txtOreRit"_s, QString(), u"l'ora della vendita."_s);
        row("5 minutes", u"txtMinutiRit"_s, QString(), u"i minuti dell'ora della vendita."_s);
        row("6 hour digits", u"txtOreRit"_s, u"9"_s, u"l'ora della vendita usando due cifre."_s);
        row("7 minute digits", u"txtMinutiRit"_s, u"7"_s,
            u"i minuti dell'ora della vendita usando due cifre."_s);
        row("8 code", u"txtCodice"_s, u"  "_s, u"il codice dell'articolo venduto."_s);
        row("9 type", u"txtTipologia"_s, QString(), u"la tipologia dell'articolo venduto."_s);
        row("10 client", u"txtCliente"_s, QString(), u"cognome e nome del cliente."_s);
        row("11 tax code", u"txtCodFisc"_s, QString(), u"il codice fiscale del cliente."_s);
        QTest::newRow("12 month name")
            << u"txtMeseRit"_s << u"Marzolino"_s << u"15"_s
            << Shown{Kind::Warning, u"Attenzione: selezionare il mese dal menu a cascata."_s + kValidDate}
            << u"txtMeseRit"_s;
        QTest::newRow("13 date, 31 April")
            << u"txtMeseRit"_s << u"Aprile"_s << u"31"_s
            << Shown{Kind::Plain, u"Attenzione: la data 31/04/2021 non esiste."_s + kValidDate}
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
        f.edit(u"txtNote"_s)->setFocus();
        f.card->setText(u"txtGiornoRit"_s, day);
        f.card->setText(control, text);
        f.click(u"cmdSalva"_s);
        QCOMPARE(f.services.messages.shown(), QList<Shown>{message});
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QVERIFY(!QFile::exists(f.folder.file(u"2021.ven"_s)));
        QCOMPARE(f.position(), QString());
    }

    // The amount is normalised when it is left and, with the focus still in it, when Save is pressed: every
    // stored amount reads back as a number.
    void amountIsNormalised_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("whole") << u"7"_s << u"7,00"_s;
        QTest::newRow("leading comma") << u",75"_s << u"0,75"_s;
        QTest::newRow("three decimals") << u"12,345"_s << u"12,345"_s;
        QTest::newRow("five decimals") << u"1,23456"_s << u"1,2346"_s;
        QTest::newRow("empty") << QString() << u"0,00"_s;
    }

    void amountIsNormalised()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        {
            Fixture f;
            QLineEdit* amount = f.edit(u"txtImporto"_s);
            amount->setFocus();
            amount->setText(typed);
            QTest::keyClick(amount, Qt::Key_Return);
            QCOMPARE(amount->text(), shown);
            QCOMPARE(QApplication::focusWidget(), f.edit(u"txtConsegna"_s));
        }
        Fixture f;
        f.fill();
        QLineEdit* amount = f.edit(u"txtImporto"_s);
        amount->setFocus();
        amount->setText(typed);
        f.click(u"cmdSalva"_s);
        QCOMPARE(amount->text(), shown);
        QCOMPARE(f.stored(1).text(SchedaVendita::Importo), shown);
    }

    // An amount that cannot be read, set while the focus is in it (a screen reader, a dictation) and saved
    // at once, is told and kept, and nothing is stored; it was stored as 0,00 with the saved message.
    void unreadableAmountIsNeverStoredAsZero()
    {
        Fixture f;
        f.fill();
        QLineEdit* amount = f.edit(u"txtImporto"_s);
        amount->setFocus();
        QAccessible::queryAccessibleInterface(amount)->setText(QAccessible::Value, u"1,2,3"_s);
        f.click(u"cmdSalva"_s);
        QCOMPARE(
            f.services.messages.shown(),
            (QList<Shown>{{Kind::Warning, u"Attenzione: il testo \"1,2,3\" non è un importo valido.\n\r\n\r"
                                          u"Indicare l'importo in cifre, con una sola virgola prima dei "
                                          u"decimali."_s}}));
        QCOMPARE(amount->text(), u"1,2,3"_s);
        QCOMPARE(QApplication::focusWidget(), amount);
        QVERIFY(f.archive().isEmpty());
    }

    void savedRecordBytes()
    {
        Fixture f;
        f.card->setText(u"txtGiornoRit"_s, u"07"_s);
        f.card->setText(u"txtMeseRit"_s, u"Settembre"_s);
        f.card->setText(u"txtOreRit"_s, u"08"_s);
        f.card->setText(u"txtMinutiRit"_s, u"05"_s);
        const std::pair<const char16_t*, const char16_t*> typed[] = {
            {u"txtCodice", u" ART-01 "},
            {u"txtTipologia", u"Pneumatico"},
            {u"txtDescrizione", u"Invernale"},
            {u"txtImporto", u"120,50"},
            {u"txtConsegna", u"Corriere"},
            {u"txtPagamento", u"Bonifico"},
            {u"txtCliente", u"Rossi Anna"},
            {u"txtCodFisc", u"RSSNNA80A41H501U"},
            {u"txtZona", u"Nord"},
            {u"txtRecapito", u"Ufficio"},
            {u"txtTelCel", u"333 1234567"},
            {u"txtEmail", u"anna@example.it"},
            {u"txtNote", u"Perché no"},
            {u"txtOperatore", u"Bianchi"},
        };
        for (const auto& [control, text] : typed)
            f.card->setText(QString::fromUtf16(control), QString::fromUtf16(text));
        f.click(u"cmdSalva"_s);
        QCOMPARE(f.services.messages.shown(), (QList<Shown>{{Kind::Information, kAppended}}));
        QCOMPARE(f.position(), u"1"_s);
        const QByteArray expected =
            field(2, "07") + field(10, "Settembre") + field(4, "2021") + field(10, "07/09/2021") +
            field(2, "08") + field(2, "05") + field(5, "08:05") + field(30, "ART-01") +
            field(50, "Pneumatico") + field(250, "Invernale") + field(15, "120,50") + field(250, "Corriere") +
            field(250, "Bonifico") + field(50, "Rossi Anna") + field(16, "RSSNNA80A41H501U") +
            field(50, "Nord") + field(50, "Ufficio") + field(30, "333 1234567") +
            field(50, "anna@example.it") + field(250, "Perch\xe9 no") + field(120, "Bianchi");
        QCOMPARE(expected.size(), 1517);
        QCOMPARE(f.archive(), expected);

        // Browsing reads it back whole; Duplicate keeps the amount and asks for a new date and time.
        QHash<QString, QString> saved = f.card->controlTexts();
        saved[u"txtCodice"_s] = u"ART-01"_s;
        f.click(u"cmdNuovo"_s);
        QCOMPARE(f.edit(u"txtImporto"_s)->text(), u"0,00"_s);
        f.click(u"cmdUltimo"_s);
        QCOMPARE(f.card->controlTexts(), saved);
        f.services.messages.take();
        f.click(u"cmdDuplica"_s);
        QCOMPARE(f.position(), QString());
        QCOMPARE(f.list(u"txtGiornoRit"_s)->currentText(), QString());
        QCOMPARE(f.edit(u"txtImporto"_s)->text(), u"120,50"_s);
    }

    // The client picker copies the client and its payment method over what was typed; nothing else.
    void importingAClientFillsThePaymentMethod()
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
                                {SchedaCliente::Estremi, u"RID bancario"_s},
                                {SchedaCliente::Note, u"Non copiare"_s},
                            }});
        f.edit(u"txtPagamento"_s)->setText(u"Contanti"_s);
        f.edit(u"txtNote"_s)->setText(u"Mia nota"_s);
        QString tag;
        f.services.modal.setNextScript([&](QDialog& dialog) {
            auto& picker = static_cast<TfrmTrovaClienti&>(dialog);
            tag = picker.callerTag();
            picker.findChild<QPushButton*>(u"btnCerca"_s)->click();
            QCoreApplication::processEvents();
            QListView* list = picker.findChild<QListView*>(u"lstRecords"_s);
            list->setCurrentIndex(list->model()->index(0, 0));
            picker.lstRecordsDblClick();
            return picker.result();
        });
        f.click(u"impCliente"_s);
        QCOMPARE(tag, u"registro"_s);
        QCOMPARE(f.edit(u"txtCliente"_s)->text(), u"Verdi Luca"_s);
        QCOMPARE(f.edit(u"txtCodFisc"_s)->text(), u"VRDLCU70B02F205X"_s);
        QCOMPARE(f.edit(u"txtZona"_s)->text(), u"Sud"_s);
        QCOMPARE(f.edit(u"txtEmail"_s)->text(), u"luca@example.it"_s);
        QCOMPARE(f.edit(u"txtTelCel"_s)->text(), u"347 7654321"_s);
        QCOMPARE(f.edit(u"txtRecapito"_s)->text(), u"Casa"_s);
        QCOMPARE(f.edit(u"txtPagamento"_s)->text(), u"RID bancario"_s);
        QCOMPARE(f.edit(u"txtNote"_s)->text(), u"Mia nota"_s);
        QCOMPARE(f.position(), QString());
    }

    void mailChecksInOrder_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("words");
        QTest::newRow("1 day") << u"txtGiornoRit"_s << u"il giorno della data di vendita."_s;
        QTest::newRow("2 month") << u"txtMeseRit"_s << u"il mese della data di vendita."_s;
        QTest::newRow("3 hour") << u"txtOreRit"_s << u"l'ora della vendita."_s;
        QTest::newRow("4 minutes") << u"txtMinutiRit"_s << u"i minuti primi dell'ora della vendita."_s;
        QTest::newRow("5 code") << u"txtCodice"_s << u"il codice dell'articolo venduto."_s;
        QTest::newRow("6 description") << u"txtDescrizione"_s << u"la descrizione dell'articolo venduto."_s;
        QTest::newRow("7 amount") << u"txtImporto"_s << u"il prezzo dell'articolo venduto."_s;
        QTest::newRow("8 client") << u"txtCliente"_s << u"cognome e nome del cliente."_s;
        QTest::newRow("9 address") << u"txtEmail"_s << u"l'indirizzo e-mail del cliente."_s;
    }

    void mailChecksInOrder()
    {
        QFETCH(QString, control);
        QFETCH(QString, words);
        Fixture f;
        f.fill();
        f.edit(u"txtDescrizione"_s)->setText(u"Gomma"_s);
        f.edit(u"txtEmail"_s)->setText(u"anna@example.it"_s);
        f.edit(u"txtNote"_s)->setFocus();
        f.card->setText(control, QString());
        f.click(u"cmdEmail"_s);
        QCOMPARE(f.services.messages.shown(), (QList<Shown>{{Kind::Warning, kMailPrefix + words}}));
        QCOMPARE(QApplication::focusWidget()->objectName(), control);
        QVERIFY(f.services.shell.mails().isEmpty());
    }

    // "&", "#" and accents in the client, code and description: the link carries each part whole, and
    // decoded it reads as the confirmation's own text. Nothing is written.
    void confirmationMailKeepsEveryPartWhole()
    {
        Fixture f;
        f.card->setText(u"txtGiornoRit"_s, u"31"_s);
        f.card->setText(u"txtMeseRit"_s, u"Gennaio"_s);
        f.card->setText(u"txtOreRit"_s, u"09"_s);
        f.card->setText(u"txtMinutiRit"_s, u"05"_s);
        f.edit(u"txtCliente"_s)->setText(u" Rossi & Figli "_s);
        f.edit(u"txtCodice"_s)->setText(u"A#1?x=2"_s);
        f.edit(u"txtImporto"_s)->setText(u"99,90"_s);
        f.edit(u"txtDescrizione"_s)->setText(u"Gomme 100% città & paese"_s);
        f.edit(u"txtEmail"_s)->setText(u"rossi+figli@example.it"_s);
        f.click(u"cmdEmail"_s);
        QVERIFY(f.services.messages.shown().isEmpty());
        QCOMPARE(f.services.shell.mails().size(), 1);
        const QString body =
            u"Gentile Sig. Rossi & Figli, con la presente le confermiamo la corretta registrazione del suo "
            u"acquisto effettuato in data 31 Gennaio 2021 alle ore 09:05 relativo all'articolo con codice n. "
            u"A#1?x=2 al prezzo convenuto di euro 99,90 con le seguenti caratteristiche: Gomme 100% città & "
            u"paese. Ringraziandola per la preferenza accordataci, le porgiamo cordiali saluti."_s;
        const MailMessage& mail = f.services.shell.mails().first();
        QCOMPARE(mail.text(), u"mailto:rossi+figli@example.it?subject=Conferma acquisto&body="_s + body);

        const QUrl url = mail.url();
        QVERIFY(url.isValid());
        QCOMPARE(url.scheme(), u"mailto"_s);
        QCOMPARE(url.path(QUrl::FullyDecoded), u"rossi+figli@example.it"_s);
        const QUrlQuery query(url);
        QCOMPARE(query.queryItems(QUrl::FullyDecoded).size(), 2);
        QCOMPARE(query.queryItemValue(u"subject"_s, QUrl::FullyDecoded), u"Conferma acquisto"_s);
        QCOMPARE(query.queryItemValue(u"body"_s, QUrl::FullyDecoded), body);
        QVERIFY(!QFile::exists(f.folder.file(u"2021.ven"_s)));
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
        QCOMPARE(f.edit(u"txtCodice"_s)->text(), u"ART-01"_s);
    }

    void menuAndCardHelp()
    {
        Fixture f;
        QStringList titles;
        for (int i = 0; i < 2; ++i)
            f.services.modal.setNextScript([&](QDialog& help) {
                titles.append(help.findChild<QLabel*>(u"lblTitolo"_s)->text());
                return int(QDialog::Rejected);
            });
        f.click(u"cmdGuida"_s);
        f.menu->findChild<QAbstractButton*>(u"imgGuida"_s)->click();
        QCOMPARE(titles, (QStringList{u"Applicazione Registro vendite."_s,
                                      u"Applicazioni Registro vendite e Riepilogo profitti."_s}));
        QVERIFY(GeneralHelp::topic().text.contains(u"L'applicazione Registro vendite"_s));
    }

    void closingTheCardLeadsToTheMainMenu()
    {
        Fixture f;
        f.click(u"cmdEsci"_s);
        QVERIFY(!f.card->isVisible());
        QVERIFY(!f.menu->isVisible());
    }

    // "Nuova vendita" on the client card: the entry receives the client, its payment method and this year,
    // and appends one sale to that year's register; the client's sales history then shows it.
    void quickSaleFromTheClientCard()
    {
        ClientCardFixture f({
            {u"txtCliente"_s, u" Rossi Anna "_s},
            {u"txtCodFisc"_s, u"RSSNNA80A41H501U"_s},
            {u"txtZona"_s, u"Nord "_s},
            {u"txtTelCel"_s, u" 333 1234567"_s},
            {u"txtEmail"_s, u"anna@example.it"_s},
            {u"txtRecapito"_s, u"Ufficio"_s},
            {u"txtEstremi"_s, u" Bonifico "_s},
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
            {u"txtPagamento"_s, u"Bonifico"_s},
            {u"txtNote"_s, QString()},
            {u"txtImporto"_s, u"0,00"_s},
        };
        QVERIFY(f.card->button(u"btnVendita"_s)->isEnabled());
        const ClientCardFixture::Opened opened =
            f.openQuickEntry(u"btnVendita"_s, expected.keys(), [](QuickEntry& entry) {
                entry.setText(u"txtCodice"_s, u"ART-9"_s);
                entry.setText(u"txtTipologia"_s, u"Servizio"_s);
                entry.setText(u"txtImporto"_s, u"15"_s);
                entry.btnChiudiClick();
                return entry.result();
            });
        QCOMPARE(f.services.modal.shown(), QStringList{u"TfrmInserisciReg"_s});
        QCOMPARE(opened.texts, expected);
        QCOMPARE(opened.focus, u"txtCodice"_s);
        QCOMPARE(f.services.messages.shown(),
                 (QList<Shown>{
                     {Kind::Information, u"La vendita corrente è stata salvata nel Registro vendite."_s}}));
        const Record sale(SchedaVendita::layout, f.folder.readAll(u"2024.ven"_s));
        QCOMPARE(sale.text(SchedaVendita::DataRit), u"15/03/2024"_s);
        QCOMPARE(sale.text(SchedaVendita::OraRit), u"10:30"_s);
        QCOMPARE(sale.text(SchedaVendita::Importo), u"15,00"_s);
        QCOMPARE(sale.text(SchedaVendita::Pagamento), u"Bonifico"_s);
        QCOMPARE(sale.text(SchedaVendita::Codice), u"ART-9"_s);

        // The client's sales history reads the register just written.
        QString history;
        QString total;
        f.services.modal.setNextScript([&](QDialog& window) {
            window.findChild<QLineEdit*>(u"txtAnno"_s)->setText(u"2024"_s);
            window.findChild<QPushButton*>(u"btnApri"_s)->click();
            const QAbstractItemModel* lines = window.findChild<QListView*>(u"lstRecords"_s)->model();
            history = lines->index(0, 0).data().toString();
            for (QLabel* label : window.findChildren<QLabel*>())
                if (label->text().startsWith(u"€ "_s))
                    total = label->text();
            return int(QDialog::Rejected);
        });
        f.card->button(u"btnRiepVendite"_s)->click();
        QCOMPARE(history, u"Data: 15/03/2024  Ora: 10:30  Cod. art. ART-9                 € 15,00         "
                          u"Tipo: Servizio                   "_s);
        QCOMPARE(total, u"€ 15,00"_s);
    }

    // The quick entry's own checks, first and last, and its wording of the minutes.
    void quickSaleChecks_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("1 year") << u"lblAnno"_s << u"202"_s
                                << u"Attenzione: per salvare la scheda è necessario indicare l'anno solare "
                                   u"utilizzando quattro cifre."_s;
        QTest::newRow("8 minute digits")
            << u"txtMinutiApp"_s << u"5"_s
            << kPrefix + u"i minuti prima dell'ora della vendita usando due cifre."_s;
        QTest::newRow("10 type") << u"txtTipologia"_s << QString()
                                 << kPrefix + u"la tipologia dell'articolo venduto."_s;
        QTest::newRow("12 tax code") << u"txtCodFisc"_s << QString()
                                     << kPrefix + u"il codice fiscale del cliente."_s;
    }

    void quickSaleChecks()
    {
        QFETCH(QString, control);
        QFETCH(QString, text);
        QFETCH(QString, message);
        TempProgramFolder folder;
        ServiceDoubles services;
        services.clock.set(QDateTime(QDate(2024, 3, 15), QTime(10, 30)));
        TfrmInserisciReg entry;
        for (const auto& [name, value] : {std::pair{u"lblAnno"_s, u"2024"_s},
                                          {u"txtCliente"_s, u"Rossi"_s},
                                          {u"txtCodFisc"_s, u"RSSNNA80A41H501U"_s},
                                          {u"txtCodice"_s, u"A"_s},
                                          {u"txtTipologia"_s, u"B"_s}})
            entry.setText(name, value);
        entry.show();
        entry.setText(control, text);
        entry.btnChiudiClick();
        QCOMPARE(services.messages.shown(), (QList<Shown>{{Kind::Warning, message}}));
        QVERIFY(!QFile::exists(folder.file(u"2024.ven"_s)));
    }
};

TELVARA_TEST_MAIN_IN_TWO_LOCALES_GUI(TestSaleRegister)
#include "TestSaleRegister.moc"
