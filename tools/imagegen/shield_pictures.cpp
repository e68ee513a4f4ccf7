#include "imagegen/shield_pictures.h"

#include "art/indicator_tile.h"
#include "art/shield.h"
#include "imagegen/image_sink.h"

#include <QSize>

namespace tessarin::imagegen {

namespace {

// Twice the octagon box of the main window (3135 x 3015 twips), so the stretched pieces stay sharp
// on high-density screens.
constexpr QSize pieceCanvas(418, 402);

// Twice the indicator's 345 twips.
constexpr int indicatorSide = 46;

} // namespace

void writeShieldPictures(ImageSink& sink)
{
    for (const art::PieceSet set : {art::PieceSet::Lost, art::PieceSet::SeaSerpent, art::PieceSet::Free}) {
        for (int piece = 1; piece <= 8; ++piece)
            sink.gif(QStringLiteral("%1-%2.gif").arg(art::pieceFileStem(set)).arg(piece),
                     art::pieceImage(set, piece, pieceCanvas));
    }
    for (const int tier : {3, 5, 8}) {
        sink.gif(QStringLiteral("set%1.gif").arg(tier),
                 art::indicatorImage(tier, art::IndicatorLook::Dim, indicatorSide));
        sink.gif(QStringLiteral("set%1.gif").arg(tier * 10),
                 art::indicatorImage(tier, art::IndicatorLook::Lit, indicatorSide));
    }
}

} // namespace tessarin::imagegen
