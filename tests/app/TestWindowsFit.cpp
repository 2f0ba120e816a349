#include "AccessibleTree.h"
#include "app/HelpCatalogue.h"
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
#include "demo/DemoGenerator.h"
#include "operators/OperatorSheet.h"
#include "platform/DesktopModal.h"
#include "platform/ProgramFolder.h"
#include "platform/ReportPreview.h"
#include "products/ProductSheet.h"
#include "products/TfrmExpMagazzino.h"
#include "products/TfrmImportaMagazzino.h"
#include "products/TfrmSottoscorta.h"
#include "products/TfrmTrovaMagazzino.h"
#include "sales/SaleSheet.h"
#include "sales/TfrmAnteprimaRegistro.h"
#include "sales/TfrmExpRegistro.h"
#include "sales/TfrmRiepAnnualeReg.h"
#include "sales/TfrmRiepGiornalieroReg.h"
#include "sales/TfrmRiepMensileReg.h"
#include "sales/TfrmStampaRegistro.h"
#include "sales/TfrmTrovaRegistro.h"
#include "schedule/ScheduleSheet.h"
#include "schedule/TfrmConfermati.h"
#include "schedule/TfrmDaConfermare.h"
#include "schedule/TfrmExpGiornaliere.h"
#include "schedule/TfrmExpImminenti.h"
#include "schedule/TfrmExpMensili.h"
#include "schedule/TfrmExpScadenzario.h"
#include "schedule/TfrmNonConfermati.h"
#include "schedule/TfrmTrovaScadenzario.h"
#include "screens/ApplicationWindow.h"
#include "screens/RegisterSource.h"
#include "screens/WindowRegistry.h"
#include "ServiceDoubles.h"
#include "stats/TfrmRiepCosti.h"
#include "stats/TfrmStatsEntrate.h"
#include "stats/TfrmStatsTelefonate.h"
#include "TempProgramFolder.h"
#include "WiredRegistry.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSet>
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

// Whether the widget sits inside a scrolled view, where being partly out of sight is what scrolling is
// for, or is a part of a compound control (the text of a combo box or a date field, the month buttons of
// a calendar, which its keys also work), which sizes and serves it.
bool scrolledOrPart(const QWidget* widget, const QWidget* window)
{
    for (const QWidget* up = widget->parentWidget(); up && up != window; up = up->parentWidget())
        if (qobject_cast<const QAbstractScrollArea*>(up) || qobject_cast<const QComboBox*>(up) ||
            qobject_cast<const QAbstractSpinBox*>(up) || qobject_cast<const QCalendarWidget*>(up))
            return true;
    return false;
}

// Every control the window shows lies inside it at no less than its smallest readable size, and a
// one-line label is as wide as its text: nothing is cut off.
void checkNothingCutOff(QWidget* window)
{
    // A window whose layout needs more than the screen gives it is cut off wherever the desktop keeps
    // windows to their smallest size, whatever this platform did with it.
    const QSize needed = window->minimumSizeHint().expandedTo(window->minimumSize());
    QVERIFY2(window->width() >= needed.width() && window->height() >= needed.height(),
             qPrintable(u"%1: %2x%3, needs %4x%5"_s.arg(window->objectName())
                            .arg(window->width())
                            .arg(window->height())
                            .arg(needed.width())
                            .arg(needed.height())));
    const QRect inside(QPoint(), window->size());
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!control->isVisibleTo(window) || control->isWindow() || scrolledOrPart(control, window) ||
            control->objectName().startsWith(u"qt_"_s))
            continue;
        const QString name =
            window->objectName() + u'/' +
            (control->objectName().isEmpty() ? QString::fromLatin1(control->metaObject()->className())
                                             : control->objectName());
        const QRect place(control->mapTo(window, QPoint()), control->size());
        const QString where = u"%1: %2,%3 %4x%5 in %6x%7"_s.arg(name)
                                  .arg(place.x())
                                  .arg(place.y())
                                  .arg(place.width())
                                  .arg(place.height())
                                  .arg(inside.width())
                                  .arg(inside.height());
        QVERIFY2(inside.contains(place), qPrintable(where));
        const QSize least = control->minimumSizeHint();
        QVERIFY2(control->width() >= least.width() && control->height() >= least.height(),
                 qPrintable(where + u" smaller than %1x%2"_s.arg(least.width()).arg(least.height())));
        if (auto* label = qobject_cast<QLabel*>(control);
            label && !label->wordWrap() && !label->text().isEmpty() && label->pixmap().isNull())
            QVERIFY2(label->width() >= label->sizeHint().width(),
                     qPrintable(where + u" narrower than its text, %1"_s.arg(label->sizeHint().width())));
    }
}

