#include "AccessibleTree.h"
#include "FaultyFileIo.h"
#include "products/ProductLines.h"
#include "products/ProductPicker.h"
#include "products/SchedaArticolo.h"
#include "products/TfrmGiacenza.h"
#include "products/TfrmMagazzino.h"
#include "screens/StorageMessages.h"
#include "screens/WindowRegistry.h"
#include "ServiceDoubles.h"
#include "storage/RecordFile.h"
#include "TempProgramFolder.h"
#include "TwoLocales.h"
#include "widgets/FieldRule.h"
#include "WindowControls.h"
#include "WiredRegistry.h"

#include <memory>
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace SchedaArticolo;
using Kind = Messages::Kind;
using Shown = RecordedMessages::Shown;

namespace {

const QString kInserted = u"La scheda corrente è stata inserita in archivio."_s;
const QString kModified = u"Le modifiche apportate alla scheda corrente sono state salvate in archivio."_s;
const QString kCalcolaWarning = u"Attenzione: valori non validi.\r\n\r\nInserire correttamente il prezzo e "
                                u"l'aliquota IVA prima di premere il pulsante Calcola."_s;

Record storedProduct(const QString& code)
{
    Record record(layout);
    const std::pair<Field, QString> fields[] = {
        {Codice, code},
        {Marca, u"Acme"_s},
        {Costo, u"2,50"_s},
        {Valore, u"7,50"_s},
        {Prezzo, u"10,00"_s},
        {PercIva, u"22"_s},
        {Prezzo_con_Iva, u"12,20"_s},
        {Giacenza, u"3"_s},
        {Sottoscorta, u"1"_s},
        {Consumo, u"10 cm"_s},
        {File01, u"foto.jpg"_s},
        {Cartella, u"Articolo_1"_s},
    };
    for (const auto& [field, text] : fields)
        record.setText(field, text);
    return record;
}

// A program folder with some products, the service doubles and the product card, shown.
struct Fixture
{
    explicit Fixture(int records = 0)
    {
        RecordFile file(folder.file(u"Magazzino.pro"_s), layout);
        for (int n = 1; n <= records; ++n)
            file.append(storedProduct(u"ART-%1"_s.arg(n)));
        card = std::make_unique<TfrmMagazzino>(registry);
        card->resize(1366, 768);
        card->show();
        QApplication::setActiveWindow(card.get());
    }

    QLineEdit* edit(const QString& name) const { return card->findChild<QLineEdit*>(name); }
    QString text(const QString& name) const { return card->text(name); }
    QString position() const { return card->findChild<QLabel*>(u"lblPosizione"_s)->text(); }
    void click(const QString& name) const { QTest::mouseClick(card->button(name), Qt::LeftButton); }
    void set(const QString& name, const QString& text) const { card->setText(name, text); }
    // Types into the field and leaves it, as the user does before pressing a button.
    void typeAndLeave(const QString& name, const QString& text) const
    {
        QLineEdit* input = edit(name);
        input->setFocus(Qt::MouseFocusReason);
        input->selectAll();
        QTest::keyClicks(input, text);
        edit(u"txtNote"_s)->setFocus(Qt::MouseFocusReason);
    }

    QByteArray archive() const { return folder.readAll(u"Magazzino.pro"_s); }
    qint64 count() const { return archive().size() / layout.size(); }
    Record stored(qint64 number) const
    {
        return Record(layout, archive().mid((number - 1) * layout.size(), layout.size()));
    }
    void load(qint64 number) const { card->loadRecord(number, stored(number)); }

    TempProgramFolder folder;
    ServiceDoubles services;
    WiredRegistry registry;
    std::unique_ptr<TfrmMagazzino> card;
};

} // namespace

class TestProductCard : public QObject
{
    Q_OBJECT

private slots:
    // The stock's "+" and "-" are buttons of one size.
    void plusAndMinusAreAlike()
    {
        Fixture f(1);
        f.card->resize(1024, 700);
        QApplication::processEvents();
        const QSize plus = f.card->findChild<QWidget*>(u"btnAggiungi"_s)->size();
        const QSize minus = f.card->findChild<QWidget*>(u"btnSottrai"_s)->size();
        QCOMPARE(plus.height(), minus.height());
        // The grid may give one column a pixel more than the other.
        QVERIFY2(qAbs(plus.width() - minus.width()) <= 1,
                 qPrintable(u"%1 and %2"_s.arg(plus.width()).arg(minus.width())));
    }

