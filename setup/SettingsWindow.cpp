#include "SettingsWindow.h"

#include "AboutBox.h"
#include "BusyCursor.h"
#include "ChooserLabel.h"
#include "HelpViewer.h"
#include "SettingsLayout.h"
#include "Twips.h"
#include "WorldDb.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTimer>
#include <algorithm>
#include <utility>

namespace {

const QString kFontFamily = QStringLiteral("ＭＳ Ｐゴシック");
// Translated where they are shown: the translation is installed after these are made.
const char* const kSummerTip = QT_TRANSLATE_NOOP(
    "SettingsWindow", "Summer time adjustment (light blue: not known whether summer time is kept)");
// The orange mark: the place's zone decides its summer time, and the mark takes no clicks.
const char* const kZoneTip =
    QT_TRANSLATE_NOOP("SettingsWindow", "Summer time follows the time zone of the place");
const char* const kUtcTip =
    QT_TRANSLATE_NOOP("SettingsWindow", "UTC=universal time coordinated (=GMT)");

void setGround(QWidget* w, const QColor& colour)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colour);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void setTextColour(QWidget* w, const QColor& colour)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, colour);
    w->setPalette(p);
}

template <typename Widget> Widget* make(const QString& objectName, QWidget* parent)
{
    auto* w = new Widget(parent);
    w->setObjectName(objectName);
    return w;
}

QString indexed(const char* name, int index)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

// A caption of the details panel: white bold text on the window's ground.
void captionLabel(QWidget* parent, int index, const QString& text, const QRect& place)
{
    auto* label = make<QLabel>(indexed("lblTitle", index), parent);
    label->setText(text);
    QFont font(kFontFamily, 9);
    font.setBold(true);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true); // "Exchange Rate" takes two lines
    label->setGeometry(place);
}

// A value of the details panel: wraps at words and cuts off what does not fit its fixed size.
QLabel* valueLabel(QWidget* parent, const char* name, const QRect& place)
{
    auto* label = make<QLabel>(QLatin1String(name), parent);
    setGround(label, SettingsWindow::kValueGround);
    setTextColour(label, Qt::black);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(place);
    return label;
}

QColor buttonFace(const QWidget* w)
{
    return w->palette().color(QPalette::Button);
}

} // namespace

SettingsWindow::SettingsWindow(SettingsModel& model, ProgramStarter& starter, QString startDir,
                               QString ownDir, QWidget* parent)
    : QWidget(parent), m_model(model), m_starter(starter), m_startDir(std::move(startDir)),
      m_ownDir(std::move(ownDir))
{
    setObjectName(QStringLiteral("fMainSet"));
    setWindowTitle(tr("Zel's World Clock"));
    setFixedSize(Twips::toPixels(SettingsLayout::kClientWidth),
                 Twips::toPixels(SettingsLayout::kClientHeight));
    setFont(QFont(kFontFamily, 9));
    QPalette p = palette();
    p.setColor(QPalette::Window, kGround);
    p.setColor(QPalette::WindowText, Qt::white);
    setPalette(p);
    setAutoFillBackground(true);

    buildFrame();
    // The four pick lists, one shown at a time, under the frame.
    const std::array<std::pair<PickList, const char*>, 4> lists{{
        {PickList::CountryEnglish, "lstCountryName"},
        {PickList::CityEnglish, "lstCityName"},
        {PickList::CountryJapanese, "lstCountryNameJ"},
        {PickList::CityJapanese, "lstCityNameJ"},
    }};
    for (const auto& [list, name] : lists) {
        auto* widget = make<QListWidget>(QLatin1String(name), this);
        for (int row = 0; row < m_model.rowCount(list); ++row)
            widget->addItem(m_model.rowText(list, row));
        widget->setGeometry(SettingsLayout::kPickList);
        widget->setUniformItemSizes(true);
        // Moving the selection, by arrow keys or by typing a name's first letters, is a pick.
        connect(widget, &QListWidget::currentRowChanged, this, [this](int row) {
            if (row >= 0 && row != m_model.selectedRow()) {
                m_model.pick(row);
                refresh();
            }
        });
        m_lists.emplace(list, widget);
    }
    buildSearch();
    buildDetails();
    buildButtons();

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(kTickMs);
    connect(m_timer, &QTimer::timeout, this, &SettingsWindow::onTick);
    m_timer->start();

    refresh();
    m_lists.at(m_model.pickList())->setFocus();
}

