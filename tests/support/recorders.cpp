#include "tests/support/recorders.h"

void RecordingMessages::information(std::string_view utf8) {
    log.push_back("information: " + std::string(utf8));
}

void RecordingMessages::error(std::string_view utf8) {
    log.push_back("error: " + std::string(utf8));
}

void RecordingMessages::fatalStop(std::string_view utf8) {
    log.push_back("fatal: " + std::string(utf8));
    throw FatalStopSeen(std::string(utf8));
}

namespace {
std::string join(std::string_view kind, std::initializer_list<int> numbers) {
    std::string line(kind);
    for (int n : numbers) line += " " + std::to_string(n);
    return line;
}
}  // namespace

void RecordingSurface::setFontName(std::string_view name) {
    log.push_back("fontName " + std::string(name));
}
void RecordingSurface::setFontSize(int points) { log.push_back(join("fontSize", {points})); }
void RecordingSurface::setFontBold(bool bold) { log.push_back(join("fontBold", {bold ? 1 : 0})); }
void RecordingSurface::setFontColor(Color color) { log.push_back(join("fontColor", {color})); }
void RecordingSurface::setPenColor(Color color) { log.push_back(join("pen", {color})); }
void RecordingSurface::setBrushColor(Color color) { log.push_back(join("brush", {color})); }
void RecordingSurface::textOut(int x, int y, std::string_view utf8) {
    log.push_back(join("text", {x, y}) + " " + std::string(utf8));
}
void RecordingSurface::moveTo(int x, int y) { log.push_back(join("moveTo", {x, y})); }
void RecordingSurface::lineTo(int x, int y) { log.push_back(join("lineTo", {x, y})); }
void RecordingSurface::rectangle(int x1, int y1, int x2, int y2) {
    log.push_back(join("rect", {x1, y1, x2, y2}));
}
void RecordingSurface::fillRect(int x1, int y1, int x2, int y2) {
    log.push_back(join("fill", {x1, y1, x2, y2}));
}

std::vector<std::string> RecordingSurface::only(
    std::initializer_list<std::string_view> kinds) const {
    std::vector<std::string> result;
    for (const auto& line : log) {
        for (auto kind : kinds) {
            if (line.compare(0, kind.size(), kind) == 0 &&
                (line.size() == kind.size() || line[kind.size()] == ' ')) {
                result.push_back(line);
                break;
            }
        }
    }
    return result;
}

void RecordingText::addLine(std::string_view utf8) { lines.emplace_back(utf8); }

void RecordingText::appendText(std::string_view utf8) {
    if (lines.empty()) lines.emplace_back();
    lines.back() += utf8;
}

void RecordingText::setText(std::string_view utf8) {
    lines.clear();
    std::string_view rest = utf8;
    for (;;) {
        auto nl = rest.find('\n');
        lines.emplace_back(rest.substr(0, nl));
        if (nl == std::string_view::npos) break;
        rest.remove_prefix(nl + 1);
    }
}

std::string RecordingText::text() const {
    std::string all;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i) all += '\n';
        all += lines[i];
    }
    return all;
}
