#include "app/TfrmCambiaPassword.h"
#include "app/TfrmPassword.h"
#include "FaultyFileIo.h"
#include "Garbage.h"
#include "ShellFixture.h"

#include <QSignalSpy>

using namespace Qt::StringLiterals;
using Kind = Messages::Kind;

namespace {
const QString wrongPassword = u"Attenzione: password errata."_s;
const QString readError = u"Attenzione: si è verificato un errore durante la procedura di lettura della "
                          u"password. Si consiglia di reinstallare il software."_s;
const QString changeError = u"Attenzione: si è verificato un errore durante la procedura di modifica della "
                            u"password. Si consiglia di reinstallare il software."_s;
const QString wrongOld = u"Attenzione: vecchia password errata."_s;
const QString notConfirmed = u"Attenzione: la nuova password non è stata confermata correttamente. E' "
                             u"necessario reinserire entrambi i valori."_s;
const QString changed = u"Modifica della password completata con successo."_s;

// A password file overwritten with 4 KB of other data.
QByteArray noPasswordFile()
{
    return garbage(4096);
}
} // namespace

class TestPasswordWindows : public QObject
{
    Q_OBJECT

    std::unique_ptr<ShellFixture> f;

    QLineEdit* password() const { return f->input("TfrmPassword", "txtPassword"); }
    QWidget* login() const { return f->window("TfrmPassword"); }
    QWidget* menu() const { return f->window("TfrmAvvio"); }
    QWidget* change() const { return f->window("TfrmCambiaPassword"); }
    QLineEdit* changeInput(const char* name) const { return f->input("TfrmCambiaPassword", name); }

    void typeLogin(const QString& text)
    {
        password()->clear();
        QTest::keyClicks(password(), text);
        QTest::keyClick(password(), Qt::Key_Return);
    }

    void openChange()
    {
        f->button("TfrmPassword", "btnCambiaPassword")->click();
        QVERIFY(QTest::qWaitForWindowExposed(change()));
    }

    void fillChange(const QString& old, const QString& fresh, const QString& confirmation)
    {
        changeInput("txtPasswordOld")->setText(old);
        changeInput("txtPasswordNew")->setText(fresh);
        changeInput("txtConferma")->setText(confirmation);
        f->button("TfrmCambiaPassword", "cmdOK")->click();
    }

private slots:
    void init()
    {
        f = std::make_unique<ShellFixture>();
        f->storePassword(u"TELVARA"_s);
        f->windows.find<TfrmPassword>()->open();
        QVERIFY(QTest::qWaitForWindowExposed(login()));
    }

    void cleanup() { f.reset(); }