void SettingsWindow::buildFrame()
{
    m_frame = make<QGroupBox>(QStringLiteral("Frame1"), this);
    m_frame->setTitle(tr("Clock"));
    m_frame->setGeometry(SettingsLayout::kFrame);

    m_interval = new ChooserLabel(QStringLiteral("lblCT"), m_frame);
    m_interval->setToolTip(tr("Click to change how long each place is shown"));
    m_interval->setGeometry(SettingsLayout::kInterval);
    connect(m_interval, &ChooserLabel::activated, this, [this] {
        m_model.nextInterval();
        refresh();
    });

    auto* languageBox = make<QWidget>(QStringLiteral("picJE"), m_frame);
    languageBox->setGeometry(SettingsLayout::kLanguageBox);
    const std::array<const char*, 2> languageNames{QT_TR_NOOP("Japanese"), QT_TR_NOOP("English")};
    auto* languages = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i) {
        m_language[i] = make<QRadioButton>(indexed("optJE", i), languageBox);
        m_language[i]->setText(tr(languageNames[i]));
        m_language[i]->setGeometry(SettingsLayout::languageOption(i));
        languages->addButton(m_language[i], i);
    }
    connect(languages, &QButtonGroup::idClicked, this, [this](int i) {
        m_model.switchLanguage(i);
        if (searching())
            showFound(true); // the places found, named in the other language
        refresh();
    });

    m_style = new ChooserLabel(QStringLiteral("lblCltp"), m_frame);
    m_style->setToolTip(tr("Click to change the kind of clock"));
    m_style->setGeometry(SettingsLayout::kStyle);
    connect(m_style, &ChooserLabel::activated, this, [this] {
        m_model.nextStyle();
        refresh();
    });
    for (ChooserLabel* chooser : {m_interval, m_style}) {
        setGround(chooser, buttonFace(chooser));
        setTextColour(chooser, Qt::black);
        chooser->setAlignment(Qt::AlignCenter);
    }

    auto* patternBox = make<QWidget>(QStringLiteral("picSelectPattern"), m_frame);
    patternBox->setGeometry(SettingsLayout::kPatternBox);
    const std::array<const char*, 2> patternNames{QT_TR_NOOP("Country"), QT_TR_NOOP("City")};
    auto* patterns = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i) {
        m_pattern[i] = make<QRadioButton>(indexed("optSelectPattern", i), patternBox);
        m_pattern[i]->setText(tr(patternNames[i]));
        m_pattern[i]->setGeometry(SettingsLayout::patternOption(i));
        patterns->addButton(m_pattern[i], i);
    }
    connect(patterns, &QButtonGroup::idClicked, this, [this](int i) {
        m_model.switchSelectPattern(i);
        refresh();
    });

    // An etched rule under the choosers: a dark line and a light one below it.
    for (int i = 0; i < 2; ++i) {
        auto* line = make<QFrame>(indexed("Line1", i), m_frame);
        setGround(line, i == 0 ? QColor(128, 128, 128) : QColor(Qt::white));
        line->setGeometry(SettingsLayout::ruleLine(i));
    }

    // Each option set is a group of its own: Qt's automatic one-of-many rule would take every
    // round button of the frame, the language and mode buttons in their boxes included, and let
    // the arrow keys wander from the slots into them. Arrows move between the slots and, as a
    // click does, make the slot reached current; a click on the current slot changes nothing.
    auto* slotButtons = new QButtonGroup(this);
    connect(slotButtons, &QButtonGroup::idClicked, this, [this](int n) {
        if (n == m_model.checkedSlot())
            return;
        m_model.selectSlot(n);
        refresh();
    });
    for (int n = 0; n < StoreKeys::kSlotCount; ++n) {
        m_slotOptions[n] = make<QRadioButton>(indexed("optClock", n), m_frame);
        m_slotOptions[n]->setGeometry(SettingsLayout::slotOption(n));
        slotButtons->addButton(m_slotOptions[n], n);
        m_names[n] = make<QLabel>(indexed("lblClock", n), m_frame);
        m_names[n]->setGeometry(SettingsLayout::slotName(n));
        m_names[n]->installEventFilter(this); // a double click renames the place
        m_times[n] = make<QLabel>(indexed("lblTime", n), m_frame);
        m_times[n]->setGeometry(SettingsLayout::slotTime(n));
        m_times[n]->setAlignment(Qt::AlignCenter);
        for (QLabel* label : {m_names[n], m_times[n]}) {
            setTextColour(label, Qt::black);
            label->setAutoFillBackground(true);
        }
        m_marks[n] = new ChooserLabel(indexed("lblSummer", n), m_frame);
        m_marks[n]->setToolTip(tr(kSummerTip));
        m_marks[n]->setAlignment(Qt::AlignCenter);
        setTextColour(m_marks[n], Qt::black);
        m_marks[n]->setGeometry(SettingsLayout::slotMark(n));
        connect(m_marks[n], &ChooserLabel::activated, this, [this, n] {
            m_model.toggleSummer(n);
            refresh();
        });
    }
}

