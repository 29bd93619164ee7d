#include "ListWindow.h"

#include "ClockLook.h"
#include "DisplayLabel.h"
#include "HourCycleAction.h"
#include "StripWidget.h"
#include "Twips.h"
#include "WindowDrag.h"
#include "WindowPlacer.h"
#include "platform/TopMost.h"

#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCursor>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QGuiApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QRegularExpressionValidator>
#include <QSaveFile>
#include <QTimeEdit>
#include <QToolTip>
#include <QWheelEvent>

namespace {

// The objectName of a row's control: "lblDate_0" for the local row.
QString indexed(QStringView name, int row)
{
    return name.toString() + u'_' + QString::number(row);
}

// A looked-at time is drawn on a violet ground that no present time ever has, darker in the
// night hours, so it cannot be taken for the time now.
QColor lookedDayGround()
{
    return {104, 56, 144};
}

QColor lookedNightGround()
{
    return {48, 16, 72};
}

constexpr int kMinutesPerDay = 24 * 60;
constexpr int kWheelNotch = 120; // a wheel's notch in eighths of a degree
constexpr double kDistancePoints = 7.5;
constexpr int kDistanceGapPixels = 4;

} // namespace

ListWindow::ListWindow(SettingsStore& store, const Clock& clock, ProgramStarter& starter,
                       QString programFolder, QWidget* parent)
    : ClockWindow(QStringLiteral("fMainList"), QStringLiteral("zelroll"), store, clock, starter,
                  std::move(programFolder), StoreKeys::ListWindow, parent),
      m_list(store, clock)
{
    // The arrow keys and typed times reach the window once it is clicked.
    setFocusPolicy(Qt::ClickFocus);
    buildControls();
    start();
}

ListWindow::~ListWindow() = default;

void ListWindow::buildControls()
{
    using namespace ListLayout;
    addButtons<ListButton>(ListButtons::table(), [this](ListButton id) {
        if (id == ListButton::DW)
            toggleMode();
        else
            close();
    });
    // The strip-mode button has no tool tip to be read out by.
    findChild<ImageButton*>(entryOf(ListButtons::table(), ListButton::DW).name)
        ->setAccessibleName(tr("Switch the strips' colouring"));

    // The mode label only shows the mode: it neither drags nor resets the buttons.
    m_modeLabel = new DisplayLabel(QStringLiteral("lblDW"), QColor(), this);
    m_modeLabel->setGeometry(Twips::rect(kModeLabelLeft, 0, modeLabelWidth(kMinWidth), kRowHeight));

    for (int r = 0; r < kRowCount; ++r) {
        const int top = rowTop(r);
        m_dateLabels[r] = addLabel(indexed(u"lblDate", r), ClockLook::dateHighlight(),
                                   QRect(0, top, kDateWidth, kRowHeight));
        m_dateLabels[r]->shrinkToFit(); // some languages' months are wider than the label
        m_strips[r] = new StripWidget(indexed(u"lblTimeZone", r), this);
        m_strips[r]->move(Twips::toPixels(kStripLeft), Twips::toPixels(top));
        m_timeLabels[r] = addLabel(indexed(u"lblTime", r), ClockLook::nightHighlight(),
                                   QRect(kTimeLeft, top, kTimeWidth, kRowHeight));
        m_timeLabels[r]->setFont(ClockLook::labelFont());
        m_placeLabels[r] = addLabel(indexed(u"lblPlace", r), QColor(),
                                    QRect(kPlaceLeft, top, placeLabelWidth(kMinWidth), kRowHeight));
        m_placeLabels[r]->setFont(ClockLook::labelFont());
        m_placeLabels[r]->elideToFit();
    }
    // The time labels overlap the strip's last border: they lie above it.
    for (DisplayLabel* l : m_timeLabels)
        l->raise();
    // Turning the wheel over a row looks ahead or back; the strips keep it from the window.
    for (int r = 0; r < kRowCount; ++r) {
        for (QWidget* w : std::initializer_list<QWidget*>{m_dateLabels[r], m_strips[r],
                                                          m_timeLabels[r], m_placeLabels[r]})
            w->installEventFilter(this);
    }

    m_distance = new QLabel(this);
    m_distance->setObjectName(QStringLiteral("lblAhead"));
    QFont small = font();
    small.setPointSizeF(kDistancePoints);
    m_distance->setFont(small);
    m_distance->setForegroundRole(QPalette::HighlightedText);
    m_distance->hide();
}

