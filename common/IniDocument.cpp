#include "IniDocument.h"

#include <algorithm>
#include <cstring>

namespace {

// Blanks around names and values; '\r' too, for a lone one before a line end.
bool isBlankByte(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

// Names compare without regard to case: they are indexed by their case-folded form.
QString folded(QString name)
{
    return std::move(name).toCaseFolded();
}

QString folded(QStringView name)
{
    return name.toString().toCaseFolded();
}

bool isUtf8(QByteArrayView bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* const end = p + bytes.size();
    while (p < end) {
        const unsigned char c = *p;
        if (c < 0x80) {
            ++p;
            continue;
        }
        int more = 0;
        char32_t min = 0;
        char32_t code = 0;
        if ((c & 0xe0) == 0xc0) {
            more = 1, min = 0x80, code = c & 0x1f;
        } else if ((c & 0xf0) == 0xe0) {
            more = 2, min = 0x800, code = c & 0x0f;
        } else if ((c & 0xf8) == 0xf0) {
            more = 3, min = 0x10000, code = c & 0x07;
        } else {
            return false;
        }
        if (end - p <= more)
            return false;
        for (int i = 1; i <= more; ++i) {
            if ((p[i] & 0xc0) != 0x80)
                return false;
            code = (code << 6) | (p[i] & 0x3f);
        }
        if (code < min || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff))
            return false;
        p += more + 1;
    }
    return true;
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool isControl(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7f;
}

bool needsQuotes(const QString& value)
{
    if (value.isEmpty())
        return false;
    if (isBlank(value.front()) || isBlank(value.back()) || value.front() == u'"')
        return true;
    return std::any_of(value.cbegin(), value.cend(), isControl);
}

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

} // namespace

QString IniDocument::encodeValue(const QString& value)
{
    if (!needsQuotes(value))
        return value;
    QString out;
    out.reserve(value.size() + 8);
    out += u'"';
    for (const QChar c : value) {
        switch (c.unicode()) {
        case u'\\':
            out += u"\\\\";
            break;
        case u'"':
            out += u"\\\"";
            break;
        case u'\n':
            out += u"\\n";
            break;
        case u'\r':
            out += u"\\r";
            break;
        case u'\t':
            out += u"\\t";
            break;
        default:
            if (isControl(c))
                out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    out += u'"';
    return out;
}

QString IniDocument::decodeValue(QStringView text)
{
    if (text.size() < 2 || text.front() != u'"' || text.back() != u'"')
        return text.toString();
    const QStringView body = text.sliced(1, text.size() - 2);
    QString out;
    out.reserve(body.size());
    for (qsizetype i = 0; i < body.size(); ++i) {
        const QChar c = body[i];
        if (c != u'\\' || i + 1 == body.size()) {
            out += c;
            continue;
        }
        const QChar e = body[++i];
        switch (e.unicode()) {
        case u'n':
            out += u'\n';
            break;
        case u'r':
            out += u'\r';
            break;
        case u't':
            out += u'\t';
            break;
        case u'x':
            if (i + 2 < body.size() && hexDigit(body[i + 1]) >= 0 && hexDigit(body[i + 2]) >= 0) {
                out += QChar(char16_t(hexDigit(body[i + 1]) * 16 + hexDigit(body[i + 2])));
                i += 2;
            } else {
                out += u"\\x";
            }
            break;
        default:
            // "\\", "\"" and anything unknown: the character itself.
            out += e;
        }
    }
    return out;
}

QString IniDocument::decodeText(QByteArrayView bytes)
{
    return isUtf8(bytes) ? QString::fromUtf8(bytes) : QString::fromLatin1(bytes);
}

IniDocument IniDocument::parse(const QByteArray& bytes)
{
    IniDocument doc;
    doc.m_source = bytes;
    const char* const data = doc.m_source.constData();
    const qsizetype size = doc.m_source.size();
    doc.m_lines.reserve(std::size_t(std::count(data, data + size, '\n')) + 1);

    int current = -1; // the section of the lines read, -1 before any or after a broken header
    for (qsizetype pos = 0; pos < size;) {
        const auto* nl =
            static_cast<const char*>(std::memchr(data + pos, '\n', size_t(size - pos)));
        const qsizetype end = nl != nullptr ? nl - data + 1 : size;
        qsizetype contentEnd = nl != nullptr ? end - 1 : size;
        if (contentEnd > pos && data[contentEnd - 1] == '\r')
            --contentEnd;
        const int index = int(doc.m_lines.size());
        Line line{pos, contentEnd - pos, end - pos, 0, 0, -1, index + 1};

        qsizetype b = pos;
        qsizetype e = contentEnd;
        if (pos == 0 && e - b >= 3 && std::memcmp(data, "\xef\xbb\xbf", 3) == 0)
            b += 3; // a byte order mark, kept as it is
        while (b < e && isBlankByte(data[b]))
            ++b;
        while (e > b && isBlankByte(data[e - 1]))
            --e;
        if (b < e && data[b] == '[') {
            if (data[e - 1] != ']') {
                current = -1; // a broken header: what follows is kept but not read
            } else {
                qsizetype nb = b + 1;
                qsizetype ne = e - 1;
                while (nb < ne && isBlankByte(data[nb]))
                    ++nb;
                while (ne > nb && isBlankByte(data[ne - 1]))
                    --ne;
                QString name = decodeText(QByteArrayView(data + nb, ne - nb));
                QString key = folded(name);
                auto it = doc.m_sectionIndex.constFind(key);
                if (it == doc.m_sectionIndex.constEnd()) {
                    it = doc.m_sectionIndex.insert(key, int(doc.m_sections.size()));
                    doc.m_sections.push_back(Section{std::move(name), index, {}});
                }
                current = it.value();
                doc.m_sections[std::size_t(current)].lastLine = index;
            }
        } else if (b < e && data[b] != ';' && data[b] != '#' && current >= 0) {
            const auto* eq = static_cast<const char*>(std::memchr(data + b, '=', size_t(e - b)));
            qsizetype ke = eq != nullptr ? eq - data : b;
            while (ke > b && isBlankByte(data[ke - 1]))
                --ke;
            if (ke > b) {
                qsizetype vb = eq - data + 1;
                while (vb < e && isBlankByte(data[vb]))
                    ++vb;
                line.valueBegin = vb - pos;
                line.valueEnd = e - pos;
                Section& section = doc.m_sections[std::size_t(current)];
                // A repeated key: the last line wins, and it is the one a write changes.
                section.keys.insert(folded(decodeText(QByteArrayView(data + b, ke - b))), index);
                section.lastLine = index;
            }
        }
        doc.m_lines.push_back(line);
        pos = end;
    }
    if (!doc.m_lines.empty()) {
        doc.m_lines.back().next = -1;
        doc.m_first = 0;
        doc.m_last = int(doc.m_lines.size()) - 1;
    }
    return doc;
}

QByteArrayView IniDocument::bytesOf(const Line& line) const
{
    if (line.own >= 0)
        return m_ownText[std::size_t(line.own)];
    return QByteArrayView(m_source.constData() + line.begin, line.length);
}

QByteArrayView IniDocument::valueOf(const Line& line) const
{
    return bytesOf(line).sliced(line.valueBegin, line.valueEnd - line.valueBegin);
}

QByteArray IniDocument::newline() const
{
    if (m_first >= 0 && bytesOf(m_lines[std::size_t(m_first)]).endsWith("\r\n"))
        return QByteArrayLiteral("\r\n");
    return QByteArrayLiteral("\n");
}

void IniDocument::setOwnText(int index, QByteArray text, qsizetype contentLength,
                             qsizetype valueBegin, qsizetype valueEnd)
{
    Line& line = m_lines[std::size_t(index)];
    line.begin = 0;
    line.contentLength = contentLength;
    line.length = text.size();
    line.valueBegin = valueBegin;
    line.valueEnd = valueEnd;
    if (line.own < 0) {
        line.own = int(m_ownText.size());
        m_ownText.push_back(std::move(text));
    } else {
        m_ownText[std::size_t(line.own)] = std::move(text);
    }
}

int IniDocument::insertLine(int after, const QByteArray& text, qsizetype valueBegin,
                            qsizetype valueEnd)
{
    const QByteArray nl = newline();
    if (after >= 0) {
        // The line before may be the file's last one, without a line end.
        const Line before = m_lines[std::size_t(after)];
        const QByteArrayView bytes = bytesOf(before);
        if (!bytes.endsWith('\n'))
            setOwnText(after, bytes.toByteArray() + nl, before.contentLength, before.valueBegin,
                       before.valueEnd);
    }
    const int index = int(m_lines.size());
    m_lines.push_back(Line{});
    setOwnText(index, text + nl, text.size(), valueBegin, valueEnd);
    Line& line = m_lines.back();
    if (after < 0) {
        line.next = m_first;
        m_first = index;
        if (m_last < 0)
            m_last = index;
    } else {
        line.next = m_lines[std::size_t(after)].next;
        m_lines[std::size_t(after)].next = index;
        if (m_last == after)
            m_last = index;
    }
    return index;
}

QByteArray IniDocument::serialize() const
{
    QByteArray out;
    out.reserve(m_source.size() + 64);
    for (int i = m_first; i >= 0; i = m_lines[std::size_t(i)].next)
        out += bytesOf(m_lines[std::size_t(i)]);
    return out;
}

std::optional<QString> IniDocument::value(QStringView section, QStringView key) const
{
    const auto s = m_sectionIndex.constFind(folded(section));
    if (s == m_sectionIndex.constEnd())
        return std::nullopt;
    const QHash<QString, int>& keys = m_sections[std::size_t(s.value())].keys;
    const auto k = keys.constFind(folded(key));
    if (k == keys.constEnd())
        return std::nullopt;
    return decodeValue(decodeText(valueOf(m_lines[std::size_t(k.value())])));
}

bool IniDocument::setValue(QStringView section, QStringView key, const QString& value)
{
    QString sectionKey = folded(section);
    auto s = m_sectionIndex.constFind(sectionKey);
    if (s == m_sectionIndex.constEnd()) {
        // A new section at the end, after a blank line as the store's own writes leave it.
        if (m_last >= 0 && !bytesOf(m_lines[std::size_t(m_last)]).trimmed().isEmpty())
            insertLine(m_last, {}, 0, 0);
        const int header = insertLine(m_last, '[' + section.toUtf8() + ']', 0, 0);
        s = m_sectionIndex.insert(sectionKey, int(m_sections.size()));
        m_sections.push_back(Section{section.toString(), header, {}});
    }
    const int sectionIndex = s.value();
    QString name = folded(key);
    const QByteArray encoded = encodeValue(value).toUtf8();
    const auto k = m_sections[std::size_t(sectionIndex)].keys.constFind(name);
    if (k != m_sections[std::size_t(sectionIndex)].keys.constEnd()) {
        const int index = k.value();
        const Line line = m_lines[std::size_t(index)];
        if (decodeValue(decodeText(valueOf(line))) == value)
            return false;
        // Only the value's bytes change; the key's spelling, the blanks and the line end stay.
        const QByteArrayView bytes = bytesOf(line);
        QByteArray text = bytes.first(line.valueBegin).toByteArray() + encoded;
        const qsizetype valueEnd = text.size();
        text.append(bytes.sliced(line.valueEnd));
        setOwnText(index, std::move(text), line.contentLength + valueEnd - line.valueEnd,
                   line.valueBegin, valueEnd);
        return true;
    }
    const QByteArray keyBytes = key.toUtf8() + '=';
    const int index = insertLine(m_sections[std::size_t(sectionIndex)].lastLine, keyBytes + encoded,
                                 keyBytes.size(), keyBytes.size() + encoded.size());
    Section& after = m_sections[std::size_t(sectionIndex)];
    after.keys.insert(name, index);
    after.lastLine = index;
    return true;
}
