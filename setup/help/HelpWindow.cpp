#include "HelpWindow.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget* owner)
    : QWidget(owner, Qt::Window), m_browser(new HelpBrowser(this)),
      m_contents(new QPushButton(tr("Contents"), this)), m_back(new QPushButton(tr("Back"), this)),
      m_forward(new QPushButton(tr("Forward"), this)), m_close(new QPushButton(tr("Close"), this))
{
    setObjectName(QStringLiteral("helpWindow"));
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_contents->setObjectName(QStringLiteral("helpContents"));
    m_back->setObjectName(QStringLiteral("helpBack"));
    m_forward->setObjectName(QStringLiteral("helpForward"));
    m_close->setObjectName(QStringLiteral("helpClose"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(title());
    resize(680, 560);

    // Pages of the help open here; web addresses (the home page) in the user's browser; any
    // other file or address nowhere.
    m_browser->setOpenLinks(false);
    connect(m_browser, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        const QUrl target = m_browser->source().resolved(url);
        switch (m_browser->folder().targetOf(target)) {
        case HelpFolder::Target::Here:
            m_browser->setSource(target);
            break;
        case HelpFolder::Target::Browser:
            QDesktopServices::openUrl(target);
            break;
        case HelpFolder::Target::Nowhere:
            break;
        }
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_contents);
    buttons->addWidget(m_back);
    buttons->addWidget(m_forward);
    buttons->addStretch();
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_browser);

    connect(m_contents, &QPushButton::clicked, this, [this] { m_browser->setSource(m_home); });
    connect(m_back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::updateTitle);
    m_back->setEnabled(false);
    m_forward->setEnabled(false);
}

void HelpWindow::showPage(const QUrl& contents)
{
    m_home = contents;
    m_browser->setFolderOf(contents);
    m_browser->setSource(contents);
    m_browser->clearHistory();
    updateTitle();
}

QString HelpWindow::title()
{
    return tr("Zel's World Clock Help");
}

void HelpWindow::updateTitle()
{
    const QString page = m_browser->documentTitle();
    //: %1 is the title of the page shown
    setWindowTitle(page.isEmpty() ? title() : tr("Zel's World Clock Help - %1").arg(page));
}

void HelpWindow::keyPressEvent(QKeyEvent* event)
{
    // Escape closes the help as it closes a dialog.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
