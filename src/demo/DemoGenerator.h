#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <vector>

class DemoRandom;

// How many records of each archive a demo run appends, for which year and from which seed.
struct DemoOptions
{
    int clients = 200;
    int staff = 20;
    int products = 60;
    int calls = 1500;
    int sales = 400;
    int appointments = 300;
    // The year of the call, sale and appointment files.
    int year = 2024;
    quint64 seed = 1;
    // Imminent appointments and contracts due are placed around this day; the current date when unset.
    QDate today;
};

// Appends realistic demo archives to a program folder through the record files. The same options and
// the same folder contents give the same bytes.
class DemoGenerator
{
public:
    struct Written
    {
        QString fileName;
        qint64 records;
    };

    explicit DemoGenerator(const DemoOptions& options);

    // Calls, sales and appointments refer to the clients this run writes or, when it writes none, to
    // those already in Clienti.pro; with no client at all they are not written. Returns written().
    // Throws StorageError, and stops, at the first file that cannot be written.
    QList<Written> writeTo(const QString& folder);

    // The records the last run appended to each file it reached, also after it failed part-way: records
    // go in batches that are each written whole or cut back, so the file it failed on keeps its earlier
    // batches. When the cut-back fails too (StorageError::cutBackFailed), that file may also keep part of
    // the failed batch.
    const QList<Written>& written() const { return m_written; }

    // The clients the last run's registers could refer to.
    qsizetype clientCount() const { return static_cast<qsizetype>(m_clients.size()); }

    // The people and firms the registers refer to: the fields a client picker copies.
    struct ClientRef
    {
        QString cliente;
        QString codFisc;
        QString zona;
        QString recapito;
        QString telCel;
        QString email;
        QString estremi;
        QString questioni;
    };

private:
    void writeClients(const QString& path);
    void readClients(const QString& path);
    void writeStaff(const QString& path);
    void writeProducts(const QString& path);
    void writeCalls(const QString& path);
    void writeSales(const QString& path);
    void writeAppointments(const QString& path);
    // A client and an operator the registers refer to, drawn from the record's own stream.
    const ClientRef& anyClient(DemoRandom& random) const;
    QString anyOperator(DemoRandom& random) const;

    DemoOptions m_options;
    std::vector<ClientRef> m_clients;
    QList<QString> m_operators;
    QList<Written> m_written;
};