// Inside the available area, and centred there unless it fills it. The frame of a window about to be
// shown is not known yet and is taken as a 32-pixel title bar and 8-pixel borders; this platform draws
// 2-pixel borders, so such a window may sit up to 6 pixels left of the centre and 20 above it.
void checkFits(QWidget* window)
{
    checkNothingCutOff(window);
    if (QTest::currentTestFailed())
        return;
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

// Whether a panel laid over the control (a summary's selection over its empty grid) hides it.
bool covered(QWidget* control, QWidget* window)
{
    QWidget* top = window->childAt(control->mapTo(window, control->rect().center()));
    return top && top != control && !control->isAncestorOf(top);
}

// The controls a user works with: buttons, inputs, lists and grids that are shown, not covered and
// enabled.
QList<QWidget*> workingControls(QWidget* window)
{
    QList<QWidget*> controls;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!control->isVisibleTo(window) || !control->isEnabled() || scrolledOrPart(control, window))
            continue;
        if (qobject_cast<QAbstractButton*>(control) || qobject_cast<QLineEdit*>(control) ||
            qobject_cast<QComboBox*>(control) || qobject_cast<QAbstractSpinBox*>(control) ||
            qobject_cast<QAbstractItemView*>(control)) {
            if (auto* line = qobject_cast<QLineEdit*>(control); line && line->isReadOnly())
                continue;
            if (covered(control, window))
                continue;
            controls.append(control);
        }
    }
    return controls;
}

