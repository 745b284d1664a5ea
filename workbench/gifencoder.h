// GifEncoder: a sequence of RGBA frames of one size, each with its delay,
// as the bytes of an animated GIF that repeats without end. Each frame has
// its own palette: the frame's colours exactly when it has at most 256 of
// them (the pictures of the pages have a handful), else the 256 colours of a
// fixed 8 x 8 x 4 cube, each pixel taking the nearest one. Frames are added
// one at a time, so a long animation never holds all its pixels. Qt-free;
// the bytes come from giflib.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace gif {

// One frame: width x height pixels, row by row, four bytes each (red, green,
// blue, alpha; alpha is ignored: every pixel is opaque).
struct Frame {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;
    // How long the frame stands, in hundredths of a second (GIF's unit).
    int delayCs = 0;
};

// A frame's pixels as palette indices and the palette (0xRRGGBB each, at
// most 256): exact when the frame has at most 256 colours.
struct Indexed {
    std::vector<std::uint32_t> palette;
    std::vector<std::uint8_t> indices;
    bool exact = true;
};
Indexed quantise(const Frame& frame);

// The encoder failed (out of memory, a frame of the wrong size): English
// detail for the log; the window reports its own German message.
class EncodeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Encoder {
public:
    // An animation of frames of width x height (both 1..65535).
    Encoder(int width, int height);
    ~Encoder();
    Encoder(const Encoder&) = delete;
    Encoder& operator=(const Encoder&) = delete;

    // Appends the frame (of the encoder's size).
    void add(const Frame& frame);
    // Ends the animation: the whole file's bytes. Only once.
    std::string finish();

    int frames() const { return frames_; }

private:
    struct Gif;
    std::unique_ptr<Gif> gif_;
    std::string bytes_;
    int width_;
    int height_;
    int frames_ = 0;
};

// The delays, in hundredths of a second, of the frames of a step of `phases`
// blink phases that stands stepMs milliseconds in all: the time is shared
// out so that the delays add up to the step's time rounded to hundredths,
// each at least 2 (browsers show shorter delays as a tenth of a second).
std::vector<int> phaseDelays(int phases, int stepMs);

}  // namespace gif
