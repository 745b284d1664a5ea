#include "ui/pages/webexport.h"

#include "elements/errors.h"
#include "elements/stream.h"

namespace webexport {

webpage::Document documentOf(const handout::Document& document, int stepMs) {
    webpage::Document page;
    page.title = document.title.toStdString();
    page.made = handout::madeLine(document.made).toStdString();
    page.stepMs = stepMs;
    page.predict = document.withQuestions;
    int number = 0;
    for (const handout::Step& step : document.steps) {
        webpage::Step out;
        out.heading = step.result
                          ? std::string(handout::text::result)
                          : QString::fromUtf8(handout::text::step).arg(++number).toStdString();
        out.text = step.text.toStdString();
        out.width = step.width;
        out.height = step.height;
        out.phases = step.phases;
        out.marks = step.marks;
        out.questions = step.questions;
        page.steps.push_back(std::move(out));
    }
    return page;
}

handout::Written writeHtml(const handout::Document& document, int stepMs,
                           const std::string& fileName) {
    try {
        writeWholeFile(fileName, webpage::page(documentOf(document, stepMs)));
    } catch (const FileError& e) {
        return {false, false, e.what()};
    } catch (const std::bad_alloc&) {
        return {false, false, guardtext::outOfMemory};
    }
    return {true, false, {}};
}

}  // namespace webexport
