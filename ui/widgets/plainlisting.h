// setListing: puts a long listing of short lines into a wrapping
// QPlainTextEdit quickly. QTextDocument spends about two microseconds on
// every paragraph it builds, so 65536 one-line paragraphs (the levels of a
// chain of 65535 keys) take longer than a click may. Lines that certainly fit
// the memo's width are gathered into paragraphs of several lines joined by
// line separators (U+2028), which the document shows, lays out and returns
// (toPlainText) exactly like separate lines; a line that may wrap keeps a
// paragraph of its own, and so does the last line. The gathered paragraphs'
// line counts are given to the document layout up front, so that the
// scroll range is the same as with one paragraph per line. What differs: a
// triple click selects a gathered paragraph, and scrolled into one the text
// may lie a fraction of a pixel lower.
#pragma once

#include <QStringView>

class QPlainTextEdit;

// Replaces the memo's text with text ("\n" between lines); memo is lent.
void setListing(QPlainTextEdit& memo, QStringView text);