void SettingsWindow::buildSearch()
{
    m_search = make<QLineEdit>(QStringLiteral("txtSearch"), this);
    m_search->setGeometry(SettingsLayout::kSearch);
    m_search->setPlaceholderText(tr("Find a place"));
    m_search->setAccessibleName(tr("Find a place"));
    m_search->installEventFilter(this);
    connect(m_search, &QLineEdit::textChanged, this, [this] {
        showFound(false);
        refresh();
    });
    m_found = make<QListWidget>(QStringLiteral("lstFound"), this);
    m_found->setAccessibleName(tr("Places found"));
    m_found->setGeometry(SettingsLayout::kPickList);
    m_found->setUniformItemSizes(true);
    m_found->hide();
    connect(m_found, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { pickFound(m_found->row(item)); });
    connect(m_found, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { pickFound(m_found->row(item)); });

    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this, [this] {
        m_search->setFocus();
        m_search->selectAll();
    });
    connect(new QShortcut(Qt::Key_F2, this), &QShortcut::activated, this,
            [this] { startRename(m_model.checkedSlot()); });
}

bool SettingsWindow::searching() const
{
    return !m_search->text().isEmpty();
}

void SettingsWindow::showFound(bool keepRow)
{
    const int row = keepRow ? m_found->currentRow() : 0;
    m_foundPlaces = m_model.find(m_search->text());
    const QSignalBlocker block(m_found);
    m_found->clear();
    for (const FoundPlace& place : m_foundPlaces)
        m_found->addItem(place.text());
    m_found->setCurrentRow(std::clamp(row, 0, m_found->count() - 1));
}

void SettingsWindow::pickFound(int row)
{
    if (row < 0 || std::size_t(row) >= m_foundPlaces.size())
        return;
    m_model.pick(m_foundPlaces[std::size_t(row)]);
    refresh();
}

void SettingsWindow::startRename(int slot)
{
    if (slot < 0 || slot >= StoreKeys::kSlotCount || !m_model.slot(slot).filled)
        return;
    if (!m_rename) {
        m_rename = make<QLineEdit>(QStringLiteral("txtClock"), m_frame);
        m_rename->setAccessibleName(tr("Your name for the place"));
        m_rename->installEventFilter(this);
        // Enter keeps the name, and so does leaving the field; Escape drops it.
        connect(m_rename, &QLineEdit::editingFinished, this, [this] { endRename(true); });
    }
    m_renaming = slot;
    m_rename->setGeometry(SettingsLayout::slotName(slot));
    m_rename->setText(m_model.slot(slot).name);
    m_rename->selectAll();
    m_rename->show();
    m_rename->raise();
    m_rename->setFocus();
}

void SettingsWindow::endRename(bool keep)
{
    const int slot = std::exchange(m_renaming, -1);
    if (slot < 0)
        return; // hiding the field takes its focus, which ends it once more
    if (keep)
        m_model.rename(slot, m_rename->text());
    m_rename->hide();
    refresh();
}

bool SettingsWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        const auto name = std::find(m_names.begin(), m_names.end(), watched);
        if (name != m_names.end()) {
            startRename(int(name - m_names.begin()));
            return true;
        }
    }
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (watched == m_rename && key == Qt::Key_Escape) {
        endRename(false);
        return true;
    }
    if (watched != m_search || !searching())
        return QWidget::eventFilter(watched, event);
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const int step = key == Qt::Key_Up ? -1 : 1;
        m_found->setCurrentRow(std::clamp(m_found->currentRow() + step, 0, m_found->count() - 1));
        return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
        pickFound(m_found->currentRow());
        return true;
    case Qt::Key_Escape:
        m_search->clear(); // the lists come back as they were
        return true;
    default:
        return QWidget::eventFilter(watched, event);
    }
}