// Tab, pressed again and again from the first control, reaches every control of the window and then
// comes back: nothing needs the mouse, and no list or grid keeps the focus to itself.
void checkKeyboardReachesEverything(QWidget* window)
{
    const QList<QWidget*> controls = workingControls(window);
    QSet<QWidget*> reached;
    QWidget* first = QApplication::focusWidget();
    QVERIFY2(first && window->isAncestorOf(first), qPrintable(window->objectName() + u": no focus"_s));
    for (qsizetype press = 0; press < 3 * controls.size() + 3; ++press) {
        QWidget* focused = QApplication::focusWidget();
        if (!focused)
            break;
        reached.insert(focused);
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    for (QWidget* control : controls) {
        const bool inside = std::any_of(reached.cbegin(), reached.cend(), [control](QWidget* focused) {
            return focused == control || control->isAncestorOf(focused) || focused->focusProxy() == control;
        });
        QVERIFY2(inside, qPrintable(window->objectName() + u'/' +
                                    (control->objectName().isEmpty()
                                         ? QString::fromLatin1(control->metaObject()->className())
                                         : control->objectName()) +
                                    u" is not reached by Tab"_s));
    }
}

// A screen reader walking the window names every control the keyboard reaches, speaks every value with
// its caption and tells every two controls apart, but those that do the same thing: the guide's picture
// and link both open Guida.pdf, and a summary's year panel and list both show the same help and close the
// same window.
void checkScreenReaderWalk(QWidget* window)
{
    static const QHash<QString, QStringList> sameThing = {
        {u"TfrmGuida"_s, {u"Visualizza guida in formato PDF"_s}},
        {u"TfrmRiepGiornalieroTel"_s, {u"Guida"_s, u"Esci"_s}},
        {u"TfrmRiepMensileTel"_s, {u"Guida"_s, u"Esci"_s}},
        {u"TfrmRiepAnnualeTel"_s, {u"Guida"_s, u"Esci"_s}},
        {u"TfrmRiepGiornalieroReg"_s, {u"Guida"_s, u"Esci"_s}},
        {u"TfrmRiepMensileReg"_s, {u"Guida"_s, u"Esci"_s}},
        {u"TfrmRiepAnnualeReg"_s, {u"Guida"_s, u"Esci"_s}},
    };
    const QStringList faults = AccessibleTree::walkFaults(window, sameThing.value(window->objectName()));
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

// The titles of the helps the window's help commands (cmdGuida, imgGuida...) show, each pressed once.
QStringList shownHelpTitles(QWidget* window, ScriptedModal& modal)
{
    QStringList titles;
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (!button->objectName().endsWith(u"Guida"_s) || !button->isVisibleTo(window) ||
            !button->isEnabled())
            continue;
        modal.setNextScript([&titles](QDialog& help) {
            titles << help.findChild<QLabel*>(u"lblTitolo"_s)->text();
            return int(QDialog::Rejected);
        });
        button->click();
    }
    return titles;
}

// A program folder with a few demo archives of 2024, so that lists, summaries and charts show data.
struct Fixture
{
    Fixture()
    {
        services.clock.set(QDateTime(QDate(2024, 3, 15), QTime(10, 30)));
        DemoOptions demo;
        demo.clients = 40;
        demo.staff = 6;
        demo.products = 30;
        demo.calls = 120;
        demo.sales = 80;
        demo.appointments = 60;
        demo.today = QDate(2024, 3, 15);
        DemoGenerator(demo).writeTo(folder.path());
    }

    TempProgramFolder folder;
    ServiceDoubles services;
};

// A year file of the program folder, named when the window reads it, as a card's lblFile does.
std::function<QString()> yearFile(const QString& name)
{
    return [name] { return ProgramFolder::file(name); };
}

} // namespace

class TestWindowsFit : public QObject
{
    Q_OBJECT

private slots:
    // The persistent windows, opened as the program opens them.
    void persistentWindowsFit()
    {
        Fixture f;
        WiredRegistry windows;
        windows.create(persistentWindows());
        for (const QString& name : windows.names()) {
            QWidget* window = windows.window(name);
            if (auto* application = qobject_cast<ApplicationWindow*>(window)) {
                // It is given the available area before it is shown: a desktop that holds a window to its
                // smallest size would make it larger than the screen if it needed more then.
                const QSize needed = window->minimumSizeHint();
                QVERIFY2(needed.width() <= area().width() && needed.height() <= area().height(),
                         qPrintable(u"%1 needs %2x%3 before it is shown"_s.arg(name)
                                        .arg(needed.width())
                                        .arg(needed.height())));
                application->open();
            } else if (auto* password = qobject_cast<TfrmPassword*>(window))
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

    // The persistent windows answer the keyboard and the screen reader as they are opened.
    void persistentWindowsWorkByKeyboardAndScreenReader()
    {
        Fixture f;
        WiredRegistry windows;
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
                runModal(*dialog, [this, &f](QDialog& shown) {
                    QApplication::setActiveWindow(&shown);
                    QApplication::processEvents();
                    checkKeyboardReachesEverything(&shown);
                    checkScreenReaderWalk(&shown);
                    m_helpTitles += shownHelpTitles(&shown, f.services.modal);
                });
                continue;
            } else
                continue;
            QApplication::setActiveWindow(window);
            QApplication::processEvents();
            checkKeyboardReachesEverything(window);
            checkScreenReaderWalk(window);
            m_helpTitles += shownHelpTitles(window, f.services.modal);
            window->hide();
        }
    }

