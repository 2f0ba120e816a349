#pragma once

#include "storage/StagedArchives.h"

#include <QStringList>

// Archives copied onto a PostgreSQL server: written into tables of names of their own, then renamed to
// the archives' names in one transaction, so that the server shows all of them or none. Tables that an
// interrupted copy left are dropped by the next copy.
class StagedTables : public StagedArchives
{
public:
    // Drops what interrupted copies left on the server at uri. Throws StorageError.
    explicit StagedTables(const QString& uri);
    // Drops this copy's tables when it was not published.
    ~StagedTables() override;
    StagedTables(const StagedTables&) = delete;
    StagedTables& operator=(const StagedTables&) = delete;

    std::unique_ptr<RecordStore> open(const QString& fileName, const QString& table,
                                      const RecordLayout& layout) override;
    void publish() override;

private:
    QString m_uri;
    QString m_prefix;
    QStringList m_tables;
    bool m_published = false;
};
