#include "demo/stepdriver.h"

#include <string>

#include "demo/stepclock.h"

namespace {

void drawPhase(Surface& image, Color color, std::optional<std::int32_t> value, int x1, int y1,
               int x2, int y2, bool blinkLine) {
    image.setPenColor(color);
    image.setFontColor(color);
    if (blinkLine) {
        image.moveTo(x1, y1);
        image.lineTo(x2, y2);
    }
    if (value) {
        image.textOut(x2, y2, std::to_string(*value));
    }
}

}  // namespace

void blinkAndWait(Surface& image, TextOutput& infoField, StepClock& clock,
                  std::string_view stepText, std::optional<std::int32_t> value, int x1, int y1,
                  int x2, int y2, bool blinkLine, bool endVisible) {
    if (!stepText.empty()) {
        infoField.setText(stepText);
    }
    if (!value && !endVisible) {
        // The erase form: no wait, and a "Weiter" pressed before it is dropped.
        image.setPenColor(clBtnFace);
        image.moveTo(x1, y1);
        image.lineTo(x2, y2);
        clock.weiterPressed = false;
        return;
    }
    const Color first = endVisible ? clBtnFace : clBlack;
    const Color second = endVisible ? clBlack : clBtnFace;
    bool firstCycle = true;
    do {
        drawPhase(image, first, value, x1, y1, x2, y2, blinkLine);
        clock.shown(0, firstCycle);
        clock.pause(kBlinkPhaseMs);
        drawPhase(image, second, value, x1, y1, x2, y2, blinkLine);
        clock.shown(1, firstCycle);
        clock.pause(kBlinkPhaseMs);
        firstCycle = false;
    } while (!clock.weiterPressed);
    clock.stepDone();
    clock.weiterPressed = false;
}

void clearImage(Surface& image) {
    image.setBrushColor(clBtnFace);
    image.fillRect(0, 0, image.width(), image.height());
}
