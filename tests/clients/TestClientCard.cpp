#include "clients/ClientCard.h"
#include "clients/SchedaCliente.h"
#include "clients/TfrmClienti.h"
#include "FaultyFileIo.h"
#include "LayoutFaults.h"
#include "screens/StorageMessages.h"
#include "screens/WindowRegistry.h"
#include "ServiceDoubles.h"
#include "storage/RecordFile.h"
#include "TempProgramFolder.h"
#include "TwoLocales.h"
#include "widgets/FieldRule.h"
#include "WiredRegistry.h"

#include <memory>
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;
using Kind = Messages::Kind;
using Shown = RecordedMessages::Shown;

namespace {

const QString kEmpty = u"L'archivio non contiene nessuna scheda."_s;
const QString kInserted = u"La scheda corrente è stata inserita in archivio."_s;
const QString kModified = u"Le modifiche apportate alla scheda corrente sono state salvate in archivio."_s;

QString clientName(qint64 number)
{
    return u"Cliente %1"_s.arg(number);
}

Record clientRecord(qint64 number)
{
    Record record(SchedaCliente::layout);
    record.setText(SchedaCliente::Cliente, clientName(number));
    record.setText(SchedaCliente::CodFisc, u"RSSMRA80A01H501%1"_s.arg(number % 10));
    record.setText(SchedaCliente::Ricontatta, u"No"_s);
    return record;
}

// A program folder with an archive of some clients, the service doubles and the client card, shown.
struct Fixture
{
    explicit Fixture(int records = 0)
    {
        RecordFile file(folder.file(u"Clienti.pro"_s), SchedaCliente::layout);
        for (int n = 1; n <= records; ++n)
            file.append(clientRecord(n));
        card = std::make_unique<TfrmClienti>(registry);
        card->resize(1366, 768);
        card->show();
        QApplication::setActiveWindow(card.get());
    }

    QLineEdit* edit(const QString& name) const { return card->findChild<QLineEdit*>(name); }
    QAbstractButton* button(const QString& name) const { return card->button(name); }
    QString position() const { return card->findChild<QLabel*>(u"lblPosizione"_s)->text(); }
    void click(const QString& name) const { QTest::mouseClick(button(name), Qt::LeftButton); }
    void type(const QString& name, const QString& text) const
    {
        QLineEdit* input = edit(name);
        input->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(input, text);
    }

    QByteArray archive() const { return folder.readAll(u"Clienti.pro"_s); }
    qint64 count() const { return archive().size() / SchedaCliente::layout.size(); }
    Record stored(qint64 number) const
    {
        return Record(SchedaCliente::layout, archive().mid((number - 1) * SchedaCliente::layout.size(),
                                                           SchedaCliente::layout.size()));
    }
    void load(qint64 number) const { card->loadRecord(number, stored(number)); }

    TempProgramFolder folder;
    ServiceDoubles services;
    WiredRegistry registry;
    std::unique_ptr<TfrmClienti> card;
};

} // namespace

class TestClientCard : public QObject
{
    Q_OBJECT

private slots:
    void opensAsANewCard()
    {
        Fixture f(2);
        QCOMPARE(f.card->objectName(), u"TfrmClienti"_s);
        QCOMPARE(f.card->windowTitle(), u" Telvara 3.0 - Anagrafica Clienti"_s);
        QCOMPARE(f.position(), QString());
        QCOMPARE(f.card->findChild<QLabel*>(u"panInfo"_s)->text(),
                 u"Pronto per archiviare una nuova scheda..."_s);
        QCOMPARE(QApplication::focusWidget(), f.edit(u"txtCliente"_s));
        QVERIFY(f.services.messages.shown().isEmpty());
    }

