// Animations: the steps of a demonstration as an animated GIF, recorded like
// a handout (handout::Step) and drawn as the window shows them: one frame per
// blink phase of each step, in the screen's colours, the result last. A step
// stands as long as the "Tempo" setting lets a step stand while "Abspielen"
// plays; a blinking step shares that time out between its two phases. The
// file is written as safely as a structure file.
#pragma once

#include <QImage>
#include <functional>
#include <string>
#include <vector>

#include "ui/pages/handout.h"

namespace animation {

namespace text {
inline constexpr const char* caption = "Als A&nimation speichern…";
inline constexpr const char* treeHint =
    "Speichert alle Schritte als animiertes GIF-Bild, Bild für Bild in jeder Blinkphase";
inline constexpr const char* sortHint =
    "Speichert alle Schritte eines Sortierverfahrens für die aktuelle Liste als animiertes "
    "GIF-Bild";
inline constexpr const char* notWritten = "Die Animation konnte nicht gespeichert werden.";
inline constexpr const char* cancelled = "Die Animation wurde abgebrochen und nicht gespeichert.";
inline constexpr const char* writing = "Die Animation wird geschrieben…";
}  // namespace text

inline constexpr const char* extension = "gif";
inline constexpr const char* filter = "GIF-Animation (*.gif)|*.gif";

// The frames' size: the largest picture of the steps.
QSize frameSize(const std::vector<handout::Step>& steps);
// A step's picture in one blink phase on a frame of that size, pixel for
// pixel as the window's image draws it.
QImage frameImage(const handout::Step& step, int phase, QSize size);
// The number of frames: the blink phases of all steps.
int frameCount(const std::vector<handout::Step>& steps);

// Writes the steps into the file as an animated GIF; stepMs is the time a
// step stands. progress gets the number of frames made so far and may answer
// false to stop (nothing is written then).
handout::Written writeGif(const std::vector<handout::Step>& steps, int stepMs,
                          const std::string& fileName,
                          const std::function<bool(int)>& progress = {});

}  // namespace animation
