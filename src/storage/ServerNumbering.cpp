#include "storage/ServerNumbering.h"

#include "storage/ServerConnection.h"

#include <algorithm>

ServerNumbering ServerNumbering::of(ServerConnection& connection, const QString& table, bool counted,
                                    const QString& archive)
{
    ServerNumbering numbering;
    const QByteArray quoted = '"' + table.toUtf8() + '"';
    // The row count kept by the table's triggers where it has them, else the rows counted now.
    const QByteArray rows =
        counted ? "coalesce((SELECT righe FROM telvara_righe WHERE tabella = $1), (SELECT count(*) FROM " + quoted +
                      "))"
                : "(SELECT count(*) FROM " + quoted + " WHERE $1::text IS NOT NULL)";
    const QByteArray totals = "SELECT " + rows + ", coalesce((SELECT min(numero) FROM " + quoted +
                              "), 1), coalesce((SELECT max(numero) FROM " + quoted + "), 0)";
    const ServerResult figures =
        connection.exec(totals.constData(), {ServerParameter::text(table.toUtf8())}, false, archive);
    numbering.m_count = figures.value(0, 0).toByteArray().toLongLong();
    const qint64 first = figures.value(0, 1).toByteArray().toLongLong();
    numbering.m_last = figures.value(0, 2).toByteArray().toLongLong();
    if (first == 1 && numbering.m_last == numbering.m_count) {
        numbering.m_runs.append({1, 0});
        return numbering;
    }
    // Numbers with gaps, or none: where each run starts, and how many rows there are, read together.
    const QByteArray runs =
        "SELECT numero, position, total FROM (SELECT numero, lag(numero) OVER byNumber AS before, "
        "row_number() OVER byNumber - 1 AS position, count(*) OVER () AS total FROM " +
        quoted +
        " WINDOW byNumber AS (ORDER BY numero)) numbers "
        "WHERE before IS NULL OR numero <> before + 1 ORDER BY numero";
    const ServerResult starts = connection.exec(runs.constData(), {}, false, archive);
    numbering.m_count = starts.rows() > 0 ? starts.value(0, 2).toByteArray().toLongLong() : 0;
    for (int row = 0; row < starts.rows(); ++row)
        numbering.m_runs.append({starts.value(row, 0).toByteArray().toLongLong(),
                                 starts.value(row, 1).toByteArray().toLongLong()});
    return numbering;
}

qint64 ServerNumbering::numeroAt(qint64 index) const
{
    const auto after = std::upper_bound(m_runs.cbegin(), m_runs.cend(), index,
                                        [](qint64 wanted, const Run& run) { return wanted < run.index; });
    if (after == m_runs.cbegin())
        return index + 1;
    const Run& run = *std::prev(after);
    return run.numero + (index - run.index);
}

qint64 ServerNumbering::indexOf(qint64 numero) const
{
    const auto after = std::upper_bound(m_runs.cbegin(), m_runs.cend(), numero,
                                        [](qint64 wanted, const Run& run) { return wanted < run.numero; });
    if (after == m_runs.cbegin())
        return numero - 1;
    const Run& run = *std::prev(after);
    return run.index + (numero - run.numero);
}

QList<std::pair<qint64, qint64>> ServerNumbering::gaps() const
{
    QList<std::pair<qint64, qint64>> missing;
    qint64 expected = 1; // the number that follows the run before
    for (qsizetype i = 0; i < m_runs.size(); ++i) {
        const Run& run = m_runs[i];
        if (run.numero > expected)
            missing.append({expected, run.numero - 1});
        const qint64 length = (i + 1 < m_runs.size() ? m_runs[i + 1].index : m_count) - run.index;
        expected = std::max(expected, run.numero + length);
    }
    return missing;
}
