#pragma once

#include <QString>
#include <stdexcept>

// The one error every record-file and export failure surfaces as; screens turn it into their access message.
class StorageError : public std::runtime_error
{
public:
    StorageError(const QString& operation, const QString& path, int errorNumber = 0);

    QString operation() const { return m_operation; }
    QString path() const { return m_path; }
    int errorNumber() const { return m_errorNumber; }

private:
    QString m_operation;
    QString m_path;
    int m_errorNumber;
};
