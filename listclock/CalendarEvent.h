#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// One event as an iCalendar file that calendar programs import: a VCALENDAR holding one
// VEVENT, its times in UTC, lines ended by CRLF and folded at 75 octets.
struct CalendarEvent {
    QDateTime start; // UTC
    QDateTime end;   // UTC
    QString summary;
    QString description; // may hold line breaks
    QString uid;
    QDateTime stamp; // when the file was made, UTC

    QByteArray toICalendar() const;

    // A TEXT value: backslash, semicolon and comma escaped, line breaks as "\n".
    static QString escaped(const QString& text);
    // A content line cut into lines of at most 75 octets, each after the first led by a blank,
    // never inside a UTF-8 sequence; every line ends with CRLF.
    static QByteArray folded(const QByteArray& line);
    // "20260610T090000Z"
    static QByteArray utcText(const QDateTime& utc);
};
