#include "imagegen/gif_writer.h"

#include <QFile>
#include <QHash>

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

namespace tessarin::imagegen {

namespace {

constexpr int maxOpaqueColours = 255;
constexpr int transparentIndex = 255;

// 5 bits per channel: fine enough for the colours of painted artwork, small enough to sort quickly.
int binOf(QRgb colour)
{
    return ((qRed(colour) >> 3) << 10) | ((qGreen(colour) >> 3) << 5) | (qBlue(colour) >> 3);
}

int channelOf(int bin, int channel)
{
    return (bin >> (10 - 5 * channel)) & 31;
}

struct BinStats {
    quint64 count = 0;
    std::array<quint64, 3> sum{};
};

struct Palette {
    std::vector<QRgb> colours;
    std::vector<int> indexOfBin;    // only for the median-cut path
    QHash<QRgb, int> indexOfColour; // only when the image has few enough colours
};

// Median cut over the histogram: split the box with the most pixels times widest range until there
// are enough boxes; each box's colour is the mean of its pixels.
Palette medianCut(const std::vector<BinStats>& bins)
{
    std::vector<std::vector<int>> boxes(1);
    for (int bin = 0; bin < static_cast<int>(bins.size()); ++bin)
        if (bins[bin].count > 0)
            boxes[0].push_back(bin);

    auto range = [](const std::vector<int>& box, int channel) {
        int lo = 31, hi = 0;
        for (const int bin : box) {
            lo = std::min(lo, channelOf(bin, channel));
            hi = std::max(hi, channelOf(bin, channel));
        }
        return hi - lo;
    };
    auto pixels = [&bins](const std::vector<int>& box) {
        quint64 total = 0;
        for (const int bin : box)
            total += bins[bin].count;
        return total;
    };

    while (static_cast<int>(boxes.size()) < maxOpaqueColours) {
        int best = -1;
        int bestChannel = 0;
        quint64 bestScore = 0;
        for (int i = 0; i < static_cast<int>(boxes.size()); ++i) {
            if (boxes[i].size() < 2)
                continue;
            int channel = 0;
            int widest = -1;
            for (int c = 0; c < 3; ++c) {
                const int r = range(boxes[i], c);
                if (r > widest) {
                    widest = r;
                    channel = c;
                }
            }
            const quint64 score = pixels(boxes[i]) * static_cast<quint64>(widest + 1);
            if (widest > 0 && score > bestScore) {
                bestScore = score;
                best = i;
                bestChannel = channel;
            }
        }
        if (best < 0)
            break;
        std::vector<int>& box = boxes[best];
        std::sort(box.begin(), box.end(),
                  [bestChannel](int a, int b) { return channelOf(a, bestChannel) < channelOf(b, bestChannel); });
        const quint64 half = pixels(box) / 2;
        quint64 running = 0;
        std::size_t cut = 1;
        for (std::size_t i = 0; i + 1 < box.size(); ++i) {
            running += bins[box[i]].count;
            cut = i + 1;
            if (running >= half)
                break;
        }
        std::vector<int> upper(box.begin() + static_cast<std::ptrdiff_t>(cut), box.end());
        box.resize(cut);
        boxes.push_back(std::move(upper));
    }

    Palette palette;
    palette.indexOfBin.assign(bins.size(), 0);
    for (int i = 0; i < static_cast<int>(boxes.size()); ++i) {
        BinStats total;
        for (const int bin : boxes[i]) {
            total.count += bins[bin].count;
            for (int c = 0; c < 3; ++c)
                total.sum[c] += bins[bin].sum[c];
            palette.indexOfBin[bin] = i;
        }
        const quint64 n = std::max<quint64>(1, total.count);
        palette.colours.push_back(qRgb(int(total.sum[0] / n), int(total.sum[1] / n), int(total.sum[2] / n)));
    }
    return palette;
}

struct GifCloser {
    void operator()(GifFileType* gif) const
    {
        if (gif)
            EGifCloseFile(gif, nullptr);
    }
};

QString gifError(int code)
{
    const char* text = GifErrorString(code);
    return text ? QString::fromLatin1(text) : QStringLiteral("giflib error %1").arg(code);
}

} // namespace

bool writeGif(const QImage& source, const QString& path, QString* error)
{
    if (source.isNull()) {
        *error = QStringLiteral("empty image");
        return false;
    }
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int width = image.width();
    const int height = image.height();

    // Exact colours when there are few enough, otherwise a median-cut palette.
    Palette palette;
    bool anyTransparent = false;
    bool exact = true;
    std::vector<BinStats> bins(1 << 15);
    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            if (qAlpha(line[x]) < 128) {
                anyTransparent = true;
                continue;
            }
            const QRgb colour = line[x] | 0xff000000u;
            BinStats& bin = bins[binOf(colour)];
            ++bin.count;
            bin.sum[0] += qRed(colour);
            bin.sum[1] += qGreen(colour);
            bin.sum[2] += qBlue(colour);
            if (exact && !palette.indexOfColour.contains(colour)) {
                if (palette.colours.size() < maxOpaqueColours) {
                    palette.indexOfColour.insert(colour, static_cast<int>(palette.colours.size()));
                    palette.colours.push_back(colour);
                } else {
                    exact = false;
                }
            }
        }
    }
    if (!exact)
        palette = medianCut(bins);

    std::array<GifColorType, 256> entries{};
    for (std::size_t i = 0; i < palette.colours.size(); ++i)
        entries[i] = {GifByteType(qRed(palette.colours[i])), GifByteType(qGreen(palette.colours[i])),
                      GifByteType(qBlue(palette.colours[i]))};
    std::unique_ptr<ColorMapObject, void (*)(ColorMapObject*)> colourMap(GifMakeMapObject(256, entries.data()),
                                                                         GifFreeMapObject);
    if (!colourMap) {
        *error = QStringLiteral("cannot allocate the colour map");
        return false;
    }

    int code = 0;
    const QByteArray fileName = QFile::encodeName(path);
    std::unique_ptr<GifFileType, GifCloser> gif(EGifOpenFileName(fileName.constData(), false, &code));
    if (!gif) {
        *error = gifError(code);
        return false;
    }
    EGifSetGifVersion(gif.get(), true);
    if (EGifPutScreenDesc(gif.get(), width, height, 8, 0, colourMap.get()) == GIF_ERROR) {
        *error = gifError(gif->Error);
        return false;
    }

    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSAL_UNSPECIFIED;
    control.UserInputFlag = false;
    control.DelayTime = 0;
    control.TransparentColor = anyTransparent ? transparentIndex : NO_TRANSPARENT_COLOR;
    GifByteType extension[4];
    EGifGCBToExtension(&control, extension);
    if (EGifPutExtension(gif.get(), GRAPHICS_EXT_FUNC_CODE, sizeof extension, extension) == GIF_ERROR ||
        EGifPutImageDesc(gif.get(), 0, 0, width, height, false, nullptr) == GIF_ERROR) {
        *error = gifError(gif->Error);
        return false;
    }

    std::vector<GifPixelType> row(static_cast<std::size_t>(width));
    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            if (qAlpha(line[x]) < 128)
                row[x] = transparentIndex;
            else if (exact)
                row[x] = GifPixelType(palette.indexOfColour.value(line[x] | 0xff000000u));
            else
                row[x] = GifPixelType(palette.indexOfBin[binOf(line[x])]);
        }
        if (EGifPutLine(gif.get(), row.data(), width) == GIF_ERROR) {
            *error = gifError(gif->Error);
            return false;
        }
    }

    GifFileType* raw = gif.release();
    if (EGifCloseFile(raw, &code) == GIF_ERROR) {
        *error = gifError(code);
        return false;
    }
    return true;
}

} // namespace tessarin::imagegen
