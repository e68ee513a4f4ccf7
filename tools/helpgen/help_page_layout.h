#pragma once

#include <QImage>
#include <QList>
#include <QPixmap>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QStringList>

namespace tessarin::helpgen {

// A numbered circle pointing at a control; `target` is the control's rectangle in the window's logical
// pixels.
struct Callout {
    int number = 0;
    QRectF target;
};

// One picture of a window on a page: the grab, the part of it shown (logical pixels of the window),
// the callouts, and an optional caption under it ("off", "on").
struct Panel {
    QPixmap picture;
    QRectF source;
    QList<Callout> callouts;
    QString caption;
};

// What a page says: its title, its size in the slideshow's logical pixels, and the short lines of text.
struct PageText {
    QString title;
    QSize size;
    QStringList lines;
};

// Pages are painted at twice the slideshow's logical size, so they stay sharp at 200 %.
inline constexpr int kPageScale = 2;

// Where each panel stands on the page, in the page's logical pixels. The layout puts the text beside
// the pictures or under them, whichever shows the windows larger.
QList<QRectF> panelTargets(const PageText& text, const QList<Panel>& panels);

// Where a callout is drawn on the page (logical pixels): the ring round its control and the numbered
// disc.
struct CalloutMark {
    QRectF ring;
    QPointF centre;
    qreal radius = 0;
};
QList<CalloutMark> calloutMarks(const QRectF& target, const Panel& panel);

// A panel's picture alone, scaled to `pixels` (the size of its target on the page in page pixels), as
// it is drawn on the page before the callouts go on top.
QImage panelImage(const Panel& panel, QSize pixels);

// The whole page: dark-and-gold frame, title band, the panels with their callouts, the text.
QImage paintPage(const PageText& text, const QList<Panel>& panels);

} // namespace tessarin::helpgen