void ListWindow::start()
{
    m_list.start();
    applyHeight();
    TopMost::keepOnTop(*this);
    openAtStoredPlace(height(), minimumWidth());
    m_modeLabel->display(m_list.modeCaption(), false);
    repaintStrips();
    onTick(); // the first texts are there when the window first shows
    // Asleep between minutes, unless a look is to give way to the present before the next.
    ticks().setNextDue([this] { return m_list.nextDue(); });
    ticks().start();
}

void ListWindow::applyHeight()
{
    const int h = Twips::toPixels(m_list.windowHeight());
    setMinimumWidth(
        Twips::toPixels(ListLayout::kMinWidth + ListLayout::extraFor(m_list.places().hourCycle)));
    setFixedHeight(h);
    // The height leaves the rows beyond the places just outside the frame; here the window's
    // inside is the full height, so the top edge of the next row would peek out below the
    // last one. Those rows keep their contents for when the places grow again.
    const int shownRows = m_list.places().plcCount + 2;
    for (int r = 0; r < ListLayout::kRowCount; ++r) {
        const bool shown = r < shownRows;
        const auto row = std::size_t(r);
        m_dateLabels[row]->setVisible(shown);
        m_timeLabels[row]->setVisible(shown);
        m_placeLabels[row]->setVisible(shown);
        m_strips[row]->setVisible(shown);
    }
}

void ListWindow::repaintStrips()
{
    const std::vector<StripRow> strips = m_list.strips();
    for (std::size_t r = 0; r < strips.size(); ++r)
        m_strips[r]->setRow(strips[r]);
}

void ListWindow::onTick()
{
    const ListClock::Tick t = m_list.tick();
    if (t.reloaded) {
        applyHeight();
        applyLayout(); // a new hour cycle widens or narrows the times
        if (m_chosenRow > m_list.places().count())
            setChosenRow(0);
    }
    if (t.looking != m_timesLooking) {
        // Every row, the hidden ones too: they may be shown again by a reload.
        for (DisplayLabel* l : m_timeLabels)
            applyTimeLook(*l, t.looking, false);
    }
    for (std::size_t r = 0; r < t.rows.size(); ++r) {
        const RowText& row = t.rows[r];
        m_dateLabels[r]->display(row.date, row.dateHighlight);
        showTime(r, row, t.looking);
        m_placeLabels[r]->display(row.place, false);
    }
    m_timesLooking = t.looking;
    if (t.strips) {
        for (std::size_t r = 0; r < t.strips->size(); ++r)
            m_strips[r]->setRow((*t.strips)[r]);
    }
    if (t.looking)
        placeDistance();
    m_distance->setText(t.distance);
    m_distance->setVisible(t.looking);
}

void ListWindow::showTime(std::size_t row, const RowText& text, bool looking)
{
    DisplayLabel* label = m_timeLabels[row];
    // The ground of a looked-at time follows its night hours; the present's look is set once,
    // when a look ends, so an idle tick only sets the text.
    if (looking)
        applyTimeLook(*label, looking, text.nightHighlight);
    label->display(text.time, looking || text.nightHighlight);
}

void ListWindow::applyTimeLook(DisplayLabel& label, bool looking, bool night)
{
    const QColor ground = !looking ? ClockLook::nightHighlight()
                          : night  ? lookedNightGround()
                                   : lookedDayGround();
    if (label.palette().color(QPalette::Window) != ground) {
        QPalette p = label.palette();
        p.setColor(QPalette::Window, ground);
        label.setPalette(p);
    }
    QFont font = ClockLook::labelFont();
    font.setItalic(looking);
    if (label.font() != font)
        label.setFont(font);
}

