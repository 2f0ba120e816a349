#include "checks/AttachmentCallers.h"
#include "checks/TfrmAllegaCartella.h"
#include "checks/TfrmCartella.h"
#include "ServiceDoubles.h"
#include "TempProgramFolder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using Kind = Messages::Kind;
using Shown = RecordedMessages::Shown;

namespace {

const QString kOverwrite = u"Attenzione: nella cartella dei documenti allegati è presente un file con lo "
                           u"stesso nome.\r\n\r\nSi vuole sovrascrivere il file esistente?"_s;

// A program folder, a folder the user picks files from, the service doubles and the window, shown.
struct Fixture
{
    Fixture()
    {
        window.setCallerTag(u"prova"_s);
        window.show();
        QApplication::setActiveWindow(&window);
    }

    QString pick(const QString& name, const QByteArray& bytes) const
    {
        QFile file(elsewhere.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(name));
        return file.fileName();
    }
    QByteArray stored(const QString& name) const { return folder.readAll(u"Documenti_Allegati/"_s + name); }
    QLineEdit* edit(const QString& name) const { return window.findChild<QLineEdit*>(name); }
    QAbstractButton* button(const QString& name) const { return window.findChild<QAbstractButton*>(name); }
    void click(const QString& name) const { QTest::mouseClick(button(name), Qt::LeftButton); }
    void browse(int n, const QString& chosen)
    {
        services.fileDialog.setNextFileName(chosen);
        click(u"btnSfoglia0%1"_s.arg(n));
    }

    TempProgramFolder folder;
    QTemporaryDir elsewhere;
    ServiceDoubles services;
    TfrmAllegaCartella window;
};

} // namespace

