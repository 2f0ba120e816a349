#include "AccessibleTree.h"
#include "FaultyFileIo.h"
#include "products/ProductLines.h"
#include "products/ProductPicker.h"
#include "products/SchedaArticolo.h"
#include "products/TfrmImportaMagazzino.h"
#include "sales/TfrmMenuRegistro.h"
#include "sales/TfrmRegistro.h"
#include "screens/CallerTargets.h"
#include "screens/StorageMessages.h"
#include "screens/WindowRegistry.h"
#include "ServiceDoubles.h"
#include "storage/RecordFile.h"
#include "TempProgramFolder.h"
#include "WiredRegistry.h"

#include <algorithm>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace SchedaArticolo;
using Kind = Messages::Kind;
using Shown = RecordedMessages::Shown;

namespace {

const QString kOverStock =
    u"Attenzione: la quantità da scaricare non può essere superiore alla giacenza in "
    u"magazzino.\n\r\n\rIndicare "
    u"una quantità inferiore oppure utilizzare il pulsante per importare l'articolo senza aggiornare la "
    u"giacenza."_s;
const QString kNoSelection =
    u"Attenzione: selezionare un articolo dall'elenco prima di premere il pulsante di importazione."_s;

struct Product
{
    QString code;
    QString stock;
    QString cost = u"10"_s;
    QString description = u"Gomma invernale"_s;
    QString type = u"Pneumatico"_s;
};

Record product(const Product& p)
{
    Record r(layout);
    r.setText(Codice, p.code);
    r.setText(Tipologia, p.type);
    r.setText(Descrizione, p.description);
    r.setText(Costo, p.cost);
    r.setText(Valore, u"0,00"_s);
    r.setText(Prezzo, u"100"_s);
    r.setText(PercIva, u"22"_s);
    r.setText(Prezzo_con_Iva, u"122,00"_s);
    r.setText(Giacenza, p.stock);
    r.setText(Marca, u"Rossi"_s);
    return r;
}

// The catalogue, the picker as the sale card opens it (quantity "1") after a search of every article,
// and what the caller received.
struct Fixture
{
    explicit Fixture(std::initializer_list<Product> products)
    {
        {
            RecordFile file(folder.file(QLatin1StringView(kFileName)), layout);
            for (const Product& p : products)
                file.append(product(p));
        }
        CallerTargets::registerTarget(layout, u"registro"_s, [this](const Record& record, qint64 number) {
            filled.append({number, record.text(Codice)});
        });
        picker.setCallerTag(u"registro"_s);
        picker.setQuantity(u"1"_s);
        picker.show();
        QApplication::setActiveWindow(&picker);
        picker.findChild<QPushButton*>(u"btnCerca"_s)->click();
        QCoreApplication::processEvents();
    }
    ~Fixture() { CallerTargets::unregisterTarget(layout, u"registro"_s); }

    QListView* list() const { return picker.findChild<QListView*>(u"lstRecords"_s); }
    QLineEdit* quantity() const { return picker.findChild<QLineEdit*>(u"txtQuant"_s); }
    QString label(const QString& name) const { return picker.findChild<QLabel*>(name)->text(); }
    void click(int row) const
    {
        const QRect line = list()->visualRect(list()->model()->index(row, 0));
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, line.center());
    }
    void press(const QString& button) const { picker.findChild<QPushButton*>(button)->click(); }
    QByteArray catalogue() const { return folder.readAll(QLatin1StringView(kFileName)); }
    Record stored(qint64 number) const
    {
        return Record(layout, catalogue().mid((number - 1) * layout.size(), layout.size()));
    }

    TempProgramFolder folder;
    ServiceDoubles services;
    TfrmImportaMagazzino picker;
    QList<std::pair<qint64, QString>> filled;
};

} // namespace