    // Pictures of the card to look at: set TELVARA_SCREENSHOTS to a folder to get them.
    void screenshots()
    {
        const QString folder = qEnvironmentVariable("TELVARA_SCREENSHOTS");
        if (folder.isEmpty())
            QSKIP("TELVARA_SCREENSHOTS not set");
        QDir().mkpath(folder);
        Fixture f(1);
        f.card->resize(1024, 700);
        QApplication::processEvents();
        f.card->grab().save(folder + u"/TfrmMagazzino-1024x700.png"_s);
    }

    void opensAsANewCardWithZeros()
    {
        Fixture f(1);
        QCOMPARE(f.card->objectName(), u"TfrmMagazzino"_s);
        QCOMPARE(f.card->windowTitle(), u" Telvara 3.0 - Magazzino Prodotti e Servizi"_s);
        QCOMPARE(f.card->findChild<QLabel*>(u"panInfo"_s)->text(),
                 u"Pronto per archiviare una nuova scheda..."_s);
        QCOMPARE(QApplication::focusWidget(), f.edit(u"txtCodice"_s));
        for (const char16_t* whole : {u"txtGiacenza", u"txtSottoscorta", u"txtPercIva"})
            QCOMPARE(f.text(QString::fromUtf16(whole)), u"0"_s);
        for (const char16_t* amount : {u"txtCosto", u"txtValore", u"txtPrezzo", u"txtPrezzo_con_Iva"})
            QCOMPARE(f.text(QString::fromUtf16(amount)), u"0,00"_s);
        QCOMPARE(FieldRule::maxLength(f.edit(u"txtPercIva"_s)), 2);
        QCOMPARE(FieldRule::maxLength(f.edit(u"txtCodice"_s)), 30);
        // Every command the card shows works.
        for (QAbstractButton* button : f.card->findChildren<QAbstractButton*>())
            if (!button->objectName().isEmpty())
                QVERIFY2(button->isEnabled(), qPrintable(button->objectName()));
    }

