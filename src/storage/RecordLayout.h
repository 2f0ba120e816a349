#pragma once

#include <QLatin1StringView>
#include <array>
#include <span>
#include <string_view>

// One text field of a record: its name and its width N (N + 1 bytes on disk, the length byte first).
struct FieldSpec
{
    std::string_view name;
    int width;
};

// The fields of a record type in their fixed order; offsets and size are computed at compile time.
class RecordLayout
{
public:
    static constexpr int kMaxFields = 64;

    template <std::size_t N>
    constexpr explicit RecordLayout(const FieldSpec (&fields)[N]) : m_fields(fields, N)
    {
        static_assert(N <= kMaxFields);
        int offset = 0;
        for (std::size_t i = 0; i < N; ++i) {
            m_offsets[i] = offset;
            offset += fields[i].width + 1;
        }
        m_size = offset;
    }

    constexpr int size() const { return m_size; }
    constexpr int fieldCount() const { return static_cast<int>(m_fields.size()); }
    constexpr const FieldSpec& field(int index) const { return m_fields[index]; }
    constexpr int width(int index) const { return m_fields[index].width; }
    // Offset of the field's length byte from the start of the record.
    constexpr int offset(int index) const { return m_offsets[index]; }

    // Index of the named field, or -1.
    constexpr int indexOf(std::string_view name) const
    {
        for (int i = 0; i < fieldCount(); ++i)
            if (m_fields[i].name == name)
                return i;
        return -1;
    }

    QLatin1StringView name(int index) const
    {
        return QLatin1StringView(m_fields[index].name.data(), qsizetype(m_fields[index].name.size()));
    }

private:
    std::span<const FieldSpec> m_fields;
    std::array<int, kMaxFields> m_offsets{};
    int m_size = 0;
};
