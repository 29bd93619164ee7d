#include "AboutWindow.h"

#include "AboutGradient.h"
#include "AboutLayout.h"
#include "LauncherSession.h"
#include "ProductIdentity.h"
#include "Twips.h"
#include "WindowDrag.h"
#include "platform/SizingFrame.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <QWindow>
#include <utility>

namespace {

constexpr int kTimerMs = 500;

QLabel* makeLabel(QWidget* parent, const char* name, const QRect& geometry, const QColor& colour,
                  const QFont& font)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setMouseTracking(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label; // transparent: no background of its own
}

QFont labelFont(const QString& family, double points, bool bold = false)
{
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

} // namespace

AboutWindow::AboutWindow(LauncherSession& session, Content content, LinkOpener linkOpener,
                         QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint), m_session(session),
      m_content(std::move(content)), m_openLink(std::move(linkOpener))
{
    setObjectName(QStringLiteral("fAbout"));
    setWindowTitle(QString::fromUtf16(ProductIdentity::kProductName));
    setMouseTracking(true);

    m_icon = new QLabel(this);
    m_icon->setObjectName(QStringLiteral("ImgIcon"));
    m_icon->setGeometry(AboutLayout::kIcon);
    m_icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_icon->setPixmap(QPixmap(QStringLiteral(":/chrome/zelclock.png")));
    // The picture has no mouse handlers; moves over it are not the background's.
    m_icon->setAttribute(Qt::WA_NoMousePropagation);

    const QString times = QStringLiteral("Times New Roman");
    m_productName = makeLabel(this, "lblProductName", AboutLayout::kProductName,
                              QColor(255, 255, 0), labelFont(times, 15.75, true));
    m_productName->setText(QString::fromUtf16(ProductIdentity::kProductName));
    m_version = makeLabel(this, "lblVersion", AboutLayout::kVersion, QColor(255, 0, 0),
                          labelFont(times, 12, true));
    m_copyright = makeLabel(this, "lblCopyright", AboutLayout::kCopyright, QColor(255, 255, 192),
                            labelFont(times, 9));
    m_copyright->setText(QString::fromUtf16(ProductIdentity::kCopyright));
    m_link = makeLabel(this, "LblHTTP", AboutLayout::kLink, kLinkColour,
                       labelFont(QStringLiteral("MS Sans Serif"), 9.75));
    m_link->setText(m_content.homePage);
    m_link->setToolTip(ProductIdentity::linkToolTip());
    m_link->setCursor(Qt::PointingHandCursor);

    // The underline: a one-pixel line control.
    m_linkLine = new QWidget(this);
    m_linkLine->setObjectName(QStringLiteral("LinHTTP"));
    m_linkLine->setGeometry(AboutLayout::kUnderline);
    m_linkLine->setAutoFillBackground(true);
    m_linkLine->setAttribute(Qt::WA_TransparentForMouseEvents);

    for (QLabel* label : {m_productName, m_version, m_copyright, m_link})
        label->installEventFilter(this);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &AboutWindow::onTick);

    setLinkColour(kLinkColour);
    // A thin border that cannot be dragged to resize, and no title bar: the window moves by
    // dragging its background.
    SizingFrame::request(this, SizingFrame::Sizing::Fixed);
    if (QWindow* handle = windowHandle())
        handle->installEventFilter(this);
    start();
}

void AboutWindow::start()
{
    // The program directory and Kind were taken by the session, which exists before the window.
    setFixedSize(Twips::toPixels(AboutLayout::kWidth), Twips::toPixels(AboutLayout::kHeight));
    m_timer->setInterval(kTimerMs);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    m_background = AboutGradient::paint(size());
    m_version->setText(m_content.version);
    m_timer->start();
}

void AboutWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_background);
}

void AboutWindow::mouseMoveEvent(QMouseEvent* event)
{
    movedOffLink(event->buttons());
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == windowHandle()) {
        // The half second counts from when the window is first on the screen: on a slow start
        // most of it would otherwise pass before.
        if (event->type() == QEvent::Expose && !m_exposed && windowHandle()->isExposed()) {
            m_exposed = true;
            if (m_timer->isActive())
                m_timer->start();
        }
        return false;
    }
    const bool isLink = watched == m_link;
    switch (event->type()) {
    case QEvent::MouseMove: {
        const auto buttons = static_cast<QMouseEvent*>(event)->buttons();
        if (isLink)
            movedOverLink(buttons);
        else
            movedOffLink(buttons);
        return true;
    }
    case QEvent::MouseButtonPress:
        if (isLink && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            m_linkPressed = true;
        return false;
    case QEvent::MouseButtonRelease:
        if (isLink && m_linkPressed) {
            m_linkPressed = false;
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton &&
                m_link->rect().contains(mouse->position().toPoint()))
                openLink();
        }
        return false;
    default:
        return QWidget::eventFilter(watched, event);
    }
}

void AboutWindow::movedOffLink(Qt::MouseButtons buttons)
{
    startWindowDrag(this, buttons);
    setLinkColour(kLinkColour);
}

void AboutWindow::movedOverLink(Qt::MouseButtons buttons)
{
    // A drag that starts here takes the press, so no click follows it.
    if (buttons & Qt::LeftButton)
        m_linkPressed = false;
    startWindowDrag(this, buttons);
    setLinkColour(kLinkHoverColour);
}

void AboutWindow::openLink()
{
    m_openLink(QUrl::fromUserInput(m_link->text()));
}

void AboutWindow::setLinkColour(const QColor& colour)
{
    QPalette text = m_link->palette();
    text.setColor(QPalette::WindowText, colour);
    m_link->setPalette(text);
    QPalette line = m_linkLine->palette();
    line.setColor(QPalette::Window, colour);
    m_linkLine->setPalette(line);
}

void AboutWindow::onTick()
{
    if (const auto failure = m_session.handOver())
        QMessageBox::warning(this, QString::fromUtf16(ProductIdentity::kProductName),
                             failure->message());
    close();
}
