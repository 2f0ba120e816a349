#include "checks/AttachmentName.h"

#include "storage/Windows1252.h"

#include <algorithm>
#include <QHash>

using namespace Qt::StringLiterals;

namespace {

// The most bytes a file name takes on the file systems the folder lives on.
constexpr qsizetype kFileSystemBytes = 255;

const QHash<char16_t, QString>& latinLetters()
{
    static const QHash<char16_t, QString> letters = [] {
        QHash<char16_t, QString> table;
        const std::pair<const char16_t*, const char*> rows[] = {
            // Cyrillic; the letters written with more than one below.
            {u"абвгдезийклмнопрстуфыэ", "abvgdezijklmnoprstufye"},
            // Greek.
            {u"αβγδεζηικλμνξοπρστυφχωάέήίόύώς", "abgdezeiklmnxoprstyfhoaeeioyos"},
        };
        for (const auto& [from, to] : rows)
            for (qsizetype i = 0; to[i] != 0 && from[i] != 0; ++i)
                table.insert(from[i], QString(QLatin1Char(to[i])));
        // clang-format off
        const std::pair<char16_t, const char*> longer[] = {
            {u'ё', "e"},  {u'ж', "zh"}, {u'х', "kh"}, {u'ц', "ts"}, {u'ч', "ch"},  {u'ш', "sh"},
            {u'щ', "shch"}, {u'ю', "yu"}, {u'я', "ya"}, {u'ь', ""},  {u'ъ', ""},    {u'є', "ye"},
            {u'і', "i"},  {u'ї', "yi"}, {u'ґ', "g"},  {u'ў', "u"},  {u'ђ', "dj"},  {u'ј', "j"},
            {u'љ', "lj"}, {u'њ', "nj"}, {u'ћ', "c"},  {u'џ', "dz"}, {u'θ', "th"},  {u'ψ', "ps"},
            // Latin letters with strokes, which no decomposition takes apart.
            {u'ł', "l"},  {u'đ', "d"},  {u'ħ', "h"},  {u'ı', "i"},
        };
        // clang-format on
        for (const auto& [from, to] : longer)
            table.insert(from, QString::fromLatin1(to));
        return table;
    }();
    return letters;
}

bool holds(char32_t c)
{
    // A control character is no part of a name a person reads, even where the code page has a byte.
    if (c < 0x20 || (c >= 0x7F && c < 0xA0))
        return false;
    return c == U'?' || Windows1252::fromUnicode(c) != '?';
}

// One character as the code page can write it: itself, its letter without accents, its Latin spelling,
// or nothing.
QString written(char32_t c)
{
    if (holds(c))
        return QString::fromUcs4(&c, 1);
    const QString decomposed = QString::fromUcs4(&c, 1).normalized(QString::NormalizationForm_KD);
    QString base;
    for (const QChar part : decomposed)
        if (part.category() != QChar::Mark_NonSpacing && holds(part.unicode()))
            base += part;
    if (!base.isEmpty() && decomposed.size() > 1)
        return base;
    if (c <= 0xFFFF) {
        const char16_t lower = QChar(char16_t(c)).toLower().unicode();
        const auto latin = latinLetters().constFind(lower);
        if (latin != latinLetters().cend()) {
            if (lower != c && !latin->isEmpty())
                return latin->left(1).toUpper() + latin->mid(1);
            return *latin;
        }
    }
    return {};
}

// Where the extension starts ("." included), or the end when there is none worth keeping.
qsizetype extensionAt(const QString& name)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot > 0 && name.size() - dot <= 10 ? dot : name.size();
}

qsizetype fileSystemBytes(const QString& name)
{
    return name.toUtf8().size();
}

// The stem cut so that stem + tail fits width characters and the file system's bytes.
QString fitted(QString stem, const QString& tail, int width)
{
    stem.truncate(qMax(0, width - int(tail.size())));
    while (!stem.isEmpty() && fileSystemBytes(stem + tail) > kFileSystemBytes)
        stem.chop(1);
    return stem.trimmed() + tail;
}

} // namespace

namespace AttachmentName {

QString storable(const QString& name, int width)
{
    QString kept;
    bool replaced = false;
    for (const char32_t c : name.toUcs4()) {
        const QString letters = written(c);
        if (letters.isEmpty()) {
            if (!kept.endsWith(u'_'))
                kept += u'_';
            replaced = true;
        } else {
            kept += letters;
        }
    }
    const qsizetype dot = extensionAt(kept);
    QString stem = kept.left(dot);
    const QString extension = kept.mid(dot);
    // A name made only of what could not be written says at least what it is.
    if (replaced && !std::any_of(stem.cbegin(), stem.cend(), [](QChar c) { return c.isLetterOrNumber(); }))
        stem = u"allegato"_s;
    const QString whole = stem + extension;
    if (whole.size() <= width && fileSystemBytes(whole) <= kFileSystemBytes)
        return whole;
    return fitted(stem, extension, width);
}

QString unique(const QString& storableName, int width, const std::function<bool(const QString&)>& taken)
{
    if (!taken(storableName))
        return storableName;
    const qsizetype dot = extensionAt(storableName);
    const QString stem = storableName.left(dot);
    const QString extension = storableName.mid(dot);
    for (int n = 2;; ++n) {
        const QString candidate = fitted(stem, u" (%1)"_s.arg(n) + extension, width);
        if (!taken(candidate))
            return candidate;
    }
}

} // namespace AttachmentName
