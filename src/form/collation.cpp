#include "form/collation.h"

#include <QCollator>
#include <QLocale>

namespace xj::collation {

namespace {
const QCollator& collator() {
    static const QCollator c = [] {
        QCollator made(QLocale(QLocale::Chinese, QLocale::China));
        made.setCaseSensitivity(Qt::CaseInsensitive);
        return made;
    }();
    return c;
}
} // namespace

int compare(const QString& a, const QString& b) {
    return collator().compare(a, b);
}

QCollatorSortKey key(const QString& text) {
    return collator().sortKey(text);
}

} // namespace xj::collation
