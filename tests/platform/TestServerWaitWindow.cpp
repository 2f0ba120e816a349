#include "app/ArchiveServerSetting.h"
#include "clients/SchedaCliente.h"
#include "HeldTables.h"
#include "platform/DesktopServerWait.h"
#include "storage/RecordFile.h"
#include "storage/ServerConnection.h"
#include "storage/StorageError.h"
#include "TempProgramFolder.h"
#include "TestRecords.h"
#include "ThrowawayServer.h"

#include <functional>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// A window that counts its paintings, and may read the archive while it paints, as a list that reads
// the lines it shows does.
class Painted : public QWidget
{
public:
    int paintings = 0;
    int depth = 0;
    int deepest = 0;
    std::function<void()> whilePainting;

protected:
    void paintEvent(QPaintEvent*) override
    {
        ++paintings;
        deepest = std::max(deepest, ++depth);
        if (whilePainting)
            whilePainting();
        --depth;
    }
};

// The clients' archive on a fresh database with one card, the desktop's wait installed, and a window
// shown, while it lives.
struct Fixture
{
    Fixture() : uri(ThrowawayServer::shared().freshDatabase())
    {
        ArchiveServerSetting::attach(folder.path(), uri);
        TestRecords::append(clients(), SchedaCliente::layout, {{{SchedaCliente::Cliente, u"Rossi Anna"_s}}});
        ServerWait::install(&desktop);
        auto* column = new QVBoxLayout(&window);
        column->addWidget(edit);
        column->addWidget(button);
        QObject::connect(button, &QPushButton::clicked, [this] { ++clicks; });
        window.resize(640, 400);
        window.show();
        QApplication::setActiveWindow(&window);
    }
    ~Fixture()
    {
        ServerWait::install(nullptr);
        ArchiveServerSetting::attach(folder.path(), QString());
    }

    QString clients() const { return folder.file(QLatin1StringView(SchedaCliente::kFileName)); }
    qint64 count() const { return RecordFile(clients(), SchedaCliente::layout).count(); }

    TempProgramFolder folder;
    QString uri;
    DesktopServerWait desktop;
    Painted window;
    QLineEdit* edit = new QLineEdit;
    QPushButton* button = new QPushButton(u"Salva"_s);
    int clicks = 0;
};

// What a timer sees each time it runs during a wait.
struct Seen
{
    qint64 at;
    std::optional<Qt::CursorShape> cursor;
    QString line;
    int paintings;
};

} // namespace

// What the operator sees while the program waits on the archives' server.
class TestServerWaitWindow : public QObject
{
    Q_OBJECT

private slots:
    // A table held by another workstation: past half a second the pointer is busy, a line on the window
    // names the server, and the window repaints; the wait ends at the lock bound and leaves nothing.
    void longWaitShowsTheBusyPointerAndTheServer()
    {
        Fixture f;
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        HeldTables held(f.uri, {u"clienti"_s});
        QVERIFY(held.held());

        // Timers run only while the window repaints; what the operator types or clicks meanwhile is dropped.
        f.edit->setFocus();
        QList<Seen> seen;
        QElapsedTimer timer;
        QTimer sampler;
        sampler.setInterval(100);
        connect(&sampler, &QTimer::timeout, this, [&] {
            const QCursor* cursor = QApplication::overrideCursor();
            const auto* label = f.window.findChild<QLabel*>(u"lblAttesaServer"_s);
            seen.append({timer.elapsed(), cursor ? std::optional(cursor->shape()) : std::nullopt,
                         label && label->isVisible() ? label->text() : QString(), f.window.paintings});
            f.window.update();
            if (seen.size() == 2) {
                QTest::keyClicks(f.edit, u"abc"_s);
                QTest::keyClick(f.edit, Qt::Key_Return);
                QTest::mouseClick(f.button, Qt::LeftButton);
            }
        });
        sampler.start();
        timer.start();
        QVERIFY_THROWS_EXCEPTION(StorageError, f.count());
        QVERIFY(timer.elapsed() < std::chrono::milliseconds(ServerConnection::kLockTimeout).count() + 3000);
        sampler.stop();

        QVERIFY(seen.size() > 10);
        QVERIFY2(seen.first().at >= DesktopServerWait::kShownAfter.count() - 50,
                 qPrintable(QString::number(seen.first().at)));
        const QString line =
            u"In attesa del server dell'archivio %1…"_s.arg(ServerConnection::displayName(f.uri));
        for (const Seen& sample : seen) {
            QCOMPARE(sample.cursor, Qt::WaitCursor);
            QCOMPARE(sample.line, line);
        }
        QVERIFY(seen.last().paintings > seen.first().paintings);
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(!f.window.findChild<QLabel*>(u"lblAttesaServer"_s));
        QApplication::processEvents();
        QCOMPARE(f.edit->text(), QString());
        QCOMPARE(f.clicks, 0);
        QTest::keyClicks(f.edit, u"x"_s);
        QTest::mouseClick(f.button, Qt::LeftButton);
        QCOMPARE(f.edit->text(), u"x"_s);
        QCOMPARE(f.clicks, 1);
        held.release();
        QCOMPARE(f.count(), 1);
    }

    // A wait that begins inside a paint event runs nothing meanwhile: the window is never painted again
    // from inside its own painting.
    void waitWhilePaintingNeverPaintsFromInside()
    {
        Fixture f;
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        HeldTables held(f.uri, {u"clienti"_s});
        QVERIFY(held.held());
        bool failed = false;
        int timersRun = 0;
        QTimer poke;
        poke.setInterval(100);
        connect(&poke, &QTimer::timeout, this, [&] {
            ++timersRun;
            f.window.update();
        });
        bool read = false;
        f.window.whilePainting = [&] {
            if (std::exchange(read, true))
                return;
            poke.start();
            try {
                f.count();
            } catch (const StorageError&) {
                failed = true;
            }
        };
        f.window.repaint();
        poke.stop();
        QVERIFY(failed);
        QCOMPARE(f.window.deepest, 1);
        QCOMPARE(timersRun, 0);
        QVERIFY(!QApplication::overrideCursor());
    }
};

QTEST_MAIN(TestServerWaitWindow)
#include "TestServerWaitWindow.moc"
