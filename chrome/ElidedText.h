#pragma once

#include <QString>

class QFont;

// Place names are the user's own text, of any length. Every display shows a name cut to the
// room it has, its end replaced by "…", rather than growing with it or clipping it mid-letter.
namespace ElidedText {

// The room for a name in a window that takes its size from its texts (the title-bar clock,
// the tray clock's list): what the list clock at its smallest leaves its names beside date and
// time (8175 less 1215 twips, 464 pixels). The longest names of the world list take about half
// of it.
inline constexpr int kNameRoomTwips = 6960;
// A tool tip shows more of a name: up to twice that room, in the tool tip's font.
inline constexpr int kToolTipRoomTwips = 2 * kNameRoomTwips;

// `text` at most `width` pixels wide in `font`, cut at its end with "…" when it is wider.
QString toWidth(const QString& text, const QFont& font, int width);

// `text` for a tool tip: each line whole up to the tool tip's room, cut beyond it.
QString forToolTip(const QString& text);

} // namespace ElidedText
