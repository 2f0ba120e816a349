#pragma once

#include <QtGlobal>

// Where a long scan reports, a slice of records at a time, how far it has read, and learns whether to
// go on: a window shows it and lets the operator stop it.
class ScanProgress
{
public:
    virtual ~ScanProgress() = default;

    // Called after every slice with the records read so far and the records in the archive; false stops
    // the scan.
    virtual bool proceed(qint64 read, qint64 total) = 0;

    // Counts the records a scan visits and asks progress, when there is one, at the end of each slice.
    class Counter
    {
    public:
        Counter(ScanProgress* progress, qint64 total) : m_progress(progress), m_total(total) {}

        // After each record: false once the scan is to stop.
        bool next()
        {
            if (++m_read % kSliceRecords != 0 || !m_progress)
                return true;
            m_stopped = !m_progress->proceed(m_read, m_total);
            return !m_stopped;
        }
        bool stopped() const { return m_stopped; }

    private:
        // A few milliseconds of work at the slowest visits: a window waits no longer for its events.
        static constexpr qint64 kSliceRecords = 1024;

        ScanProgress* m_progress;
        qint64 m_total;
        qint64 m_read = 0;
        bool m_stopped = false;
    };
};