bool ListWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (m_editor && watched == m_editor) {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            closeEditor();
            return true;
        }
        if (event->type() == QEvent::FocusOut)
            closeEditor();
        return false;
    }
    if (event->type() == QEvent::Wheel) {
        wheelTurned(*static_cast<QWheelEvent*>(event));
        return true;
    }
    // A click on a row's name chooses that row.
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        const auto name = std::find(m_placeLabels.begin(), m_placeLabels.end(), watched);
        if (name != m_placeLabels.end())
            setChosenRow(int(name - m_placeLabels.begin()));
    }
    // A click on the local time comes back to the present.
    if (event->type() == QEvent::MouseButtonRelease && watched == m_timeLabels[0] &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && m_list.isLooking()) {
        m_list.backToNow();
        onTick();
    }
    return QWidget::eventFilter(watched, event);
}

void ListWindow::wheelTurned(const QWheelEvent& event)
{
    const QPoint delta = event.angleDelta();
    m_wheelRest += delta.y() != 0 ? delta.y() : delta.x();
    const int notches = m_wheelRest / kWheelNotch;
    if (notches == 0)
        return;
    m_wheelRest -= notches * kWheelNotch;
    // Turned away from the user: later.
    m_list.step(notches, event.modifiers() & Qt::ShiftModifier ? LookedAtInstant::Step::Quarter
                                                               : LookedAtInstant::Step::Hour);
    onTick();
}

void ListWindow::keyPressEvent(QKeyEvent* event)
{
    const auto size = event->modifiers() & Qt::ShiftModifier ? LookedAtInstant::Step::Quarter
                                                             : LookedAtInstant::Step::Hour;
    const int key = event->key();
    if (key == Qt::Key_Left || key == Qt::Key_Right) {
        m_list.step(key == Qt::Key_Right ? 1 : -1, size);
        onTick();
    } else if (key == Qt::Key_Escape) {
        m_list.backToNow();
        onTick();
    } else if (key == Qt::Key_N) {
        lookAtCommonHour(!(event->modifiers() & Qt::ShiftModifier));
    } else if (event->matches(QKeySequence::Copy)) {
        copyMoment();
    } else if (key == Qt::Key_Up || key == Qt::Key_Down) {
        chooseRow(key == Qt::Key_Down ? 1 : -1);
    } else if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        openEditor(typingRow(), event->text());
    } else {
        QWidget::keyPressEvent(event);
    }
}

void ListWindow::chooseRow(int step)
{
    const int rows = m_list.places().count() + 1;
    setChosenRow(m_chosenRow < 0 ? (step > 0 ? 0 : rows - 1) : (m_chosenRow + step + rows) % rows);
}

void ListWindow::setChosenRow(int row)
{
    for (int r = 0; r < ListLayout::kRowCount; ++r)
        m_placeLabels[std::size_t(r)]->setMarked(r == row);
    m_chosenRow = row;
}

int ListWindow::typingRow() const
{
    const QPoint at = mapFromGlobal(QCursor::pos());
    if (rect().contains(at)) {
        const int row = ListLayout::rowAt(int(Twips::fromPixels(at.y())));
        if (row >= 0 && row <= m_list.places().count())
            return row;
    }
    return std::max(m_chosenRow, 0);
}

void ListWindow::openEditor(int row, const QString& typed)
{
    // Made when first needed: an idle clock does not carry a line editor's cost.
    if (!m_editor) {
        m_editor = new QLineEdit(this);
        m_editor->setObjectName(QStringLiteral("edTime"));
        m_editor->setFont(ClockLook::labelFont());
        m_editor->setValidator(
            new QRegularExpressionValidator(TypedTime::partialPattern(), m_editor));
        m_editor->installEventFilter(this);
        connect(m_editor, &QLineEdit::returnPressed, this, &ListWindow::applyTypedTime);
    }
    m_editorRow = row;
    m_editor->setGeometry(m_timeLabels[std::size_t(row)]->geometry());
    m_editor->setText(typed);
    m_editor->show();
    m_editor->raise();
    m_editor->setFocus();
}

