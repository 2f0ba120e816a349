#include "screens/DateTimeBlock.h"

#include "platform/Messages.h"
#include "platform/Services.h"
#include "rules/DateText.h"
#include "screens/FormTexts.h"

using namespace Qt::StringLiterals;

namespace {

const QString kValidDate = u"Per poter salvare la scheda è necessario indicare una data valida."_s;

CardCheck twoDigits(const QString& control, const QString& message)
{
    return {[control](const FormTexts& form) { return form.text(control).trimmed().size() >= 2; }, message,
            control};
}

} // namespace

QList<CardCheck> DateTimeBlock::checks(const Warnings& warnings) const
{
    return {
        CardCheck::required(day, warnings.dayMissing),
        twoDigits(day, warnings.dayDigits),
        CardCheck::required(month, warnings.monthMissing),
        CardCheck::required(hour, warnings.hourMissing),
        CardCheck::required(minute, warnings.minuteMissing),
        twoDigits(hour, warnings.hourDigits),
        twoDigits(minute, warnings.minuteDigits),
    };
}

CardCheck DateTimeBlock::yearCheck() const
{
    const QString control = year;
    return {
        [control](const FormTexts& form) { return DateText::isYear(form.text(control)); },
        u"Attenzione: per salvare la scheda è necessario indicare l'anno solare utilizzando quattro cifre."_s,
        control};
}

bool DateTimeBlock::compose(FormTexts& form) const
{
    Messages& messages = Services::messages();
    form.setText(time, DateText::composeTime(form.text(hour).trimmed(), form.text(minute).trimmed()));
    const QString composed = DateText::composeFromParts(form.text(day).trimmed(), form.text(month).trimmed(),
                                                        form.text(year).trimmed());
    if (composed.isEmpty()) {
        messages.warning(u"Attenzione: selezionare il mese dal menu a cascata.\n\r\n\r"_s + kValidDate);
        form.focusControl(month);
        return false;
    }
    form.setText(date, composed);
    if (!DateText::parse(composed)) {
        messages.plain(u"Attenzione: la data "_s + composed + u" non esiste.\n\r\n\r"_s + kValidDate);
        form.focusControl(day);
        return false;
    }
    return true;
}

void DateTimeBlock::putToday(FormTexts& form) const
{
    form.setText(day, CardDefault::currentDay()());
    form.setText(month, CardDefault::currentMonth()());
}

void DateTimeBlock::putNow(FormTexts& form) const
{
    form.setText(hour, CardDefault::currentHour()());
    form.setText(minute, CardDefault::currentMinute()());
}
