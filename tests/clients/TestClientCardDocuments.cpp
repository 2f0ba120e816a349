#include "clients/SchedaCliente.h"
#include "clients/TfrmClienti.h"
#include "screens/WindowRegistry.h"
#include "ServiceDoubles.h"
#include "storage/RecordFile.h"
#include "TempProgramFolder.h"
#include "WiredRegistry.h"

#include <memory>
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using Kind = Messages::Kind;
using Shown = RecordedMessages::Shown;

namespace {

const QString kFolderWarning =
    u"Attenzione: l'abbinamento di una cartella ad un cliente può avvenire soltanto "
    u"dopo che la scheda è stata inserita in archivio."_s;
const QString kInserted = u"La scheda corrente è stata inserita in archivio."_s;
const QString kModified = u"Le modifiche apportate alla scheda corrente sono state salvate in archivio."_s;

// A program folder with some client cards, the service doubles and the client card, shown.
struct Fixture
{
    explicit Fixture(int records = 0)
    {
        RecordFile file(folder.file(u"Clienti.pro"_s), SchedaCliente::layout);
        for (int n = 1; n <= records; ++n) {
            Record record(SchedaCliente::layout);
            record.setText(SchedaCliente::Cliente, u"Cliente %1"_s.arg(n));
            record.setText(SchedaCliente::CodFisc, u"RSSMRA80A01H501U"_s);
            file.append(record);
        }
        card = std::make_unique<TfrmClienti>(registry);
        card->resize(1366, 768);
        card->show();
        QApplication::setActiveWindow(card.get());
    }

    void click(const QString& name) const { QTest::mouseClick(card->button(name), Qt::LeftButton); }
    void load(qint64 number) const
    {
        RecordFile file(folder.file(u"Clienti.pro"_s), SchedaCliente::layout);
        card->loadRecord(number, file.read(number - 1));
    }
    Record stored(qint64 number) const
    {
        return RecordFile(folder.file(u"Clienti.pro"_s), SchedaCliente::layout).read(number - 1);
    }
    QString pick(const QString& name, const QByteArray& bytes) const
    {
        QFile file(elsewhere.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(name));
        return file.fileName();
    }
    QString storedDocument(const QString& name) const { return folder.file(u"Documenti_Allegati/"_s + name); }
    QStringList attachmentLabels() const
    {
        QStringList texts;
        for (const char* name :
             {"lblFile01", "lblFile02", "lblFile03", "lblDesc01", "lblDesc02", "lblDesc03"})
            texts.append(card->text(QLatin1StringView(name)));
        return texts;
    }
    // Runs the attach window as the user would, through a script acting on it.
    void attach(const std::function<void(QDialog&)>& act)
    {
        services.modal.setNextScript([act](QDialog& window) {
            act(window);
            return window.result();
        });
        click(u"cmdFile"_s);
    }

    TempProgramFolder folder;
    QTemporaryDir elsewhere;
    ServiceDoubles services;
    WiredRegistry registry;
    std::unique_ptr<TfrmClienti> card;
};

void press(QDialog& window, const QString& name)
{
    QTest::mouseClick(window.findChild<QAbstractButton*>(name), Qt::LeftButton);
}

} // namespace

class TestClientCardDocuments : public QObject
{
    Q_OBJECT

private slots:
    void checkButtons_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("shown");