    void typedNumbersAreNormalisedOnLeaving_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("cost, six decimals") << u"txtCosto"_s << u"12,345678"_s << u"12,3457"_s;
        QTest::newRow("cost, whole") << u"txtCosto"_s << u"7"_s << u"7,00"_s;
        QTest::newRow("price, letters refused") << u"txtPrezzo"_s << u"1a0.5"_s << u"105,00"_s;
        QTest::newRow("rate 07") << u"txtPercIva"_s << u"07"_s << u"7"_s;
        QTest::newRow("stock, empty") << u"txtGiacenza"_s << QString() << u"0"_s;
    }

    void typedNumbersAreNormalisedOnLeaving()
    {
        QFETCH(QString, control);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        Fixture f;
        f.edit(control)->clear();
        f.typeAndLeave(control, typed);
        QCOMPARE(f.text(control), shown);
    }

    void calculations_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("before"); // cost, stock, price, rate, price with VAT
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QString>("warning");
        QTest::newRow("Calcola 10 at 22")
            << u"btnCalcola"_s << QStringList{u"0,00"_s, u"0"_s, u"10"_s, u"22"_s, u"0,00"_s}
            << QStringList{u"0,00"_s, u"0"_s, u"10"_s, u"22"_s, u"12,20"_s} << QString();
        QTest::newRow("Scorpora 12,20 at 22")
            << u"btnScorpora"_s << QStringList{u"0,00"_s, u"0"_s, u"0,00"_s, u"22"_s, u"12,20"_s}
            << QStringList{u"0,00"_s, u"0"_s, u"10,00"_s, u"22"_s, u"12,20"_s} << QString();
        QTest::newRow("Calcola valore 2,5 x 3")
            << u"btnValore"_s << QStringList{u"2,5"_s, u"3"_s, u"0,00"_s, u"0"_s, u"0,00"_s}
            << QStringList{u"2,5"_s, u"3"_s, u"0,00"_s, u"0"_s, u"0,00"_s} << QString();
        QTest::newRow("Calcola, empty fields become zero")
            << u"btnCalcola"_s << QStringList{u"0,00"_s, u"0"_s, QString(), QString(), QString()}
            << QStringList{u"0,00"_s, u"0"_s, u"0,00"_s, u"0"_s, u"0,00"_s} << QString();
        QTest::newRow("Calcola, unreadable price resets")
            << u"btnCalcola"_s << QStringList{u"0,00"_s, u"0"_s, u"1,2,3"_s, u"22"_s, u"5,00"_s}
            << QStringList{u"0,00"_s, u"0"_s, u"0,00"_s, u"0"_s, u"0,00"_s} << kCalcolaWarning;
        QTest::newRow("Calcola valore, unreadable cost keeps the stock")
            << u"btnValore"_s << QStringList{u"2,,5"_s, u"3"_s, u"0,00"_s, u"0"_s, u"0,00"_s}
            << QStringList{u"2,,5"_s, u"3"_s, u"0,00"_s, u"0"_s, u"0,00"_s}
            << u"Attenzione: valori non validi.\r\n\r\nInserire correttamente il costo e la giacenza prima "
               u"di "
               u"premere il pulsante Calcola valore."_s;
    }

    void calculations()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        QFETCH(QString, warning);
        Fixture f;
        const QStringList controls = {u"txtCosto"_s, u"txtGiacenza"_s, u"txtPrezzo"_s, u"txtPercIva"_s,
                                      u"txtPrezzo_con_Iva"_s};
        for (qsizetype i = 0; i < controls.size(); ++i)
            f.set(controls.at(i), before.at(i));
        f.click(button);
        for (qsizetype i = 0; i < controls.size(); ++i)
            QCOMPARE(f.text(controls.at(i)), after.at(i));
        if (button == u"btnValore" && warning.isEmpty())
            QCOMPARE(f.text(u"txtValore"_s), u"7,50"_s);
        const QList<Shown> expected =
            warning.isEmpty() ? QList<Shown>{} : QList<Shown>{{Kind::Warning, warning}};
        QCOMPARE(f.services.messages.shown(), expected);
    }

    // Save rounds the stock and threshold, then recomputes the price with VAT and the value.
    void saveComputesPricesAndValue()
    {
        Fixture f;
        f.set(u"txtCodice"_s, u"  ART-9 "_s);
        f.set(u"txtGiacenza"_s, u"2,5"_s);
        f.set(u"txtSottoscorta"_s, QString());
        f.set(u"txtCosto"_s, u"2"_s);
        f.set(u"txtValore"_s, QString());
        f.set(u"txtPrezzo"_s, u"10"_s);
        f.set(u"txtPercIva"_s, u"22"_s);
        f.set(u"txtPrezzo_con_Iva"_s, u"99"_s);
        f.click(u"cmdSalva"_s);

        QCOMPARE(f.services.messages.shown(), (QList<Shown>{{Kind::Information, kInserted}}));
        QCOMPARE(f.position(), u"1"_s);
        const Record saved = f.stored(1);
        QCOMPARE(saved.text(Codice), u"ART-9"_s);
        QCOMPARE(saved.text(Giacenza), u"3"_s);
        QCOMPARE(saved.text(Sottoscorta), u"0"_s);
        QCOMPARE(saved.text(Valore), u"6,00"_s);
        QCOMPARE(saved.text(Prezzo_con_Iva), u"12,20"_s);
        QCOMPARE(saved.text(Prezzo), u"10"_s);
        QCOMPARE(f.text(u"txtPrezzo_con_Iva"_s), u"12,20"_s);
    }

    void emptyNumbersAreStoredAsZeros()
    {
        Fixture f;
        f.set(u"txtCodice"_s, u"A"_s);
        for (const char16_t* name : {u"txtGiacenza", u"txtSottoscorta", u"txtPercIva", u"txtCosto",
                                     u"txtValore", u"txtPrezzo", u"txtPrezzo_con_Iva"})
            f.set(QString::fromUtf16(name), QString());
        f.click(u"cmdSalva"_s);
        const Record saved = f.stored(1);
        for (const Field whole : {Giacenza, Sottoscorta, PercIva})
            QCOMPARE(saved.text(whole), u"0"_s);
        for (const Field amount : {Costo, Valore, Prezzo, Prezzo_con_Iva})
            QCOMPARE(saved.text(amount), u"0,00"_s);
    }

    void blankCodeIsRefused()
    {
        Fixture f(1);
        const QByteArray before = f.archive();
        f.set(u"txtCodice"_s, u"   "_s);
        f.click(u"cmdSalva"_s);
        QCOMPARE(f.services.messages.shown(),
                 (QList<Shown>{
                     {Kind::Warning,
                      u"Attenzione: per salvare la scheda è necessario indicare il codice articolo."_s}}));
        QCOMPARE(QApplication::focusWidget(), f.edit(u"txtCodice"_s));
        QCOMPARE(f.archive(), before);
    }

    // A number Save cannot read stops it on that field: nothing is zeroed, the file stays as it was.
    void unreadableNumbersStopTheSave_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("what");
        QTest::newRow("price") << u"txtPrezzo"_s << u"il prezzo indicato"_s;
        QTest::newRow("cost") << u"txtCosto"_s << u"il costo indicato"_s;
        QTest::newRow("stock") << u"txtGiacenza"_s << u"la giacenza indicata"_s;
        QTest::newRow("threshold") << u"txtSottoscorta"_s << u"la soglia di sottoscorta indicata"_s;
    }

    void unreadableNumbersStopTheSave()
    {
        QFETCH(QString, control);
        QFETCH(QString, what);
        Fixture f(2);
        f.load(2);
        const QByteArray before = f.archive();
        f.set(control, u"1,2,3"_s);
        f.click(u"cmdSalva"_s);

        QCOMPARE(f.services.messages.shown(),
                 (QList<Shown>{
                     {Kind::Warning, u"Attenzione: "_s + what +
                                         u" non è un numero valido.\n\r\n\rCorreggere il valore prima di "
                                         u"salvare la scheda."_s}}));
        QCOMPARE(QApplication::focusWidget(), f.edit(control));
        QCOMPARE(f.archive(), before);
        QCOMPARE(f.text(control), u"1,2,3"_s);
        QCOMPARE(f.text(u"txtGiacenza"_s), control == u"txtGiacenza" ? u"1,2,3"_s : u"3"_s);
        QCOMPARE(f.text(u"txtPrezzo"_s), control == u"txtPrezzo" ? u"1,2,3"_s : u"10,00"_s);
    }

    void failedSaveShowsTheAccessWarning()
    {
        Fixture f(1);
        f.load(1);
        const QByteArray before = f.archive();
        {
            FaultyFileIo io;
            io.failAt(FaultyFileIo::Write, 1, ENOSPC, true);
            f.click(u"cmdSalva"_s);
        }
        QCOMPARE(f.services.messages.shown(),
                 (QList<Shown>{{Kind::Warning, StorageMessages::accessDenied()}}));
        QCOMPARE(f.archive(), before);
    }

    void duplicateKeepsTheCodeAndDropsTheAttachments()
    {
        Fixture f(1);
        f.load(1);
        f.click(u"cmdDuplica"_s);
        QCOMPARE(f.position(), QString());
        QCOMPARE(f.text(u"txtCodice"_s), u"ART-1"_s);
        QCOMPARE(f.text(u"memConsumo"_s), u"10 cm"_s);
        QCOMPARE(f.text(u"lblFile01"_s), QString());
        QCOMPARE(f.text(u"lblCartella"_s), QString());
        f.services.messages.take();
        f.click(u"cmdSalva"_s);
        QCOMPARE(f.services.messages.shown(), (QList<Shown>{{Kind::Information, kInserted}}));
        QCOMPARE(f.count(), 2);
        QCOMPARE(f.stored(2).text(Codice), u"ART-1"_s);
        QCOMPARE(f.stored(2).text(Consumo), u"10 cm"_s);
        QCOMPARE(f.stored(2).text(File01), QString());
        QCOMPARE(f.stored(1).bytes(), storedProduct(u"ART-1"_s).bytes());
    }

    // "+" and "-" open the stock dialog on the card's stock; its total comes back only with Applica.
    void stockDialog_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("stock");
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<bool>("apply");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("shown");
        const QString add = u"Quantità da aggiungere:"_s;
        const QString take = u"Quantità da sottrarre:"_s;
        QTest::newRow("6 + 4, applied") << u"btnAggiungi"_s << u"6"_s << u"4"_s << true << add << u"10"_s;
        QTest::newRow("6 + 4, cancelled") << u"btnAggiungi"_s << u"6"_s << u"4"_s << false << add << u"6"_s;
        QTest::newRow("3 - 10 goes negative")
            << u"btnSottrai"_s << u"3"_s << u"10"_s << true << take << u"-7"_s;
        QTest::newRow("empty stock counts as 0")
            << u"btnAggiungi"_s << QString() << u"2"_s << true << add << u"2"_s;
    }

    void stockDialog()
    {
        QFETCH(QString, button);
        QFETCH(QString, stock);
        QFETCH(QString, quantity);
        QFETCH(bool, apply);
        QFETCH(QString, mode);
        QFETCH(QString, shown);
        Fixture f;
        f.set(u"txtGiacenza"_s, stock);
        QString label;
        QString current;
        f.services.modal.setNextScript([&](QDialog& dialog) {
            label = child<QLabel>(dialog, u"lblAggiunta"_s)->text();
            current = child<QLineEdit>(dialog, u"txtGiacenza"_s)->text();
            child<QLineEdit>(dialog, u"txtAggiunta"_s)->setText(quantity);
            child<QPushButton>(dialog, apply ? u"btnAggiorna"_s : u"btnChiudi"_s)->click();
            return dialog.result();
        });
        f.click(button);
        QCOMPARE(f.services.modal.shown(), QStringList{u"TfrmGiacenza"_s});
        QCOMPARE(label, mode);
        QCOMPARE(current, stock.isEmpty() ? u"0"_s : stock);
        QCOMPARE(f.text(u"txtGiacenza"_s), shown);

        // The file keeps the old stock until the card is saved, which stores the new one.
        QCOMPARE(f.count(), 0);
        f.set(u"txtCodice"_s, u"A"_s);
        f.click(u"cmdSalva"_s);
        QCOMPARE(f.stored(1).text(Giacenza), shown);
    }

    // The card shows 3 pieces while another workstation's picker sells one; then this card is saved with
    // its own change. A piece sold stays sold, and the value follows the stock written.
    void aPieceSoldElsewhereStaysSold_data()
    {
        QTest::addColumn<QString>("note");
        QTest::addColumn<QString>("stock");
        QTest::addColumn<QString>("storedStock");
        QTest::addColumn<QString>("storedValue");
        QTest::newRow("a note added") << u"cliente in attesa"_s << u"3"_s << u"2"_s << u"5,00"_s;
        QTest::newRow("four pieces added") << QString() << u"7"_s << u"6"_s << u"15,00"_s;
        QTest::newRow("one piece taken out") << QString() << u"2"_s << u"1"_s << u"2,50"_s;
    }

    void aPieceSoldElsewhereStaysSold()
    {
        QFETCH(QString, note);
        QFETCH(QString, stock);
        QFETCH(QString, storedStock);
        QFETCH(QString, storedValue);
        Fixture f(1);
        f.load(1);
        const QString catalogue = f.folder.file(u"Magazzino.pro"_s);
        const ProductPicker::Import sold =
            ProductPicker::import(catalogue, 1, ProductLines::pickerLine(f.stored(1).view()), u"1"_s);
        QCOMPARE(sold.outcome, ProductPicker::Import::Outcome::Done);
        QCOMPARE(f.stored(1).text(Giacenza), u"2"_s);

        f.set(u"txtNote"_s, note);
        f.set(u"txtGiacenza"_s, stock);
        f.click(u"cmdSalva"_s);
        QCOMPARE(f.services.modal.shown(), QStringList{});
        QCOMPARE(f.stored(1).text(Giacenza), storedStock);
        QCOMPARE(f.stored(1).text(Valore), storedValue);
        QCOMPARE(f.stored(1).text(Note), note);
        QCOMPARE(f.stored(1).text(Consumo), u"10 cm"_s);
        QCOMPARE(f.text(u"txtGiacenza"_s), storedStock);
        QCOMPARE(f.count(), 1);
    }

    // Fields longer than 15 characters would be emptied by the next key: they take no more than 15.
    void stockDialogFieldsHoldFifteenCharacters()
    {
        Fixture f;
        TfrmGiacenza dialog;
        dialog.prepare(ProductStock::Direction::Add, u"5"_s);
        dialog.show();
        for (const char16_t* name : {u"txtGiacenza", u"txtAggiunta"}) {
            QLineEdit* field = child<QLineEdit>(dialog, QString::fromUtf16(name));
            field->clear();
            field->setFocus();
            QTest::keyClicks(field, u"12345678901234567"_s);
            QCOMPARE(field->text(), u"123456789012345"_s);
            QTest::keyClicks(field, u"x-"_s);
            QCOMPARE(field->text(), u"123456789012345"_s);
        }
        child<QPushButton>(dialog, u"btnTotale"_s)->click();
        QCOMPARE(dialog.total(), u"246913578024690"_s);
    }

    // The quantity's caption follows the direction, and so does the name a screen reader speaks for it.
    void stockDialogSpeaksTheQuantityOfItsDirection_data()
    {
        QTest::addColumn<ProductStock::Direction>("direction");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("+") << ProductStock::Direction::Add << u"Quantità da aggiungere"_s;
        QTest::newRow("-") << ProductStock::Direction::Subtract << u"Quantità da sottrarre"_s;
    }

    void stockDialogSpeaksTheQuantityOfItsDirection()
    {
        QFETCH(ProductStock::Direction, direction);
        QFETCH(QString, spoken);
        Fixture f;
        TfrmGiacenza dialog;
        // From the other direction first, as the dialog is used again and again.
        dialog.prepare(direction == ProductStock::Direction::Add ? ProductStock::Direction::Subtract
                                                                 : ProductStock::Direction::Add,
                       u"5"_s);
        dialog.prepare(direction, u"5"_s);
        dialog.show();
        QCOMPARE(AccessibleTree::spokenName(&dialog, child<QLineEdit>(dialog, u"txtAggiunta"_s)), spoken);
        QCOMPARE(AccessibleTree::walkFaults(&dialog), QStringList());
    }

    void otherInformation_data()
    {
        QTest::addColumn<bool>("apply");
        QTest::newRow("applied") << true;
        QTest::newRow("cancelled") << false;
    }

    void otherInformation()
    {
        QFETCH(bool, apply);
        Fixture f(1);
        f.load(1);
        QString height;
        f.services.modal.setNextScript([&](QDialog& dialog) {
            height = child<QLineEdit>(dialog, u"txtConsumo"_s)->text();
            child<QLineEdit>(dialog, u"txtOnde"_s)->setText(u"  12/2026 "_s);
            child<QPushButton>(dialog, apply ? u"btnApplica"_s : u"btnAnnulla"_s)->click();
            return dialog.result();
        });
        f.click(u"btnPneumatici"_s);
        QCOMPARE(height, u"10 cm"_s);
        QCOMPARE(f.text(u"memOnde"_s), apply ? u"12/2026"_s : QString());
        QCOMPARE(f.text(u"memConsumo"_s), u"10 cm"_s);
        // Moving away without saving loses it.
        f.click(u"cmdUltimo"_s);
        QCOMPARE(f.text(u"memOnde"_s), QString());
    }

    void webSearch()
    {
        Fixture f;
        f.click(u"cmdWeb"_s);
        QCOMPARE(f.services.messages.shown(),
                 (QList<Shown>{{Kind::Warning,
                                u"Attenzione: per poter effettuare una ricerca sul Web è necessario "
                                u"compilare il campo relativo alla marca dell'articolo."_s}}));
        QCOMPARE(QApplication::focusWidget(), f.edit(u"txtMarca"_s));
        QVERIFY(f.services.shell.opened().isEmpty());

        f.set(u"txtMarca"_s, u" Pane & Vino "_s);
        f.set(u"txtModello"_s, u"#1"_s);
        f.click(u"cmdWeb"_s);
        QCOMPARE(f.services.shell.opened(),
                 QStringList{u"\"https://www.google.com/search?q=Pane%20%26%20Vino%20%231\""_s});
    }

    void enterChainWrapsFromNotesToCode()
    {
        Fixture f;
        const QStringList chain = f.card->definition().enterChain;
        QCOMPARE(chain.size(), 20);
        f.edit(u"txtCodice"_s)->setFocus();
        for (qsizetype i = 1; i <= chain.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget()->objectName(), chain.at(i % chain.size()));
        }
    }

    void helpShowsTheProductTopic()
    {
        Fixture f;
        QString title;
        f.services.modal.setNextScript([&](QDialog& help) {
            title = child<QLabel>(help, u"lblTitolo"_s)->text();
            return int(QDialog::Rejected);
        });
        f.click(u"cmdGuida"_s);
        QCOMPARE(title, u"Applicazione Magazzino Prodotti e Servizi."_s);
    }
};

TELVARA_TEST_MAIN_IN_TWO_LOCALES_GUI(TestProductCard)
#include "TestProductCard.moc"
