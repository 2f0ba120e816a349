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

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// A window that counts its paintings.
class Painted : public QWidget
{
public:
    int paintings = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paintings; }
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
        TempProgramFolder folder;
        const QString uri = ThrowawayServer::shared().freshDatabase();
        ArchiveServerSetting::attach(folder.path(), uri);
        const auto detach = qScopeGuard([&] { ArchiveServerSetting::attach(folder.path(), QString()); });
        const QString clients = folder.file(QLatin1StringView(SchedaCliente::kFileName));
        TestRecords::append(clients, SchedaCliente::layout, {{{SchedaCliente::Cliente, u"Rossi Anna"_s}}});
        DesktopServerWait desktop;
        ServerWait::install(&desktop);
        const auto uninstall = qScopeGuard([] { ServerWait::install(nullptr); });

        Painted window;
        window.resize(640, 400);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        HeldTables held(uri, {u"clienti"_s});
        QVERIFY(held.held());

        // What a timer sees each time it runs during the wait; timers run only while the window repaints.
        struct Seen
        {
            qint64 at;
            std::optional<Qt::CursorShape> cursor;
            QString line;
            int paintings;
        };
        QList<Seen> seen;
        QElapsedTimer timer;
        QTimer sampler;
        sampler.setInterval(100);
        connect(&sampler, &QTimer::timeout, this, [&] {
            const QCursor* cursor = QApplication::overrideCursor();
            const auto* label = window.findChild<QLabel*>(u"lblAttesaServer"_s);
            seen.append({timer.elapsed(), cursor ? std::optional(cursor->shape()) : std::nullopt,
                         label && label->isVisible() ? label->text() : QString(), window.paintings});
            window.update();
        });
        sampler.start();
        timer.start();
        QVERIFY_THROWS_EXCEPTION(StorageError, RecordFile(clients, SchedaCliente::layout).count());
        QVERIFY(timer.elapsed() < std::chrono::milliseconds(ServerConnection::kLockTimeout).count() + 3000);
        sampler.stop();

        QVERIFY(seen.size() > 10);
        QVERIFY2(seen.first().at >= DesktopServerWait::kShownAfter.count() - 50,
                 qPrintable(QString::number(seen.first().at)));
        const QString line =
            u"In attesa del server dell'archivio %1…"_s.arg(ServerConnection::displayName(uri));
        for (const Seen& sample : seen) {
            QCOMPARE(sample.cursor, Qt::WaitCursor);
            QCOMPARE(sample.line, line);
        }
        QVERIFY(seen.last().paintings > seen.first().paintings);
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(!window.findChild<QLabel*>(u"lblAttesaServer"_s));
        held.release();
        QCOMPARE(RecordFile(clients, SchedaCliente::layout).count(), 1);
    }
};

QTEST_MAIN(TestServerWaitWindow)
#include "TestServerWaitWindow.moc"
