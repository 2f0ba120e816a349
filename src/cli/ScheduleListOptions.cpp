#include "cli/ScheduleListOptions.h"

#include "rules/DateText.h"
#include "rules/ValueLists.h"

#include <QRegularExpression>

bool namesScheduleList(const CommandOptions& options)
{
    return options.has(QStringLiteral("giorno")) || options.has(QStringLiteral("mese")) ||
           options.has(QStringLiteral("imminenti"));
}

std::optional<ScheduleListChoice> scheduleListChoice(const CommandOptions& options, QTextStream& err)
{
    const int named = int(options.has(QStringLiteral("giorno"))) + int(options.has(QStringLiteral("mese"))) +
                      int(options.has(QStringLiteral("imminenti")));
    if (named != 1) {
        err << "Indicare una sola fra --giorno GG/MM, --mese NOME e --imminenti\n";
        return std::nullopt;
    }
    QDate today = QDate::currentDate();
    if (options.has(QStringLiteral("oggi"))) {
        const std::optional<QDate> given = DateText::parse(options.value(QStringLiteral("oggi")));
        if (!given) {
            err << "Data non valida (GG/MM/AAAA): " << options.value(QStringLiteral("oggi")) << '\n';
            return std::nullopt;
        }
        today = *given;
    }
    static const QRegularExpression fourDigits(QStringLiteral("^[0-9]{4}$"));
    const QString year = options.value(QStringLiteral("anno"));
    if (options.has(QStringLiteral("imminenti"))) {
        if (options.has(QStringLiteral("anno")) && year != today.toString(QStringLiteral("yyyy"))) {
            err << "Le scadenze imminenti sono quelle dell'anno in corso: "
                << today.toString(QStringLiteral("yyyy")) << '\n';
            return std::nullopt;
        }
        return ScheduleListChoice{ScheduleGrid::List::Imminent, today};
    }
    if (!fourDigits.match(year).hasMatch()) {
        err << "Indicare l'anno con quattro cifre: --anno AAAA\n";
        return std::nullopt;
    }
    if (options.has(QStringLiteral("giorno"))) {
        const QString day = options.value(QStringLiteral("giorno"));
        const std::optional<QDate> date = DateText::parse(QString(day + u'/' + year));
        if (!date) {
            err << "Giorno non valido (GG/MM): " << day << '\n';
            return std::nullopt;
        }
        return ScheduleListChoice{ScheduleGrid::List::Day, *date};
    }
    const QString month = ValueLists::monthNumber(options.value(QStringLiteral("mese")));
    if (month.isEmpty()) {
        err << "Mese sconosciuto: " << options.value(QStringLiteral("mese")) << '\n';
        return std::nullopt;
    }
    return ScheduleListChoice{ScheduleGrid::List::Month, QDate(year.toInt(), month.toInt(), 1)};
}
