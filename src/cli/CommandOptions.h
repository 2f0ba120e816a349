#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <optional>

// Options of the form "--name value" after a command's archive word, and flags "--name" without a value.
class CommandOptions
{
public:
    // Parses the arguments; says what is wrong on err and returns nothing when an option is unknown or
    // lacks its value.
    static std::optional<CommandOptions> parse(const QStringList& arguments, const QStringList& known,
                                               QTextStream& err, const QStringList& flags = {});

    bool has(const QString& name) const { return m_values.contains(name); }
    QString value(const QString& name) const { return m_values.value(name); }

private:
    QHash<QString, QString> m_values;
};
