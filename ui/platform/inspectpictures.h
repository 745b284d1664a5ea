// InspectPictures: the picture writer that tessaro-inspect lends its command
// for --picture (inspect::PictureOutput), built on Qt GUI. Qt is started on
// first use, on the offscreen platform unless another one is asked for; in a
// process that already has a QGuiApplication (the tests) that one is used.
#pragma once

#include <memory>
#include <string>

#include "workbench/inspectcommand.h"

class PainterSurface;
class QGuiApplication;

class InspectPictures {
public:
    InspectPictures();
    ~InspectPictures();
    InspectPictures(const InspectPictures&) = delete;
    InspectPictures& operator=(const InspectPictures&) = delete;

    // The writer: measures with the page font, writes a PNG at scale 1 (by
    // picturefile::write, scaled down beyond the limit) or an SVG by the
    // name's extension. Lent; valid while this object lives.
    const inspect::PictureOutput& output() const { return output_; }

private:
    void start();

    char name_[16] = "tessaro-inspect";
    char* argv_[2] = {name_, nullptr};
    int argc_ = 1;
    std::unique_ptr<QGuiApplication> app_;
    std::unique_ptr<PainterSurface> measure_;  // declared after app_: ends first
    inspect::PictureOutput output_;
};
