#include "clients/SchedaCliente.h"
#include "LayoutFaults.h"
#include "operators/OperatorSheet.h"
#include "operators/SchedaOperatore.h"
#include "operators/TfrmIstruttori.h"
#include "platform/ReportOutput.h"
#include "RecordingReportOutput.h"
#include "screens/CallerTargets.h"
#include "screens/WindowRegistry.h"
#include "ServiceDoubles.h"
#include "storage/RecordFile.h"
#include "TempProgramFolder.h"
#include "TwoLocales.h"
#include "WiredRegistry.h"

#include <memory>
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;
using Kind = Messages::Kind;
using Shown = RecordedMessages::Shown;

namespace {

const QString kInserted = u"La scheda corrente è stata inserita in archivio."_s;
const QString kModified = u"Le modifiche apportate alla scheda corrente sono state salvate in archivio."_s;
const QDate kToday(2024, 6, 10);

// Every field of the record filled with a text of its own, as far as its width allows.
Record fullRecord()
{
    using namespace SchedaOperatore;
    Record record(layout);
    for (int field = 0; field < layout.fieldCount(); ++field)
        record.setText(field, QString::fromLatin1(layout.name(field)) + u" è"_s);
    record.setText(Sesso, u"F"_s);
    record.setText(ProvNasc, u"TO"_s);
    record.setText(ProvRes, u"MI"_s);
    record.setText(CodFisc, u"BNCNNA85M41F205X"_s);
    record.setText(Iva, u"12345678903"_s);
    record.setText(Carta, u"4111111111111111"_s);
    record.setText(Decorrenza, u"01/02/2020"_s);
    record.setText(Scadenza, u"31/12/2024"_s);
    record.setText(Preavviso, u"30"_s);
    record.setText(Totale, u"24000,00"_s);
    record.setText(Rata, u"2000,00"_s);
    return record;
}

// A program folder with some operators, the service doubles and the card, shown on 10/06/2024.
struct Fixture
{
    explicit Fixture(int records = 0)
    {
        services.clock.set(QDateTime(kToday, QTime(9, 0)));
        RecordFile file(folder.file(u"Dipendenti.pro"_s), SchedaOperatore::layout);
        for (int n = 1; n <= records; ++n)
            file.append(fullRecord());
        card = std::make_unique<TfrmIstruttori>(registry);
        card->resize(1366, 768);
        card->show();
        QApplication::setActiveWindow(card.get());
    }

    QLineEdit* edit(const QString& name) const { return card->findChild<QLineEdit*>(name); }
    QComboBox* list(const QString& name) const { return card->findChild<QComboBox*>(name); }
    QAbstractButton* button(const QString& name) const { return card->button(name); }
    QString position() const { return card->findChild<QLabel*>(u"lblPosizione"_s)->text(); }
    void click(const QString& name) const { QTest::mouseClick(button(name), Qt::LeftButton); }
    void type(const QString& name, const QString& text) const
    {
        QWidget* input = card->control(name);
        input->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(input, text);
    }

    QByteArray archive() const { return folder.readAll(u"Dipendenti.pro"_s); }
    Record stored(qint64 number) const
    {
        const int size = SchedaOperatore::layout.size();
        return Record(SchedaOperatore::layout, archive().mid((number - 1) * size, size));
    }

    TempProgramFolder folder;
    ServiceDoubles services;
    WiredRegistry registry;
    std::unique_ptr<TfrmIstruttori> card;
};

} // namespace

