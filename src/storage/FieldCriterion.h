#pragma once

#include "storage/Record.h"

#include <bit>
#include <QByteArray>
#include <QStringView>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// One search criterion on one field: its text must occur in the field, compared without regard to case
// on the stored Windows-1252 bytes through the code page's lower-case table, so scans never decode a
// record. The text is taken as typed (lower-cased, not trimmed); an empty text never matches, nor does one
// holding a character the code page lacks.
class FieldCriterion
{
public:
    FieldCriterion(int field, QStringView text);

    int field() const { return m_field; }
    // The text looked for, in the code page's lower case; and whether no record can match it.
    const QByteArray& needle() const { return m_needle; }
    bool matchesNothing() const { return m_needle.isEmpty() || m_impossible; }

    // The criterion tied to one record layout, with all it needs for a record at hand, so that a scan's
    // loop, holding it by value, tests a record in a few instructions and the waits for the memory of
    // several records overlap. Valid while its criterion lives.
    class Probe
    {
    public:
        // A probe that matches nothing.
        Probe() = default;

        Q_ALWAYS_INLINE bool matches(const char* record) const
        {
            const auto* field = reinterpret_cast<const unsigned char*>(record) + m_offset;
            const int length = field[0] < m_width ? field[0] : m_width;
            const int last = length - m_length;
            if (last < 0)
                return false;
            const unsigned char* hay = field + 1;
            int start = 0;
#if defined(__SSE2__)
            if (m_paired) {
                // Sixteen positions at a time, keeping those whose byte is the needle's first (either
                // case) and whose next byte is its second: few false starts, so few branches taken the
                // wrong way. The loads may read past the field's text, never past the record.
                for (; start <= last && start + 17 <= m_room; start += 16) {
                    const __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i*>(hay + start));
                    const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(hay + start + 1));
                    const __m128i firsts =
                        _mm_or_si128(_mm_cmpeq_epi8(here, m_first[0]), _mm_cmpeq_epi8(here, m_first[1]));
                    const __m128i seconds =
                        _mm_or_si128(_mm_cmpeq_epi8(next, m_second[0]), _mm_cmpeq_epi8(next, m_second[1]));
                    auto candidates =
                        static_cast<unsigned>(_mm_movemask_epi8(_mm_and_si128(firsts, seconds)));
                    while (candidates != 0) {
                        const int at = start + std::countr_zero(candidates);
                        if (at > last)
                            return false;
                        if (occursAt(hay + at))
                            return true;
                        candidates &= candidates - 1;
                    }
                }
            }
#endif
            return findFrom(hay, start, last);
        }

    private:
        friend class FieldCriterion;
        // Whether the needle is at hay, whose first byte is known to match.
        bool occursAt(const unsigned char* hay) const;
        // The plain search from position start to last.
        bool findFrom(const unsigned char* hay, int start, int last) const;

        static constexpr int kNever = 256;
        int m_offset = 0; // of the field's length byte
        int m_width = 0;
        int m_room = 0;        // bytes from the field's text to the end of the record
        int m_length = kNever; // of the needle; kNever, longer than any field, for one that matches nothing
        const unsigned char* m_needle = nullptr;
#if defined(__SSE2__)
        // The bytes that lower to the needle's first and to its second (a byte and its other case, or
        // the byte twice), each repeated sixteen times; m_paired is false for a one-byte needle and
        // when one of the two has more than two such bytes.
        bool m_paired = false;
        __m128i m_first[2] = {};
        __m128i m_second[2] = {};
#endif
    };

    Probe probe(const RecordLayout& layout) const;
    bool matches(const RecordView& record) const
    {
        return probe(record.layout()).matches(record.bytes());
    }

private:
    int m_field;
    QByteArray m_needle;
    bool m_impossible = false;
};
