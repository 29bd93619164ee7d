#include "HourCycle.h"

#include "SettingsStore.h"

#include <QRegularExpression>

namespace {

// Scripts whose text runs without blanks: their AM/PM text leads the time, as it does in speech.
bool writtenWithoutBlanks(const QString& text)
{
    for (const QChar c : text) {
        switch (c.script()) {
        case QChar::Script_Han:
        case QChar::Script_Hiragana:
        case QChar::Script_Katakana:
        case QChar::Script_Hangul:
            return true;
        default:
            break;
        }
    }
    return false;
}

} // namespace

namespace HourCycles {

QString twelveHourFormat(const QLocale& locale)
{
    QString format = locale.timeFormat(QLocale::ShortFormat);
    // Seconds are never shown ("C" has them in its short format).
    format.remove(QRegularExpression(QStringLiteral("[:.]ss?")));
    if (format.contains(u'A', Qt::CaseInsensitive))
        return format;
    format.replace(QRegularExpression(QStringLiteral("H+")), QStringLiteral("h"));
    return writtenWithoutBlanks(locale.amText()) ? QStringLiteral("AP") + format
                                                 : format + QStringLiteral(" AP");
}

HourCycle load(SettingsStore& store)
{
    return store.get(StoreKeys::Clock12, StoreReader::Clocks) == 1 ? HourCycle::Twelve
                                                                   : HourCycle::TwentyFour;
}

WriteResult save(SettingsStore& store, HourCycle cycle)
{
    StoreBatch batch;
    batch.set(StoreKeys::Clock12, cycle == HourCycle::Twelve ? 1 : 0).set(StoreKeys::Change, 1);
    return store.write(batch);
}

} // namespace HourCycles
