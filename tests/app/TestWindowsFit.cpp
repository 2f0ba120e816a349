#include "app/PersistentWindows.h"
#include "app/TfrmCambiaPassword.h"
#include "app/TfrmPassword.h"
#include "calls/CallSheet.h"
#include "calls/TfrmAnteprimaChiamata.h"
#include "calls/TfrmExpChiamate.h"
#include "calls/TfrmRiepAnnualeTel.h"
#include "calls/TfrmRiepGiornalieroTel.h"
#include "calls/TfrmRiepMensileTel.h"
#include "calls/TfrmStampaChiamata.h"
#include "calls/TfrmTrovaChiamate.h"
#include "clients/TfrmExpClienti.h"
#include "clients/TfrmReportApp.h"
#include "clients/TfrmReportTel.h"
#include "clients/TfrmRicontatta.h"
#include "clients/TfrmTrovaClienti.h"
#include "clients/TfrmValoreTotale.h"
#include "platform/DesktopModal.h"
#include "platform/ReportPreview.h"
#include "screens/ApplicationWindow.h"
#include "screens/RegisterSource.h"
#include "screens/WindowRegistry.h"
#include "ServiceDoubles.h"
#include "TempProgramFolder.h"

#include <functional>
#include <memory>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

using Factory = std::function<std::unique_ptr<QDialog>()>;

QRect area()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

QString screenName()
{
    return u"%1x%2"_s.arg(area().width()).arg(area().height());
}

// Saves a picture of the window when TELVARA_GRAB_DIR names a folder, to look at the windows.
void grab(QWidget* window, const QString& name)
{
    const QString folder = qEnvironmentVariable("TELVARA_GRAB_DIR");
    if (!folder.isEmpty())
        window->grab().save(QDir(folder).filePath(name + u'-' + screenName() + u".png"_s));
}

// Inside the available area, and centred there unless it fills it. The frame of a window about to be
// shown is not known yet and is taken as a 32-pixel title bar and 8-pixel borders; this platform draws
// 2-pixel borders, so such a window may sit up to 6 pixels left of the centre and 20 above it.
void checkFits(const QWidget* window)
{
    const QRect frame = window->frameGeometry();
    QVERIFY2(area().contains(frame), qPrintable(u"%1: %2,%3 %4x%5"_s.arg(window->objectName())
                                                    .arg(frame.x())
                                                    .arg(frame.y())
                                                    .arg(frame.width())
                                                    .arg(frame.height())));
    if (window->isMaximized())
        return;
    const QPoint off = frame.center() - area().center();
    QVERIFY2(qAbs(off.x()) <= 6 && qAbs(off.y()) <= 20,
             qPrintable(u"%1: %2,%3 %4x%5"_s.arg(window->objectName())
                            .arg(frame.x())
                            .arg(frame.y())
                            .arg(frame.width())
                            .arg(frame.height())));
}

// Runs the dialog through the program's modal path; while it is shown, step runs, then it closes.
void runModal(QDialog& dialog, const std::function<void(QDialog&)>& step)
{
    QTimer::singleShot(0, &dialog, [&dialog, step] {
        step(dialog);
        dialog.reject();
    });
    DesktopModal().exec(dialog);
}

struct Fixture
{
    Fixture() { services.clock.set(QDateTime(QDate(2024, 3, 15), QTime(10, 30))); }

    TempProgramFolder folder;
    ServiceDoubles services;
};

} // namespace

class TestWindowsFit : public QObject
{
    Q_OBJECT

private slots:
    // The persistent windows, opened as the program opens them.
    void persistentWindowsFit()
    {
        Fixture f;
        WindowRegistry windows;
        windows.create(persistentWindows());
        for (const QString& name : windows.names()) {
            QWidget* window = windows.window(name);
            if (auto* application = qobject_cast<ApplicationWindow*>(window))
                application->open();
            else if (auto* password = qobject_cast<TfrmPassword*>(window))
                password->open();
            else if (auto* change = qobject_cast<TfrmCambiaPassword*>(window))
                change->open();
            else if (auto* dialog = qobject_cast<QDialog*>(window)) {
                runModal(*dialog, [name](QDialog& shown) {
                    checkFits(&shown);
                    grab(&shown, name);
                });
                continue;
            } else
                continue;
            QApplication::processEvents();
            checkFits(window);
            grab(window, name);
            window->hide();
        }
    }