class TestOperatorCard : public QObject
{
    Q_OBJECT

private slots:
    void opensAsANewCardDatedToday()
    {
        Fixture f(1);
        QCOMPARE(f.card->objectName(), u"TfrmIstruttori"_s);
        QCOMPARE(f.card->windowTitle(), u" Telvara 3.0 - Operatori e Agenti"_s);
        QCOMPARE(f.card->findChild<QLabel*>(u"panInfo"_s)->text(),
                 u"Pronto per salvare una nuova scheda..."_s);
        QCOMPARE(f.position(), QString());
        QCOMPARE(QApplication::focusWidget(), f.edit(u"txtCognome"_s));
        const QHash<QString, QString> texts = f.card->controlTexts();
        QCOMPARE(texts.size(), 52);
        const QHash<QString, QString> initial = {{u"txtDecorrenza"_s, u"10/06/2024"_s},
                                                 {u"txtScadenza"_s, u"10/06/2024"_s},
                                                 {u"txtPreavviso"_s, u"0"_s},
                                                 {u"txtTotale"_s, u"0,00"_s},
                                                 {u"txtRata"_s, u"0,00"_s}};
        for (auto it = texts.cbegin(); it != texts.cend(); ++it)
            QCOMPARE(it.value(), initial.value(it.key()));
        QVERIFY(f.list(u"txtProvNasc"_s)->currentIndex() < 0);
        QCOMPARE(f.list(u"txtProvRes"_s)->count(), 112);
        QVERIFY(!f.card->button(u"cmdDuplica"_s));
    }

    void newCardSavedWithTheNamesOnly()
    {
        Fixture f;
        f.type(u"txtCognome"_s, u"Rossi"_s);
        f.type(u"txtNome"_s, u"Maria"_s);
        f.click(u"cmdSalva"_s);
        QCOMPARE(f.services.messages.shown(), (QList<Shown>{{Kind::Information, kInserted}}));
        QCOMPARE(f.position(), u"1"_s);

        using namespace SchedaOperatore;
        Record expected(layout);
        expected.setText(Cognome, u"Rossi"_s);
        expected.setText(Nome, u"Maria"_s);
        expected.setText(Decorrenza, u"10/06/2024"_s);
        expected.setText(Scadenza, u"10/06/2024"_s);
        expected.setText(Preavviso, u"0"_s);
        expected.setText(Totale, u"0,00"_s);
        expected.setText(Rata, u"0,00"_s);
        QCOMPARE(f.archive(), expected.bytes());
    }

    // A loaded card keeps all 51 fields, the provinces in the combos' text and the documents in the
    // hidden labels: saving it again writes the same bytes over the same record.
    void loadedCardIsSavedBackUnchanged()
    {
        Fixture f(2);
        f.click(u"cmdUltimo"_s);
        QCOMPARE(f.position(), u"2"_s);
        QCOMPARE(f.list(u"txtProvNasc"_s)->currentText(), u"TO"_s);
        QCOMPARE(f.card->text(u"lblDesc03"_s), u"Desc03 è"_s);
        const QByteArray before = f.archive();
        f.click(u"cmdSalva"_s);
        QCOMPARE(f.services.messages.shown(), (QList<Shown>{{Kind::Information, kModified}}));
        QCOMPARE(f.archive(), before);
    }

    // Each row breaks one check of saving, the earlier checks passing; nothing is written and the focus
    // goes to the field at fault (or stays in txtNote where the check names none).
    void saveChecks_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");

