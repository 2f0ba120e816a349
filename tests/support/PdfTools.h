#pragma once

#include <QList>
#include <QMap>
#include <QString>

// Reads PDF files back with poppler's tools, as a person opening them would see them.
namespace PdfTools {

// True when pdftotext and pdfinfo can be run.
bool available();
// The text of every page, in reading order (pdftotext -layout).
QString text(const QString& path);
// The document information as pdfinfo prints it: "Title", "Subject", "Author", "Creator", "Pages"...
QMap<QString, QString> info(const QString& path);

struct Bookmark
{
    QString title;
    int page; // from 1
};
// The bookmarks a reader shows beside the pages, in their order (pdftohtml -xml).
QList<Bookmark> bookmarks(const QString& path);

} // namespace PdfTools
