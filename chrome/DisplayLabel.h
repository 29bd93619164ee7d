#pragma once

#include <QColor>
#include <QLabel>
#include <optional>

// A text label of the clock windows (lblDate, lblTime, lblPlace): thin single-line border,
// text in the title-bar text colour, and a background that is either transparent or opaque in
// the label's own colour. Setting the same text and look again touches nothing, so a clock's
// idle tick costs no repaint. Pointer moves are reported for the window's drag.
class DisplayLabel final : public QLabel {
    Q_OBJECT
public:
    DisplayLabel(const QString& objectName, QColor background, QWidget* parent);

    // Returns true when something changed (and the label will repaint).
    bool display(const QString& text, bool opaque);

    // From now on, a text wider than the label is shown in a smaller size of the label's
    // present font, down to a floor, rather than cut off.
    void shrinkToFit();
    // From now on, a text wider than the label ends in "…" where the label ends, the whole of
    // it in the tool tip (labels placed by a window's layout table).
    void elideToFit();
    // From now on, a text wider than `widest` pixels ends in "…" there (a label sized to its
    // text).
    void elideBeyond(int widest);

    // Whether the shown text's ink fits inside the border and the label's indent.
    bool textFits() const;

    // A mark under the text: the row the user chose. Exposed as selected to assistive tools.
    void setMarked(bool marked);
    bool marked() const { return m_marked; }

    bool opaque() const { return m_opaque; }
    QColor background() const { return m_background; }

signals:
    void mouseMoved(Qt::MouseButtons buttons);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    enum class Elision { None, ToLabel, ToWidth };

    void fitText();
    void showFullText();

    QString m_fullText;
    Elision m_elision = Elision::None;
    int m_widest = 0;
    QColor m_background;
    std::optional<QFont> m_fullFont; // set once the label shrinks to fit
    bool m_opaque = false;
    bool m_marked = false;
};