        const QString need = u"Attenzione: per salvare la scheda è necessario indicare "_s;
        const QString valid =
            u"\n\r\n\rPer poter salvare la scheda è necessario indicare una data valida nel "
            u"formato gg/mm/aaaa."_s;
        const int warning = int(Kind::Warning);
        const int plain = int(Kind::Plain);
        QTest::newRow("no surname") << u"txtCognome"_s << u"  "_s << warning
                                    << need + u"il cognome del Cliente."_s << u"txtCognome"_s;
        QTest::newRow("no first name")
            << u"txtNome"_s << QString() << warning << need + u"il nome del Cliente."_s << u"txtNome"_s;
        QTest::newRow("no hiring date")
            << u"txtDecorrenza"_s << u" "_s << warning
            << need + u"la data di decorrenza dell'acquisto rateale effettuato."_s << u"txtDecorrenza"_s;
        QTest::newRow("no deadline") << u"txtScadenza"_s << QString() << warning
                                     << need + u"la data di scadenza della prossima rata."_s
                                     << u"txtScadenza"_s;
        QTest::newRow("hiring date missing from the calendar")
            << u"txtDecorrenza"_s << u"31/02/2024"_s << plain
            << u"Attenzione: la data di decorrenza 31/02/2024 non esiste."_s + valid << u"txtDecorrenza"_s;
        QTest::newRow("hiring date not a date")
            << u"txtDecorrenza"_s << u"ieri"_s << plain
            << u"Attenzione: la data di decorrenza ieri non esiste."_s + valid << u"txtDecorrenza"_s;
        QTest::newRow("deadline missing from the calendar")
            << u"txtScadenza"_s << u"31/04/2025"_s << plain
            << u"Attenzione: la data di scadenza 31/04/2025 non esiste."_s + valid << u"txtScadenza"_s;
        QTest::newRow("deadline before hiring")
            << u"txtScadenza"_s << u"01/01/2024"_s << plain
            << u"Attenzione: la data di scadenza della prossima rata (01/01/2024) non può essere anteriore a "
               u"quella di decorrenza (31/12/2024).\n\r\n\rPer poter salvare la scheda è necessario indicare "
               u"un "
               u"intervallo di tempo valido."_s
            << u"txtNote"_s;
        QTest::newRow("no notice") << u"txtPreavviso"_s << QString() << warning
                                   << need + u"i giorni di preavviso."_s << u"txtPreavviso"_s;
    }

    void saveChecks()
    {
        QFETCH(QString, control);
        QFETCH(QString, text);
        QFETCH(int, kind);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        Fixture f(1);
        f.click(u"cmdPrimo"_s);
        f.card->setText(u"txtDecorrenza"_s, u"31/12/2024"_s);
        f.card->setText(u"txtScadenza"_s, u"31/12/2024"_s);
        f.card->setText(control, text);
        f.edit(u"txtNote"_s)->setFocus();
        const QByteArray before = f.archive();

        f.click(u"cmdSalva"_s);

        QCOMPARE(f.services.messages.shown(), (QList<Shown>{{Kind(kind), message}}));
        QCOMPARE(QApplication::focusWidget(), f.card->control(focus));
        QCOMPARE(f.archive(), before);
    }

    void equalDatesAreAnInterval()
    {
        Fixture f;
        f.type(u"txtCognome"_s, u"Neri"_s);
        f.type(u"txtNome"_s, u"Ugo"_s);
        f.card->setText(u"txtDecorrenza"_s, u"29/02/2024"_s);
        f.card->setText(u"txtScadenza"_s, u"29/02/2024"_s);
        f.click(u"cmdSalva"_s);
        QCOMPARE(f.services.messages.shown(), (QList<Shown>{{Kind::Information, kInserted}}));
        QCOMPARE(f.stored(1).text(SchedaOperatore::Scadenza), u"29/02/2024"_s);
    }

    void typedTextFollowsTheFieldRules_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("tax code") << u"txtCodFisc"_s << u" bncnna85m41f205x"_s << u"BNCNNA85M41F205X"_s;
        QTest::newRow("sex") << u"txtSesso"_s << u"f"_s << u"F"_s;
        QTest::newRow("IBAN, blanks dropped") << u"txtIban"_s << u"it60 x054"_s << u"IT60X054"_s;
        QTest::newRow("province of birth") << u"txtProvNasc"_s << u"to"_s << u"TO"_s;
        QTest::newRow("province of residence") << u"txtProvRes"_s << u"mi"_s << u"MI"_s;
        QTest::newRow("e-mail") << u"txtEmail"_s << u" a@b.it "_s << u"a@b.it"_s;
        QTest::newRow("VAT number") << u"txtIva"_s << u"12a3-4"_s << u"1234"_s;
        QTest::newRow("card") << u"txtCarta"_s << u"41.11 x"_s << u"4111"_s;
        QTest::newRow("notice") << u"txtPreavviso"_s << u"1x5"_s << u"15"_s;
        QTest::newRow("instalment cut to 15")
            << u"txtRata"_s << u"12345678901234567"_s << u"123456789012345"_s;
    }

    void typedTextFollowsTheFieldRules()
    {
        QFETCH(QString, control);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        Fixture f;
        f.card->setText(control, QString());
        f.type(control, typed);
        QCOMPARE(f.card->text(control), shown);
    }

    void amountsAreCompletedOnLeaving()
    {
        Fixture f;
        f.card->setText(u"txtTotale"_s, QString());
        f.type(u"txtTotale"_s, u"1500"_s);
        f.card->setText(u"txtRata"_s, QString());
        f.type(u"txtRata"_s, u"12,5"_s);
        f.edit(u"txtNote"_s)->setFocus();
        QCOMPARE(f.card->text(u"txtTotale"_s), u"1500,00"_s);
        QCOMPARE(f.card->text(u"txtRata"_s), u"12,50"_s);
    }

    void enterChainRunsFromSurnameToInstalmentAndBack()
    {
        Fixture f;
        const QStringList chain = f.card->definition().enterChain;
        QCOMPARE(chain.size(), 45);
        QCOMPARE(chain.last(), u"txtRata"_s);
        f.edit(u"txtCognome"_s)->setFocus();
        for (qsizetype i = 1; i <= chain.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget()->objectName(), chain.at(i % chain.size()));
        }
        QVERIFY(f.services.messages.shown().isEmpty());
    }

    void toolbarRunsLeftToRight()
    {
        Fixture f;
        const QStringList order = {u"cmdNuovo"_s,     u"cmdSalva"_s,  u"cmdTrova"_s,  u"cmdFile"_s,
                                   u"cmdAnteprima"_s, u"cmdStampa"_s, u"cmdPrimo"_s,  u"cmdIndietro"_s,
                                   u"lblPosizione"_s, u"cmdAvanti"_s, u"cmdUltimo"_s, u"cmdEsporta"_s,
                                   u"cmdScaduti"_s,   u"cmdGuida"_s,  u"cmdEsci"_s};
        int left = -1;
        for (const QString& name : order) {
            QWidget* control = f.card->control(name);
            const int x = control->mapTo(f.card.get(), QPoint()).x();
            QVERIFY2(x > left, qPrintable(name));
            QVERIFY2(control->y() < f.edit(u"txtCognome"_s)->mapTo(f.card.get(), QPoint()).y(),
                     qPrintable(name));
            left = x;
        }
        QCOMPARE(f.button(u"cmdFile"_s)->text(), u"Allega file"_s);
        QCOMPARE(f.button(u"cmdScaduti"_s)->accessibleDescription(),
                 u"Visualizza il riepilogo dei contratti in scadenza o scaduti."_s);
        QCOMPARE(f.button(u"cmdGuida"_s)->accessibleDescription(), u"Visualizza la guida in linea."_s);
    }

    // A tax code of digits only is a firm's: its button sends it to the VAT-number check.
    void checkButtonsOpenTheirWindows_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("window");
        QTest::newRow("tax code") << u"btnCodFisc"_s << u"txtCodFisc"_s << u"BNCNNA85M41F205X"_s
                                  << u"TfrmCodFisc"_s;
        QTest::newRow("empty tax code")
            << u"btnCodFisc"_s << u"txtCodFisc"_s << QString() << u"TfrmCodFisc"_s;
        QTest::newRow("tax code of digits")
            << u"btnCodFisc"_s << u"txtCodFisc"_s << u"12345678903"_s << u"TfrmPartitaIva"_s;
        QTest::newRow("VAT number") << u"btnIva"_s << u"txtIva"_s << u"12345678903"_s << u"TfrmPartitaIva"_s;
        QTest::newRow("IBAN") << u"btnIban"_s << u"txtIban"_s << u"IT60X0542811101000000123456"_s
                              << u"TfrmIban"_s;
        QTest::newRow("card") << u"btnCarta"_s << u"txtCarta"_s << u"4111111111111111"_s << u"TfrmCarta"_s;
    }

    void checkButtonsOpenTheirWindows()
    {
        QFETCH(QString, button);
        QFETCH(QString, control);
        QFETCH(QString, value);
        QFETCH(QString, window);
        Fixture f;
        f.card->setText(control, value);
        f.click(button);
        QCOMPARE(f.services.modal.shown(), QStringList{window});
    }

    void emailButtonOpensAMailLink()
    {
        Fixture f;
        f.type(u"txtEmail"_s, u"anna.bianchi@example.it"_s);
        f.click(u"btnEmail"_s);
        QCOMPARE(f.services.shell.opened(), QStringList{u"\"mailto:anna.bianchi@example.it\""_s});
    }

    void attachWindowOpensWithTheOperatorsTag()
    {
        Fixture f(1);
        f.click(u"cmdPrimo"_s);
        QString tag;
        f.services.modal.setNextScript([&tag](QDialog& window) {
            tag = window.findChild<QLabel*>(u"lblMemory"_s)->text();
            return 0;
        });
        f.click(u"cmdFile"_s);
        QCOMPARE(f.services.modal.shown(), QStringList{u"TfrmAllegaCartella"_s});
        QCOMPARE(tag, u"istruttori"_s);
    }

    // A pick fills what its caller registered for the kind of record picked: the operator card takes
    // operators under its tag, never a client picked under the same word.
    void pickedOperatorsReachOnlyTheOperatorCard()
    {
        Fixture f;
        Record client(SchedaCliente::layout);
        client.setText(SchedaCliente::Cliente, u"Verdi Luca"_s);
        QVERIFY(!CallerTargets::deliver(u"istruttori"_s, client, 3));
        QCOMPARE(f.position(), QString());
        QCOMPARE(f.card->text(u"txtCognome"_s), QString());

        QVERIFY(CallerTargets::deliver(u"istruttori"_s, fullRecord(), 7));
        QCOMPARE(f.position(), u"7"_s);
        QCOMPARE(f.card->text(u"txtCognome"_s), u"Cognome è"_s);
        QCOMPARE(f.card->text(u"txtProvRes"_s), u"MI"_s);
    }

    void helpShowsTheOperatorsTopic()
    {
        Fixture f;
        QString title;
        f.services.modal.setNextScript([&title](QDialog& window) {
            title = window.findChild<QLabel*>(u"lblTitolo"_s)->text();
            return 0;
        });
        f.click(u"cmdGuida"_s);
        QCOMPARE(title, u"Applicazione Operatori e Agenti."_s);
    }

    // Every control is inside the window, as large as it needs, and overlaps no other.
    void layoutFits_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::newRow("1024x700") << QSize(1024, 700);
        QTest::newRow("1366x768") << QSize(1366, 768);
        QTest::newRow("1920x1080") << QSize(1920, 1080);
    }

    void layoutFits()
    {
        QFETCH(QSize, screen);
        Fixture f;
        f.card->resize(screen);
        QApplication::processEvents();
        QCOMPARE(LayoutFaults::of(*f.card, LayoutFaults::controls(*f.card), LayoutFaults::Widths::Free),
                 QStringList());
    }

    // Pictures of the card and its printed sheet to look at: set TELVARA_SCREENSHOTS to a folder.
    void screenshots()
    {
        const QString folder = qEnvironmentVariable("TELVARA_SCREENSHOTS");
        if (folder.isEmpty())
            QSKIP("TELVARA_SCREENSHOTS not set");
        QDir().mkpath(folder);
        for (const QSize size : {QSize(1024, 700), QSize(1366, 768)}) {
            Fixture f(1);
            f.card->resize(size);
            f.click(u"cmdPrimo"_s);
            QApplication::processEvents();
            f.card->grab().save(folder + u"/operatori-%1x%2.png"_s.arg(size.width()).arg(size.height()));
            if (size.width() == 1366) {
                RecordingReportOutput output;
                ReportOutput::current().exportPdf(OperatorSheet::build(f.card->controlTexts(), QDateTime()),
                                                  folder + u"/operatore.pdf"_s);
            }
        }
    }
};

TELVARA_TEST_MAIN_IN_TWO_LOCALES_GUI(TestOperatorCard)
#include "TestOperatorCard.moc"
