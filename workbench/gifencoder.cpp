#include "workbench/gifencoder.h"

#include <gif_lib.h>

#include <algorithm>
#include <unordered_map>

namespace gif {

namespace {

std::uint32_t rgbAt(const Frame& frame, std::size_t pixel) {
    const std::uint8_t* p = frame.rgba.data() + pixel * 4;
    return std::uint32_t{p[0]} << 16 | std::uint32_t{p[1]} << 8 | p[2];
}

// The cube's colour nearest to (r, g, b): 8 levels of red and green, 4 of
// blue, each level spread over 0..255.
std::uint8_t cubeIndex(std::uint32_t rgb) {
    const unsigned r = (rgb >> 16 & 0xFF) * 7 / 255 + ((rgb >> 16 & 0xFF) * 7 % 255 > 127);
    const unsigned g = (rgb >> 8 & 0xFF) * 7 / 255 + ((rgb >> 8 & 0xFF) * 7 % 255 > 127);
    const unsigned b = (rgb & 0xFF) * 3 / 255 + ((rgb & 0xFF) * 3 % 255 > 127);
    return static_cast<std::uint8_t>(r << 5 | g << 2 | b);
}

std::vector<std::uint32_t> cubePalette() {
    std::vector<std::uint32_t> palette(256);
    for (unsigned k = 0; k < 256; ++k) {
        const unsigned r = (k >> 5) * 255 / 7;
        const unsigned g = (k >> 2 & 7) * 255 / 7;
        const unsigned b = (k & 3) * 255 / 3;
        palette[k] = r << 16 | g << 8 | b;
    }
    return palette;
}

int writeToString(GifFileType* file, const GifByteType* data, int length) {
    static_cast<std::string*>(file->UserData)
        ->append(reinterpret_cast<const char*>(data), static_cast<std::size_t>(length));
    return length;
}

void check(int result, const char* what) {
    if (result != GIF_OK) throw EncodeError(std::string("GIF: ") + what);
}

}  // namespace

Indexed quantise(const Frame& frame) {
    const std::size_t pixels =
        static_cast<std::size_t>(frame.width) * static_cast<std::size_t>(frame.height);
    Indexed out;
    out.indices.resize(pixels);
    std::unordered_map<std::uint32_t, std::uint8_t> seen;
    for (std::size_t k = 0; k < pixels; ++k) {
        const std::uint32_t rgb = rgbAt(frame, k);
        auto found = seen.find(rgb);
        if (found == seen.end()) {
            if (out.palette.size() == 256) {
                out.exact = false;
                break;
            }
            found = seen.emplace(rgb, static_cast<std::uint8_t>(out.palette.size())).first;
            out.palette.push_back(rgb);
        }
        out.indices[k] = found->second;
    }
    if (out.exact) return out;
    out.palette = cubePalette();
    for (std::size_t k = 0; k < pixels; ++k) out.indices[k] = cubeIndex(rgbAt(frame, k));
    return out;
}

std::vector<int> phaseDelays(int phases, int stepMs) {
    std::vector<int> delays;
    if (phases <= 0) return delays;
    const int total = std::max(2 * phases, (stepMs + 5) / 10);
    int given = 0;
    for (int k = 1; k <= phases; ++k) {
        const int upTo = total * k / phases;
        delays.push_back(upTo - given);
        given = upTo;
    }
    return delays;
}

struct Encoder::Gif {
    GifFileType* file = nullptr;
};

Encoder::Encoder(int width, int height)
    : gif_(std::make_unique<Gif>()), width_(width), height_(height) {
    if (width < 1 || height < 1 || width > 65535 || height > 65535)
        throw EncodeError("GIF: size out of range");
    int error = 0;
    gif_->file = EGifOpen(&bytes_, writeToString, &error);
    if (!gif_->file) throw EncodeError("GIF: cannot start");
    EGifSetGifVersion(gif_->file, true);
    check(EGifPutScreenDesc(gif_->file, width, height, 8, 0, nullptr), "screen");
    // The application extension that makes the animation repeat without end.
    static const GifByteType netscape[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
    static const GifByteType forever[] = {1, 0, 0};
    check(EGifPutExtensionLeader(gif_->file, APPLICATION_EXT_FUNC_CODE), "loop");
    check(EGifPutExtensionBlock(gif_->file, sizeof netscape, netscape), "loop");
    check(EGifPutExtensionBlock(gif_->file, sizeof forever, forever), "loop");
    check(EGifPutExtensionTrailer(gif_->file), "loop");
}

Encoder::~Encoder() {
    if (gif_->file) EGifCloseFile(gif_->file, nullptr);
}

void Encoder::add(const Frame& frame) {
    if (!gif_->file) throw EncodeError("GIF: already finished");
    if (frame.width != width_ || frame.height != height_ ||
        frame.rgba.size() != static_cast<std::size_t>(width_) * height_ * 4)
        throw EncodeError("GIF: frame of another size");
    const Indexed indexed = quantise(frame);

    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSE_DO_NOT;
    control.UserInputFlag = false;
    control.DelayTime = std::clamp(frame.delayCs, 0, 65535);
    control.TransparentColor = NO_TRANSPARENT_COLOR;
    GifByteType extension[4];
    const std::size_t length = EGifGCBToExtension(&control, extension);
    check(EGifPutExtension(gif_->file, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension),
          "delay");

    // GIF's colour maps have a power of two of entries, at least two.
    int size = 2;
    while (size < static_cast<int>(indexed.palette.size())) size *= 2;
    std::vector<GifColorType> colours(static_cast<std::size_t>(size), GifColorType{0, 0, 0});
    for (std::size_t k = 0; k < indexed.palette.size(); ++k) {
        const std::uint32_t rgb = indexed.palette[k];
        colours[k] = {static_cast<GifByteType>(rgb >> 16), static_cast<GifByteType>(rgb >> 8),
                      static_cast<GifByteType>(rgb)};
    }
    ColorMapObject* map = GifMakeMapObject(size, colours.data());
    if (!map) throw EncodeError("GIF: colour map");
    const int described = EGifPutImageDesc(gif_->file, 0, 0, width_, height_, false, map);
    GifFreeMapObject(map);
    check(described, "image");
    std::vector<GifPixelType> row(static_cast<std::size_t>(width_));
    for (int y = 0; y < height_; ++y) {
        const auto from = indexed.indices.begin() + static_cast<std::ptrdiff_t>(y) * width_;
        std::copy(from, from + width_, row.begin());
        check(EGifPutLine(gif_->file, row.data(), width_), "pixels");
    }
    ++frames_;
}

std::string Encoder::finish() {
    if (!gif_->file) throw EncodeError("GIF: already finished");
    int error = 0;
    const int closed = EGifCloseFile(gif_->file, &error);
    gif_->file = nullptr;
    check(closed, "end");
    return std::move(bytes_);
}

}  // namespace gif
