#pragma once

#include <QString>
#include <QStringList>

// What a help window shows: a title naming the screen and a text of paragraphs separated by one
// empty line (carriage return, line feed, carriage return, line feed).
struct HelpTopic
{
    QString title;
    QString text;

    static HelpTopic fromParagraphs(const QString& title, const QStringList& paragraphs);
    QStringList paragraphs() const;
};