class TestAttachWindow : public QObject
{
    Q_OBJECT

private slots:
    void layout()
    {
        Fixture f;
        QCOMPARE(f.window.windowTitle(), u" Allega file"_s);
        QCOMPARE(f.window.findChild<QLabel*>(u"lblMemory"_s)->text(), u"prova"_s);
        QVERIFY(!f.window.findChild<QLabel*>(u"lblMemory"_s)->isVisible());
        for (int n = 1; n <= 3; ++n) {
            const QString number = u"0%1"_s.arg(n);
            QVERIFY(f.edit(u"txtFile"_s + number)->isReadOnly());
            QVERIFY(!f.edit(u"txtDesc"_s + number)->isReadOnly());
            QCOMPARE(f.edit(u"txtFile"_s + number)->accessibleName(), u"Nome %1° file allegato"_s.arg(n));
            QCOMPARE(f.edit(u"txtDesc"_s + number)->accessibleName(),
                     u"Descrizione %1° file allegato"_s.arg(n));
            QCOMPARE(f.button(u"btnSfoglia"_s + number)->text(), u"Sfoglia..."_s);
            QCOMPARE(f.button(u"btnApri"_s + number)->text(), u"Apri"_s);
            QVERIFY(f.button(u"imgCancella"_s + number));
        }
        QCOMPARE(f.button(u"btnAnnulla"_s)->text(), u"Annulla"_s);
        QCOMPARE(f.button(u"btnApplica"_s)->text(), u"Applica e chiudi"_s);
        for (QWidget* control : f.window.findChildren<QWidget*>()) {
            if (control->objectName().isEmpty() || control->objectName().startsWith(u"qt_") ||
                control->objectName().startsWith(u"eff") || control->objectName() == u"lblMemory" ||
                qobject_cast<QLabel*>(control))
                continue;
            QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
        }
        // Every text is shown whole.
        f.window.adjustSize();
        for (auto* label : f.window.findChildren<QLabel*>())
            if (label->isVisible())
                QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->objectName()));
    }

    void openIsEnabledExactlyWithAName()
    {
        Fixture f;
        f.window.setAttachments({{u" contratto.pdf "_s, QString(), QString()}, {u"Contratto"_s}});
        QCOMPARE(f.edit(u"txtFile01"_s)->text(), u"contratto.pdf"_s);
        QVERIFY(f.button(u"btnApri01"_s)->isEnabled());
        QVERIFY(!f.button(u"btnApri02"_s)->isEnabled());
        f.click(u"imgCancella01"_s);
        QCOMPARE(f.edit(u"txtFile01"_s)->text(), QString());
        QCOMPARE(f.edit(u"txtDesc01"_s)->text(), u"Contratto"_s);
        QVERIFY(!f.button(u"btnApri01"_s)->isEnabled());
    }

    void browseCopiesIntoTheAttachmentsFolder()
    {
        Fixture f;
        f.browse(2, f.pick(u"carta identità.jpg"_s, "immagine"));
        QCOMPARE(f.services.fileDialog.titles(), QStringList{u"Selezionare il file da allegare:"_s});
        QCOMPARE(f.edit(u"txtFile02"_s)->text(), u"carta identità.jpg"_s);
        QCOMPARE(f.stored(u"carta identità.jpg"_s), "immagine");
        QVERIFY(f.button(u"btnApri02"_s)->isEnabled());
        QVERIFY(f.services.messages.shown().isEmpty());
    }

    // A name the card cannot hold is stored under one it holds and opens, unique in the folder unless it
    // is the same document, and the user is told; Apri then finds it.
    void nameTheCardCannotHoldIsStoredUnderOneItCan()
    {
        Fixture f;
        const auto told = [](const QString& chosen, const QString& stored) {
            return Shown{Kind::Information, u"Il nome del file \""_s + chosen +
                                                u"\" non può essere conservato nella scheda: il documento è "
                                                u"stato allegato con il nome \""_s +
                                                stored + u"\"."_s};
        };
        const QString contract = f.pick(u"Договор.pdf"_s, "primo");
        f.browse(1, contract);
        QCOMPARE(f.edit(u"txtFile01"_s)->text(), u"Dogovor.pdf"_s);
        QCOMPARE(f.stored(u"Dogovor.pdf"_s), "primo");
        QCOMPARE(f.services.messages.take(), QList<Shown>{told(u"Договор.pdf"_s, u"Dogovor.pdf"_s)});

        // Another document whose name reads the same does not take the first one's place.
        QTemporaryDir other;
        const QString second = other.filePath(u"Договор.pdf"_s);
        QFile file(second);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("secondo");
        file.close();
        f.browse(2, second);
        QCOMPARE(f.edit(u"txtFile02"_s)->text(), u"Dogovor (2).pdf"_s);
        QCOMPARE(f.stored(u"Dogovor (2).pdf"_s), "secondo");
        QCOMPARE(f.stored(u"Dogovor.pdf"_s), "primo");
        f.services.messages.take();

        // The same document again keeps its stored name; a long name is shortened.
        f.browse(3, contract);
        QCOMPARE(f.edit(u"txtFile03"_s)->text(), u"Dogovor.pdf"_s);
        f.services.messages.take();
        const QString longName = QString(251, u'l') + u".txt"_s;
        f.browse(3, f.pick(longName, "lungo"));
        const QString shortened = QString(246, u'l') + u".txt"_s;
        QCOMPARE(f.edit(u"txtFile03"_s)->text(), shortened);
        QCOMPARE(f.stored(shortened), "lungo");
        QCOMPARE(f.services.messages.take(), QList<Shown>{told(longName, shortened)});

        f.click(u"btnApri02"_s);
        QCOMPARE(f.services.shell.opened(),
                 QStringList{u'"' + f.folder.file(u"Documenti_Allegati/Dogovor (2).pdf"_s) + u'"'});
    }

    void cancelledBrowseChangesNothing()
    {
        Fixture f;
        f.window.setAttachments({{u"contratto.pdf"_s}});
        f.browse(1, QString());
        QCOMPARE(f.edit(u"txtFile01"_s)->text(), u"contratto.pdf"_s);
        QVERIFY(!QFileInfo::exists(f.folder.file(u"Documenti_Allegati"_s)));
    }

    // An existing name asks first; No keeps the stored file, and the name now refers to it.
    void existingName_data()
    {
        QTest::addColumn<bool>("overwrite");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("No") << false << QByteArray("già presente");
        QTest::newRow("Yes") << true << QByteArray("nuovo");
    }

    void existingName()
    {
        QFETCH(bool, overwrite);
        QFETCH(QByteArray, stored);
        Fixture f;
        QVERIFY(QDir().mkpath(f.folder.file(u"Documenti_Allegati"_s)));
        f.folder.writeAll(u"Documenti_Allegati/contratto.pdf"_s, "già presente");
        f.services.messages.setNextAnswer(overwrite);
        f.browse(3, f.pick(u"contratto.pdf"_s, "nuovo"));
        QCOMPARE(f.services.messages.shown(), (QList<Shown>{{Kind::Question, kOverwrite}}));
        QCOMPARE(f.edit(u"txtFile03"_s)->text(), u"contratto.pdf"_s);
        QCOMPARE(f.stored(u"contratto.pdf"_s), stored);
    }

    // Picking the stored document itself is no reason to ask, nor to copy it onto itself.
    void choosingTheStoredFileItselfAsksNothing()
    {
        Fixture f;
        QVERIFY(QDir().mkpath(f.folder.file(u"Documenti_Allegati"_s)));
        f.folder.writeAll(u"Documenti_Allegati/contratto.pdf"_s, "già presente");
        f.browse(1, f.folder.file(u"Documenti_Allegati/contratto.pdf"_s));
        QVERIFY(f.services.messages.shown().isEmpty());
        QCOMPARE(f.edit(u"txtFile01"_s)->text(), u"contratto.pdf"_s);
        QCOMPARE(f.stored(u"contratto.pdf"_s), "già presente");
    }

    // A folder that cannot be made is not reported; the name stays all the same.
    void copyFailureIsSilent()
    {
        Fixture f;
        f.folder.writeAll(u"Documenti_Allegati"_s, "un file, non una cartella");
        f.browse(1, f.pick(u"contratto.pdf"_s, "nuovo"));
        QCOMPARE(f.edit(u"txtFile01"_s)->text(), u"contratto.pdf"_s);
        QVERIFY(f.services.messages.shown().isEmpty());
    }

    // Whatever a record holds, "Apri" opens a file of the attachments folder.
    void openStaysInsideTheAttachmentsFolder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("opened");
        QTest::newRow("bare name") << u"contratto.pdf"_s << u"contratto.pdf"_s;
        QTest::newRow("up with backslashes") << u"..\\..\\unins000.dll"_s << u"unins000.dll"_s;
        QTest::newRow("up with slashes") << u"../Clienti.pro"_s << u"Clienti.pro"_s;
        QTest::newRow("absolute path") << u"/etc/passwd"_s << u"passwd"_s;
    }

    void openStaysInsideTheAttachmentsFolder()
    {
        QFETCH(QString, name);
        QFETCH(QString, opened);
        Fixture f;
        f.window.setAttachments({{QString(), name}});
        f.click(u"btnApri02"_s);
        QCOMPARE(f.services.shell.opened(),
                 QStringList{u"\""_s + f.folder.path() + u"/Documenti_Allegati/"_s + opened + u'"'});
    }

    void nameWithoutAFileOpensNothing()
    {
        Fixture f;
        f.window.setAttachments({{u"..\\"_s}});
        f.click(u"btnApri01"_s);
        QVERIFY(f.services.shell.opened().isEmpty());
        QCOMPARE(f.services.messages.shown(),
                 (QList<Shown>{{Kind::Warning, u"Attenzione: il nome del file allegato non è valido."_s}}));
    }

    void applyHandsTheTrimmedValuesToTheCaller()
    {
        Fixture f;
        std::optional<Attachments> received;
        int owner = 0;
        AttachmentCallers::registerCaller(u"prova"_s, &owner,
                                          [&received](const Attachments& values) { received = values; });
        f.window.setAttachments({{u"a.pdf"_s, u"b.pdf"_s}, {u"Prima"_s}});
        QTest::keyClicks(f.edit(u"txtDesc02"_s), u"  Seconda  "_s);
        f.click(u"imgCancella01"_s);
        f.click(u"btnApplica"_s);
        AttachmentCallers::unregisterCaller(u"prova"_s, &owner);
        QVERIFY(received);
        QCOMPARE(received->files, (std::array<QString, 3>{QString(), u"b.pdf"_s, QString()}));
        QCOMPARE(received->descriptions, (std::array<QString, 3>{u"Prima"_s, u"Seconda"_s, QString()}));
        QVERIFY(!f.window.isVisible());
        QCOMPARE(f.window.result(), int(QDialog::Accepted));
    }

    void cancelAndCloseBoxHandNothing_data()
    {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("Annulla") << false;
        QTest::newRow("close box") << true;
    }

    void cancelAndCloseBoxHandNothing()
    {
        QFETCH(bool, closeBox);
        Fixture f;
        bool called = false;
        int owner = 0;
        AttachmentCallers::registerCaller(u"prova"_s, &owner,
                                          [&called](const Attachments&) { called = true; });
        f.browse(1, f.pick(u"contratto.pdf"_s, "nuovo"));
        if (closeBox)
            f.window.close();
        else
            f.click(u"btnAnnulla"_s);
        AttachmentCallers::unregisterCaller(u"prova"_s, &owner);
        QVERIFY(!called);
        QVERIFY(!f.window.isVisible());
        QCOMPARE(f.stored(u"contratto.pdf"_s), "nuovo");
    }

    void unregisteringLeavesANewerCaller()
    {
        int first = 0;
        int second = 0;
        int calls = 0;
        AttachmentCallers::registerCaller(u"prova"_s, &first, [](const Attachments&) {});
        AttachmentCallers::registerCaller(u"prova"_s, &second, [&calls](const Attachments&) { ++calls; });
        AttachmentCallers::unregisterCaller(u"prova"_s, &first);
        QVERIFY(AttachmentCallers::apply(u"prova"_s, {}));
        QCOMPARE(calls, 1);
        AttachmentCallers::unregisterCaller(u"prova"_s, &second);
        QVERIFY(!AttachmentCallers::apply(u"prova"_s, {}));
    }

    // Pictures of the windows to look at: set TELVARA_SCREENSHOTS to a folder to get them.
    void screenshots()
    {
        const QString folder = qEnvironmentVariable("TELVARA_SCREENSHOTS");
        if (folder.isEmpty())
            QSKIP("TELVARA_SCREENSHOTS not set");
        QDir().mkpath(folder);
        Fixture f;
        f.window.setAttachments(
            {{u"Contratto di fornitura 2024.pdf"_s, QString(), u"bonifico.xls"_s},
             {u"Contratto firmato il 12/03/2024"_s, QString(), u"Ricevuta del bonifico"_s}});
        f.edit(u"txtDesc01"_s)->setFocus();
        f.window.grab().save(folder + u"/TfrmAllegaCartella.png"_s);
        TfrmCartella cartella;
        cartella.show();
        cartella.grab().save(folder + u"/TfrmCartella.png"_s);
    }
};

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    TestAttachWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestAttachWindow.moc"
