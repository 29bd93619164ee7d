#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

// An INI text as the settings file holds it, kept line by line as it was read.
//
// Section and key names keep the spelling they were first written with but are looked up
// without regard to case, through an index per section, so that reading a file and looking up
// every key in it take time in proportion to its size. A repeated key reads as its last line.
//
// A change rewrites only the line of the key it sets; a new key goes after the last key of its
// section and a new section at the end. Every other line, comments, blank lines, line ends, a
// byte order mark, lines this class cannot read and bytes that are not UTF-8 included, is
// written back exactly as it was read.
//
// Values are decoded as UTF-8, or as Latin-1 where they are not valid UTF-8 (an older editor's
// "Z\xfcrich"), and always written as UTF-8. Values that would not survive a plain "key=value"
// line (blanks at either end, a leading quote, control characters) are written in double quotes
// with backslash escapes; every other value is written as it stands.
class IniDocument {
public:
    static IniDocument parse(const QByteArray& bytes);
    QByteArray serialize() const;

    std::optional<QString> value(QStringView section, QStringView key) const;
    // Returns false when the value was already there, so that callers can skip the write.
    bool setValue(QStringView section, QStringView key, const QString& value);

    static QString encodeValue(const QString& value);
    static QString decodeValue(QStringView text);
    // UTF-8 where the bytes are valid UTF-8, else Latin-1.
    static QString decodeText(QByteArrayView bytes);

private:
    // One line of the file: a range of the bytes read, or text of its own once set or added.
    // Lines form a list through `next`, so that a line added in the middle moves no other.
    struct Line {
        qsizetype begin = 0;         // in m_source; 0 for a line of its own text
        qsizetype contentLength = 0; // without the line end
        qsizetype length = 0;        // with it
        qsizetype valueBegin = 0;    // an entry's value, trimmed, from the line's start
        qsizetype valueEnd = 0;
        int own = -1; // index in m_ownText, or -1 for bytes of m_source
        int next = -1;
    };
    struct Section {
        QString name;
        int lastLine = 0;         // a new key goes after this line
        QHash<QString, int> keys; // case-folded name -> the line of its last entry
    };

    QByteArrayView bytesOf(const Line& line) const;
    QByteArrayView valueOf(const Line& line) const;
    QByteArray newline() const;
    void setOwnText(int index, QByteArray text, qsizetype contentLength, qsizetype valueBegin,
                    qsizetype valueEnd);
    int insertLine(int after, const QByteArray& text, qsizetype valueBegin, qsizetype valueEnd);

    QByteArray m_source;
    std::vector<Line> m_lines;
    std::vector<QByteArray> m_ownText;
    int m_first = -1;
    int m_last = -1;
    std::vector<Section> m_sections;
    QHash<QString, int> m_sectionIndex; // case-folded name -> index in m_sections
};
