#pragma once

#include <QString>
#include <QUrl>

// How a target of the "open" action becomes the address the desktop opens.
namespace ShellTarget {

// The target without the double quotes that enclose it, if any.
QString unquoted(const QString& target);

// A "mailto:" link keeps its address and every query value exactly as written (each value is
// percent-encoded whole, so blanks, commas and accents reach the mail program unchanged); a web
// address stays as it is; anything else is a local file or folder.
QUrl url(const QString& target);

} // namespace ShellTarget
