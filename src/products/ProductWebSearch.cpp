#include "products/ProductWebSearch.h"

#include <QUrl>
#include <QUrlQuery>

using namespace Qt::StringLiterals;

namespace ProductWebSearch {

QString address(const QString& brand, const QString& model)
{
    const QString words = brand.trimmed() + u' ' + model.trimmed();
    // QUrlQuery leaves "+" alone, which engines read as a blank: the value goes in already encoded.
    QUrlQuery query;
    query.addQueryItem(u"q"_s, QString::fromLatin1(QUrl::toPercentEncoding(words)));
    QUrl url(u"https://www.google.com/search"_s);
    url.setQuery(query);
    return url.toString(QUrl::FullyEncoded);
}

} // namespace ProductWebSearch