    void loginIgnoresCaseAndSurroundingBlanks_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("lower case") << u"telvara"_s;
        QTest::newRow("blanks around") << u"  telvara   "_s;
        QTest::newRow("mixed case") << u"TelVara"_s;
    }

    void loginIgnoresCaseAndSurroundingBlanks()
    {
        QFETCH(QString, typed);
        typeLogin(typed);
        QVERIFY(f->services.messages.shown().isEmpty());
        QVERIFY(menu()->isVisible());
        QVERIFY(!login()->isVisible());
    }

    void wrongPasswordEmptiesTheInputAndKeepsTheFocus_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("other word") << u"password"_s;
        QTest::newRow("blank inside") << u"tel vara"_s;
        QTest::newRow("longer") << u"telvara1"_s;
    }

    void wrongPasswordEmptiesTheInputAndKeepsTheFocus()
    {
        QFETCH(QString, typed);
        typeLogin(typed);
        QCOMPARE(f->services.messages.take(), (QList<RecordedMessages::Shown>{{Kind::Plain, wrongPassword}}));
        QVERIFY(password()->text().isEmpty());
        QCOMPARE(login()->focusWidget(), password());
        QVERIFY(login()->isVisible());
        QVERIFY(!menu()->isVisible());
    }

    void missingPasswordFileLetsNoOneIn()
    {
        QFile::remove(f->folder.file(u"unins000.dll"_s));
        typeLogin(u"telvara"_s);
        QCOMPARE(f->services.messages.take(), (QList<RecordedMessages::Shown>{{Kind::Plain, wrongPassword}}));
        QVERIFY(!menu()->isVisible());
        QVERIFY(!QFile::exists(f->folder.file(u"unins000.dll"_s)));
    }

    void undecodableValueIsAReadingError_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("typed");
        QTest::newRow("not hexadecimal") << QByteArray("[Accesso]\r\nValore=6F4Z\r\n") << u"telvara"_s;
        // "6F42" is "TE": a last digit too many must not be dropped to let "te" in.
        QTest::newRow("odd number of digits") << QByteArray("[Accesso]\r\nValore=6F422\r\n") << u"te"_s;
        // Overwritten with other data: no password at all, not an empty one.
        QTest::newRow("no INI text") << noPasswordFile() << u"telvara"_s;
    }

    void undecodableValueIsAReadingError()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, typed);
        f->folder.writeAll(u"unins000.dll"_s, content);
        QTest::keyClicks(password(), typed);
        QTest::keyClick(password(), Qt::Key_Return);
        QCOMPARE(f->services.messages.take(), (QList<RecordedMessages::Shown>{{Kind::Plain, readError}}));
        QCOMPARE(password()->text(), typed);
        QVERIFY(!menu()->isVisible());
    }

    void okNeedsMoreThanBlanks_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("blanks") << u"   "_s << false;
        QTest::newRow("one letter") << u" a "_s << true;
    }

    void okNeedsMoreThanBlanks()
    {
        QFETCH(QString, typed);
        QFETCH(bool, enabled);
        QPushButton* ok = f->button("TfrmPassword", "cmdOK");
        QVERIFY(!ok->isEnabled());
        QTest::keyClicks(password(), typed);
        QCOMPARE(ok->isEnabled(), enabled);
        QTest::keyClick(password(), Qt::Key_Return);
        // Enter on blanks does nothing at all.
        if (!enabled)
            QVERIFY(f->services.messages.shown().isEmpty());
    }

    void exitEndsTheProgram_data()
    {
        QTest::addColumn<bool>("byWindowManager");
        QTest::newRow("Esci") << false;
        QTest::newRow("window manager's close") << true;
    }

    void exitEndsTheProgram()
    {
        QFETCH(bool, byWindowManager);
        QVERIFY(!(login()->windowFlags() & Qt::WindowCloseButtonHint));
        QSignalSpy exit(&f->windows, &WindowRegistry::exitRequested);
        if (byWindowManager) {
            QCloseEvent event;
            QApplication::sendEvent(login(), &event);
        } else {
            f->button("TfrmPassword", "cmdEsci")->click();
        }
        QCOMPARE(exit.size(), 1);
        QVERIFY(!menu()->isVisible());
    }

    void changeOpensEmptyWithTheFocusOnTheOldPassword()
    {
        openChange();
        QVERIFY(!login()->isVisible());
        for (const char* name : {"txtPasswordOld", "txtPasswordNew", "txtConferma"})
            QVERIFY(changeInput(name)->text().isEmpty());
        QCOMPARE(change()->focusWidget(), changeInput("txtPasswordOld"));
        QVERIFY(!f->button("TfrmCambiaPassword", "cmdOK")->isEnabled());
    }

    void changeOkNeedsAllThreeInputs()
    {
        openChange();
        QPushButton* ok = f->button("TfrmCambiaPassword", "cmdOK");
        changeInput("txtPasswordOld")->setText(u"a"_s);
        changeInput("txtPasswordNew")->setText(u"b"_s);
        QVERIFY(!ok->isEnabled());
        changeInput("txtConferma")->setText(u"  "_s);
        QVERIFY(!ok->isEnabled());
        changeInput("txtConferma")->setText(u"b"_s);
        QVERIFY(ok->isEnabled());
    }

    void enterWalksTheChainAndNeverPressesOk()
    {
        openChange();
        QVERIFY(QTest::qWaitForWindowActive(change()));
        changeInput("txtPasswordOld")->setText(u"telvara"_s);
        changeInput("txtPasswordNew")->setText(u"nuova"_s);
        changeInput("txtConferma")->setText(u"nuova"_s);
        const char* const chain[] = {"txtPasswordOld", "txtPasswordNew", "txtConferma", "txtPasswordOld"};
        for (int i = 0; i < 3; ++i) {
            changeInput(chain[i])->setFocus();
            QTest::keyClick(changeInput(chain[i]), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), changeInput(chain[i + 1]));
        }
        QVERIFY(f->services.messages.shown().isEmpty());
        QVERIFY(change()->isVisible());
    }

    void focusHighlightFollowsTheFocus()
    {
        openChange();
        QVERIFY(QTest::qWaitForWindowActive(change()));
        auto* old = f->control("TfrmCambiaPassword", "effPasswordOld");
        auto* fresh = f->control("TfrmCambiaPassword", "effPasswordNew");
        QVERIFY(old && fresh && f->control("TfrmCambiaPassword", "effConferma"));
        QVERIFY(!old->isWindow());
        QCOMPARE(old->parentWidget(), changeInput("txtPasswordOld")->parentWidget());
        changeInput("txtPasswordOld")->setFocus();
        QVERIFY(old->isVisible());
        QVERIFY(!fresh->isVisible());
        changeInput("txtPasswordNew")->setFocus();
        QVERIFY(!old->isVisible());
        QVERIFY(fresh->isVisible());
        QVERIFY(fresh->geometry().contains(changeInput("txtPasswordNew")->geometry()));
    }

    void wrongOldPassword()
    {
        openChange();
        fillChange(u"sbagliata"_s, u"nuova"_s, u"nuova"_s);
        QCOMPARE(f->services.messages.take(), (QList<RecordedMessages::Shown>{{Kind::Plain, wrongOld}}));
        QVERIFY(changeInput("txtPasswordOld")->text().isEmpty());
        QCOMPARE(changeInput("txtPasswordNew")->text(), u"nuova"_s);
        QCOMPARE(change()->focusWidget(), changeInput("txtPasswordOld"));
        QVERIFY(change()->isVisible());
    }

    void confirmationIsComparedBeforeAnyChangeOfCase()
    {
        const QByteArray before = f->folder.readAll(u"unins000.dll"_s);
        openChange();
        fillChange(u"telvara"_s, u"nuova"_s, u"NUOVA"_s);
        QCOMPARE(f->services.messages.take(), (QList<RecordedMessages::Shown>{{Kind::Plain, notConfirmed}}));
        QVERIFY(changeInput("txtPasswordNew")->text().isEmpty());
        QVERIFY(changeInput("txtConferma")->text().isEmpty());
        QCOMPARE(changeInput("txtPasswordOld")->text(), u"telvara"_s);
        QCOMPARE(change()->focusWidget(), changeInput("txtPasswordNew"));
        QCOMPARE(f->folder.readAll(u"unins000.dll"_s), before);
    }

    void passwordThatCannotBeStoredIsRefused()
    {
        openChange();
        fillChange(u"telvara"_s, u"prezzo€"_s, u"prezzo€"_s);
        QCOMPARE(f->services.messages.take(),
                 (QList<RecordedMessages::Shown>{{Kind::Plain, PasswordScramble::notStorableMessage()}}));
        QVERIFY(changeInput("txtPasswordNew")->text().isEmpty());
        QCOMPARE(change()->focusWidget(), changeInput("txtPasswordNew"));
    }

    void successfulChangeSwapsThePasswords()
    {
        openChange();
        fillChange(u" Telvara"_s, u" segreta2 "_s, u"segreta2"_s);
        QCOMPARE(f->services.messages.take(), (QList<RecordedMessages::Shown>{{Kind::Plain, changed}}));
        QVERIFY(!change()->isVisible());
        QVERIFY(login()->isVisible());
        QVERIFY(password()->text().isEmpty());
        QCOMPARE(login()->focusWidget(), password());

        typeLogin(u"telvara"_s);
        QCOMPARE(f->services.messages.take(), (QList<RecordedMessages::Shown>{{Kind::Plain, wrongPassword}}));
        typeLogin(u"SEGRETA2"_s);
        QVERIFY(f->services.messages.shown().isEmpty());
        QVERIFY(menu()->isVisible());
    }

    void failedWriteKeepsTheOldPassword()
    {
        const QByteArray before = f->folder.readAll(u"unins000.dll"_s);
        openChange();
        FaultyFileIo faults;
        faults.failAt(FaultyFileIo::Rename, 1);
        fillChange(u"telvara"_s, u"nuova"_s, u"nuova"_s);
        QCOMPARE(f->services.messages.take(), (QList<RecordedMessages::Shown>{{Kind::Plain, changeError}}));
        QVERIFY(change()->isVisible());
        QCOMPARE(f->folder.readAll(u"unins000.dll"_s), before);
    }

    void undecodableValueStopsTheChange_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("not hexadecimal") << QByteArray("[Accesso]\r\nValore=XY\r\n");
        QTest::newRow("no INI text") << noPasswordFile();
    }

    void undecodableValueStopsTheChange()
    {
        QFETCH(QByteArray, content);
        f->folder.writeAll(u"unins000.dll"_s, content);
        openChange();
        fillChange(u"telvara"_s, u"nuova"_s, u"nuova"_s);
        QCOMPARE(f->services.messages.take(), (QList<RecordedMessages::Shown>{{Kind::Plain, changeError}}));
        QCOMPARE(f->folder.readAll(u"unins000.dll"_s), content);
    }

    void closingTheChangeWindowBringsBackAnEmptyLogin_data()
    {
        QTest::addColumn<bool>("byCloseBox");
        QTest::newRow("Chiudi") << false;
        QTest::newRow("close box") << true;
    }

    void closingTheChangeWindowBringsBackAnEmptyLogin()
    {
        QFETCH(bool, byCloseBox);
        QTest::keyClicks(password(), u"abc"_s);
        openChange();
        if (byCloseBox)
            change()->close();
        else
            f->button("TfrmCambiaPassword", "cmdEsci")->click();
        QVERIFY(!change()->isVisible());
        QVERIFY(login()->isVisible());
        QVERIFY(password()->text().isEmpty());
        QCOMPARE(login()->focusWidget(), password());
    }

    void inputsAreNamedAfterTheirLabels()
    {
        QCOMPARE(password()->accessibleName(), u"Immetti la password e premi OK."_s);
        QCOMPARE(changeInput("txtPasswordOld")->accessibleName(), u"Vecchia password"_s);
        QCOMPARE(changeInput("txtPasswordNew")->accessibleName(), u"Nuova password"_s);
        QCOMPARE(changeInput("txtConferma")->accessibleName(), u"Conferma nuova password"_s);
        QVERIFY(f->control("TfrmPassword", "effPassword"));
    }
};

QTEST_MAIN(TestPasswordWindows)
#include "TestPasswordWindows.moc"
