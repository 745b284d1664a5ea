// An animated GIF as ImageMagick decodes it (package imagemagick): the size
// and delay of every frame, and one frame's pixels. A decoder of its own, so
// that the tests do not read the program's files with the program's library.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace giftest {

struct FrameInfo {
    int width = 0;
    int height = 0;
    int delayCs = 0;
    bool operator==(const FrameInfo&) const = default;
};

// The first of the names found on the PATH, or empty.
inline QString program(const QStringList& names) {
    for (const QString& name : names) {
        const QString found = QStandardPaths::findExecutable(name);
        if (!found.isEmpty()) return found;
    }
    return {};
}

inline std::optional<QByteArray> run(const QString& tool, const QStringList& arguments) {
    if (tool.isEmpty()) return std::nullopt;
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return std::nullopt;
    return process.readAllStandardOutput();
}

// Every frame's size and delay, in order; nullopt when the file is no GIF
// ImageMagick reads.
inline std::optional<std::vector<FrameInfo>> frames(const std::string& file) {
    const auto out = run(
        program({QStringLiteral("identify-im6.q16"), QStringLiteral("identify")}),
        {QStringLiteral("-format"), QStringLiteral("%w %h %T\\n"), QString::fromStdString(file)});
    if (!out) return std::nullopt;
    std::vector<FrameInfo> info;
    for (const QByteArray& line : out->split('\n')) {
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() != 3) continue;
        info.push_back({parts[0].toInt(), parts[1].toInt(), parts[2].toInt()});
    }
    return info;
}

// Frame `index` as an RGB image (each frame covers the whole picture).
inline QImage frame(const std::string& file, int index, int width, int height) {
    const auto out = run(program({QStringLiteral("convert-im6.q16"), QStringLiteral("convert")}),
                         {QString::fromStdString(file) + QStringLiteral("[%1]").arg(index),
                          QStringLiteral("-depth"), QStringLiteral("8"), QStringLiteral("rgb:-")});
    if (!out || out->size() != static_cast<qsizetype>(width) * height * 3) return {};
    QImage image(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y)
        std::copy_n(out->constData() + static_cast<qsizetype>(y) * width * 3, width * 3,
                    image.scanLine(y));
    return image;
}

// The frames' delays, read from the file's blocks without decoding any
// pixels (ImageMagick holds every frame in memory at once, which its limits
// refuse for hundreds of large frames); nullopt when the blocks do not form a
// GIF.
inline std::optional<std::vector<int>> delaysOfBlocks(const std::string& bytes) {
    const auto at = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
    if (bytes.size() < 13 || bytes.compare(0, 6, "GIF89a") != 0) return std::nullopt;
    std::size_t k = 13;
    if (at(10) & 0x80) k += 3u << ((at(10) & 7) + 1);
    const auto skipSubBlocks = [&]() {
        while (k < bytes.size() && at(k) != 0) k += 1 + at(k);
        ++k;
    };
    std::vector<int> delays;
    int delay = 0;
    while (k < bytes.size()) {
        const unsigned char block = at(k);
        if (block == 0x3B) return k + 1 == bytes.size() ? std::optional(delays) : std::nullopt;
        if (block == 0x21 && k + 5 < bytes.size()) {
            if (at(k + 1) == 0xF9) delay = at(k + 4) | at(k + 5) << 8;
            k += 2;
            skipSubBlocks();
        } else if (block == 0x2C && k + 10 <= bytes.size()) {
            const unsigned char flags = at(k + 9);
            k += 10;
            if (flags & 0x80) k += 3u << ((flags & 7) + 1);
            ++k;  // LZW minimum code size
            skipSubBlocks();
            delays.push_back(delay);
        } else {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

}  // namespace giftest
