#pragma once

#include "HelpBrowser.h"

#include <QUrl>
#include <QWidget>

class QKeyEvent;
class QPushButton;

// The help pages in a window of their own, with the usual moves between pages.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    // A separate top-level window that closes with `owner`.
    explicit HelpWindow(QWidget* owner);

    // Starts a new history at `contents`, the page the Contents button returns to; pages come
    // only from its folder.
    void showPage(const QUrl& contents);

    QTextBrowser* browser() const { return m_browser; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    static QString title();
    void updateTitle();

    HelpBrowser* m_browser;
    QPushButton* m_contents;
    QPushButton* m_back;
    QPushButton* m_forward;
    QPushButton* m_close;
    QUrl m_home;
};
