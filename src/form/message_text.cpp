#include "form/message_text.h"

namespace xj {

QString quotedInMessage(const QString& text, int limit) {
    if (text.size() <= limit) return text;
    const QChar ellipsis(0x2026);
    int head = (limit - 1) / 2;
    int tail = limit - 1 - head;
    // Never split a surrogate pair: a half character would show as a box.
    if (text.at(head - 1).isHighSurrogate()) --head;
    if (text.at(text.size() - tail).isLowSurrogate()) --tail;
    return text.left(head) + ellipsis + text.right(tail);
}

} // namespace xj
