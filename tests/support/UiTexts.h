#pragma once

#include "UiLanguage.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLocale>
#include <QStringList>
#include <QWidget>

// The texts a person reads or hears from a window, and the switch of language that a start
// under another LANG would make. For the tests of every window under two locales.
namespace UiTexts {

// As a program started with LANG=`name` ("ja_JP.UTF-8") picks its language.
inline void useLocale(const char* name)
{
    UiLanguage::install(QLocale(QString::fromLatin1(name).section(u'.', 0, 0)));
}

// Whether `text` has a kana, kanji or full-width character.
inline bool hasJapanese(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= 0x3000 && u <= 0x9fff) || (u >= 0xff00 && u <= 0xffef);
    });
}

// "objectName: text" of every tool tip, accessible name, window title, button, group box and
// action text of `root` and its children. Labels are left out: they show place names, which
// are data in the language the settings chose.
inline QStringList of(const QWidget* root)
{
    QStringList texts;
    const auto add = [&](const QObject* o, const QString& text) {
        if (!text.isEmpty())
            texts << o->objectName() + QStringLiteral(": ") + text;
    };
    QList<const QWidget*> widgets{root};
    for (const QWidget* w : root->findChildren<QWidget*>())
        widgets << w;
    for (const QWidget* w : widgets) {
        add(w, w->toolTip());
        add(w, w->accessibleName());
        if (w->isWindow())
            add(w, w->windowTitle());
        if (const auto* b = qobject_cast<const QAbstractButton*>(w))
            add(w, b->text());
        if (const auto* g = qobject_cast<const QGroupBox*>(w))
            add(w, g->title());
        for (const QAction* a : w->actions())
            add(a, a->text());
    }
    return texts;
}

// The texts of `root` that have Japanese in them.
inline QStringList japaneseIn(const QWidget* root)
{
    QStringList found = of(root);
    found.removeIf([](const QString& t) { return !hasJapanese(t); });
    return found;
}

} // namespace UiTexts