        QTest::newRow("tax code, empty")
            << u"txtCodFisc"_s << QString() << u"btnCodFisc"_s << u"TfrmCodFisc"_s << QString();
        QTest::newRow("tax code, codice fiscale")
            << u"txtCodFisc"_s << u"RSSMRA80A01H501U"_s << u"btnCodFisc"_s << u"TfrmCodFisc"_s
            << u"RSSMRA80A01H501U"_s;
        QTest::newRow("tax code, eleven digits") << u"txtCodFisc"_s << u"01234560637"_s << u"btnCodFisc"_s
                                                 << u"TfrmPartitaIva"_s << u"01234560637"_s;
        QTest::newRow("card number") << u"txtCarta"_s << u" 4111111111111111 "_s << u"btnCarta"_s
                                     << u"TfrmCarta"_s << u"4111111111111111"_s;
        QTest::newRow("partita IVA") << u"txtPartitaIva"_s << u"01234561205"_s << u"btnPartitaIva"_s
                                     << u"TfrmPartitaIva"_s << u"01234561205"_s;
        QTest::newRow("IBAN") << u"txtIban"_s << u"IT60X0542811101000000123456"_s << u"btnIban"_s
                              << u"TfrmIban"_s << u"IT60X0542811101000000123456"_s;
    }

    // Each button opens a fresh check window with the field's trimmed value; what the user does there
    // never reaches the card.
    void checkButtons()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, button);
        QFETCH(QString, window);
        QFETCH(QString, shown);

        Fixture f;
        f.card->setText(field, value);
        QString inWindow;
        f.services.modal.setNextScript([&inWindow](QDialog& opened) {
            auto* input = opened.findChildren<QLineEdit*>().value(0);
            inWindow = input->text();
            input->setText(u"1"_s);
            return opened.result();
        });
        f.click(button);
        QCOMPARE(f.services.modal.shown(), QStringList{window});
        QCOMPARE(inWindow, shown);
        QCOMPARE(f.card->text(field), value);
        QVERIFY(f.card->findChildren<QDialog*>().isEmpty());
    }

    // A partita IVA that came into the archive with a letter is not valid, rather than of the wrong length.
    void storedPartitaIvaWithALetterIsNotValid()
    {
        Fixture f(1);
        RecordFile file(f.folder.file(u"Clienti.pro"_s), SchedaCliente::layout);
        Record record = file.read(0);
        record.setText(SchedaCliente::PartitaIva, u"0123456063X"_s);
        file.overwrite(1, record);
        f.load(1);
        f.services.modal.setNextScript([](QDialog& window) {
            press(window, u"btnControlla"_s);
            return window.result();
        });
        f.click(u"btnPartitaIva"_s);
        QCOMPARE(
            f.services.messages.shown(),
            (QList<Shown>{{Kind::Warning, u"Attenzione: il numero di partita IVA digitato risulta ERRATO!"
                                          u"\r\n\r\nNon è quindi possibile fornire informazioni relative "
                                          u"all'Ufficio IVA che lo ha rilasciato."_s}}));
    }

    void attachWindowGetsTheTagAndTheLabels()
    {
        Fixture f;
        f.card->setText(u"lblFile01"_s, u"contratto.pdf "_s);
        f.card->setText(u"lblDesc01"_s, u" Contratto firmato"_s);
        f.card->setText(u"lblFile03"_s, u"bonifico.xls"_s);
        QStringList seen;
        f.attach([&seen](QDialog& window) {
            seen.append(window.findChild<QLabel*>(u"lblMemory"_s)->text());
            for (const char* name :
                 {"txtFile01", "txtFile02", "txtFile03", "txtDesc01", "txtDesc02", "txtDesc03"})
                seen.append(window.findChild<QLineEdit*>(QLatin1StringView(name))->text());
        });
        QCOMPARE(f.services.modal.shown(), QStringList{u"TfrmAllegaCartella"_s});
        QCOMPARE(seen, (QStringList{u"clienti"_s, u"contratto.pdf"_s, QString(), u"bonifico.xls"_s,
                                    u"Contratto firmato"_s, QString(), QString()}));
    }

    // "Applica e chiudi" fills the labels; only Save stores them.
    void appliedDocumentsAreStoredBySave()
    {
        Fixture f(1);
        f.load(1);
        const QString chosen = f.pick(u"contratto.pdf"_s, "contratto");
        f.attach([&](QDialog& window) {
            f.services.fileDialog.setNextFileName(chosen);
            press(window, u"btnSfoglia02"_s);
            QTest::keyClicks(window.findChild<QLineEdit*>(u"txtDesc02"_s), u"Contratto firmato  "_s);
            press(window, u"btnApplica"_s);
        });
        QCOMPARE(f.attachmentLabels(), (QStringList{QString(), u"contratto.pdf"_s, QString(), QString(),
                                                    u"Contratto firmato"_s, QString()}));
        QCOMPARE(f.stored(1).text(SchedaCliente::File02), QString());
        f.click(u"cmdSalva"_s);
        QCOMPARE(f.stored(1).text(SchedaCliente::File02), u"contratto.pdf"_s);
        QCOMPARE(f.stored(1).text(SchedaCliente::Desc02), u"Contratto firmato"_s);
    }

    void clearedReferenceIsRemovedButTheFileStays()
    {
        Fixture f(1);
        QVERIFY(QDir().mkpath(f.folder.file(u"Documenti_Allegati"_s)));
        f.folder.writeAll(u"Documenti_Allegati/contratto.pdf"_s, "contratto");
        RecordFile file(f.folder.file(u"Clienti.pro"_s), SchedaCliente::layout);
        Record record = file.read(0);
        record.setText(SchedaCliente::File01, u"contratto.pdf"_s);
        record.setText(SchedaCliente::Desc01, u"Contratto"_s);
        file.overwrite(1, record);
        f.load(1);

        f.attach([](QDialog& window) {
            press(window, u"imgCancella01"_s);
            press(window, u"btnApplica"_s);
        });
        f.click(u"cmdSalva"_s);
        QCOMPARE(f.stored(1).text(SchedaCliente::File01), QString());
        QCOMPARE(f.stored(1).text(SchedaCliente::Desc01), u"Contratto"_s);
        QCOMPARE(f.folder.readAll(u"Documenti_Allegati/contratto.pdf"_s), "contratto");
    }

    void cancelAfterACopyLeavesTheCardUnchanged()
    {
        Fixture f;
        f.card->setText(u"lblFile01"_s, u"vecchio.pdf"_s);
        f.card->setText(u"lblDesc01"_s, u"Vecchio"_s);
        const QStringList before = f.attachmentLabels();
        const QString chosen = f.pick(u"nuovo.pdf"_s, "nuovo");
        f.attach([&](QDialog& window) {
            f.services.fileDialog.setNextFileName(chosen);
            press(window, u"btnSfoglia01"_s);
            window.findChild<QLineEdit*>(u"txtDesc01"_s)->setText(u"Nuovo"_s);
            press(window, u"btnAnnulla"_s);
        });
        QCOMPARE(f.attachmentLabels(), before);
        QCOMPARE(f.folder.readAll(u"Documenti_Allegati/nuovo.pdf"_s), "nuovo");
    }

    // Two cards attach files of the same name from different folders: the second asks to overwrite, and
    // both cards then open the one stored file.
    void twoCardsShareAStoredFile()
    {
        Fixture f;
        QTemporaryDir other;
        const QString first = f.pick(u"contratto.pdf"_s, "primo");
        QFile second(other.filePath(u"contratto.pdf"_s));
        QVERIFY(second.open(QIODevice::WriteOnly) && second.write("secondo") == 7);
        second.close();

        for (const QString& chosen : {first, second.fileName()}) {
            f.click(u"cmdNuovo"_s);
            QTest::keyClicks(f.card->control(u"txtCliente"_s), u"Rossi"_s);
            QTest::keyClicks(f.card->control(u"txtCodFisc"_s), u"RSSMRA80A01H501U"_s);
            f.services.messages.setNextAnswer(true);
            f.attach([&](QDialog& window) {
                f.services.fileDialog.setNextFileName(chosen);
                press(window, u"btnSfoglia01"_s);
                press(window, u"btnApplica"_s);
            });
            f.click(u"cmdSalva"_s);
        }
        QCOMPARE(
            f.services.messages.shown(),
            (QList<Shown>{{Kind::Information, kInserted},
                          {Kind::Question, u"Attenzione: nella cartella dei documenti allegati è presente "
                                           u"un file con lo stesso nome.\r\n\r\nSi vuole sovrascrivere "
                                           u"il file esistente?"_s},
                          {Kind::Information, kInserted}}));
        QCOMPARE(f.folder.readAll(u"Documenti_Allegati/contratto.pdf"_s), "secondo");

        for (qint64 number : {1, 2}) {
            f.load(number);
            f.attach([](QDialog& window) { press(window, u"btnApri01"_s); });
        }
        const QString target = u'"' + f.storedDocument(u"contratto.pdf"_s) + u'"';
        QCOMPARE(f.services.shell.opened(), (QStringList{target, target}));
    }

    // A damaged or crafted record opens nothing outside the attachments folder.
    void craftedNameOpensOnlyInsideTheAttachmentsFolder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("opened");
        QTest::newRow("backslashes") << u"..\\..\\unins000.dll"_s << u"unins000.dll"_s;
        QTest::newRow("slashes") << u"../Clienti.pro"_s << u"Clienti.pro"_s;
    }

    void craftedNameOpensOnlyInsideTheAttachmentsFolder()
    {
        QFETCH(QString, name);
        QFETCH(QString, opened);
        Fixture f(1);
        RecordFile file(f.folder.file(u"Clienti.pro"_s), SchedaCliente::layout);
        Record record = file.read(0);
        record.setText(SchedaCliente::File03, name);
        file.overwrite(1, record);
        f.load(1);
        f.attach([](QDialog& window) { press(window, u"btnApri03"_s); });
        QCOMPARE(f.services.shell.opened(), QStringList{u'"' + f.storedDocument(opened) + u'"'});
    }

    void folderNeedsAStoredCard()
    {
        Fixture f;
        QTest::keyClicks(f.card->control(u"txtCliente"_s), u"Rossi"_s);
        QTest::keyClicks(f.card->control(u"txtCodFisc"_s), u"RSSMRA80A01H501U"_s);
        f.click(u"cmdCartella"_s);
        QCOMPARE(f.services.messages.take(), (QList<Shown>{{Kind::Warning, kFolderWarning}}));
        QVERIFY(f.services.modal.shown().isEmpty());

        f.click(u"cmdSalva"_s);
        QString tag;
        f.services.modal.setNextScript([&tag](QDialog& window) {
            tag = window.findChild<QLabel*>(u"lblMemory"_s)->text();
            return window.result();
        });
        f.click(u"cmdCartella"_s);
        QCOMPARE(f.services.modal.shown(), QStringList{u"TfrmCartella"_s});
        QCOMPARE(tag, u"1"_s);
    }

    void folderOfRecord7IsCreatedOnceAndOpenedTwice()
    {
        Fixture f(7);
        f.load(7);
        const QString folder = f.folder.file(u"Cliente_7"_s);
        QString caption;
        const auto open = [&caption](QDialog& window) {
            caption = window.windowTitle();
            press(window, u"btnApriCartella"_s);
            return window.result();
        };
        f.services.modal.setNextScript(open);
        f.click(u"cmdCartella"_s);
        QCOMPARE(caption, u" Gestione cartella abbinata alla scheda corrente"_s);
        QVERIFY(QFileInfo(folder).isDir());
        f.folder.writeAll(u"Cliente_7/preventivo.txt"_s, "preventivo");

        f.services.modal.setNextScript(open);
        f.click(u"cmdCartella"_s);
        QCOMPARE(f.services.shell.opened(), (QStringList{u'"' + folder + u'"', u'"' + folder + u'"'}));
        QCOMPARE(f.folder.readAll(u"Cliente_7/preventivo.txt"_s), "preventivo");
        QVERIFY(f.services.messages.shown().isEmpty());
        QVERIFY(f.card->findChildren<QDialog*>().isEmpty());
    }

    void folderThatCannotBeMadeIsReported()
    {
        Fixture f(2);
        f.load(2);
        f.folder.writeAll(u"Cliente_2"_s, "un file, non una cartella");
        bool closed = false;
        f.services.modal.setNextScript([&closed](QDialog& window) {
            press(window, u"btnApriCartella"_s);
            closed = !window.isVisible();
            return window.result();
        });
        f.click(u"cmdCartella"_s);
        QVERIFY(f.services.shell.opened().isEmpty());
        QCOMPARE(f.services.messages.shown(),
                 (QList<Shown>{{Kind::Warning,
                                u"Attenzione: non è stato possibile creare la cartella abbinata alla scheda "
                                u"corrente:\r\n\r\n"_s +
                                    QDir::toNativeSeparators(f.folder.file(u"Cliente_2"_s)) +
                                    u"\r\n\r\nVerificare che nella cartella del programma sia consentito "
                                    u"creare cartelle."_s}}));
        QVERIFY(closed);
    }
};

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    TestClientCardDocuments test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestClientCardDocuments.moc"
