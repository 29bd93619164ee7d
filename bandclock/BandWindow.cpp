#include "BandWindow.h"

#include "BandListWindow.h"
#include "ElidedText.h"
#include "SettingsStore.h"
#include "TrayPicture.h"
#include "Twips.h"
#include "WindowPlacer.h"
#include "platform/TrayWatch.h"

#include <QCursor>
#include <QGuiApplication>
#include <QIcon>
#include <QMenu>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTimer>
#include <utility>

namespace {

// Tray icons are drawn at 16 to 32 pixels; one large picture scales down cleanly.
constexpr int kPictureSide = 32;

// When no screen answers (none attached, or the point lies between screens), the list is kept
// within the top-left 1024 x 768 pixels, which every desktop shows.
constexpr QRect kScreenUnknown(0, 0, 1024, 768);

// The available area of `screen`, or that corner when there is none.
QRect availableArea(const QScreen* screen)
{
    return screen ? screen->availableGeometry() : kScreenUnknown;
}

} // namespace

BandWindow::BandWindow(SettingsStore& store, const Clock& clock, ProgramStarter& starter,
                       BandMode mode, QString programFolder, std::function<bool()> trayThere)
    : m_store(store), m_mode(mode), m_band(store, clock), m_menu(std::make_unique<QMenu>()),
      m_list(std::make_unique<BandListWindow>()), m_placer(new WindowPlacer(*m_list)),
      m_switch(store, starter, std::move(programFolder), *m_list, QStringLiteral("zelband")),
      m_ticks(clock, store.filePath()), m_trayThere(std::move(trayThere))
{
    m_menu->setObjectName(QStringLiteral("bandMenu"));
    m_switch.fillMenu(*m_menu, Program::TaskBarClock, [this] { end(); });
    connect(m_list.get(), &BandListWindow::menuRequested, this,
            [this](const QPoint& at) { m_menu->popup(at); });

    m_band.start();
    // Without a tray the window is the clock: only the menu's "End" closes it, after saving
    // its position.
    connect(&m_ticks, &TickTimer::tick, this, &BandWindow::onTick);
    m_ticks.setNextDue([this] { return m_band.rotation().nextDue(); });
    if (m_trayThere) {
        m_trayWatch = std::make_unique<TrayWatch>();
        // Qt hears of the change on a connection of its own, perhaps a moment after the watch:
        // asked at once and again shortly after.
        connect(m_trayWatch.get(), &TrayWatch::changed, this, [this] {
            for (const int ms : {0, 250, 1000})
                QTimer::singleShot(ms, this, &BandWindow::followTray);
        });
    }
    if (m_mode == BandMode::Tray)
        showTray();
    else
        showFallbackWindow();
    m_ticks.start();
}

void BandWindow::showTray()
{
    m_tray = std::make_unique<QSystemTrayIcon>(this);
    m_tray->setObjectName(QStringLiteral("trayIcon"));
    m_tray->setContextMenu(m_menu.get());
    connect(m_tray.get(), &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason why) {
                if (why == QSystemTrayIcon::Trigger)
                    toggleList();
            });
    m_escapeHides =
        connect(m_list.get(), &BandListWindow::escapePressed, m_list.get(), &QWidget::hide);
    m_loads = -1; // the picture and the tool tip afresh
    onTick();
    m_tray->show();
}

void BandWindow::followTray()
{
    if (!m_trayThere)
        return;
    const bool there = m_trayThere();
    if (there == (m_mode == BandMode::Tray))
        return;
    if (there) {
        savePosition();
        m_mode = BandMode::Tray;
        m_list->hide();
        m_list->setToolTip({});
        showTray();
    } else {
        m_mode = BandMode::Window;
        disconnect(m_escapeHides);
        m_tray->hide();
        m_tray.reset();
        showFallbackWindow();
    }
}

BandWindow::~BandWindow() = default;

void BandWindow::onTick()
{
    followTray();
    const TrayFace face = BandClock::face(m_band.onTick());
    // Every place's minute turns with the shown one's (offsets are whole minutes), so the
    // picture, the tool tip and the list change only with it or with a reload.
    const bool changed = face != m_face || m_band.rotation().loads() != m_loads;
    m_face = face;
    m_loads = m_band.rotation().loads();
    if (m_tray && (changed || m_tray->icon().isNull())) {
        m_tray->setIcon(QIcon(TrayPicture::paint(face, kPictureSide)));
        m_tray->setToolTip(ElidedText::forToolTip(m_band.toolTip()));
    }
    if (changed && (m_list->isVisible() || !m_tray))
        m_list->showRows(m_band.rows());
}

void BandWindow::toggleList()
{
    if (m_list->isVisible()) {
        m_list->hide();
        return;
    }
    m_list->showRows(m_band.rows());
    m_list->adjustSize();
    // Above the tray icon (below it when the tray is at the top), never over it, kept on the
    // screen; where the tray does not say where the icon is, at the pointer that clicked it.
    QRect icon = m_tray ? m_tray->geometry() : QRect();
    if (!icon.isValid())
        icon = QRect(QCursor::pos(), QSize(1, 1));
    const QRect area = availableArea(QGuiApplication::screenAt(icon.center()));
    QRect frame(QPoint(icon.center().x() - m_list->width() / 2, icon.top() - m_list->height()),
                m_list->size());
    if (frame.top() < area.top())
        frame.moveTop(icon.bottom() + 1);
    frame.moveLeft(std::clamp(frame.left(), area.left(), area.right() + 1 - frame.width()));
    frame.moveTop(std::clamp(frame.top(), area.top(), area.bottom() + 1 - frame.height()));
    m_list->move(frame.topLeft());
    // Opened by a click to be read and closed at once: it takes the keyboard, so that Escape
    // reaches it.
    m_list->setAttribute(Qt::WA_ShowWithoutActivating, false);
    m_list->show();
    m_list->raise();
    m_list->activateWindow();
}

void BandWindow::showFallbackWindow()
{
    m_list->setAttribute(Qt::WA_ShowWithoutActivating); // a window beside the others' work
    m_list->setToolTip(BandClock::noTrayReason());
    m_loads = -1; // the rows afresh
    onTick();
    m_list->adjustSize();
    const QRect area = availableArea(QGuiApplication::primaryScreen());
    QPoint at = BandClock::cornerPosition(m_list->size(), area);
    const auto twips = [this](const StoreKey<float>& key) -> std::optional<float> {
        const std::optional<QString> text = m_store.text(key);
        return text ? SettingsStore::toFloat(*text) : std::nullopt;
    };
    const std::optional<float> left = twips(StoreKeys::BandLeft);
    const std::optional<float> top = twips(StoreKeys::BandTop);
    WindowPlacement place{Twips::fromPixels(at.x()), Twips::fromPixels(at.y()), 0};
    if (left && top)
        place = {*left, *top, 0};
    // Wholly on a screen, now and when the screens change, like the other clock windows.
    m_placer->open(place, m_list->height(), m_list->width());
    m_list->show();
}

void BandWindow::savePosition()
{
    if (m_mode != BandMode::Window)
        return;
    const QRect frame = m_list->frameGeometry();
    // Not worth a message: should the store refuse, the window reopens at its old place.
    static_cast<void>(m_store.write(StoreBatch()
                                        .set(StoreKeys::BandLeft, Twips::fromPixels(frame.x()))
                                        .set(StoreKeys::BandTop, Twips::fromPixels(frame.y()))));
}

void BandWindow::end()
{
    savePosition();
    m_list->hide();
    if (m_tray)
        m_tray->hide();
    emit ended();
}
