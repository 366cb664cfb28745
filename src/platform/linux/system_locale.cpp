#include "platform/linux/system_locale.h"

#include <QLocale>
#include <QString>

namespace kelvaro {

namespace {

bool isPatternLetter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// The literal character right after the first of the given fields: ":" in "h:mm", "." in "dd.MM.yy".
QString separatorAfter(const QString& pattern, const QString& fields, QString fallback) {
    qsizetype i = 0;
    while (i < pattern.size() && !fields.contains(pattern[i]))
        ++i;
    while (i < pattern.size() && fields.contains(pattern[i]))
        ++i;
    if (i >= pattern.size() || isPatternLetter(pattern[i]) || pattern[i] == u'\'' || pattern[i].isSpace())
        return fallback;
    return QString(pattern[i]);
}

// Qt's pattern language turned into the framework's: M is the month, m the minute (written n so
// it never reads as a month), AP/ap the designator, the separators become "/" and ":", and every
// other literal is quoted so its letters are not taken as fields.
std::string convertPattern(const QString& qt, const QString& dateSep, const QString& timeSep) {
    QString out;
    QString literal;
    bool lastFieldDropped = false;
    auto flushLiteral = [&] {
        if (out.isEmpty()) literal = literal.trimmed();
        if (!literal.isEmpty()) out += u'"' + literal + u'"';
        literal.clear();
    };
    qsizetype i = 0;
    while (i < qt.size()) {
        const QChar c = qt[i];
        if (c == u'\'') {
            const qsizetype end = qt.indexOf(u'\'', i + 1);
            if (end == i + 1) {
                literal += u'\'';
                i += 2;
                continue;
            }
            literal +=
                qt.mid(i + 1, end < 0 ? -1 : end - i - 1).replace(QStringLiteral("''"), QStringLiteral("'"));
            i = end < 0 ? qt.size() : end + 1;
            continue;
        }
        if (!isPatternLetter(c)) {
            if (QString(c) == dateSep) {
                flushLiteral();
                out += u'/';
            } else if (QString(c) == timeSep) {
                flushLiteral();
                out += u':';
            } else {
                literal += c;
            }
            ++i;
            continue;
        }
        qsizetype n = 1;
        while (i + n < qt.size() && qt[i + n] == c)
            ++n;
        static const QString fields = QStringLiteral("AaHhmMdszy");
        lastFieldDropped = !fields.contains(c);
        if (!lastFieldDropped) flushLiteral();
        const QString run(n, c);
        if (c == u'A' || c == u'a') {
            out += QStringLiteral("AMPM");
            if (i + n < qt.size() && (qt[i + n] == u'P' || qt[i + n] == u'p')) ++n;
        } else if (c == u'H' || c == u'h') {
            out += QString(qMin<qsizetype>(n, 2), u'h');
        } else if (c == u'm') {
            out += QString(qMin<qsizetype>(n, 2), u'n');
        } else if (c == u'M') {
            out += QString(qMin<qsizetype>(n, 4), u'm');
        } else if (c == u'd' || c == u's' || c == u'z') {
            out += run;
        } else if (c == u'y') {
            out += n <= 2 ? QStringLiteral("yy") : QStringLiteral("yyyy");
        } else {
            // Time zone (t) and other fields have no counterpart: left out with the text leading to them.
            literal.clear();
        }
        i += n;
    }
    if (lastFieldDropped) literal.clear(); // the closing part of "(t)"
    flushLiteral();
    return out.trimmed().toStdString();
}

} // namespace

LocaleInfo localeInfoFrom(const QLocale& locale) {
    LocaleInfo info;
    const QString shortDate = locale.dateFormat(QLocale::ShortFormat);
    const QString longTime = locale.timeFormat(QLocale::LongFormat);
    const QString dateSep = separatorAfter(shortDate, QStringLiteral("dMy"), QStringLiteral("/"));
    const QString timeSep = separatorAfter(longTime, QStringLiteral("hH"), QStringLiteral(":"));
    info.dateSeparator = dateSep.toStdString();
    info.timeSeparator = timeSep.toStdString();
    info.decimalSeparator = locale.decimalPoint().toStdString();
    info.amDesignator = locale.amText().toStdString();
    info.pmDesignator = locale.pmText().toStdString();
    info.shortDateFormat = convertPattern(shortDate, dateSep, timeSep);
    info.longDateFormat = convertPattern(locale.dateFormat(QLocale::LongFormat), dateSep, timeSep);
    info.shortTimeFormat = convertPattern(locale.timeFormat(QLocale::ShortFormat), dateSep, timeSep);
    info.longTimeFormat = convertPattern(longTime, dateSep, timeSep);
    for (int day = 0; day < 7; ++day) {
        const int qtDay = day == 0 ? 7 : day; // Qt counts from Monday
        info.longDayNames[day] = locale.dayName(qtDay, QLocale::LongFormat).toStdString();
        info.shortDayNames[day] = locale.dayName(qtDay, QLocale::ShortFormat).toStdString();
    }
    for (int month = 0; month < 12; ++month) {
        info.longMonthNames[month] = locale.monthName(month + 1, QLocale::LongFormat).toStdString();
        info.shortMonthNames[month] = locale.monthName(month + 1, QLocale::ShortFormat).toStdString();
    }
    return info;
}

LocaleInfo systemLocaleInfo() {
    return localeInfoFrom(QLocale::system());
}

} // namespace kelvaro
