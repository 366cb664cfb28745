#include "platform/linux/zone_offset_memo.h"

#include <QDateTime>
#include <QTimeZone>

#include <limits>

namespace kelvaro {

int ZoneOffsetMemo::offsetAt(const QTimeZone& zone, std::time_t utc) {
    if (known_ && utc >= from_ && utc < until_) return offset_;
    const QDateTime at = QDateTime::fromSecsSinceEpoch(utc, Qt::UTC);
    offset_ = zone.offsetFromUtc(at);
    from_ = utc;
    until_ = utc + 1; // a zone that cannot name its next change is asked each second
    if (zone.hasTransitions()) {
        const QDateTime next = zone.nextTransition(at).atUtc;
        until_ = next.isValid() ? static_cast<std::time_t>(next.toSecsSinceEpoch())
                                : std::numeric_limits<std::time_t>::max();
    } else if (!zone.hasDaylightTime()) {
        until_ = std::numeric_limits<std::time_t>::max(); // a fixed offset
    }
    if (until_ <= utc) until_ = utc + 1;
    known_ = true;
    return offset_;
}

} // namespace kelvaro
