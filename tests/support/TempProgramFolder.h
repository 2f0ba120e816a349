#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A fresh, empty program folder for one test, installed as the program folder while it lives.
class TempProgramFolder
{
public:
    TempProgramFolder();
    ~TempProgramFolder();

    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const;

    QByteArray readAll(const QString& name) const;
    void writeAll(const QString& name, const QByteArray& bytes) const;

private:
    QTemporaryDir m_dir;
    QString m_previous;
};
