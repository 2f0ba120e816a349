#pragma once

#include <QString>
#include <stdexcept>
#include <string>

// The one error every record-file and export failure surfaces as; screens turn it into their access message.
class StorageError : public std::runtime_error
{
public:
    StorageError(const QString& operation, const QString& path, int errorNumber = 0);
    // The same failure of a write whose cutting back to the file's old size failed too, with
    // cutBackErrorNumber: the file may keep part of what was being written.
    StorageError(const StorageError& failure, int cutBackErrorNumber);
    // A name that opens no regular file (a FIFO, a device, a socket): its records cannot be read, and
    // opening it for them must not wait on a writer. Says so as the archive check does.
    static StorageError notRegularFile(const QString& path);
    // A name that is a symbolic link: never followed, so that a link in a shared folder cannot lead a
    // write to a file outside it. Says so as the archive check does.
    static StorageError link(const QString& path);
    // A failure of the database server an archive is on, told with the server's name (never its password).
    static StorageError server(const QString& message, const QString& operation, const QString& archive);
    // A refusal told in the message's own words.
    static StorageError refused(const QString& message, const QString& operation, const QString& path);
    // "non è un file normale (FIFO, dispositivo o socket)".
    static QString notRegularFileText();
    // "è un collegamento, non un file normale".
    static QString linkText();

    QString operation() const { return m_operation; }
    QString path() const { return m_path; }
    int errorNumber() const { return m_errorNumber; }
    bool cutBackFailed() const { return m_cutBackErrorNumber != 0; }

private:
    StorageError(const std::string& description, const QString& operation, const QString& path);

    QString m_operation;
    QString m_path;
    int m_errorNumber;
    int m_cutBackErrorNumber = 0;
};
