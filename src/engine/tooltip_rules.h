#pragma once

#include "state/character_state.h"

#include <QPointF>
#include <QString>
#include <QStringList>

namespace tessarin {

// What a mouse move over one of the hover pictures asks of the tooltip window `Form16`.
struct TooltipView {
    enum class Action {
        Keep,  // leave the tooltip as it is
        Hide,  // hide it (it stays created)
        Show,  // set size, position and text as below and show it
        Close, // destroy it, so it comes back with its first size and an empty label
    };
    Action action = Action::Keep;
    QString text;
    int width = 0;  // twips, the window's outer width
    int height = 0; // twips, the window's outer height
    // The set tooltip gives the label the window's size; the gem tooltip leaves the label as it is.
    bool sizeLabel = false;
    // Twips from the main window's top-left corner to the tooltip's top-left corner.
    QPointF offset;
};

// The tooltip's text: CR LF, then every line indented by six blanks, the lines separated by CR LF and
// no CR LF at the end.
QString tooltipText(const QStringList& lines);

// A move over a set-effect indicator (Image10, Image11 or Image12, 345 x 345 twips), the pointer in
// twips relative to the indicator: the effects of the catalogue sets that are worn.
TooltipView setIndicatorTooltip(const CharacterState& state, QPointF pointer);

// The fitted gem kind (1..8, the order of gemFlags) the gem tooltip names; 0 when no gem is fitted.
int fittedGemKind(const CharacterState& state);

// A move over the gem picture (Image18, 720 x 720 twips), the pointer in twips relative to it: the
// fitted gem's name and bonus.
TooltipView gemTooltip(const CharacterState& state, QPointF pointer);

} // namespace tessarin