    // A new card counts as position 0; "start" is the record shown before the click.
    void navigation_data()
    {
        QTest::addColumn<int>("records");
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("arrow");
        QTest::addColumn<int>("shown");
        QTest::addColumn<bool>("saysEmpty");

        QTest::newRow("empty, first") << 0 << 0 << u"cmdPrimo"_s << 0 << true;
        QTest::newRow("empty, previous") << 0 << 0 << u"cmdIndietro"_s << 0 << true;
        QTest::newRow("empty, next") << 0 << 0 << u"cmdAvanti"_s << 0 << true;
        QTest::newRow("empty, last") << 0 << 0 << u"cmdUltimo"_s << 0 << true;
        QTest::newRow("one, new card, next") << 1 << 0 << u"cmdAvanti"_s << 1 << false;
        QTest::newRow("one, new card, previous") << 1 << 0 << u"cmdIndietro"_s << 1 << false;
        QTest::newRow("one, on 1, next") << 1 << 1 << u"cmdAvanti"_s << 1 << false;
        QTest::newRow("one, on 1, previous") << 1 << 1 << u"cmdIndietro"_s << 1 << false;
        QTest::newRow("one, new card, last") << 1 << 0 << u"cmdUltimo"_s << 1 << false;
        QTest::newRow("several, new card, first") << 3 << 0 << u"cmdPrimo"_s << 1 << false;
        QTest::newRow("several, new card, next") << 3 << 0 << u"cmdAvanti"_s << 1 << false;
        QTest::newRow("several, new card, previous") << 3 << 0 << u"cmdIndietro"_s << 1 << false;
        QTest::newRow("several, new card, last") << 3 << 0 << u"cmdUltimo"_s << 3 << false;
        QTest::newRow("several, on 2, next") << 3 << 2 << u"cmdAvanti"_s << 3 << false;
        QTest::newRow("several, on 2, previous") << 3 << 2 << u"cmdIndietro"_s << 1 << false;
        QTest::newRow("several, on 2, first") << 3 << 2 << u"cmdPrimo"_s << 1 << false;
        QTest::newRow("several, on 2, last") << 3 << 2 << u"cmdUltimo"_s << 3 << false;
        QTest::newRow("several, on the last, next") << 3 << 3 << u"cmdAvanti"_s << 3 << false;
        QTest::newRow("several, on 1, previous") << 3 << 1 << u"cmdIndietro"_s << 1 << false;
    }

    void navigation()
    {
        QFETCH(int, records);
        QFETCH(int, start);
        QFETCH(QString, arrow);
        QFETCH(int, shown);
        QFETCH(bool, saysEmpty);
        Fixture f(records);
        if (start > 0)
            f.load(start);

        f.click(arrow);

        QCOMPARE(f.position(), shown > 0 ? QString::number(shown) : QString());
        QCOMPARE(f.edit(u"txtCliente"_s)->text(), shown > 0 ? clientName(shown) : QString());
        const QList<Shown> expected = saysEmpty ? QList<Shown>{{Kind::Information, kEmpty}} : QList<Shown>{};
        QCOMPARE(f.services.messages.shown(), expected);
        QCOMPARE(f.count(), records);
    }

    void editsAreLostSilentlyOnNavigation()
    {
        Fixture f(2);
        f.load(1);
        f.type(u"txtZona"_s, u"Nord"_s);
        f.click(u"cmdAvanti"_s);
        f.click(u"cmdIndietro"_s);
        QCOMPARE(f.position(), u"1"_s);
        QCOMPARE(f.edit(u"txtZona"_s)->text(), QString());
        QVERIFY(f.services.messages.shown().isEmpty());
        QCOMPARE(f.stored(1).bytes(), clientRecord(1).bytes());
    }

    // "start" 0 is a new card; otherwise the record shown, whose name is replaced before saving.
    void save_data()
    {
        QTest::addColumn<int>("records");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("message");

        QTest::newRow("empty archive, new card") << 0 << 0 << 1 << kInserted;
        QTest::newRow("one record, new card") << 1 << 0 << 2 << kInserted;
        QTest::newRow("one record, record 1") << 1 << 1 << 1 << kModified;
        QTest::newRow("several, record 2") << 3 << 2 << 2 << kModified;
        QTest::newRow("several, new card") << 3 << 0 << 4 << kInserted;
    }

    void save()
    {
        QFETCH(int, records);
        QFETCH(int, start);
        QFETCH(int, number);
        QFETCH(QString, message);
        Fixture f(records);
        if (start > 0)
            f.load(start);
        f.edit(u"txtCliente"_s)->clear();
        f.type(u"txtCliente"_s, u"Bianchi Anna"_s);
        if (start == 0)
            f.type(u"txtCodFisc"_s, u"BNCNNA85M41F205X"_s);

        f.click(u"cmdSalva"_s);

        QCOMPARE(f.services.messages.shown(), (QList<Shown>{{Kind::Information, message}}));
        QCOMPARE(f.position(), QString::number(number));
        QCOMPARE(f.count(), qMax(records, number));
        QCOMPARE(f.stored(number).text(SchedaCliente::Cliente), u"Bianchi Anna"_s);
        for (int other = 1; other <= records; ++other)
            if (other != number)
                QCOMPARE(f.stored(other).bytes(), clientRecord(other).bytes());
        QCOMPARE(f.edit(u"txtCliente"_s)->text(), u"Bianchi Anna"_s);
    }

