#include "app/GeneralHelp.h"
#include "app/TfrmAvvio.h"
#include "screens/ApplicationWindow.h"
#include "screens/TfrmGuida.h"
#include "ShellFixture.h"

#include <QAbstractButton>
#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalSpy>

using namespace Qt::StringLiterals;

class TestMainMenu : public QObject
{
    Q_OBJECT

    std::unique_ptr<ShellFixture> f;

    QWidget* menu() const { return f->window("TfrmAvvio"); }
    QAbstractButton* picture(const QString& name) const { return menu()->findChild<QAbstractButton*>(name); }

private slots:
    void init()
    {
        f = std::make_unique<ShellFixture>();
        f->windows.showMainMenu();
        QVERIFY(QTest::qWaitForWindowExposed(menu()));
    }

    void cleanup() { f.reset(); }

    void boardShowsTheEightApplications()
    {
        const QStringList captions = {u"ANAGRAFICA CLIENTI"_s, u"OPERATORI E AGENTI"_s,
                                      u"PRODOTTI E SERVIZI"_s, u"SCADENZE E APPUNTAMENTI"_s,
                                      u"REGISTRO CHIAMATE"_s,  u"STATISTICHE TELEFONATE"_s,
                                      u"REGISTRO VENDITE"_s,   u"STATISTICHE PROFITTI"_s};
        const QStringList names = {u"Clienti"_s,  u"Operatori"_s,      u"Prodotti"_s, u"Scadenzario"_s,
                                   u"Chiamate"_s, u"StatTelefonate"_s, u"Vendite"_s,  u"StatProfitti"_s};
        const QStringList windows = {u"TfrmClienti"_s,      u"TfrmIstruttori"_s,   u"TfrmMagazzino"_s,
                                     u"TfrmScadenzario"_s,  u"TfrmMenuChiamate"_s, u"TfrmMenuStatsTel"_s,
                                     u"TfrmMenuRegistro"_s, u"TfrmMenuStats"_s};
        for (qsizetype i = 0; i < names.size(); ++i) {
            for (const QString& prefix : {u"img"_s, u"btn"_s}) {
                QAbstractButton* control = picture(prefix + names.at(i));
                QVERIFY2(control, qPrintable(prefix + names.at(i)));
                QCOMPARE(control->text(), captions.at(i));
                QCOMPARE(control->accessibleName(), captions.at(i));
                // A tile is enabled when the program has its window.
                QCOMPARE(control->isEnabled(), f->windows.window(windows.at(i)) != nullptr);
            }
        }
        for (const char* name : {"imgInfo", "imgGuida", "imgCopyright", "imgEsci"}) {
            QVERIFY(picture(QLatin1StringView(name)));
            QVERIFY(!picture(QLatin1StringView(name))->accessibleName().isEmpty());
        }
    }

    void applicationWindowIsEnabledAndLeadsBackToTheMenu_data()
    {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("byCloseBox");
        QTest::newRow("picture, exit control") << u"imgStatProfitti"_s << u"TfrmMenuStats"_s << false;
        QTest::newRow("caption, close box") << u"btnStatTelefonate"_s << u"TfrmMenuStatsTel"_s << true;
    }

    void applicationWindowIsEnabledAndLeadsBackToTheMenu()
    {
        QFETCH(QString, opener);
        QFETCH(QString, window);
        QFETCH(bool, byCloseBox);
        QWidget* application = f->windows.window(window);
        QVERIFY(picture(opener)->isEnabled());

        picture(opener)->click();
        QVERIFY(application->isVisible());
        QVERIFY(!menu()->isVisible());

        // The exit control of an application window calls close(), as the close box does.
        if (byCloseBox) {
            QCloseEvent event;
            QApplication::sendEvent(application, &event);
        } else {
            application->close();
        }
        QVERIFY(!application->isVisible());
        QVERIFY(menu()->isVisible());
    }

    void exitPathsEndTheProgram_data()
    {
        QTest::addColumn<bool>("byCloseBox");
        QTest::newRow("imgEsci") << false;
        QTest::newRow("close box") << true;
    }

    void exitPathsEndTheProgram()
    {
        QFETCH(bool, byCloseBox);
        QSignalSpy exit(&f->windows, &WindowRegistry::exitRequested);
        if (byCloseBox)
            menu()->close();
        else
            picture(u"imgEsci"_s)->click();
        QCOMPARE(exit.size(), 1);
    }