    // The windows made for one use, each through the modal path.
    void oneUseWindowsFit_data()
    {
        QTest::addColumn<Factory>("make");
        const RegisterSource calls{yearFile(u"2024.tel"_s), [] { return u"2024"_s; }};
        const ControlTexts card = {{u"txtCliente"_s, u"Rossi Anna"_s}, {u"lblAnnoRit"_s, u"2024"_s}};
        QTest::newRow("TfrmTrovaClienti") << Factory([] { return std::make_unique<TfrmTrovaClienti>(); });
        QTest::newRow("TfrmExpClienti") << Factory([] { return std::make_unique<TfrmExpClienti>(); });
        QTest::newRow("TfrmRicontatta") << Factory([] { return std::make_unique<TfrmRicontatta>(); });
        QTest::newRow("TfrmReportTel") << Factory([] { return std::make_unique<TfrmReportTel>(); });
        QTest::newRow("TfrmReportApp") << Factory([] { return std::make_unique<TfrmReportApp>(); });
        QTest::newRow("TfrmValoreTotale") << Factory([] { return std::make_unique<TfrmValoreTotale>(); });
        QTest::newRow("TfrmTrovaChiamate")
            << Factory([] { return std::make_unique<TfrmTrovaChiamate>(yearFile(u"2024.tel"_s)); });
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

        // Products, opened from the product card and from the profit summary's selection.
        QTest::newRow("TfrmTrovaMagazzino") << Factory([] { return std::make_unique<TfrmTrovaMagazzino>(); });
        QTest::newRow("TfrmExpMagazzino") << Factory([] { return std::make_unique<TfrmExpMagazzino>(); });
        QTest::newRow("TfrmSottoscorta") << Factory([] { return std::make_unique<TfrmSottoscorta>(); });
        QTest::newRow("TfrmAnteprima products") << Factory([] {
            return std::make_unique<ReportPreview>(ProductSheet::build(
                {{u"txtArticolo"_s, u"Pneumatico 205/55 R16"_s}}, QDateTime(QDate(2024, 3, 15), {})));
        });

        // Sales, opened from the sale card with its year file.
        const RegisterSource sales{yearFile(u"2024.ven"_s), [] { return u"2024"_s; }};
        const ControlTexts sale = {{u"txtCliente"_s, u"Rossi Anna"_s}, {u"lblAnnoRit"_s, u"2024"_s}};
        QTest::newRow("TfrmTrovaRegistro")
            << Factory([] { return std::make_unique<TfrmTrovaRegistro>(yearFile(u"2024.ven"_s)); });
        QTest::newRow("TfrmRiepGiornalieroReg") << Factory([sales] {
            // The card hands its year to the daily and monthly summaries.
            auto window = std::make_unique<TfrmRiepGiornalieroReg>(sales);
            window->setYearLabel(u"2024"_s);
            return window;
        });
        QTest::newRow("TfrmRiepMensileReg") << Factory([sales] {
            // The card hands its year to the daily and monthly summaries.
            auto window = std::make_unique<TfrmRiepMensileReg>(sales);
            window->setYearLabel(u"2024"_s);
            return window;
        });
        QTest::newRow("TfrmRiepAnnualeReg")
            << Factory([sales] { return std::make_unique<TfrmRiepAnnualeReg>(sales); });
        QTest::newRow("TfrmExpRegistro")
            << Factory([sales] { return std::make_unique<TfrmExpRegistro>(sales); });
        QTest::newRow("TfrmStampaRegistro")
            << Factory([sale] { return std::make_unique<TfrmStampaRegistro>(sale); });
        QTest::newRow("TfrmAnteprimaRegistro")
            << Factory([sale] { return std::make_unique<TfrmAnteprimaRegistro>(sale); });
        QTest::newRow("TfrmImportaMagazzino")
            << Factory([] { return std::make_unique<TfrmImportaMagazzino>(); });
        QTest::newRow("TfrmAnteprima sales") << Factory([sale] {
            return std::make_unique<ReportPreview>(SaleSheet::build(sale, QDateTime(QDate(2024, 3, 15), {})));
        });

        // The schedule, opened from the schedule card with its year file and the calendar's day.
        const auto schedule = yearFile(u"2024.sca"_s);
        QTest::newRow("TfrmTrovaScadenzario")
            << Factory([schedule] { return std::make_unique<TfrmTrovaScadenzario>(schedule); });
        QTest::newRow("TfrmExpScadenzario")
            << Factory([schedule] { return std::make_unique<TfrmExpScadenzario>(schedule); });
        QTest::newRow("TfrmExpGiornaliere")
            << Factory([] { return std::make_unique<TfrmExpGiornaliere>(QDate(2024, 3, 15)); });
        QTest::newRow("TfrmExpMensili")
            << Factory([] { return std::make_unique<TfrmExpMensili>(QDate(2024, 3, 15)); });
        QTest::newRow("TfrmExpImminenti")
            << Factory([] { return std::make_unique<TfrmExpImminenti>(QDate(2024, 3, 15)); });
        QTest::newRow("TfrmDaConfermare")
            << Factory([schedule] { return std::make_unique<TfrmDaConfermare>(schedule); });
        QTest::newRow("TfrmConfermati")
            << Factory([schedule] { return std::make_unique<TfrmConfermati>(schedule); });
        QTest::newRow("TfrmNonConfermati")
            << Factory([schedule] { return std::make_unique<TfrmNonConfermati>(schedule); });
        QTest::newRow("TfrmAnteprima schedule") << Factory([] {
            return std::make_unique<ReportPreview>(ScheduleSheet::build({{u"txtCliente"_s, u"Rossi Anna"_s}},
                                                                        QDateTime(QDate(2024, 3, 15), {})));
        });

        // Statistics: the profit summary of a chosen period and the two monthly charts.
        QTest::newRow("TfrmRiepCosti") << Factory([] {
            return std::make_unique<TfrmRiepCosti>(
                ProgramFolder::file(u"2024.ven"_s),
                ProfitSummary::Selection{{}, {}, QDate(2024, 1, 1), QDate(2024, 12, 31)});
        });
        QTest::newRow("TfrmStatsEntrate")
            << Factory([] { return std::make_unique<TfrmStatsEntrate>(u"2024"_s); });
        QTest::newRow("TfrmStatsTelefonate")
            << Factory([] { return std::make_unique<TfrmStatsTelefonate>(u"2024"_s); });

        // The operators' sheet in the preview; their other windows are persistent.
        QTest::newRow("TfrmAnteprima operators") << Factory([] {
            return std::make_unique<ReportPreview>(OperatorSheet::build(
                {{u"txtIstruttore"_s, u"Bianchi Marco"_s}}, QDateTime(QDate(2024, 3, 15), {})));
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

    // The one-use windows too.
    void oneUseWindowsWorkByKeyboardAndScreenReader_data() { oneUseWindowsFit_data(); }

    void oneUseWindowsWorkByKeyboardAndScreenReader()
    {
        QFETCH(Factory, make);
        Fixture f;
        const std::unique_ptr<QDialog> window = make();
        runModal(*window, [this, &f](QDialog& shown) {
            QApplication::setActiveWindow(&shown);
            QApplication::processEvents();
            checkKeyboardReachesEverything(&shown);
            checkScreenReaderWalk(&shown);
            m_helpTitles += shownHelpTitles(&shown, f.services.modal);
        });
    }

    // Every help a window shows, pressed in the two slots before, is one the guide holds.
    void everyHelpShownIsInTheGuide()
    {
        QStringList guide;
        for (const HelpTopic& topic : HelpCatalogue::topics())
            guide << topic.title;
        m_helpTitles.removeDuplicates();
        QVERIFY(m_helpTitles.size() > 10);
        for (const QString& title : std::as_const(m_helpTitles))
            QVERIFY2(guide.contains(title), qPrintable(title));
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

private:
    QStringList m_helpTitles;
};

QTEST_MAIN(TestWindowsFit)
#include "TestWindowsFit.moc"
