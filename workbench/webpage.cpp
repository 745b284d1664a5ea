#include "workbench/webpage.h"

#include <cstdio>

#include "demo/pseudocode.h"

namespace webpage {

namespace {

// The text cell of the pages' font: 7 pixels a character, 13 high, the
// baseline 10 below the top (the widths of the window's font are not known
// here; the cell only backs the text).
constexpr int kCharWidth = 7;
constexpr int kCellHeight = 13;
constexpr int kBaseline = 10;

int characters(std::string_view utf8) {
    int count = 0;
    for (const char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    return count;
}

std::string number(int value) { return std::to_string(value); }

std::string rect(int x1, int y1, int x2, int y2, Color fill) {
    return "<rect x=\"" + number(x1) + "\" y=\"" + number(y1) + "\" width=\"" + number(x2 - x1) +
           "\" height=\"" + number(y2 - y1) + "\" fill=\"" + cssColor(fill) + "\"/>";
}

std::string half(int value) { return number(value) + ".5"; }

std::string shape(const DrawingOp& op) {
    switch (op.kind) {
        case DrawingOp::Kind::fill:
            return rect(op.x1, op.y1, op.x2, op.y2, op.brush);
        case DrawingOp::Kind::rectangle: {
            std::string out = rect(op.x1, op.y1, op.x2, op.y2, op.pen);
            if (op.x2 - op.x1 > 2 && op.y2 - op.y1 > 2)
                out += rect(op.x1 + 1, op.y1 + 1, op.x2 - 1, op.y2 - 1, op.brush);
            return out;
        }
        case DrawingOp::Kind::line:
            return "<line x1=\"" + half(op.x1) + "\" y1=\"" + half(op.y1) + "\" x2=\"" +
                   half(op.x2) + "\" y2=\"" + half(op.y2) + "\" stroke=\"" + cssColor(op.pen) +
                   "\"/>";
        case DrawingOp::Kind::text: {
            const int pixels = (op.fontPoints * 96 + 36) / 72;
            return rect(op.x1, op.y1, op.x1 + kCharWidth * characters(op.text), op.y1 + kCellHeight,
                        op.brush) +
                   "<text x=\"" + number(op.x1) + "\" y=\"" + number(op.y1 + kBaseline) +
                   "\" font-size=\"" + number(pixels) + "\"" +
                   (op.bold ? " font-weight=\"bold\"" : "") + " fill=\"" + cssColor(op.fontColor) +
                   "\">" + escape(op.text) + "</text>";
        }
    }
    return {};
}

void appendCode(std::string& out, const CodeMarks& marks) {
    if (marks.empty()) return;
    out += "<div class=\"code\"><h3>";
    out += text::algorithm;
    out += "</h3>";
    for (const CodeFrame& frame : marks) {
        out += "<p class=\"procedure\">" + escape(pseudocode::procedure(frame.procedure).title) +
               "</p><pre>";
        int index = 0;
        for (const PseudoLine& line : pseudocode::lines(frame.procedure)) {
            const bool marked = index == frame.marked;
            out += marked ? "<span class=\"line marked\">" : "<span class=\"line\">";
            out += std::string(static_cast<std::size_t>(line.indent) * 4, ' ');
            out += escape(line.text);
            out += "</span>\n";
            ++index;
        }
        out += "</pre>";
    }
    out += "</div>";
}

const char* const kStyle = R"css(
body { font-family: "DejaVu Sans", Arial, sans-serif; margin: 1em 2em; color: #000; background: #fff; }
h1 { font-size: 1.4em; margin-bottom: 0.2em; }
.made { color: #444; margin-top: 0; }
nav { margin: 0.8em 0; }
nav button { font-size: 1em; margin-right: 0.4em; padding: 0.2em 0.8em; }
#position { margin-left: 1em; }
.text { font-size: 1.1em; min-height: 1.3em; }
.picture svg { border: 1px solid #888; font-family: "MS Sans Serif", "DejaVu Sans", sans-serif; }
.step .content { display: flex; flex-wrap: wrap; gap: 1.5em; align-items: flex-start; }
.code pre { margin: 0.2em 0 0.8em 0; font-family: "DejaVu Sans Mono", monospace; }
.code h3 { margin: 0; font-size: 1em; }
.code .procedure { margin: 0.4em 0 0 0; font-weight: bold; }
.line.marked { background: #ffe680; font-weight: bold; }
.keys { color: #444; font-size: 0.9em; }
[hidden] { display: none !important; }
.question { border: 1px solid #888; padding: 0.4em 0.8em; margin: 0.6em 0; max-width: 50em; }
.question .ask { font-weight: bold; margin: 0.2em 0; }
.question button { font-size: 1em; margin: 0.2em 0.4em 0.2em 0; }
.question button.chosen { font-weight: bold; }
.question .verdict { font-weight: bold; }
)css";

// The player. Steps are the sections; one is shown (the others hidden),
// its picture blinking every 300 ms when it has two phases.
const char* const kScript = R"js(
(function () {
  var steps = document.querySelectorAll("section.step");
  var back = document.getElementById("back");
  var forward = document.getElementById("forward");
  var play = document.getElementById("play");
  var position = document.getElementById("position");
  var stepMs = Number(document.body.getAttribute("data-step-ms")) || 1500;
  var current = 0, phase = 0, playing = false, timer = null;
  function showPhase() {
    var groups = steps[current].querySelectorAll("g.phase");
    for (var k = 0; k < groups.length; ++k)
      groups[k].style.display = (k === phase % groups.length) ? "" : "none";
  }
  function show(k) {
    k = Math.max(0, Math.min(steps.length - 1, k));
    steps[current].hidden = true;
    current = k;
    steps[current].hidden = false;
    phase = 0;
    showPhase();
    document.body.setAttribute("data-step", String(current + 1));
    position.textContent = steps[current].getAttribute("data-heading") + " (" + (current + 1) +
      " / " + steps.length + ")";
    back.disabled = current === 0;
    forward.disabled = current === steps.length - 1;
  }
  function setPlaying(on) {
    playing = on;
    if (timer !== null) { clearTimeout(timer); timer = null; }
    play.textContent = on ? play.getAttribute("data-pause") : play.getAttribute("data-play");
    document.body.setAttribute("data-playing", on ? "true" : "false");
    if (on) timer = setTimeout(tick, stepMs);
  }
  function tick() {
    timer = null;
    show(current + 1);
    if (current < steps.length - 1) timer = setTimeout(tick, stepMs); else setPlaying(false);
  }
  function goForward() { if (playing) setPlaying(false); show(current + 1); }
  function goBack() { if (playing) setPlaying(false); show(current - 1); }
  function togglePlay() {
    if (playing) { setPlaying(false); return; }
    if (current === steps.length - 1) show(0);
    setPlaying(true);
  }
  // Questions: a click on an answer tells right or wrong and why; the step
  // appears once each of its questions is answered.
  function answer(button) {
    var question = button.closest(".question");
    if (question.hasAttribute("data-done")) return;
    question.setAttribute("data-done", "true");
    button.className += " chosen";
    var right = button.getAttribute("data-answer") === question.getAttribute("data-correct");
    var verdict = question.querySelector(".verdict");
    verdict.textContent = question.getAttribute(right ? "data-right" : "data-wrong");
    verdict.hidden = false;
    question.querySelector(".why").hidden = false;
    var step = question.closest("section.step");
    if (step.querySelector(".question:not([data-done])")) return;
    var after = step.querySelectorAll(".after");
    for (var k = 0; k < after.length; ++k) after[k].hidden = false;
  }
  var answers = document.querySelectorAll("button.answer");
  for (var a = 0; a < answers.length; ++a)
    answers[a].addEventListener("click", function (e) { answer(e.currentTarget); });
  // The keys 1 to 5 answer the step's first open question.
  function answerKey(n) {
    var open = steps[current].querySelector(".question:not([data-done])");
    if (!open) return false;
    var buttons = open.querySelectorAll("button.answer");
    if (n > buttons.length) return false;
    answer(buttons[n - 1]);
    return true;
  }
  back.addEventListener("click", goBack);
  forward.addEventListener("click", goForward);
  play.addEventListener("click", togglePlay);
  document.addEventListener("keydown", function (e) {
    if (e.key === "ArrowRight") goForward();
    else if (e.key === "ArrowLeft") goBack();
    else if (e.key === " " || e.key === "Spacebar") togglePlay();
    else if (!(/^[1-5]$/.test(e.key) && answerKey(Number(e.key)))) return;
    e.preventDefault();
  });
  setInterval(function () { phase = 1 - phase; showPhase(); }, 300);
  var start = 0, keys = "";
  location.hash.replace(/^#/, "").split("&").forEach(function (part) {
    var pair = part.split("=");
    if (pair[0] === "step") start = (parseInt(pair[1], 10) || 1) - 1;
    if (pair[0] === "keys") keys = pair[1] || "";
  });
  show(start);
  setPlaying(false);
  var names = { R: "ArrowRight", L: "ArrowLeft", S: " " };
  for (var k = 0; k < keys.length; ++k)
    if (names[keys[k]] || /^[1-5]$/.test(keys[k]))
      document.dispatchEvent(
        new KeyboardEvent("keydown", { key: names[keys[k]] || keys[k], bubbles: true }));
})();
)js";

// The questions of a step, each with its answers as buttons and, hidden
// until one is clicked, the verdict and why.
void appendQuestions(std::string& out, const std::vector<Question>& questions) {
    for (const Question& q : questions) {
        const std::string& correct = q.answers[static_cast<std::size_t>(q.correct)];
        out += "<div class=\"question\" data-correct=\"" + number(q.correct) + "\" data-right=\"" +
               escape(predicttext::right) + "\" data-wrong=\"" +
               escape(predicttext::wrong + correct) + "\">\n<p class=\"ask\">" + escape(q.text) +
               "</p>\n<p class=\"answers\">";
        for (std::size_t i = 0; i < q.answers.size(); ++i)
            out += "<button type=\"button\" class=\"answer\" data-answer=\"" +
                   number(static_cast<int>(i)) + "\">" + escape(q.answers[i]) + "</button>";
        out += "</p>\n<p class=\"verdict\" hidden></p>\n<p class=\"why\" hidden>" + escape(q.why) +
               "</p>\n</div>\n";
    }
}

}  // namespace

std::string escape(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (const char c : utf8) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&#39;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string cssColor(Color color) {
    const auto bits = static_cast<std::uint32_t>(color);
    unsigned rgb = 0xF0F0F0;  // button face, and any other system colour
    if (bits & 0x80000000u) {
        switch (bits & 0xFFu) {
            case 5:   // window
            case 20:  // button highlight
                rgb = 0xFFFFFF;
                break;
            case 8:   // window text
            case 18:  // button text
                rgb = 0x000000;
                break;
            case 16:  // button shadow
                rgb = 0xA0A0A0;
                break;
            default:
                break;
        }
    } else {
        rgb = (bits & 0xFF) << 16 | (bits & 0xFF00) | (bits >> 16 & 0xFF);
    }
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", rgb);
    return text;
}

std::string svgShapes(const DrawingRecord& record) {
    std::string out;
    for (const DrawingOp& op : record.ops()) out += shape(op);
    return out;
}

std::string page(const Document& document) {
    std::string out;
    out += "<!DOCTYPE html>\n<html lang=\"de\">\n<head>\n<meta charset=\"utf-8\">\n";
    // Nothing is loaded from anywhere: the page is all there is.
    out +=
        "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; "
        "style-src 'unsafe-inline'; script-src 'unsafe-inline'\">\n";
    out += "<title>" + escape(document.title) + "</title>\n<style>" + kStyle + "</style>\n";
    out += "</head>\n<body data-step-ms=\"" + number(document.stepMs) + "\">\n";
    out += "<h1>" + escape(document.title) + "</h1>\n";
    out += "<p class=\"made\">" + escape(document.made) + "</p>\n";
    out += "<nav><button type=\"button\" id=\"back\">" + std::string(text::back) +
           "</button><button type=\"button\" id=\"forward\">" + text::forward +
           "</button><button type=\"button\" id=\"play\" data-play=\"" + text::play +
           "\" data-pause=\"" + text::pause + "\">" + text::play +
           "</button><span id=\"position\"></span></nav>\n";
    out += "<p class=\"keys\">" + std::string(text::keys) + "</p>\n";
    for (std::size_t k = 0; k < document.steps.size(); ++k) {
        const Step& step = document.steps[k];
        out += "<section class=\"step\" id=\"step-" + number(static_cast<int>(k) + 1) +
               "\" data-heading=\"" + escape(step.heading) + "\"" + (k == 0 ? "" : " hidden") +
               ">\n<h2>" + escape(step.heading) + "</h2>\n";
        const bool asks = document.predict && !step.questions.empty();
        if (asks) appendQuestions(out, step.questions);
        const std::string after = asks ? " after\" hidden" : "\"";
        out += "<p class=\"text" + after + ">" + escape(step.text) + "</p>\n<div class=\"content" +
               after + "><div class=\"picture\">";
        out += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + number(step.width) +
               "\" height=\"" + number(step.height) + "\" viewBox=\"0 0 " + number(step.width) +
               " " + number(step.height) + "\" shape-rendering=\"crispEdges\">";
        for (std::size_t p = 0; p < step.phases.size(); ++p) {
            out += "<g class=\"phase\"";
            if (p > 0) out += " style=\"display:none\"";
            out += ">" + svgShapes(step.phases[p]) + "</g>";
        }
        out += "</svg></div>";
        appendCode(out, step.marks);
        out += "</div>\n</section>\n";
    }
    out += "<script>" + std::string(kScript) + "</script>\n</body>\n</html>\n";
    return out;
}

}  // namespace webpage