void SettingsWindow::buildDetails()
{
    m_map = make<QLabel>(QStringLiteral("imgWorld"), this);
    m_map->setPixmap(QPixmap::fromImage(WorldDb::worldMap()));
    m_map->setAccessibleName(tr("Time zone map"));
    m_map->setGeometry(SettingsLayout::kMap);

    using namespace SettingsLayout;
    captionLabel(this, 1, tr("Country Name"), kCountryCaption);
    m_countryName = valueLabel(this, "lblCountryName", kCountryName);
    captionLabel(this, 2, tr("National capital"), kCapitalCaption);
    m_capital = valueLabel(this, "lblCapital", kCapital);
    captionLabel(this, 8, tr("Language"), kLanguageCaption);
    m_languages = valueLabel(this, "lblLanguage", kLanguage);
    captionLabel(this, 3, tr("Currency"), kCurrencyCaption);
    m_currency = valueLabel(this, "lblCurrency", kCurrency);
    captionLabel(this, 9, tr("Exchange Rate"), kExchangeCaption);
    m_exchange = valueLabel(this, "lblExchange", kExchange);

    m_flag = make<QLabel>(QStringLiteral("imgFlag"), this);
    m_flag->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_flag->setLineWidth(1);
    m_flag->setScaledContents(true);
    m_flag->setGeometry(kFlag);
    m_flag->setAccessibleName(tr("Flag"));

    captionLabel(this, 4, tr("(UTC)"), kUtcCaption);
    captionLabel(this, 5, tr("(Local)"), kLocalCaption);
    for (int index : {4, 5})
        findChild<QLabel*>(indexed("lblTitle", index))->setToolTip(tr(kUtcTip));
    m_utcOffset = make<QLabel>(QStringLiteral("lblTimeDifUTC"), this);
    m_utcOffset->setGeometry(kUtcOffset);
    m_localOffset = make<QLabel>(QStringLiteral("lblTimeDifLocal"), this);
    m_localOffset->setGeometry(kLocalOffset);

    // The cross-hair over the map: each line keeps its span and moves across it.
    m_lineEW = make<QFrame>(QStringLiteral("LineEW"), this);
    m_lineNS = make<QFrame>(QStringLiteral("lineNS"), this);
    for (QFrame* line : {m_lineEW, m_lineNS}) {
        setGround(line, kCrossHair);
        line->hide();
    }
}

void SettingsWindow::buildButtons()
{
    const auto button = [this](const QString& name, const QString& text, const QRect& place) {
        auto* b = make<QPushButton>(name, this);
        b->setText(text);
        b->setAutoDefault(true);
        b->setGeometry(place);
        return b;
    };
    QPushButton* ok = button(QStringLiteral("cmdOK_0"), tr("O K"), SettingsLayout::kOk);
    ok->setAccessibleName(tr("OK")); // the caption's spaced letters would be spelt out
    QPushButton* cancel = button(QStringLiteral("cmdOK_1"), tr("Cancel"), SettingsLayout::kCancel);
    QPushButton* about = button(QStringLiteral("cmdAbout"), tr("About"), SettingsLayout::kAbout);
    QPushButton* help = button(QStringLiteral("cmdHelp"), tr("Help"), SettingsLayout::kHelp);
    connect(about, &QPushButton::clicked, this, [this] { AboutBox::show(this); });
    connect(help, &QPushButton::clicked, this, [this] { HelpViewer::showContents(this); });
    connect(ok, &QPushButton::clicked, this, [this] { finish(true); });
    connect(cancel, &QPushButton::clicked, this, [this] { finish(false); });
}

void SettingsWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_F1 || event->modifiers() != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    const QWidget* focused = focusWidget();
    HelpViewer::showTopic(this, focused != nullptr ? HelpFile::topicOf(focused->objectName())
                                                   : QString());
}

