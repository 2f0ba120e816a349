#pragma once

#include <functional>
#include <QString>

struct DemoOptions;

struct sqlite3;

// The large archives every measure works on, generated once per run in a temporary folder, and the
// same clients loaded into SQLite for the peer's measures.
struct BenchArchives
{
    QString folder;
    QString clients;
    QString calls;
    QString products;
    QString staff;
    QString sales;
    QString appointments;
    int clientCount = 0;
    int callCount = 0;
    double generationSeconds = 0;
    double sqliteLoadSeconds = 0;
    sqlite3* sqlite = nullptr;

    // Writes Clienti.pro and a call year file through the demo generator; with reuse, archives already
    // in the folder with these record counts are kept as they are (repeated runs while profiling).
    void generate(const QString& folder, int clients, int calls, bool reuse);
    // Loads every client, all 36 fields as text, into the table "clienti" of a database in the folder.
    // Writes Magazzino.pro, count product cards, through the demo generator (about one in five at or
    // below its low-stock threshold); with reuse, a file with that many records is kept.
    void generateProducts(int count, bool reuse);
    // Writes Dipendenti.pro, count operator cards, through the demo generator (about one contract in four
    // due on the bench's day).
    void generateStaff(int count, bool reuse);
    // Writes the year's sale file, count sales spread over its working days, for the clients written by
    // generate().
    void generateSales(int count, bool reuse);
    // Writes the year's schedule file, count appointments on random days of it, none placed on purpose
    // near the bench's day.
    void generateAppointments(int count, bool reuse);
    void loadSqlite();
    void closeSqlite();

private:
    // Writes one archive at path through the demo generator, with every count but the one `counted`
    // sets at zero; with reuse, a file already holding that many records of recordSize is kept.
    void generateOne(const QString& path, qint64 records, qsizetype recordSize, bool reuse,
                     const std::function<void(DemoOptions&)>& counted) const;
};