void ListWindow::closeEditor()
{
    m_editorRow = -1;
    if (m_editor)
        m_editor->hide();
    setFocus();
}

void ListWindow::applyTypedTime()
{
    const TypedTime::Outcome outcome = m_list.lookAtTyped(m_editorRow, m_editor->text());
    if (outcome.refusal) {
        const QString why = *outcome.refusal == TypedTime::Refusal::Skipped
                                ? tr("No such time there that day: summer time skips it")
                                : tr("Type a time such as 9, 9:30 or 21:05");
        QToolTip::showText(m_editor->mapToGlobal(QPoint(0, m_editor->height())), why, m_editor);
        return;
    }
    closeEditor();
    onTick();
}

void ListWindow::toggleMode()
{
    m_list.toggleMode();
    m_modeLabel->display(m_list.modeCaption(), false);
    repaintStrips();
}

void ListWindow::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("mnuList"));
    QAction* copy = menu.addAction(tr("Copy the times"), this, &ListWindow::copyMoment);
    copy->setObjectName(QStringLiteral("actCopy"));
    copy->setShortcut(QKeySequence::Copy);
    menu.addAction(tr("Save as calendar event…"), this, &ListWindow::saveMoment)
        ->setObjectName(QStringLiteral("actCalendar"));
    const int row = ListLayout::rowAt(int(Twips::fromPixels(event->pos().y())));
    if (row >= 0 && row <= m_list.places().count()) {
        menu.addSeparator();
        const QString hours =
            row == 0 ? tr("Common working hours…")
                     : tr("Working hours of %1…").arg(m_list.shownPlaces()[std::size_t(row)].name);
        menu.addAction(hours, this, [this, row] { editWorkingHours(row); })
            ->setObjectName(QStringLiteral("actHours"));
        if (row > 0)
            menu.addAction(tr("Show while…"), this, [this, row] { editShowWhile(row); })
                ->setObjectName(QStringLiteral("actShowWhile"));
    }
    menu.addSeparator();
    addHourCycleAction(menu, store());
    menu.exec(event->globalPos());
}

void ListWindow::lookAtCommonHour(bool forward)
{
    if (m_list.lookAtCommonHour(forward)) {
        onTick();
        return;
    }
    QToolTip::showText(mapToGlobal(m_placeLabels[0]->geometry().bottomLeft()),
                       forward ? tr("No hour within a week from now when every place is at work")
                               : tr("No hour within a week back when every place was at work"),
                       this);
}

