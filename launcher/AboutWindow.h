#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

class LauncherSession;
class QLabel;
class QTimer;
class QUrl;

// The about window: icon, product name, version, copyright and home-page link on a gradient,
// shown for half a second before the session hands over to the display. It only shows state
// and forwards events; the decisions are the session's.
class AboutWindow final : public QWidget {
    Q_OBJECT
public:
    // Opens a link with the desktop's default handler; replaced in tests.
    using LinkOpener = std::function<void(const QUrl&)>;

    struct Content {
        QString version;  // "Version 1.2.6"
        QString homePage; // shown in the link and opened by it
    };

    AboutWindow(LauncherSession& session, Content content, LinkOpener linkOpener,
                QWidget* parent = nullptr);

    static inline const QColor kLinkColour{192, 192, 255};
    static inline const QColor kLinkHoverColour{0, 255, 255};

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void start();
    // The pointer moves over the background or a text other than the link.
    void movedOffLink(Qt::MouseButtons buttons);
    void movedOverLink(Qt::MouseButtons buttons);
    void openLink();
    void onTick();
    void setLinkColour(const QColor& colour);

    LauncherSession& m_session;
    Content m_content;
    LinkOpener m_openLink;
    QImage m_background;
    QLabel* m_icon;
    QLabel* m_productName;
    QLabel* m_version;
    QLabel* m_copyright;
    QLabel* m_link;
    QWidget* m_linkLine;
    QTimer* m_timer;
    bool m_linkPressed = false;
    bool m_exposed = false;
};
