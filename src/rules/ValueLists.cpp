#include "rules/ValueLists.h"

namespace ValueLists {
namespace {

QStringList numbered(int first, int last)
{
    QStringList list;
    for (int n = first; n <= last; ++n)
        list.append(QString::number(n).rightJustified(2, u'0'));
    return list;
}

} // namespace

const QStringList& days()
{
    static const QStringList list = numbered(1, 31);
    return list;
}

const QStringList& hours()
{
    static const QStringList list = numbered(0, 23);
    return list;
}

const QStringList& minutes()
{
    static const QStringList list = numbered(0, 59);
    return list;
}

const QStringList& monthNames()
{
    static const QStringList list = {
        QStringLiteral("Gennaio"), QStringLiteral("Febbraio"), QStringLiteral("Marzo"),
        QStringLiteral("Aprile"),  QStringLiteral("Maggio"),   QStringLiteral("Giugno"),
        QStringLiteral("Luglio"),  QStringLiteral("Agosto"),   QStringLiteral("Settembre"),
        QStringLiteral("Ottobre"), QStringLiteral("Novembre"), QStringLiteral("Dicembre"),
    };
    return list;
}

const QStringList& provinces()
{
    static const QStringList list =
        QStringLiteral("AG AL AN AO AP AQ AR AT AV BA BG BI BL BN BO BR BS BT BZ CA CB CE CH CI CL CN CO "
                       "CR CS CT CZ EE EN FC FE FG FI FM FO FR GE GO GR IM IS KR LC LE LI LO LT LU MB MC "
                       "MD ME MI MN MO MS MT NA NO NU OG OR OT PA PC PD PE PG PI PN PO PR PT PU PV PZ RA "
                       "RC RE RG RI RM RN RO SA SI SO SP SR SS SV TA TE TN TO TP TR TS TV UD VA VB VC VE "
                       "VI VR VT VV")
            .split(u' ');
    return list;
}

QString monthName(int month)
{
    return month >= 1 && month <= 12 ? monthNames().at(month - 1) : QString();
}

QString monthNumber(QStringView name)
{
    for (int i = 0; i < 12; ++i)
        if (name.compare(monthNames().at(i), Qt::CaseInsensitive) == 0)
            return QString::number(i + 1).rightJustified(2, u'0');
    return {};
}

} // namespace ValueLists