void ListWindow::editWorkingHours(int row)
{
    const WorkingHours& hours = m_list.workingHours();
    const WorkingHours::Span span = hours.spanOf(row);
    QDialog dialog(this);
    dialog.setObjectName(QStringLiteral("dlgHours"));
    dialog.setWindowTitle(
        row == 0 ? tr("Common working hours")
                 : tr("Working hours of %1").arg(m_list.shownPlaces()[std::size_t(row)].name));
    auto* form = new QFormLayout(&dialog);
    QCheckBox* own = nullptr;
    if (row > 0) {
        own = new QCheckBox(tr("Hours of its own"), &dialog);
        own->setObjectName(QStringLiteral("chkOwnHours"));
        own->setChecked(hours.hasOwnSpan(row - 1));
        form->addRow(own);
    }
    const auto timeEdit = [&dialog](const QString& name, int minutes) {
        auto* edit =
            new QTimeEdit(QTime(0, 0).addSecs(qint64(minutes % kMinutesPerDay) * 60), &dialog);
        edit->setObjectName(name);
        edit->setDisplayFormat(QStringLiteral("HH:mm"));
        return edit;
    };
    QTimeEdit* from = timeEdit(QStringLiteral("tmFrom"), span.startMinutes);
    QTimeEdit* until = timeEdit(QStringLiteral("tmUntil"), span.endMinutes);
    form->addRow(tr("From"), from);
    form->addRow(tr("Until (00:00: midnight)"), until);
    if (own) {
        const auto enable = [from, until](bool on) {
            from->setEnabled(on);
            until->setEnabled(on);
        };
        enable(own->isChecked());
        connect(own, &QCheckBox::toggled, &dialog, enable);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const auto minutesOf = [](const QTime& t) { return t.hour() * 60 + t.minute(); };
    std::optional<WorkingHours::Span> chosen;
    if (!own || own->isChecked()) {
        const int end = minutesOf(until->time());
        chosen = WorkingHours::Span{minutesOf(from->time()), end == 0 ? kMinutesPerDay : end};
    }
    const WriteResult written = m_list.setWorkingHours(row, chosen);
    if (!written)
        QMessageBox::warning(this, dialog.windowTitle(), written.error()->message());
    onTick();
}

void ListWindow::editShowWhile(int row)
{
    const Place& place = m_list.places().places[std::size_t(row - 1)];
    const QString title = tr("Show %1 while").arg(place.name);
    bool accepted = false;
    const QString word = QInputDialog::getText(
        this, title,
        tr("While the window in front has this word in its title or class name, the panel and "
           "title-bar clocks show %1. Empty: never.")
            .arg(place.name),
        QLineEdit::Normal, place.showWhile, &accepted);
    if (!accepted)
        return;
    const WriteResult written = m_list.setShowWhile(row, word);
    if (!written)
        QMessageBox::warning(this, title, written.error()->message());
}

void ListWindow::copyMoment()
{
    QGuiApplication::clipboard()->setText(m_list.momentLines().join(u'\n') + u'\n');
}

void ListWindow::saveMoment()
{
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Save as calendar event"), QDir::home().filePath(QStringLiteral("meeting.ics")),
        tr("Calendar files (*.ics)"));
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(m_list.momentEvent().toICalendar()) < 0 ||
        !file.commit())
        QMessageBox::warning(this, tr("Save as calendar event"),
                             tr("%1 could not be saved: %2").arg(path, file.errorString()));
}

void ListWindow::applyLayout()
{
    const ListLayout::Size want = ListLayout::enforced(
        {int(Twips::fromPixels(width())), int(Twips::fromPixels(height()))}, m_list.windowHeight());
    const QSize px(Twips::toPixels(want.width), Twips::toPixels(want.height));
    if (px != size())
        resize(px);
    const int client = int(Twips::fromPixels(width()));
    const HourCycle cycle = m_list.places().hourCycle;
    const int extra = ListLayout::extraFor(cycle);
    for (DisplayLabel* l : m_timeLabels)
        l->resize(Twips::toPixels(ListLayout::kTimeWidth + extra), l->height());
    for (DisplayLabel* l : m_placeLabels)
        l->setGeometry(Twips::toPixels(ListLayout::kPlaceLeft + extra), l->y(),
                       Twips::toPixels(ListLayout::placeLabelWidth(client, cycle)), l->height());
    m_modeLabel->resize(Twips::toPixels(ListLayout::modeLabelWidth(client)), m_modeLabel->height());
    placeDistance();
}

void ListWindow::placeDistance()
{
    // The distance of a look stands inside the local row's name label, after "Local".
    const DisplayLabel* local = m_placeLabels[0];
    const QFontMetrics metrics = local->fontMetrics();
    const int left = local->x() + local->frameWidth() + metrics.horizontalAdvance(u'x') / 2 +
                     metrics.horizontalAdvance(local->text()) + kDistanceGapPixels;
    const int inner = local->height() - 2 * local->frameWidth();
    m_distance->setGeometry(left, local->y() + local->frameWidth(),
                            std::max(0, local->geometry().right() - local->frameWidth() - left + 1),
                            inner);
}

void ListWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    applyLayout();
}

void ListWindow::mousePressEvent(QMouseEvent* event)
{
    applyLayout();
    startWindowDrag(this, event->buttons());
    event->accept();
}
