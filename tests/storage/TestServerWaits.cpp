#include "app/ArchiveServerSetting.h"
#include "clients/SchedaCliente.h"
#include "HeldTables.h"
#include "products/ProductLines.h"
#include "products/ProductPicker.h"
#include "products/SchedaArticolo.h"
#include "schedule/SchedaScadenza.h"
#include "schedule/ScheduleRules.h"
#include "storage/FieldCriterion.h"
#include "storage/RecordFile.h"
#include "storage/ServerConnection.h"
#include "storage/ServerWait.h"
#include "storage/StorageError.h"
#include "TempProgramFolder.h"
#include "TestRecords.h"
#include "ThrowawayServer.h"

#include <csignal>
#include <functional>
#include <QElapsedTimer>
#include <QTest>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

const QDate kToday(2024, 3, 8);

// What the installed wait was told; at its first slice it tries an action of its own, as a timer firing
// while the windows repaint would.
class RecordedWait : public ServerWait
{
public:
    void waiting(const QString& server, std::chrono::milliseconds waited) noexcept override
    {
        ++slices;
        m_server = server;
        longest = std::max(longest, waited);
        if (nested && slices == 1) {
            try {
                nested();
                nestedOutcome = u"eseguita"_s;
            } catch (const StorageError& error) {
                nestedOutcome = QString::fromUtf8(error.what());
            }
        }
    }
    void ended() noexcept override { ++ends; }
    const QString& server() const { return m_server; }

    int slices = 0;
    int ends = 0;
    std::chrono::milliseconds longest{0};
    std::function<void()> nested;
    QString nestedOutcome;

private:
    QString m_server;
};

// Installed while it lives.
class Installed
{
public:
    explicit Installed(ServerWait& wait) { ServerWait::install(&wait); }
    ~Installed() { ServerWait::install(nullptr); }
};

// A folder whose archives are on a fresh database of the tests' server: two clients, a product with
// stock and an appointment imminent on kToday.
class Archives
{
public:
    Archives() : m_uri(ThrowawayServer::shared().freshDatabase())
    {
        ArchiveServerSetting::attach(m_folder.path(), m_uri);
        TestRecords::append(
            clients(), SchedaCliente::layout,
            {{{SchedaCliente::Cliente, u"Rossi Anna"_s}}, {{SchedaCliente::Cliente, u"Bianchi Luca"_s}}});
        TestRecords::append(products(), SchedaArticolo::layout,
                            {{{SchedaArticolo::Codice, u"PN-205"_s},
                              {SchedaArticolo::Costo, u"10"_s},
                              {SchedaArticolo::Prezzo, u"100"_s},
                              {SchedaArticolo::Giacenza, u"50"_s}}});
        TestRecords::append(schedule(), SchedaScadenza::layout,
                            {{{SchedaScadenza::Data, u"10/03/2024"_s}, {SchedaScadenza::Avviso, u"5"_s}}});
        // The search's indexes made now, as they are once an archive has been searched.
        RecordFile(clients(), SchedaCliente::layout)
            .scanCandidates(clientCriteria(), [](qint64, const RecordView&) {});
        m_pickedLine =
            ProductLines::pickerLine(RecordFile(products(), SchedaArticolo::layout).read(0).view());
    }
    ~Archives() { ArchiveServerSetting::attach(m_folder.path(), QString()); }

    const QString& uri() const { return m_uri; }
    // The product's line in the picker, as the operator chose it.
    const QString& pickedLine() const { return m_pickedLine; }
    QString clients() const { return m_folder.file(QLatin1StringView(SchedaCliente::kFileName)); }
    QString products() const { return m_folder.file(QLatin1StringView(SchedaArticolo::kFileName)); }
    QString schedule() const
    {
        return m_folder.file(u"2024"_s + QLatin1StringView(SchedaScadenza::kExtension));
    }
    static QStringList tables() { return {u"clienti"_s, u"magazzino"_s, u"scadenze_2024"_s}; }

    static std::vector<FieldCriterion> clientCriteria()
    {
        return {FieldCriterion(SchedaCliente::Cliente, u"ross"_s)};
    }

