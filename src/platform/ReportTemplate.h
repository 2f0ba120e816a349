#pragma once

#include <QByteArray>
#include <QList>
#include <QRectF>
#include <QString>
#include <QtGlobal>

// Page templates are measured in report units, 1/96 inch; layouts given in millimetres convert here.
namespace ReportUnits {
inline constexpr double perMm = 96.0 / 25.4;
constexpr double fromMm(double mm)
{
    return mm * perMm;
}
inline QRectF rectFromMm(double left, double top, double width, double height)
{
    return {fromMm(left), fromMm(top), fromMm(width), fromMm(height)};
}
} // namespace ReportUnits

// Colours as 0xAARRGGBB, kept headless; alpha 0 means nothing is painted.
namespace ReportColor {
inline constexpr quint32 none = 0;
constexpr quint32 rgb(quint32 value)
{
    return 0xFF000000u | value;
}
inline constexpr quint32 black = rgb(0x000000);
inline constexpr quint32 white = rgb(0xFFFFFF);
inline constexpr quint32 darkOrange = rgb(0xFF8C00);
inline constexpr quint32 teal = rgb(0x008080);
inline constexpr quint32 slateGrey = rgb(0x708090);
inline constexpr quint32 lightSteelBlue = rgb(0xB0C4DE);
inline constexpr quint32 gold = rgb(0xFFD700);
} // namespace ReportColor

struct ReportFont
{
    QString family = QStringLiteral("Arial");
    double pointSize = 10;
    bool bold = false;
};

// One named object of a page: a text box, a straight line or a picture.
struct ReportElement
{
    enum class Kind { Text, Line, Picture };

    Kind kind = Kind::Text;
    QString name;
    // Position inside its band, in report units. A line runs from the top-left to the bottom-right corner
    // (a horizontal line has height 0).
    QRectF rect;

    // Text boxes.
    QString text;
    ReportFont font;
    quint32 color = ReportColor::black;
    quint32 background = ReportColor::none;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool wordWrap = false;
    // Distance between the baselines of consecutive text lines; 0 takes the font's own spacing. Lists
    // use a fixed pitch so that their box height is known before printing.
    double linePitch = 0;
    // Blank kept between the frame and the text on the left and right.
    double padding = 4;
    // A border around the box; 0 draws none.
    double frameWidth = 0;
    quint32 frameColor = ReportColor::black;

    // Lines (and frames) width in report units.
    double lineWidth = 1;

    // Pictures: a file or resource path, or the encoded picture itself (SVG or any raster format).
    QString source;
    QByteArray data;
};

// A horizontal strip of the page holding elements positioned relative to its top left.
struct ReportBand
{
    enum class Kind {
        Page,       // the whole printable area, drawn on every page (single-page cards)
        Title,      // once, at the top of the first page
        Data,       // flows after the title, page after page
        PageFooter, // at the bottom of every page
    };

    Kind kind = Kind::Page;
    double height = 0;
    // A band taller than the room left may continue on the next page, cut between text lines.
    bool canSplit = false;
    QList<ReportElement> elements;

    ReportElement& addText(const QString& name, const QRectF& rect, const ReportFont& font);
    ReportElement& addLine(const QString& name, const QPointF& from, const QPointF& to);
    ReportElement& addPicture(const QString& name, const QRectF& rect, const QString& source);
    // The lowest bottom edge of the elements, where the band's content ends.
    double contentBottom() const;
};

// A page template: paper, margins, bands of named elements, and the document's descriptive fields.
// Filled by element name, then rendered by the painter to a printer, the preview or a PDF file.
class ReportTemplate
{
public:
    enum class Orientation { Portrait, Landscape };

    explicit ReportTemplate(const QString& name = {});

    QString name() const { return m_name; }

    // A4 in the given orientation, with the same margin on every side.
    void setPageA4(Orientation orientation, double marginMm);
    Orientation orientation() const { return m_orientation; }
    void setOrientation(Orientation orientation) { m_orientation = orientation; }
    // Paper size in millimetres as the page is turned.
    QSizeF paperSizeMm() const;
    double marginMm() const { return m_marginMm; }
    // The printable area, in report units.
    QSizeF printableSize() const;

    // Document fields written into PDF files.
    QString title() const { return m_title; }
    void setTitle(const QString& title) { m_title = title; }
    QString subject() const { return m_subject; }
    void setSubject(const QString& subject) { m_subject = subject; }
    QString author() const { return m_author; }
    void setAuthor(const QString& author) { m_author = author; }
    QString creator() const { return m_creator; }
    void setCreator(const QString& creator) { m_creator = creator; }

    ReportBand& addBand(ReportBand::Kind kind, double height);
    const QList<ReportBand>& bands() const { return m_bands; }
    ReportBand* band(ReportBand::Kind kind);
    const ReportBand* band(ReportBand::Kind kind) const;

    // Elements by name, whatever their band; nullptr when there is none of that name.
    ReportElement* element(const QString& name);
    const ReportElement* element(const QString& name) const;
    // The text of a text box; empty for an unknown name.
    QString text(const QString& name) const;
    // Writes a text box's text; false when there is no element of that name.
    bool setText(const QString& name, const QString& text);

private:
    QString m_name;
    Orientation m_orientation = Orientation::Portrait;
    double m_marginMm = 10;
    QString m_title;
    QString m_subject;
    QString m_author = QStringLiteral("Telvara");
    QString m_creator = QStringLiteral("Telvara");
    QList<ReportBand> m_bands;
};
