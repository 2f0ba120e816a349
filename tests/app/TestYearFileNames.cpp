#include "calls/TfrmChiamate.h"
#include "calls/TfrmInserisciTel.h"
#include "calls/TfrmMenuChiamate.h"
#include "clients/TfrmReportApp.h"
#include "clients/TfrmReportTel.h"
#include "clients/TfrmValoreTotale.h"
#include "platform/ProgramFolder.h"
#include "screens/WindowRegistry.h"
#include "ServiceDoubles.h"
#include "TempProgramFolder.h"
#include "WiredRegistry.h"

#include <memory>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The windows that turn a year typed by the user into the name of a year file.
enum class Window { YearMenu, QuickEntry, CallHistory, SaleHistory, AppointmentHistory };

// Every file and folder under a folder, relative to it.
QStringList everythingUnder(const QString& root)
{
    QStringList found;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        found.append(QDir(root).relativeFilePath(it.next()));
    found.sort();
    return found;
}

void pasteFromContextMenu(QLineEdit* field, const QString& text)
{
    field->setFocus();
    field->selectAll();
    QGuiApplication::clipboard()->setText(text);
    const std::unique_ptr<QMenu> menu(field->createStandardContextMenu());
    const QString paste = QCoreApplication::translate("QLineEdit", "&Paste");
    for (QAction* action : menu->actions())
        if (action->text().startsWith(paste))
            action->trigger();
}

// A year menu in front of its register card, a quick entry for a client, or a client's history.
struct Fixture
{
    explicit Fixture(Window window)
    {
        services.clock.set(QDateTime(QDate(2024, 3, 15), QTime(10, 30)));
        // The program folder inside an empty folder of its own: a file "../x.tel" would land beside it.
        QVERIFY(QDir(root.path()).mkdir(u"cartella"_s));
        ProgramFolder::setPath(root.file(u"cartella"_s));
        switch (window) {
        case Window::YearMenu: {
            registry.add(u"TfrmChiamate"_s, new TfrmChiamate(registry));
            auto* menu = new TfrmMenuChiamate(registry);
            registry.add(u"TfrmMenuChiamate"_s, menu);
            menu->open();
            shown = menu;
            yearField = u"txtAnnoPreventivi"_s;
            button = u"btnApriPreventivi"_s;
            break;
        }
        case Window::QuickEntry: {
            auto entry = std::make_unique<TfrmInserisciTel>();
            entry->setText(u"lblAnno"_s, u"2024"_s);
            entry->setText(u"txtOggetto"_s, u"Rinnovo"_s);
            entry->setText(u"txtCliente"_s, u"Rossi Anna"_s);
            entry->setText(u"txtCodFisc"_s, u"RSSNNA80A41H501U"_s);
            owned = std::move(entry);
            yearField = u"lblAnno"_s;
            button = u"btnChiudi"_s;
            break;
        }
        case Window::CallHistory:
            owned = std::make_unique<TfrmReportTel>();
            break;
        case Window::SaleHistory:
            owned = std::make_unique<TfrmValoreTotale>();
            break;
        case Window::AppointmentHistory:
            owned = std::make_unique<TfrmReportApp>();
            break;
        }
        if (owned) {
            owned->show();
            shown = owned.get();
        }
        QApplication::setActiveWindow(shown);
        if (auto* codFisc = shown->findChild<QLineEdit*>(u"txtCodFisc"_s);
            codFisc && codFisc->text().isEmpty())
            codFisc->setText(u"RSSNNA80A41H501U"_s);
    }

    QLineEdit* year() const { return shown->findChild<QLineEdit*>(yearField); }
    void open() const { shown->findChild<QPushButton*>(button)->click(); }

    TempProgramFolder root;
    ServiceDoubles services;
    WiredRegistry registry;
    std::unique_ptr<QWidget> owned;
    QWidget* shown = nullptr;
    QString yearField = u"txtAnno"_s;
    QString button = u"btnApri"_s;
};

} // namespace

Q_DECLARE_METATYPE(Window)

class TestYearFileNames : public QObject
{
    Q_OBJECT

private slots:
    // A year pasted into any of these windows names a file only when it is four digits; anything else
    // gets the four-digit warning and no file anywhere.
    void onlyFourDigitsNameAYearFile_data()
    {
        QTest::addColumn<Window>("window");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QStringList>("files");
        const std::pair<const char*, Window> windows[] = {
            {"year menu", Window::YearMenu},
            {"quick entry", Window::QuickEntry},
            {"call history", Window::CallHistory},
            {"sale history", Window::SaleHistory},
            {"appointment history", Window::AppointmentHistory},
        };
        const std::pair<const char*, QString> refused[] = {
            {"../x", u"../x"_s},
            {"20 4", u"20 4"_s},
            {"full-width digits", u"\uFF12\uFF10\uFF12\uFF14"_s},
        };
        for (const auto& [name, window] : windows)
            for (const auto& [what, pasted] : refused)
                QTest::addRow("%s, %s", name, what) << window << pasted << QStringList{u"cartella"_s};
        // The same paths with a year, to show that the test sees the files they make.
        QTest::newRow("quick entry, 2023")
            << Window::QuickEntry << u"2023"_s << QStringList{u"cartella"_s, u"cartella/2023.tel"_s};
        QTest::newRow("call history, 2023")
            << Window::CallHistory << u"2023"_s << QStringList{u"cartella"_s, u"cartella/2023.tel"_s};
    }

    void onlyFourDigitsNameAYearFile()
    {
        QFETCH(Window, window);
        QFETCH(QString, pasted);
        QFETCH(QStringList, files);
        Fixture f(window);
        pasteFromContextMenu(f.year(), pasted);
        f.open();
        QCOMPARE(everythingUnder(f.root.path()), files);
        const bool refused = files.size() == 1;
        const QString warning =
            window == Window::QuickEntry
                ? u"Attenzione: per salvare la scheda è necessario indicare l'anno solare "
                  u"utilizzando quattro cifre."_s
                : u"Attenzione: indicare l'anno solare utilizzando quattro cifre."_s;
        QCOMPARE(f.services.messages.shown().contains({Messages::Kind::Warning, warning}), refused);
        if (refused)
            QCOMPARE(QApplication::focusWidget(), f.year());
    }

    // A year the program itself put into a quick entry is held to the same rule before it names a file.
    void aQuickEntryRefusesAYearItWasGiven_data()
    {
        QTest::addColumn<QString>("year");
        QTest::newRow("parent folder") << u"../x"_s;
        QTest::newRow("blank") << u"20 4"_s;
        QTest::newRow("full-width digits") << u"\uFF12\uFF10\uFF12\uFF14"_s;
        QTest::newRow("blanks around") << u" 24 "_s;
    }

    void aQuickEntryRefusesAYearItWasGiven()
    {
        QFETCH(QString, year);
        Fixture f(Window::QuickEntry);
        f.year()->setText(year);
        f.open();
        QCOMPARE(everythingUnder(f.root.path()), QStringList{u"cartella"_s});
    }
};

QTEST_MAIN(TestYearFileNames)
#include "TestYearFileNames.moc"