    void twoInformationWindowsAreIndependent()
    {
        QStringList titles;
        QList<QDialog*> windows;
        const auto script = [&](QDialog& window) {
            windows.append(&window);
            auto* title = window.findChild<QLabel*>(u"lblTitolo"_s);
            titles.append(title->text());
            title->setText(u"cambiato"_s);
            window.findChild<QAbstractButton*>(u"cmdChiudi"_s)->click();
            return window.result();
        };
        f->services.modal.setNextScript(script);
        f->services.modal.setNextScript(script);
        picture(u"imgInfo"_s)->click();
        picture(u"imgInfo"_s)->click();
        QCOMPARE(f->services.modal.shown(), (QStringList{u"TfrmInfo"_s, u"TfrmInfo"_s}));
        QCOMPARE(titles.size(), 2);
        QCOMPARE(titles.at(1), titles.at(0));
        QVERIFY(titles.at(0) != u"cambiato"_s);
        // Each window was destroyed when it closed; the persistent one was never shown.
        QVERIFY(menu()->findChildren<QDialog*>().isEmpty());
        QVERIFY(!f->window("TfrmInfo")->isVisible());
    }

    void creditsOpenModally()
    {
        picture(u"imgCopyright"_s)->click();
        QCOMPARE(f->services.modal.shown(), QStringList{u"TfrmSplash"_s});
    }

    void generalHelpAndThePdfLink()
    {
        QString title;
        QString text;
        QList<QColor> colours;
        f->services.modal.setNextScript([&](QDialog& window) {
            title = window.findChild<QLabel*>(u"lblTitolo"_s)->text();
            text = window.findChild<QPlainTextEdit*>(u"txtGuida"_s)->toPlainText();
            QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton,
                              Qt::LeftButton, Qt::NoModifier);
            QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton,
                                Qt::NoButton, Qt::NoModifier);
            QWidget* link = window.findChild<QWidget*>(u"lnkWeb"_s);
            QApplication::sendEvent(link, &press);
            colours << link->palette().color(QPalette::WindowText);
            QApplication::sendEvent(link, &release);
            colours << link->palette().color(QPalette::WindowText);
            return 0;
        });
        picture(u"imgGuida"_s)->click();
        QCOMPARE(f->services.modal.shown(), QStringList{u"TfrmGuida"_s});
        QCOMPARE(title, u"Uno sguardo a Telvara 3.0."_s);
        QVERIFY(text.contains(u"la password da digitare è: telvara"_s));
        QVERIFY(!text.contains(u'\r'));
        QCOMPARE(f->services.shell.opened(), QStringList{u'"' + f->folder.file(u"Guida.pdf"_s) + u'"'});
        // Orange while the button is held, dark blue after the click.
        QCOMPARE(colours, (QList<QColor>{QColor(0xF0, 0x8A, 0x00), QColor(0x10, 0x23, 0x5C)}));
    }

    void helpOfTwoScreensInARow()
    {
        QStringList seen;
        QList<QSize> sizes;
        const auto script = [&](QDialog& window) {
            seen << window.findChild<QLabel*>(u"lblTitolo"_s)->text()
                 << window.findChild<QPlainTextEdit*>(u"txtGuida"_s)->toPlainText();
            sizes << window.size();
            return 0;
        };
        f->services.modal.setNextScript(script);
        f->services.modal.setNextScript(script);
        showHelp(menu(), HelpTopic::fromParagraphs(u"Primo."_s, {u"Uno"_s, u"Due"_s}));
        showHelp(menu(), HelpTopic::fromParagraphs(u"Secondo."_s, {u"Tre"_s}));
        QCOMPARE(seen, (QStringList{u"Primo."_s, u"Uno\n\nDue"_s, u"Secondo."_s, u"Tre"_s}));
        QCOMPARE(sizes, (QList<QSize>{QSize(676, 598), QSize(676, 598)}));
    }

    void generalHelpClosesWithItsFourParagraphs()
    {
        const HelpTopic help = GeneralHelp::topic();
        QVERIFY(help.text.contains(u"\r\n\r\n"_s));
        const QStringList paragraphs = help.paragraphs();
        QVERIFY(paragraphs.size() >= 4);
        const QStringList closing = paragraphs.mid(paragraphs.size() - 4);
        QVERIFY(closing.at(0).contains(u"password"_s) && closing.at(0).contains(u"telvara"_s));
        QVERIFY(closing.at(1).contains(u"rete locale"_s));
        QVERIFY(closing.at(2).contains(u"chiavetta USB"_s));
    }
};

QTEST_MAIN(TestMainMenu)
#include "TestMainMenu.moc"
