#include "app/PersistentWindows.h"
#include "platform/DesktopModal.h"
#include "screens/ApplicationWindow.h"
#include "screens/WindowRegistry.h"
#include "ServiceDoubles.h"
#include "TempProgramFolder.h"
#include "widgets/ButtonEnter.h"
#include "widgets/FocusHighlight.h"
#include "WiredRegistry.h"

#include <functional>
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

struct Fixture
{
    Fixture()
    {
        services.clock.set(QDateTime(QDate(2024, 3, 15), QTime(10, 30)));
        ButtonEnter::install(QCoreApplication::instance());
        windows.create(persistentWindows());
    }

    // Opens the window as the program does and runs step while it is shown.
    void whileShown(const QString& name, const std::function<void(QWidget&)>& step)
    {
        QWidget* window = windows.window(name);
        QVERIFY2(window, qPrintable(name));
        if (auto* application = qobject_cast<ApplicationWindow*>(window)) {
            application->open();
            QApplication::setActiveWindow(window);
            step(*window);
            window->hide();
        } else if (auto* dialog = qobject_cast<QDialog*>(window)) {
            QTimer::singleShot(0, dialog, [dialog, &step] {
                QApplication::setActiveWindow(dialog);
                step(*dialog);
                dialog->reject();
            });
            DesktopModal().exec(*dialog);
        } else {
            window->show();
            QApplication::setActiveWindow(window);
            step(*window);
            window->hide();
        }
    }

    TempProgramFolder folder;
    ServiceDoubles services;
    WiredRegistry windows;
};

} // namespace

class TestKeysOfWindows : public QObject
{
    Q_OBJECT

private slots:
    // Enter in the last input of a chain moves to its button, which shows the program's focus highlight
    // (no window manager draws the style's own mark), and Enter there presses it.
    void enterPressesTheButtonTheChainLandsOn_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("button");
        QTest::newRow("stock, Calcola totale") << u"TfrmGiacenza"_s << u"txtAggiunta"_s << u"btnTotale"_s;
        QTest::newRow("tyre data, Applica e chiudi")
            << u"TfrmDatiPneumatici"_s << u"txtOnde"_s << u"btnApplica"_s;
        QTest::newRow("schedule year, Apri") << u"TfrmScadenzario"_s << u"txtAnno"_s << u"btnApri"_s;
    }

    void enterPressesTheButtonTheChainLandsOn()
    {
        QFETCH(QString, window);
        QFETCH(QString, input);
        QFETCH(QString, button);
        Fixture f;
        bool highlighted = false;
        int presses = -1;
        f.whileShown(window, [&](QWidget& shown) {
            auto* from = shown.findChild<QWidget*>(input);
            auto* to = shown.findChild<QAbstractButton*>(button);
            QVERIFY(from && to);
            // Nothing the press may do is wanted here but the press itself.
            to->disconnect(SIGNAL(clicked(bool)));
            QSignalSpy pressed(to, &QAbstractButton::clicked);
            from->setFocus(Qt::OtherFocusReason);
            QTest::keyClick(from, Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), to);
            auto* mark = shown.findChild<FocusHighlight*>(FocusHighlight::nameFor(button));
            highlighted = mark && mark->isVisible();
            QTest::keyClick(to, Qt::Key_Return);
            presses = int(pressed.count());
        });
        QVERIFY(highlighted);
        QCOMPARE(presses, 1);
    }

    // Enter, or the keypad's, on a button reached with Tab presses it, as Space does.
    void enterPressesTheFocusedButton_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("key");
        QTest::newRow("stock, Applica e chiudi, Enter")
            << u"TfrmGiacenza"_s << u"btnAggiorna"_s << int(Qt::Key_Return);
        QTest::newRow("stock, Annulla, keypad Enter")
            << u"TfrmGiacenza"_s << u"btnChiudi"_s << int(Qt::Key_Enter);
        QTest::newRow("tyre data, Applica e chiudi")
            << u"TfrmDatiPneumatici"_s << u"btnApplica"_s << int(Qt::Key_Return);
        QTest::newRow("schedule year, Apri") << u"TfrmScadenzario"_s << u"btnApri"_s << int(Qt::Key_Enter);
    }

    void enterPressesTheFocusedButton()
    {
        QFETCH(QString, window);
        QFETCH(QString, button);
        QFETCH(int, key);
        Fixture f;
        int presses = -1;
        f.whileShown(window, [&](QWidget& shown) {
            auto* target = shown.findChild<QAbstractButton*>(button);
            QVERIFY(target);
            target->disconnect(SIGNAL(clicked(bool)));
            QSignalSpy pressed(target, &QAbstractButton::clicked);
            target->setFocus(Qt::TabFocusReason);
            const Qt::KeyboardModifiers pad = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
            QTest::keyClick(target, Qt::Key(key), pad);
            presses = int(pressed.count());
        });
        QCOMPARE(presses, 1);
    }

    // F1 opens the window's own help wherever the window has a help command.
    void f1OpensTheWindowsHelp_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("title");
        QTest::newRow("main menu") << u"TfrmAvvio"_s << u"Uno sguardo a Telvara 3.0."_s;
        QTest::newRow("client card") << u"TfrmClienti"_s << u"Applicazione Anagrafica Clienti."_s;
        QTest::newRow("operators card") << u"TfrmIstruttori"_s << u"Applicazione Operatori e Agenti."_s;
        QTest::newRow("products card")
            << u"TfrmMagazzino"_s << u"Applicazione Magazzino Prodotti e Servizi."_s;
        QTest::newRow("schedule, year panel")
            << u"TfrmScadenzario"_s << u"Applicazione Scadenzario e Appuntamenti."_s;
        QTest::newRow("call year menu") << u"TfrmMenuChiamate"_s << u"Applicazione Registro chiamate."_s;
        QTest::newRow("sales menu") << u"TfrmMenuRegistro"_s
                                    << u"Applicazioni Registro vendite e Riepilogo profitti."_s;
        QTest::newRow("income chart menu") << u"TfrmMenuStats"_s << u"Grafici statistici entrate mensili."_s;
        QTest::newRow("operators export")
            << u"TfrmExpIstruttori"_s << u"Esportazione archivio operatori e agenti in Microsoft Excel."_s;
    }

    void f1OpensTheWindowsHelp()
    {
        QFETCH(QString, window);
        QFETCH(QString, title);
        Fixture f;
        QString shownTitle;
        f.services.modal.setNextScript([&shownTitle](QDialog& help) {
            shownTitle = help.findChild<QLabel*>(u"lblTitolo"_s)->text();
            return int(QDialog::Rejected);
        });
        f.whileShown(window, [](QWidget& shown) {
            QWidget* focused = QApplication::focusWidget();
            QTest::keyClick(focused && shown.isAncestorOf(focused) ? focused : &shown, Qt::Key_F1);
        });
        QTRY_COMPARE(shownTitle, title);
    }
};

QTEST_MAIN(TestKeysOfWindows)
#include "TestKeysOfWindows.moc"
