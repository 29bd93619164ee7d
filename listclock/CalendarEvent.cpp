#include "CalendarEvent.h"

namespace {

constexpr qsizetype kLineOctets = 75;
constexpr char kCrLf[] = "\r\n";

bool continuesUtf8(char octet)
{
    return (static_cast<unsigned char>(octet) & 0xC0) == 0x80;
}

} // namespace

QString CalendarEvent::escaped(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\\' || c == u';' || c == u',') {
            out += u'\\';
            out += c;
        } else if (c == u'\r') {
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            out += QStringLiteral("\\n");
        } else if (c == u'\n') {
            out += QStringLiteral("\\n");
        } else {
            out += c;
        }
    }
    return out;
}

QByteArray CalendarEvent::folded(const QByteArray& line)
{
    QByteArray out;
    qsizetype from = 0;
    qsizetype room = kLineOctets;
    while (line.size() - from > room) {
        qsizetype cut = from + room;
        while (cut > from && continuesUtf8(line[cut]))
            --cut;
        out += line.mid(from, cut - from) + kCrLf + ' ';
        from = cut;
        room = kLineOctets - 1; // the leading blank counts
    }
    return out + line.mid(from) + kCrLf;
}

QByteArray CalendarEvent::utcText(const QDateTime& utc)
{
    return utc.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'")).toLatin1();
}

QByteArray CalendarEvent::toICalendar() const
{
    const auto text = [](const QString& s) { return escaped(s).toUtf8(); };
    QByteArray out;
    for (const QByteArray& l :
         {QByteArray("BEGIN:VCALENDAR"), QByteArray("VERSION:2.0"),
          QByteArray("PRODID:-//ZelClock//ZelClock//EN"), QByteArray("METHOD:PUBLISH"),
          QByteArray("BEGIN:VEVENT"), "UID:" + text(uid), "DTSTAMP:" + utcText(stamp),
          "DTSTART:" + utcText(start), "DTEND:" + utcText(end), "SUMMARY:" + text(summary),
          "DESCRIPTION:" + text(description), QByteArray("END:VEVENT"),
          QByteArray("END:VCALENDAR")})
        out += folded(l);
    return out;
}