    // Every record of the three archives, to compare before and after.
    QByteArray contents() const
    {
        QByteArray all;
        for (const auto& [path, layout] :
             {std::pair{clients(), &SchedaCliente::layout}, std::pair{products(), &SchedaArticolo::layout},
              std::pair{schedule(), &SchedaScadenza::layout}}) {
            const RecordFile file(path, *layout);
            QByteArray records(file.count() * layout->size(), '\0');
            file.readRecords(0, file.count(), records.data());
            all += records;
        }
        return all;
    }

private:
    TempProgramFolder m_folder;
    QString m_uri;
    QString m_pickedLine;
};

// The actions of a day that wait on the server, each as a window runs it.
enum class Action { Save, Append, Search, PickerUnload, ImminentCheck };

void run(const Archives& archives, Action action)
{
    switch (action) {
    case Action::Save:
        RecordFile(archives.clients(), SchedaCliente::layout)
            .overwrite(1, TestRecords::make(SchedaCliente::layout,
                                            {{SchedaCliente::Cliente, u"Rossi Anna Maria"_s}}));
        return;
    case Action::Append:
        RecordFile(archives.clients(), SchedaCliente::layout)
            .append(TestRecords::make(SchedaCliente::layout, {{SchedaCliente::Cliente, u"Verdi Carla"_s}}));
        return;
    case Action::Search: {
        const std::vector<FieldCriterion> criteria = Archives::clientCriteria();
        RecordFile(archives.clients(), SchedaCliente::layout)
            .scanCandidates(criteria, [](qint64, const RecordView&) {});
        return;
    }
    case Action::PickerUnload:
        ProductPicker::import(archives.products(), 1, archives.pickedLine(), u"1"_s);
        return;
    case Action::ImminentCheck:
        ScheduleRules::checkImminent(RecordFile(archives.schedule(), SchedaScadenza::layout), kToday);
        return;
    }
}

void addActions()
{
    QTest::addColumn<int>("action");
    QTest::newRow("salvataggio di una scheda") << int(Action::Save);
    QTest::newRow("nuova scheda") << int(Action::Append);
    QTest::newRow("ricerca") << int(Action::Search);
    QTest::newRow("scarico dal magazzino") << int(Action::PickerUnload);
    QTest::newRow("controllo delle scadenze imminenti") << int(Action::ImminentCheck);
}

// What is wrong with a wait that should have ended with a StorageError naming the server, between from
// and to after it began, told to the installed wait meanwhile; empty when nothing is.
QString judge(const std::function<void()>& action, const RecordedWait& wait, const QString& server,
              std::chrono::milliseconds from, std::chrono::milliseconds to)
{
    QElapsedTimer timer;
    timer.start();
    QString message;
    try {
        action();
        return u"l'azione è riuscita"_s;
    } catch (const StorageError& error) {
        message = QString::fromUtf8(error.what());
    }
    const std::chrono::milliseconds took{timer.elapsed()};
    if (took < from || took > to)
        return u"finita dopo %1 ms"_s.arg(took.count());
    if (!message.contains(server))
        return u"messaggio senza il server: "_s + message;
    if (wait.slices == 0 || wait.server() != server || wait.longest < from - 1s)
        return u"attesa non segnalata (%1 volte, fino a %2 ms)"_s.arg(wait.slices).arg(wait.longest.count());
    if (wait.ends < 1)
        return u"fine dell'attesa non segnalata"_s;
    return {};
}

} // namespace

// Every wait on an archive's server is bounded and told while it lasts: a table held by another
// workstation, a server that has stopped.
class TestServerWaits : public QObject
{
    Q_OBJECT

private slots:
    // The server's own lock bound ends the wait with the access message; nothing is written, a use of
    // the connection meanwhile is refused, and the next action works.
    void heldTableEndsTheWaitAtTheLockBound_data() { addActions(); }