class TestProductPicker : public QObject
{
    Q_OBJECT

private slots:
    // Enter in the quantity moves to "Importa articolo e aggiorna giacenza", which shows the focus
    // highlight, and Enter there presses it.
    void enterOnTheQuantityLeadsToTheStockImport()
    {
        Fixture f({{u"A1"_s, u"5"_s}});
        f.click(0);
        QLineEdit* quantity = f.quantity();
        quantity->setFocus();
        QTest::keyClick(quantity, Qt::Key_Return);
        auto* import = f.picker.findChild<QPushButton*>(u"btnAggiorna"_s);
        QCOMPARE(QApplication::focusWidget(), import);
        const QWidget* mark = f.picker.findChild<QWidget*>(u"effAggiorna"_s);
        QVERIFY(mark && mark->isVisible());
        QTest::keyClick(import, Qt::Key_Return);
        QCOMPARE(f.filled, (QList<std::pair<qint64, QString>>{{1, u"A1"_s}}));
    }

    void quantityOnLeaving_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("empty stays empty") << QString() << QString();
        QTest::newRow("whole") << u"3"_s << u"3"_s;
        QTest::newRow("half") << u"0,5"_s << u"0,5"_s;
        QTest::newRow("leading comma") << u",25"_s << u"0,25"_s;
        QTest::newRow("five decimals") << u"1,23456"_s << u"1,2346"_s;
        QTest::newRow("not a number") << u"1,2,3"_s << u"0"_s;
    }

    void quantityOnLeaving()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QCOMPARE(ProductPicker::normaliseQuantity(typed), shown);
    }

    // Stock 5: quantity 1 leaves 4, 6 is refused with nothing written, 5 is taken; the value follows.
    void unloadingChecksTheStock_data()
    {
        QTest::addColumn<QString>("stock");
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("value");
        QTest::newRow("1 of 5") << u"5"_s << u"1"_s << u"4"_s << u"40,00"_s;
        QTest::newRow("5 of 5") << u"5"_s << u"5"_s << u"0"_s << u"0,00"_s;
        QTest::newRow("0,5 of 3") << u"3"_s << u"0,5"_s << u"2,5"_s << u"25,00"_s;
        QTest::newRow("0 of 5") << u"5"_s << u"0"_s << u"5"_s << u"50,00"_s;
        QTest::newRow("empty of 5") << u"5"_s << QString() << u"5"_s << u"50,00"_s;
        QTest::newRow("6 of 5") << u"5"_s << u"6"_s << QString() << QString();
        QTest::newRow("1 of 0") << u"0"_s << u"1"_s << QString() << QString();
    }

    void unloadingChecksTheStock()
    {
        QFETCH(QString, stock);
        QFETCH(QString, quantity);
        QFETCH(QString, left);
        QFETCH(QString, value);
        Fixture f({{u"A1"_s, stock}});
        const QByteArray before = f.catalogue();
        f.click(0);
        QCOMPARE(f.label(u"lblGiacenza"_s), stock);
        f.quantity()->setText(quantity);
        f.press(u"btnAggiorna"_s);
        if (left.isEmpty()) {
            QCOMPARE(f.services.messages.shown(), (QList<Shown>{{Kind::Warning, kOverStock}}));
            QCOMPARE(f.catalogue(), before);
            QVERIFY(f.filled.isEmpty());
            QVERIFY(f.picker.isVisible());
            // Importing without touching the stock still works.
            f.press(u"btnNonAggiornare"_s);
            QCOMPARE(f.catalogue(), before);
            QCOMPARE(f.filled.size(), 1);
            return;
        }
        QVERIFY(f.services.messages.shown().isEmpty());
        QCOMPARE(f.stored(1).text(Giacenza), left);
        QCOMPARE(f.stored(1).text(Valore), value);
        QCOMPARE(f.stored(1).text(Descrizione), u"Gomma invernale"_s);
        QCOMPARE(f.catalogue().size(), before.size());
        QCOMPARE(f.filled, (QList<std::pair<qint64, QString>>{{1, u"A1"_s}}));
        QVERIFY(!f.picker.isVisible());
    }

    // Another workstation takes 10 of the 15 pieces shown: the picker refuses 10 more and then shows
    // the stock it checked, not the one it first read.
    void aRefusalShowsTheStockChecked()
    {
        Fixture f({{u"A1"_s, u"15"_s}});
        f.click(0);
        QCOMPARE(f.label(u"lblGiacenza"_s), u"15"_s);
        QCOMPARE(ProductPicker::import(f.folder.file(QLatin1StringView(kFileName)), 1,
                                       ProductLines::pickerLine(f.stored(1).view()), u"10"_s)
                     .outcome,
                 ProductPicker::Import::Outcome::Done);
        f.quantity()->setText(u"10"_s);
        f.press(u"btnAggiorna"_s);
        QCOMPARE(f.services.messages.shown(), (QList<Shown>{{Kind::Warning, kOverStock}}));
        QCOMPARE(f.label(u"lblGiacenza"_s), u"5"_s);
        QCOMPARE(f.label(u"lblValore"_s), u"50,00"_s);
        QCOMPARE(f.stored(1).text(Giacenza), u"5"_s);
    }

    void bothImportsWantASelection_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("without stock") << u"btnNonAggiornare"_s;
        QTest::newRow("with stock") << u"btnAggiorna"_s;
    }

    void bothImportsWantASelection()
    {
        QFETCH(QString, button);
        Fixture f({{u"A1"_s, u"5"_s}});
        f.press(button);
        QCOMPARE(f.services.messages.shown(), (QList<Shown>{{Kind::Warning, kNoSelection}}));
        QVERIFY(f.filled.isEmpty());
        QVERIFY(f.picker.isVisible());
    }

    // The chosen article's details stand right beside their captions and are spoken with them, as a
    // screen reader walks the picker.
    void chosenDetailsStandAndAreSpokenWithTheirCaptions()
    {
        Fixture f({{u"A1"_s, u"5"_s}});
        f.click(0);
        QApplication::processEvents();
        const std::tuple<const char16_t*, QString, QString> details[] = {
            {u"lblCodice", u"Codice articolo:"_s, u"A1"_s},
            {u"lblDescrizione", u"Descrizione:"_s, u"Gomma invernale"_s},
            {u"lblGiacenza", u"Giacenza attuale:"_s, u"5"_s}};
        const QList<QLabel*> labels = f.picker.findChildren<QLabel*>();
        for (const auto& [name, caption, shown] : details) {
            const QLabel* detail = f.picker.findChild<QLabel*>(QString::fromUtf16(name));
            const auto captioned = std::find_if(labels.cbegin(), labels.cend(), [&](const QLabel* label) {
                return label->text() == caption && label->isVisibleTo(&f.picker);
            });
            QVERIFY(captioned != labels.cend());
            // From the end of the caption's text, which its label may run past, to the detail's text; the
            // captions' column is as wide as the longest of them.
            const int gap = detail->mapTo(&f.picker, QPoint()).x() -
                            (*captioned)->mapTo(&f.picker, QPoint((*captioned)->sizeHint().width(), 0)).x();
            QVERIFY2(gap >= 0 && gap < 100, qPrintable(caption + u" %1 pixels away"_s.arg(gap)));
            QCOMPARE(detail->text(), shown);
            QCOMPARE(AccessibleTree::spokenName(&f.picker, detail), caption + u' ' + shown);
        }
        QCOMPARE(AccessibleTree::walkFaults(&f.picker), QStringList());
    }

    // Two products give the same line; the choice follows the selection moved by the keyboard, and an import
    // takes the quantity out of one product's stock once, the one whose details are shown.
    void identicalLinesAndKeyboardSelectionUnloadOneProductOnce()
    {
        Fixture f({{u"A1"_s, u"5"_s}, {u"B2"_s, u"7"_s, u"20"_s}, {u"A1"_s, u"5"_s}});
        f.click(0);
        QCOMPARE(f.label(u"lblPosizione"_s), u"3"_s);
        QTest::keyClick(f.list(), Qt::Key_Down);
        QCOMPARE(f.label(u"lblCodice"_s), u"B2"_s);
        QCOMPARE(f.label(u"lblGiacenza"_s), u"7"_s);
        QCOMPARE(f.label(u"lblPosizione"_s), u"2"_s);
        f.quantity()->setText(u"2"_s);
        f.press(u"btnAggiorna"_s);
        QCOMPARE(f.stored(1).text(Giacenza), u"5"_s);
        QCOMPARE(f.stored(2).text(Giacenza), u"5"_s);
        QCOMPARE(f.stored(2).text(Valore), u"100,00"_s);
        QCOMPARE(f.stored(3).text(Giacenza), u"5"_s);
        QCOMPARE(f.filled, (QList<std::pair<qint64, QString>>{{2, u"B2"_s}}));
    }

    void identicalLinesTakeTheLastProduct()
    {
        Fixture f({{u"A1"_s, u"5"_s}, {u"B2"_s, u"7"_s}, {u"A1"_s, u"5"_s}});
        f.click(1);
        QTest::keyClick(f.list(), Qt::Key_Up);
        QCOMPARE(f.label(u"lblCodice"_s), u"A1"_s);
        f.press(u"btnAggiorna"_s);
        QCOMPARE(f.stored(1).text(Giacenza), u"5"_s);
        QCOMPARE(f.stored(3).text(Giacenza), u"4"_s);
        QCOMPARE(f.filled, (QList<std::pair<qint64, QString>>{{3, u"A1"_s}}));
    }

    // A failure while the stock is written, before or after it reaches the disk: the access message, the
    // catalogue as it was, nothing given to the caller, the window still open.
    void writeFailureLeavesStockAndCardAsTheyWere_data()
    {
        QTest::addColumn<int>("call");
        QTest::newRow("write") << int(FaultyFileIo::Write);
        QTest::newRow("sync") << int(FaultyFileIo::Sync);
    }

    void writeFailureLeavesStockAndCardAsTheyWere()
    {
        QFETCH(int, call);
        Fixture f({{u"A1"_s, u"5"_s}});
        const QByteArray before = f.catalogue();
        f.click(0);
        {
            FaultyFileIo io;
            io.failAt(FaultyFileIo::Call(call), 1);
            f.press(u"btnAggiorna"_s);
        }
        QCOMPARE(f.services.messages.shown(), (QList<Shown>{{Kind::Plain, StorageMessages::accessDenied()}}));
        QCOMPARE(f.catalogue(), before);
        QVERIFY(f.filled.isEmpty());
        QVERIFY(f.picker.isVisible());
    }

    // From the sale card: the picker comes with quantity 1, and the card receives code, type, description
    // and the price with VAT; nothing else changes.
    void saleCardReceivesTheArticle()
    {
        TempProgramFolder folder;
        ServiceDoubles services;
        RecordFile(folder.file(QLatin1StringView(kFileName)), layout).append(product({u"A1"_s, u"5"_s}));
        WiredRegistry registry;
        registry.create({WindowRegistry::entry<TfrmMenuRegistro>(), WindowRegistry::entry<TfrmRegistro>()});
        auto* card = registry.find<TfrmRegistro>();
        card->show();
        card->setText(u"txtCliente"_s, u"Rossi Anna"_s);
        QString quantity;
        QString tag;
        services.modal.setNextScript([&](QDialog& dialog) {
            auto& picker = static_cast<TfrmImportaMagazzino&>(dialog);
            quantity = picker.findChild<QLineEdit*>(u"txtQuant"_s)->text();
            tag = picker.callerTag();
            picker.findChild<QPushButton*>(u"btnCerca"_s)->click();
            QListView* list = picker.findChild<QListView*>(u"lstRecords"_s);
            list->setCurrentIndex(list->model()->index(0, 0));
            picker.btnAggiornaClick();
            return picker.result();
        });
        card->button(u"impArticolo"_s)->click();
        QCOMPARE(services.modal.shown(), QStringList{u"TfrmImportaMagazzino"_s});
        QCOMPARE(quantity, u"1"_s);
        QCOMPARE(tag, u"registro"_s);
        QCOMPARE(card->text(u"txtCodice"_s), u"A1"_s);
        QCOMPARE(card->text(u"txtTipologia"_s), u"Pneumatico"_s);
        QCOMPARE(card->text(u"txtDescrizione"_s), u"Gomma invernale"_s);
        QCOMPARE(card->text(u"txtImporto"_s), u"122,00"_s);
        QCOMPARE(card->text(u"txtCliente"_s), u"Rossi Anna"_s);
        const Record stored(layout, folder.readAll(QLatin1StringView(kFileName)));
        QCOMPARE(stored.text(Giacenza), u"4"_s);
    }
};

QTEST_MAIN(TestProductPicker)
#include "TestProductPicker.moc"
