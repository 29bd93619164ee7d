#include "IniDocument.h"

#include <QList>

#include <algorithm>

namespace {

bool sameName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
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

IniDocument IniDocument::parse(const QByteArray& utf8)
{
    IniDocument doc;
    Section* current = nullptr;
    const QString text = QString::fromUtf8(utf8);
    for (QStringView line : QStringView(text).split(u'\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.front() == u';' || line.front() == u'#')
            continue;
        if (line.front() == u'[') {
            if (line.back() != u']') {
                current = nullptr; // a broken header: ignore what follows until the next one
                continue;
            }
            const QStringView name = line.sliced(1, line.size() - 2).trimmed();
            current = doc.findSection(name);
            if (current == nullptr) {
                doc.m_sections.push_back(Section{name.toString(), {}});
                current = &doc.m_sections.back();
            }
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (current == nullptr || eq <= 0)
            continue;
        const QStringView key = line.first(eq).trimmed();
        if (key.isEmpty())
            continue;
        const QString value = decodeValue(line.sliced(eq + 1).trimmed());
        auto& entries = current->entries;
        auto it = std::find_if(entries.begin(), entries.end(),
                               [&](const Entry& e) { return sameName(e.key, key); });
        if (it != entries.end())
            it->value = value; // a repeated key: the last one wins, and it is written back once
        else
            entries.push_back(Entry{key.toString(), value});
    }
    return doc;
}

QByteArray IniDocument::serialize() const
{
    QString out;
    for (const Section& s : m_sections) {
        if (!out.isEmpty())
            out += u'\n';
        out += QStringLiteral("[%1]\n").arg(s.name);
        for (const Entry& e : s.entries)
            out += e.key + u'=' + encodeValue(e.value) + u'\n';
    }
    return out.toUtf8();
}

const IniDocument::Section* IniDocument::findSection(QStringView name) const
{
    auto it = std::find_if(m_sections.begin(), m_sections.end(),
                           [&](const Section& s) { return sameName(s.name, name); });
    return it == m_sections.end() ? nullptr : &*it;
}

IniDocument::Section* IniDocument::findSection(QStringView name)
{
    return const_cast<Section*>(std::as_const(*this).findSection(name));
}

std::optional<QString> IniDocument::value(QStringView section, QStringView key) const
{
    const Section* s = findSection(section);
    if (s == nullptr)
        return std::nullopt;
    for (const Entry& e : s->entries) {
        if (sameName(e.key, key))
            return e.value;
    }
    return std::nullopt;
}

bool IniDocument::setValue(QStringView section, QStringView key, const QString& value)
{
    Section* s = findSection(section);
    if (s == nullptr) {
        m_sections.push_back(Section{section.toString(), {}});
        s = &m_sections.back();
    }
    for (Entry& e : s->entries) {
        if (sameName(e.key, key)) {
            if (e.value == value)
                return false;
            e.value = value;
            return true;
        }
    }
    s->entries.push_back(Entry{key.toString(), value});
    return true;
}
