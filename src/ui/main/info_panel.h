#pragma once

#include <QColor>
#include <QLabel>
#include <QWidget>

#include <vector>

namespace tessarin {

// A figure that rises is drawn green, one that falls red (the sign keeps it readable without colour).
inline const QColor kRiseColour(120, 220, 120);
inline const QColor kFallColour(255, 130, 120);

// The label of an information panel: plain text, one line per line feed, each line in its own colour
// on the dark panel of the tooltip (Form16).
class PanelLabel : public QLabel {
    Q_OBJECT

public:
    explicit PanelLabel(QWidget* parent);

    // The text and the colour of each line (white for the lines without one).
    void setLines(const QString& text, const std::vector<QColor>& colours);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<QColor> colours_;
};

// An undecorated panel in the look of Form16 that never takes the focus: the change panel Form18 and the
// breakdown Form19. It sizes itself to its lines.
class InfoPanel : public QWidget {
    Q_OBJECT

public:
    InfoPanel(QWidget* mainWindow, const QString& name, const QString& title);

    // Sets the lines (rewritten only when they differ) and fits the panel to them.
    void setLines(const QString& text, const std::vector<QColor>& colours = {});
    QString text() const { return label_->text(); }

    // Puts the panel beside `window` (to its right, else to its left), on the window's screen.
    void placeBeside(const QWidget* window);
    // Puts the panel at `topLeft` (global, logical pixels) when it fits `area`; beside `window` otherwise.
    void placeIn(QRect area, const QWidget* window);

private:
    PanelLabel* label_ = nullptr;
};

} // namespace tessarin
