#pragma once

#include "storage/RecordLayout.h"
#include "storage/TextField.h"

#include <QByteArray>
#include <QString>

// A read-only look at one record's bytes (inside a scan buffer or a Record).
class RecordView
{
public:
    RecordView(const RecordLayout& layout, const char* bytes) : m_layout(&layout), m_bytes(bytes) {}

    const RecordLayout& layout() const { return *m_layout; }
    const char* bytes() const { return m_bytes; }

    // The field's stored bytes, clamped to its width; not decoded, not trimmed.
    QByteArrayView raw(int field) const
    {
        return TextField::rawText(m_bytes + m_layout->offset(field), m_layout->width(field));
    }
    // The field's text, decoded and trimmed.
    QString text(int field) const;

private:
    const RecordLayout* m_layout;
    const char* m_bytes;
};

// One record buffer of a record type: the bytes as they go to disk.
class Record
{
public:
    // A record of empty fields, every byte zero.
    explicit Record(const RecordLayout& layout);
    // Takes the bytes of one whole record.
    Record(const RecordLayout& layout, QByteArray bytes);

    const RecordLayout& layout() const { return *m_layout; }
    const QByteArray& bytes() const { return m_bytes; }
    RecordView view() const { return RecordView(*m_layout, m_bytes.constData()); }

    QByteArrayView raw(int field) const { return view().raw(field); }
    QString text(int field) const { return view().text(field); }
    void setText(int field, QStringView text);

private:
    const RecordLayout* m_layout;
    QByteArray m_bytes;
};
