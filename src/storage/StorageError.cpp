#include "storage/StorageError.h"

#include <cstring>
#include <QFileInfo>

namespace {
std::string describe(const QString& operation, const QString& path, int errorNumber)
{
    std::string text = operation.toStdString() + " " + path.toStdString();
    if (errorNumber != 0)
        text += ": " + std::string(std::strerror(errorNumber));
    return text;
}
} // namespace

StorageError::StorageError(const QString& operation, const QString& path, int errorNumber)
    : std::runtime_error(describe(operation, path, errorNumber)),
      m_operation(operation),
      m_path(path),
      m_errorNumber(errorNumber)
{
}

StorageError::StorageError(const StorageError& failure, int cutBackErrorNumber)
    : std::runtime_error(std::string(failure.what()) + "; cut back " + failure.path().toStdString() + ": " +
                         std::strerror(cutBackErrorNumber)),
      m_operation(failure.m_operation),
      m_path(failure.m_path),
      m_errorNumber(failure.m_errorNumber),
      m_cutBackErrorNumber(cutBackErrorNumber)
{
}

StorageError::StorageError(const std::string& description, const QString& operation, const QString& path)
    : std::runtime_error(description), m_operation(operation), m_path(path), m_errorNumber(0)
{}

StorageError StorageError::notRegularFile(const QString& path)
{
    return StorageError(
        (QFileInfo(path).fileName() + QStringLiteral(": ") + notRegularFileText()).toStdString(),
        QStringLiteral("open"), path);
}

StorageError StorageError::link(const QString& path)
{
    return StorageError((QFileInfo(path).fileName() + QStringLiteral(": ") + linkText()).toStdString(),
                        QStringLiteral("open"), path);
}

StorageError StorageError::server(const QString& message, const QString& operation, const QString& archive)
{
    return StorageError(message.toStdString(), operation, archive);
}

StorageError StorageError::refused(const QString& message, const QString& operation, const QString& path)
{
    return StorageError(message.toStdString(), operation, path);
}

QString StorageError::notRegularFileText()
{
    return QStringLiteral("non è un file normale (FIFO, dispositivo o socket)");
}

QString StorageError::linkText()
{
    return QStringLiteral("è un collegamento, non un file normale");
}
