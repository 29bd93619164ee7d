#include "LoginStart.h"

#include "IniDocument.h"
#include "StoreLocation.h"
#include "platform/HostSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>

namespace LoginStart {

namespace {

constexpr QStringView kGroup = u"Desktop Entry";
constexpr QStringView kHidden = u"Hidden";
constexpr QStringView kGnomeEnabled = u"X-GNOME-Autostart-enabled";
// Marks the entries this suite wrote: only those are ever deleted. An entry the user made or
// edited by hand is turned off with "Hidden=true" and on again by taking that back.
constexpr QStringView kOwnMark = u"X-ZelClock-Entry";
// A hand-made entry is a few lines; anything far larger is not one, and is not read whole.
constexpr qint64 kMaxEntryBytes = 64 * 1024;

// A string value as desktop entries escape it: backslashes doubled. Control characters have no
// place in an entry's line at all; paths holding one are refused before this.
QString escapedValue(const QString& value)
{
    QString escaped = value;
    return escaped.replace(u'\\', QStringLiteral("\\\\"));
}

// The program as an argument of Exec: in double quotes when it holds anything but plain
// characters, with the four characters that quoting reserves escaped by a backslash, and "%"
// doubled as field codes want. The string escape of every value comes on top of that, so a
// backslash in the path stands as four in the file.
QString execArgument(const QString& path)
{
    static const QString plain =
        QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789/._-+,:@");
    if (std::all_of(path.begin(), path.end(), [](QChar c) { return plain.contains(c); }))
        return escapedValue(path);
    QString quoted;
    for (const QChar c : path) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        quoted += c == u'%' ? QStringLiteral("%%") : QString(c);
    }
    return escapedValue(u'"' + quoted + u'"');
}

// Nothing when the path cannot be written into an entry (a line break or another control
// character in a folder's name).
std::optional<QString> entryText(const QString& launcher)
{
    if (std::any_of(launcher.begin(), launcher.end(),
                    [](QChar c) { return c.category() == QChar::Other_Control; }))
        return std::nullopt;
    const QString folder = QFileInfo(launcher).absolutePath();
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Zel's World Clock\n"
                          "Comment=Starts the world clock at login\n"
                          "Exec=%1\n"
                          "TryExec=%2\n"
                          "Path=%3\n"
                          "Icon=zelclock\n"
                          "Terminal=false\n"
                          "X-GNOME-Autostart-enabled=true\n"
                          "%4=true\n")
        .arg(execArgument(launcher), escapedValue(launcher), escapedValue(folder),
             kOwnMark.toString());
}

// The entry as the session reads it, or why it cannot be read. Only a regular file is opened,
// so that a FIFO in its place never blocks the menu.
struct Entry {
    std::optional<IniDocument> doc; // nothing when there is none or it cannot be read
    QString unreadable;             // why, when it is there but cannot be read
};

Entry readEntry(const QString& path)
{
    Entry entry;
    // A link that leads nowhere is no entry: the session reads nothing there.
    if (!QFileInfo::exists(path))
        return entry;
    HostSystem::FileBytes read = HostSystem::readRegularFile(path, kMaxEntryBytes);
    if (read.tooLarge)
        entry.unreadable =
            QCoreApplication::translate("LoginStart", "it is too large for a login entry");
    else if (!read.ok())
        entry.unreadable = std::move(read.unreadable);
    else
        entry.doc = IniDocument::parse(read.bytes);
    return entry;
}

bool isEnabled(const IniDocument& doc)
{
    return doc.value(kGroup, kHidden) != u"true" && doc.value(kGroup, kGnomeEnabled) != u"false";
}

bool isOwn(const IniDocument& doc)
{
    return doc.value(kGroup, kOwnMark) == u"true";
}

// Puts the bytes at `path` whole or not at all. A link there is replaced itself, never written
// through: it may lead out of the autostart folder, or nowhere.
QString replaceEntry(const QString& path, const QByteArray& bytes)
{
    QTemporaryFile file(QFileInfo(path).absolutePath() +
                        QStringLiteral("/.zelhome.desktop.XXXXXX"));
    if (!file.open())
        return file.errorString();
    if (!file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                             QFileDevice::ReadGroup | QFileDevice::ReadOther) ||
        file.write(bytes) != bytes.size() || !file.flush())
        return file.errorString();
    if (QString failed = HostSystem::syncToDisk(file); !failed.isEmpty())
        return failed;
    std::error_code error;
    std::filesystem::rename(file.filesystemFileName(), QFileInfo(path).filesystemFilePath(), error);
    if (error)
        return QString::fromStdString(error.message());
    file.setAutoRemove(false);
    return {};
}

} // namespace

bool available()
{
    return true;
}

QString entryPath()
{
    // Where sessions look for the user's own entries; a relative XDG_CONFIG_HOME is ignored
    // here as for the store, since the session ignores it too.
    return StoreLocation::configHome() + QStringLiteral("/autostart/zelhome.desktop");
}

bool isOn()
{
    const Entry entry = readEntry(entryPath());
    return entry.doc && isEnabled(*entry.doc);
}

QString set(bool on, const QString& launcher)
{
    const QString path = entryPath();
    Entry entry = readEntry(path);
    if (!entry.unreadable.isEmpty())
        //: %1 is the system's reason
        return QCoreApplication::translate("LoginStart",
                                           "it cannot be read (%1), so it is left as it is")
            .arg(entry.unreadable);
    std::optional<IniDocument>& doc = entry.doc;
    if (!on) {
        if (!doc || !isEnabled(*doc))
            return {};
        if (isOwn(*doc)) // a link is removed itself, not what it leads to
            return QFile::remove(path)
                       ? QString()
                       : QCoreApplication::translate("LoginStart", "it could not be removed");
        doc->setValue(kGroup, kHidden, QStringLiteral("true"));
        return replaceEntry(path, doc->serialize());
    }
    if (doc && !isOwn(*doc)) {
        if (isEnabled(*doc))
            return {};
        if (doc->value(kGroup, kHidden) == u"true")
            doc->setValue(kGroup, kHidden, QStringLiteral("false"));
        if (doc->value(kGroup, kGnomeEnabled) == u"false")
            doc->setValue(kGroup, kGnomeEnabled, QStringLiteral("true"));
        return replaceEntry(path, doc->serialize());
    }
    const std::optional<QString> text = entryText(launcher);
    if (!text)
        //: %1 is the folder of the programs
        return QCoreApplication::translate(
                   "LoginStart", "the folder %1 has a name that a login entry cannot hold")
            .arg(QDir::toNativeSeparators(QFileInfo(launcher).absolutePath()));
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return QCoreApplication::translate("LoginStart", "its folder could not be created");
    return replaceEntry(path, text->toUtf8());
}

} // namespace LoginStart
