#include "storage/ServerRows.h"

#include "storage/Windows1252.h"

#include <cstring>

namespace ServerRows {

QByteArray column(const RecordLayout& layout, int field)
{
    return '"' + layout.name(field).toString().toLower().toUtf8() + '"';
}

bool fieldsHoldAll(const RecordView& record)
{
    const RecordLayout& layout = record.layout();
    for (int field = 0; field < layout.fieldCount(); ++field) {
        const char* bytes = record.bytes() + layout.offset(field);
        const int width = layout.width(field);
        const int length = static_cast<unsigned char>(bytes[0]);
        if (length > width || std::memchr(bytes + 1, 0, std::size_t(length)))
            return false;
        for (int i = length; i < width; ++i)
            if (bytes[1 + i] != 0)
                return false;
    }
    return true;
}

QByteArray columnText(const RecordView& record, int field)
{
    QByteArray text = record.raw(field).toByteArray();
    text.removeIf([](char c) { return c == 0; });
    return Windows1252::decode(text).toUtf8();
}

void writeField(char* field, int width, QByteArrayView utf8)
{
    int length = 0;
    for (qsizetype i = 0; i < utf8.size() && length < width;) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        char32_t ch = lead;
        int more = 0;
        if (lead >= 0xF0)
            ch = lead & 0x07, more = 3;
        else if (lead >= 0xE0)
            ch = lead & 0x0F, more = 2;
        else if (lead >= 0xC0)
            ch = lead & 0x1F, more = 1;
        ++i;
        for (; more > 0 && i < utf8.size(); --more, ++i)
            ch = (ch << 6) | (static_cast<unsigned char>(utf8[i]) & 0x3F);
        field[1 + length++] = static_cast<char>(ch < 0x80 ? static_cast<unsigned char>(ch)
                                                          : Windows1252::fromUnicode(ch));
    }
    field[0] = static_cast<char>(length);
    std::memset(field + 1 + length, 0, std::size_t(width - length));
}

} // namespace ServerRows