    void heldTableEndsTheWaitAtTheLockBound()
    {
        QFETCH(int, action);
        Archives archives;
        const QByteArray before = archives.contents();
        const QString server = ServerConnection::displayName(archives.uri());
        RecordedWait wait;
        wait.nested = [&] { RecordFile(archives.clients(), SchedaCliente::layout).count(); };
        {
            HeldTables held(archives.uri(), Archives::tables());
            QVERIFY(held.held());
            Installed installed(wait);
            const QString wrong = judge([&] { run(archives, Action(action)); }, wait, server,
                                        ServerConnection::kLockTimeout, ServerConnection::kLockTimeout + 3s);
            QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
            QVERIFY2(wait.nestedOutcome.startsWith(
                         u"Il programma sta già attendendo il server dell'archivio "_s + server),
                     qPrintable(wait.nestedOutcome));
        }
        QCOMPARE(archives.contents(), before);
        run(archives, Action(action));
    }

    // A server process stopped (not ended) answers nothing and says nothing: every action gives up at
    // the bound of its own, each here in a workstation of its own, at once. Nothing is half-written: a
    // new card never lands, a card saved is whole or as it was.
    void stoppedServerEndsEveryWaitAtTheBound()
    {
        Archives archives;
        const QByteArray before = archives.contents();
        const QString server = ServerConnection::displayName(archives.uri());
        const Action actions[] = {Action::Save, Action::Append, Action::Search, Action::PickerUnload,
                                  Action::ImminentCheck};
        struct Station
        {
            pid_t pid;
            int report;
        };
        std::vector<Station> stations;
        for (const Action action : actions) {
            int report[2];
            QVERIFY(::pipe(report) == 0);
            const pid_t pid = ::fork();
            if (pid == 0) {
                ::close(report[0]);
                RecordedWait wait;
                Installed installed(wait);
                QString wrong;
                try {
                    const ServerResult self =
                        ServerConnection::to(archives.uri()).exec("SELECT pg_backend_pid()");
                    const pid_t backend = pid_t(self.value(0, 0).toByteArray().toLongLong());
                    ::kill(backend, SIGSTOP);
                    wrong = judge([&] { run(archives, action); }, wait, server,
                                  ServerConnection::kAnswerBound, ServerConnection::kAnswerBound + 3s);
                    ::kill(backend, SIGCONT);
                } catch (const StorageError& error) {
                    wrong = QString::fromUtf8(error.what());
                }
                const QByteArray text = wrong.toUtf8();
                if (::write(report[1], text.constData(), std::size_t(text.size())) < 0)
                    ::_exit(2);
                ::_exit(0);
            }
            ::close(report[1]);
            stations.push_back({pid, report[0]});
        }
        QStringList wrongs;
        for (std::size_t i = 0; i < stations.size(); ++i) {
            QByteArray text;
            char buffer[512];
            for (ssize_t got; (got = ::read(stations[i].report, buffer, sizeof buffer)) > 0;)
                text.append(buffer, got);
            ::close(stations[i].report);
            int status = -1;
            ::waitpid(stations[i].pid, &status, 0);
            if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
                text += " (uscita anomala)";
            if (!text.isEmpty())
                wrongs.append(u"azione %1: "_s.arg(i) + QString::fromUtf8(text));
        }
        QVERIFY2(wrongs.isEmpty(), qPrintable(wrongs.join(u"; "_s)));

        // Once the stopped sessions have gone on and ended, the archives hold what they held, but for
        // the saved card, which the server may have written whole after all.
        ServerConnection& connection = ServerConnection::to(archives.uri());
        QTRY_COMPARE_WITH_TIMEOUT(
            connection
                .exec("SELECT count(*) FROM pg_stat_activity WHERE datname = current_database() AND "
                      "pid <> pg_backend_pid()")
                .value(0, 0)
                .toByteArray(),
            QByteArray("0"), 10000);
        const RecordFile clients(archives.clients(), SchedaCliente::layout);
        const QString first = clients.read(0).text(SchedaCliente::Cliente);
        QVERIFY2(first == u"Rossi Anna"_s || first == u"Rossi Anna Maria"_s, qPrintable(first));
        QByteArray after = archives.contents();
        if (first != u"Rossi Anna"_s)
            after.replace(
                0, SchedaCliente::layout.size(),
                TestRecords::make(SchedaCliente::layout, {{SchedaCliente::Cliente, u"Rossi Anna"_s}})
                    .bytes());
        QCOMPARE(after, before);
        run(archives, Action::Append);
        QCOMPARE(clients.count(), 3);
    }
};

QTEST_GUILESS_MAIN(TestServerWaits)
#include "TestServerWaits.moc"
