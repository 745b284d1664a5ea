#include "ui/pages/animation.h"

#include <algorithm>

#include "elements/errors.h"
#include "elements/stream.h"
#include "ui/platform/picturefile.h"
#include "workbench/gifencoder.h"
#include "workbench/structurepicture.h"

namespace animation {

QSize frameSize(const std::vector<handout::Step>& steps) {
    QSize size(1, 1);
    for (const handout::Step& step : steps) size = size.expandedTo(QSize(step.width, step.height));
    return size;
}

QImage frameImage(const handout::Step& step, int phase, QSize size) {
    const auto index = static_cast<std::size_t>(phase);
    const DrawingRecord& record = index < step.phases.size() ? step.phases[index] : step.drawing;
    return picturefile::render(structurepicture::imagePicture(size.width(), size.height(), record),
                               1)
        .convertToFormat(QImage::Format_RGBA8888);
}

int frameCount(const std::vector<handout::Step>& steps) {
    int count = 0;
    for (const handout::Step& step : steps)
        count += std::max(1, static_cast<int>(step.phases.size()));
    return count;
}

handout::Written writeGif(const std::vector<handout::Step>& steps, int stepMs,
                          const std::string& fileName, const std::function<bool(int)>& progress) {
    const QSize size = frameSize(steps);
    std::string bytes;
    try {
        gif::Encoder encoder(size.width(), size.height());
        gif::Frame frame;
        frame.width = size.width();
        frame.height = size.height();
        for (const handout::Step& step : steps) {
            const int phases = std::max(1, static_cast<int>(step.phases.size()));
            const std::vector<int> delays = gif::phaseDelays(phases, stepMs);
            for (int phase = 0; phase < phases; ++phase) {
                const QImage image = frameImage(step, phase, size);
                if (image.isNull()) return {false, false, picturefile::kTooLarge};
                frame.rgba.resize(static_cast<std::size_t>(frame.width) * frame.height * 4);
                for (int y = 0; y < frame.height; ++y)
                    std::copy_n(
                        image.constScanLine(y), frame.width * 4,
                        frame.rgba.begin() + static_cast<std::ptrdiff_t>(y) * frame.width * 4);
                frame.delayCs = delays[static_cast<std::size_t>(phase)];
                encoder.add(frame);
                if (progress && !progress(encoder.frames())) return {false, true, {}};
            }
        }
        bytes = encoder.finish();
    } catch (const gif::EncodeError& e) {
        return {false, false, e.what()};
    } catch (const std::bad_alloc&) {
        return {false, false, guardtext::outOfMemory};
    }
    try {
        writeWholeFile(fileName, bytes);
    } catch (const FileError& e) {
        return {false, false, e.what()};
    }
    return {true, false, {}};
}

}  // namespace animation