    void requiredFields_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");

        const QString noName =
            u"Attenzione: per salvare la scheda è necessario indicare il nome del cliente."_s;
        const QString noCode =
            u"Attenzione: per salvare la scheda è necessario indicare il codice fiscale del cliente."_s;
        QTest::newRow("no name") << QString() << u"RSSMRA80A01H501U"_s << noName << u"txtCliente"_s;
        QTest::newRow("blank name") << u"   "_s << u"RSSMRA80A01H501U"_s << noName << u"txtCliente"_s;
        QTest::newRow("neither") << QString() << QString() << noName << u"txtCliente"_s;
        QTest::newRow("no code") << u"Rossi Mario"_s << QString() << noCode << u"txtCodFisc"_s;
    }

    void requiredFields()
    {
        QFETCH(QString, name);
        QFETCH(QString, code);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        Fixture f(1);
        const QByteArray before = f.archive();
        f.edit(u"txtCliente"_s)->setText(name);
        f.edit(u"txtCodFisc"_s)->setText(code);
        f.edit(u"txtNote"_s)->setFocus();

        f.click(u"cmdSalva"_s);

        QCOMPARE(f.services.messages.shown(), (QList<Shown>{{Kind::Warning, message}}));
        QCOMPARE(QApplication::focusWidget(), f.edit(focus));
        QCOMPARE(f.archive(), before);
        QCOMPARE(f.position(), QString());
    }

    void codiceFiscaleIsUpperCasedAndTrimmed()
    {
        Fixture f;
        f.type(u"txtCliente"_s, u"Rossi Mario"_s);
        f.type(u"txtCodFisc"_s, u"  rssmra80a01h501u  "_s);
        QCOMPARE(f.edit(u"txtCodFisc"_s)->text(), u"RSSMRA80A01H501U"_s);
        f.click(u"cmdSalva"_s);
        QCOMPARE(f.stored(1).text(SchedaCliente::CodFisc), u"RSSMRA80A01H501U"_s);
    }

    // Codes copied in groups, as banks and documents print them, lose their blanks before the field's
    // length cuts them: the whole code is stored.
    void pastedCodesAreStoredWhole_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("stored");
        QTest::newRow("IBAN") << u"txtIban"_s << int(SchedaCliente::Iban)
                              << u"it60 x054 2811 1010 0000 0123 456"_s << u"IT60X0542811101000000123456"_s;
        QTest::newRow("tax code") << u"txtCodFisc"_s << int(SchedaCliente::CodFisc)
                                  << u" rss mra 80a01 h501u"_s << u"RSSMRA80A01H501U"_s;
    }

    void pastedCodesAreStoredWhole()
    {
        QFETCH(QString, control);
        QFETCH(int, field);
        QFETCH(QString, pasted);
        QFETCH(QString, stored);
        Fixture f;
        f.type(u"txtCliente"_s, u"Rossi Mario"_s);
        f.type(u"txtCodFisc"_s, u"RSSMRA80A01H501U"_s);
        QLineEdit* input = f.edit(control);
        input->setFocus(Qt::MouseFocusReason);
        input->selectAll();
        QGuiApplication::clipboard()->setText(pasted);
        QTest::keySequence(input, QKeySequence::Paste);
        QCOMPARE(input->text(), stored);
        f.click(u"cmdSalva"_s);
        QCOMPARE(f.stored(1).text(field), stored);
    }

    void onlyNameAndCodeStoreEmptyFieldsAndNo()
    {
        Fixture f;
        f.type(u"txtCliente"_s, u"Rossi Mario"_s);
        f.type(u"txtCodFisc"_s, u"RSSMRA80A01H501U"_s);
        f.click(u"cmdSalva"_s);

        QByteArray expected(SchedaCliente::layout.size(), '\0');
        const auto put = [&](int field, QByteArrayView bytes) {
            expected[SchedaCliente::layout.offset(field)] = char(bytes.size());
            expected.replace(SchedaCliente::layout.offset(field) + 1, bytes.size(), bytes.toByteArray());
        };
        put(SchedaCliente::Cliente, "Rossi Mario");
        put(SchedaCliente::CodFisc, "RSSMRA80A01H501U");
        put(SchedaCliente::Ricontatta, "No");
        QCOMPARE(f.archive(), expected);
    }

    void recontactFlagIsStoredAsSi()
    {
        Fixture f;
        f.type(u"txtCliente"_s, u"Rossi Mario"_s);
        f.type(u"txtCodFisc"_s, u"RSSMRA80A01H501U"_s);
        QTest::mouseClick(f.card->findChild<QCheckBox*>(u"chkRicontatta"_s), Qt::LeftButton);
        f.click(u"cmdSalva"_s);
        QCOMPARE(f.stored(1).raw(SchedaCliente::Ricontatta), QByteArrayView("S\xEC"));
    }

    void recontactFlagIsLoadedByItsWord_data()
    {
        QTest::addColumn<bool>("before");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("after");
        QTest::newRow("Sì ticks") << false << u"Sì"_s << true;
        QTest::newRow("No clears") << true << u"No"_s << false;
        QTest::newRow("other leaves ticked") << true << u"S"_s << true;
        QTest::newRow("empty leaves cleared") << false << QString() << false;
    }

    void recontactFlagIsLoadedByItsWord()
    {
        QFETCH(bool, before);
        QFETCH(QString, stored);
        QFETCH(bool, after);
        Fixture f;
        auto* flag = f.card->findChild<QCheckBox*>(u"chkRicontatta"_s);
        flag->setChecked(before);
        Record record = clientRecord(1);
        record.setText(SchedaCliente::Ricontatta, stored);
        f.card->loadRecord(1, record);
        QCOMPARE(flag->isChecked(), after);
    }

    void enterChainWrapsFromNotesToName()
    {
        Fixture f;
        const QStringList chain = f.card->definition().enterChain;
        QCOMPARE(chain.size(), 29);
        f.edit(u"txtCliente"_s)->setFocus();
        for (qsizetype i = 1; i <= chain.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget()->objectName(), chain.at(i % chain.size()));
        }
        QCOMPARE(QApplication::focusWidget(), f.edit(u"txtCliente"_s));
        QVERIFY(f.services.messages.shown().isEmpty());
    }

    void digitsOnlyFieldsRefuseLetters_data()
    {
        QTest::addColumn<QString>("field");
        QTest::newRow("card") << u"txtCarta"_s;
        QTest::newRow("VAT number") << u"txtPartitaIva"_s;
    }

    void digitsOnlyFieldsRefuseLetters()
    {
        QFETCH(QString, field);
        Fixture f;
        f.type(field, u"12a3-4 .5"_s);
        QCOMPARE(f.edit(field)->text(), u"12345"_s);
        QTest::keyClick(f.edit(field), Qt::Key_Backspace);
        QCOMPARE(f.edit(field)->text(), u"1234"_s);
    }

    void maximumLengthsAreTheFieldWidths()
    {
        Fixture f;
        QCOMPARE(FieldRule::maxLength(f.edit(u"txtCodFisc"_s)), 16);
        QCOMPARE(FieldRule::maxLength(f.edit(u"txtNote"_s)), 250);
        QCOMPARE(FieldRule::maxLength(f.card->findChild<QComboBox*>(u"txtProvRes"_s)->lineEdit()), 2);
        f.type(u"txtCodFisc"_s, u"RSSMRA80A01H501UX"_s);
        QCOMPARE(f.edit(u"txtCodFisc"_s)->text(), u"RSSMRA80A01H501U"_s);
    }

    void typedProvinceIsUpperCased()
    {
        Fixture f;
        auto* province = f.card->findChild<QComboBox*>(u"txtProvNasc"_s);
        province->setFocus();
        QTest::keyClicks(province, u"mi"_s);
        QCOMPARE(province->currentText(), u"MI"_s);
        QCOMPARE(province->count(), 112);
    }

    void failedSaveShowsTheAccessMessageAndKeepsTheNumber_data()
    {
        QTest::addColumn<int>("start");
        QTest::newRow("new card") << 0;
        QTest::newRow("record 2") << 2;
    }

    void failedSaveShowsTheAccessMessageAndKeepsTheNumber()
    {
        QFETCH(int, start);
        Fixture f(2);
        if (start > 0)
            f.load(start);
        f.edit(u"txtCliente"_s)->setText(u"Verdi Luca"_s);
        f.edit(u"txtCodFisc"_s)->setText(u"VRDLCU70C10L219K"_s);
        const QByteArray before = f.archive();
        {
            FaultyFileIo io;
            io.failAt(FaultyFileIo::Write, 1, ENOSPC, true);
            f.click(u"cmdSalva"_s);
        }
        QCOMPARE(f.services.messages.shown(), (QList<Shown>{{Kind::Error, StorageMessages::accessDenied()}}));
        QCOMPARE(f.position(), start > 0 ? QString::number(start) : QString());
        QCOMPARE(f.archive(), before);
        QCOMPARE(f.edit(u"txtCliente"_s)->text(), u"Verdi Luca"_s);
    }

    void failedNavigationKeepsTheCard()
    {
        Fixture f(3);
        f.load(2);
        f.type(u"txtZona"_s, u"Sud"_s);
        {
            FaultyFileIo io;
            io.failAt(FaultyFileIo::Open, 1, EACCES, true);
            f.click(u"cmdAvanti"_s);
        }
        QCOMPARE(f.services.messages.shown(), (QList<Shown>{{Kind::Error, StorageMessages::accessDenied()}}));
        QCOMPARE(f.position(), u"2"_s);
        QCOMPARE(f.edit(u"txtZona"_s)->text(), u"Sud"_s);
    }

    void newEmptiesEverything()
    {
        Fixture f(1);
        Record record = clientRecord(1);
        record.setText(SchedaCliente::Ricontatta, u"Sì"_s);
        record.setText(SchedaCliente::ProvRes, u"TO"_s);
        record.setText(SchedaCliente::File01, u"contratto.pdf"_s);
        f.card->loadRecord(1, record);
        f.click(u"cmdNuovo"_s);
        const QHash<QString, QString> texts = f.card->controlTexts();
        for (auto it = texts.cbegin(); it != texts.cend(); ++it)
            QCOMPARE(it.value(), it.key() == u"chkRicontatta" ? u"No"_s : QString());
        QCOMPARE(texts.size(), 37);
        QCOMPARE(QApplication::focusWidget(), f.edit(u"txtCliente"_s));
    }

    void emailButtonOpensAMailLink()
    {
        Fixture f;
        f.type(u"txtEmail"_s, u" mario.rossi@example.it "_s);
        f.click(u"btnEmail"_s);
        QCOMPARE(f.services.shell.opened(), QStringList{u"\"mailto:mario.rossi@example.it\""_s});
    }

    void exitHidesTheCardWithoutSaving()
    {
        Fixture f;
        f.type(u"txtCliente"_s, u"Rossi Mario"_s);
        f.click(u"cmdEsci"_s);
        QVERIFY(!f.card->isVisible());
        QCOMPARE(f.count(), 0);
        f.card->show();
        QCOMPARE(f.edit(u"txtCliente"_s)->text(), QString());
    }

    void helpShowsTheClientCardTopic()
    {
        Fixture f;
        QString title;
        f.services.modal.setNextScript([&title](QDialog& window) {
            title = window.findChild<QLabel*>(u"lblTitolo"_s)->text();
            return 0;
        });
        f.click(u"cmdGuida"_s);
        QCOMPARE(f.services.modal.shown(), QStringList{u"TfrmGuida"_s});
        QCOMPARE(title, u"Applicazione Anagrafica Clienti."_s);
    }

    void everyInputIsNamedAfterItsLabel()
    {
        Fixture f;
        QCOMPARE(f.edit(u"txtCliente"_s)->accessibleName(), u"Cognome e nome"_s);
        QCOMPARE(f.edit(u"txtIndirizzoRes"_s)->accessibleName(),
                 u"Residente in Via / Piazza e numero civico"_s);
        QCOMPARE(f.button(u"cmdSalva"_s)->accessibleName(), u"Salva"_s);
        QCOMPARE(f.button(u"cmdSalva"_s)->accessibleDescription(),
                 u"Salva in archivio la scheda corrente."_s);
        for (const CardField& field : f.card->definition().fields)
            if (field.kind != FieldKind::Hidden)
                QVERIFY2(!f.card->control(field.control)->accessibleName().isEmpty(),
                         qPrintable(field.control));
    }

    // Every control is inside the window, as wide and tall as it needs, and overlaps no other.
    void layoutFits_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::newRow("1366x768") << QSize(1366, 768);
        QTest::newRow("1920x1080") << QSize(1920, 1080);
    }

    void layoutFits()
    {
        QFETCH(QSize, screen);
        Fixture f;
        f.card->resize(screen);
        QApplication::processEvents();
        const QList<QWidget*> controls = LayoutFaults::controls(*f.card);
        QVERIFY(controls.size() > 80);
        QCOMPARE(LayoutFaults::of(*f.card, controls, LayoutFaults::Widths::Checked), QStringList());
    }

    // Every command, arrow, check and e-mail picture is drawn from the program's own artwork, and every
    // section shows its picture.
    void picturesAreTheProgramsOwn()
    {
        const CardDefinition definition = ClientCard::definition();
        QStringList pictured;
        for (const QList<CardButton>& buttons : {definition.commands, definition.buttons})
            for (const CardButton& button : buttons)
                if (!button.picture.isEmpty()) {
                    QVERIFY2(button.picture.startsWith(u":/artwork/") && QFile::exists(button.picture),
                             qPrintable(button.name));
                    pictured.append(button.name);
                }
        QCOMPARE(pictured.size(), definition.commands.size() + 5);
        Fixture f;
        pictured += {u"cmdPrimo"_s, u"cmdIndietro"_s, u"cmdAvanti"_s, u"cmdUltimo"_s};
        for (const QString& name : std::as_const(pictured)) {
            const QImage drawn = f.button(name)->icon().pixmap(32, 32).toImage();
            QVERIFY2(!drawn.isNull() && drawn.pixelColor(16, 16).alpha() > 0, qPrintable(name));
        }
        for (const QString& section :
             {u"imgAnagrafica"_s, u"imgRecapiti"_s, u"imgFiscali"_s, u"imgProfilo"_s, u"imgSospeso"_s})
            QVERIFY2(f.card->findChild<QWidget*>(section), qPrintable(section));
    }

    // Pictures of the card to look at: set TELVARA_SCREENSHOTS to a folder to get them.
    void screenshots()
    {
        const QString folder = qEnvironmentVariable("TELVARA_SCREENSHOTS");
        if (folder.isEmpty())
            QSKIP("TELVARA_SCREENSHOTS not set");
        QDir().mkpath(folder);
        for (const QSize size : {QSize(1366, 768), QSize(1920, 1080)}) {
            Fixture f(2);
            f.card->resize(size);
            QApplication::processEvents();
            const QString suffix =
                u"-%1x%2-%3.png"_s.arg(size.width()).arg(size.height()).arg(QLocale().name());
            f.card->grab().save(folder + u"/empty"_s + suffix);
            f.card->setText(u"txtDataNasc"_s, u"01/01/1980"_s);
            f.card->setText(u"txtComuneNasc"_s, u"Roma"_s);
            f.card->setText(u"txtProvNasc"_s, u"RM"_s);
            f.card->setText(u"txtSesso"_s, u"M"_s);
            f.card->setText(u"txtRecapito"_s, u"Cellulare, dopo le 18"_s);
            f.card->setText(u"txtIndirizzoRes"_s, u"Via Garibaldi 12"_s);
            f.card->setText(u"txtEstremi"_s, u"Bonifico bancario a 30 giorni"_s);
            f.card->setText(u"txtEmail"_s, u"mario.rossi@example.it"_s);
            f.card->setText(u"txtIban"_s, u"IT60X0542811101000000123456"_s);
            f.card->setText(u"txtNote"_s, u"Preferisce essere contattato di sera."_s);
            f.card->setText(u"chkRicontatta"_s, u"Sì"_s);
            f.type(u"txtCliente"_s, u"Rossi Mario"_s);
            f.type(u"txtCodFisc"_s, u"rssmra80a01h501u"_s);
            f.card->grab().save(folder + u"/filled"_s + suffix);
            f.click(u"cmdSalva"_s);
            f.card->grab().save(folder + u"/saved"_s + suffix);
        }
    }
};

TELVARA_TEST_MAIN_IN_TWO_LOCALES_GUI(TestClientCard)
#include "TestClientCard.moc"