    // The windows made for one use, each through the modal path.
    void oneUseWindowsFit_data()
    {
        QTest::addColumn<Factory>("make");
        const RegisterSource calls = RegisterSource::fixed(u"2024.tel"_s, u"2024"_s);
        const ControlTexts card = {{u"txtCliente"_s, u"Rossi Anna"_s}, {u"lblAnnoRit"_s, u"2024"_s}};
        QTest::newRow("TfrmTrovaClienti") << Factory([] { return std::make_unique<TfrmTrovaClienti>(); });
        QTest::newRow("TfrmExpClienti") << Factory([] { return std::make_unique<TfrmExpClienti>(); });
        QTest::newRow("TfrmRicontatta") << Factory([] { return std::make_unique<TfrmRicontatta>(); });
        QTest::newRow("TfrmReportTel") << Factory([] { return std::make_unique<TfrmReportTel>(); });
        QTest::newRow("TfrmReportApp") << Factory([] { return std::make_unique<TfrmReportApp>(); });
        QTest::newRow("TfrmValoreTotale") << Factory([] { return std::make_unique<TfrmValoreTotale>(); });
        QTest::newRow("TfrmTrovaChiamate")
            << Factory([] { return std::make_unique<TfrmTrovaChiamate>([] { return u"2024.tel"_s; }); });
        QTest::newRow("TfrmExpChiamate")
            << Factory([calls] { return std::make_unique<TfrmExpChiamate>(calls); });
        QTest::newRow("TfrmRiepGiornalieroTel")
            << Factory([calls] { return std::make_unique<TfrmRiepGiornalieroTel>(calls); });
        QTest::newRow("TfrmRiepMensileTel")
            << Factory([calls] { return std::make_unique<TfrmRiepMensileTel>(calls); });
        QTest::newRow("TfrmRiepAnnualeTel")
            << Factory([calls] { return std::make_unique<TfrmRiepAnnualeTel>(calls); });
        QTest::newRow("TfrmStampaChiamata")
            << Factory([card] { return std::make_unique<TfrmStampaChiamata>(card); });
        QTest::newRow("TfrmAnteprimaChiamata")
            << Factory([card] { return std::make_unique<TfrmAnteprimaChiamata>(card); });
        QTest::newRow("TfrmAnteprima") << Factory([card] {
            return std::make_unique<ReportPreview>(CallSheet::build(card, QDateTime(QDate(2024, 3, 15), {})));
        });
    }

    void oneUseWindowsFit()
    {
        QFETCH(Factory, make);
        Fixture f;
        const std::unique_ptr<QDialog> window = make();
        const QString name = QString::fromLatin1(QTest::currentDataTag());
        runModal(*window, [name](QDialog& shown) {
            checkFits(&shown);
            grab(&shown, name);
        });
    }

    // A client history grows to show its list after "Apri", and stays inside the screen, centred.
    void clientHistoriesStayInsideWhenTheyGrow_data()
    {
        QTest::addColumn<Factory>("make");
        QTest::newRow("TfrmReportTel") << Factory([] { return std::make_unique<TfrmReportTel>(); });
        QTest::newRow("TfrmReportApp") << Factory([] { return std::make_unique<TfrmReportApp>(); });
        QTest::newRow("TfrmValoreTotale") << Factory([] { return std::make_unique<TfrmValoreTotale>(); });
    }

    void clientHistoriesStayInsideWhenTheyGrow()
    {
        QFETCH(Factory, make);
        Fixture f;
        const std::unique_ptr<QDialog> window = make();
        const QString name = QString::fromLatin1(QTest::currentDataTag());
        QSize before;
        runModal(*window, [name, &before](QDialog& shown) {
            before = shown.size();
            shown.findChild<QLineEdit*>(u"txtCodFisc"_s)->setText(u"RSSNNA80A41H501U"_s);
            QWidget* open = shown.findChild<QPushButton*>(u"btnApri"_s);
            open->setFocus();
            // Enter on "Apri", where the Enter chain leads, presses it.
            QTest::keyClick(open, Qt::Key_Return);
            QApplication::processEvents();
            checkFits(&shown);
            grab(&shown, name + u"-Apri"_s);
        });
        QVERIFY(window->findChild<QWidget*>(u"panContainer"_s)->isVisibleTo(window.get()));
        QVERIFY(window->width() > before.width());
    }
};

QTEST_MAIN(TestWindowsFit)
#include "TestWindowsFit.moc"