void SettingsWindow::refresh()
{
    m_interval->setText(m_model.intervalCaption());
    m_style->setText(m_model.styleCaption());
    // The groups act on clicks only, so setting their buttons from here runs nothing.
    m_language[m_model.language() != 0 ? 1 : 0]->setChecked(true);
    m_pattern[m_model.selectPattern() == 1 ? 1 : 0]->setChecked(true);
    if (const int checked = m_model.checkedSlot(); checked >= 0)
        m_slotOptions[checked]->setChecked(true);
    for (int n = 0; n < StoreKeys::kSlotCount; ++n) {
        const SlotView slot = m_model.slot(n);
        m_names[n]->setText(slot.name);
        // Without a name of their own the text-less slot button and an empty slot's labels
        // would be read out by the group box's title alone, "Clock".
        const QString heard =
            tr("Slot %1: %2")
                .arg(QString::number(n + 1), slot.filled ? slot.name.trimmed() : tr("empty"));
        m_slotOptions[n]->setAccessibleName(heard);
        for (QLabel* label : {m_names[n], m_times[n]})
            label->setAccessibleName(slot.filled ? QString() : heard);
        for (QLabel* label : {m_names[n], m_times[n]}) {
            QPalette p = label->palette();
            p.setColor(QPalette::Window, slot.filled ? kFilled : buttonFace(this));
            label->setPalette(p);
        }
        ChooserLabel* mark = m_marks[n];
        mark->setVisible(slot.mark != SummerMark::Hidden);
        if (slot.mark != SummerMark::Hidden) {
            const bool switchable = slot.mark == SummerMark::Cyan;
            setGround(mark, switchable ? kSummerCyan : kSummerOrange);
            mark->setText(slot.summer ? QStringLiteral("+1") : QStringLiteral("  "));
            mark->setToolTip(tr(switchable ? kSummerTip : kZoneTip));
            mark->setFocusPolicy(switchable ? Qt::StrongFocus : Qt::NoFocus);
        }
    }
    refreshTimes();

    const PickList inUse = m_model.pickList();
    m_found->setVisible(searching());
    for (auto& [list, widget] : m_lists) {
        widget->setVisible(list == inUse && !searching());
        if (list == inUse) {
            const QSignalBlocker block(widget);
            widget->setCurrentRow(m_model.selectedRow());
            widget->scrollToItem(widget->currentItem());
        }
    }

    const DetailsView& d = m_model.details();
    m_countryName->setText(d.officialName);
    m_capital->setText(d.capital);
    m_languages->setText(d.language);
    m_currency->setText(d.currency);
    m_exchange->setText(d.exchange);
    m_utcOffset->setText(d.utcOffset);
    m_localOffset->setText(d.localOffset);
    if (d.flag != m_shownFlag && d.flag >= 0) {
        m_shownFlag = d.flag;
        m_flag->setPixmap(QPixmap::fromImage(WorldDb::flag(d.flag)));
    }
    if (d.crossHair) {
        const int x = Twips::toPixels(d.crossHair->x());
        const int y = Twips::toPixels(d.crossHair->y());
        using namespace SettingsLayout;
        const int top = Twips::toPixels(kMapTop);
        const int left = Twips::toPixels(kMapLeft);
        m_lineEW->setGeometry(x, top, 1, Twips::toPixels(kCrossHairBottom) - top + 1);
        m_lineNS->setGeometry(left, y, Twips::toPixels(kCrossHairRight) - left + 1, 1);
        m_lineEW->raise();
        m_lineNS->raise();
    }
    m_lineEW->setVisible(d.crossHair.has_value());
    m_lineNS->setVisible(d.crossHair.has_value());
}

void SettingsWindow::refreshTimes()
{
    for (int n = 0; n < StoreKeys::kSlotCount; ++n)
        m_times[n]->setText(m_model.slot(n).time);
}

void SettingsWindow::onTick()
{
    m_model.tick();
    refreshTimes();
}

void SettingsWindow::finish(bool save)
{
    std::optional<StartFailure> failure;
    {
        const BusyCursor busy; // the save may wait for another program's lock on the store
        failure = save ? m_model.accept(m_starter, m_startDir, m_ownDir)
                       : m_model.reject(m_starter, m_startDir, m_ownDir);
    }
    if (!failure) {
        emit finished();
        close();
        return;
    }
    // Not saved, or saved but nothing started: say why and stay, so that the user can try again,
    // choose another style or cancel.
    refresh();
    QMessageBox::warning(this, windowTitle(), failure->message());
}
