#pragma once

#include <QString>

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
    void loadSqlite();
    void closeSqlite();
};
