#pragma once

#include <QObject>
#include <memory>

// Tells when a system tray comes to the desktop or leaves it. Qt answers whether there is one
// now (QSystemTrayIcon::isSystemTrayAvailable) but signals no change on every platform. One
// implementation per window system, chosen when building; the null one never signals.
class TrayWatch final : public QObject {
    Q_OBJECT
public:
    explicit TrayWatch(QObject* parent = nullptr);
    ~TrayWatch() override;

signals:
    // A tray came or went: ask Qt again.
    void changed();

private:
    struct Watch;
    std::unique_ptr<Watch> m_watch;
};
