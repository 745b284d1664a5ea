// AlgorithmTrace: where a demonstration names the pseudo-code line of each
// step. A demonstration enters a procedure (the operation itself, or a
// sub-procedure such as a rotation while the caller's line stays marked),
// marks the line just before each step waits and leaves the procedure when
// it is done. The default trace does nothing; the "Algorithmus" panel and the
// tests lend their own.
#pragma once

#include "demo/pseudocode.h"

class AlgorithmTrace {
public:
    virtual ~AlgorithmTrace() = default;
    virtual void enter(Procedure /*procedure*/) {}
    virtual void mark(Line /*line*/) {}
    virtual void leave() {}

    // A trace that ignores everything.
    static AlgorithmTrace& none();
};

// The procedures one demonstration call has entered: leaves them all when it
// goes out of scope, also when the operation throws, so the lender's stack of
// marks never keeps a finished operation.
class TraceFrames {
public:
    explicit TraceFrames(AlgorithmTrace& trace) : trace_(trace) {}
    ~TraceFrames() { leaveAll(); }
    TraceFrames(const TraceFrames&) = delete;
    TraceFrames& operator=(const TraceFrames&) = delete;

    void enter(Procedure procedure) {
        trace_.enter(procedure);
        ++depth_;
    }
    void mark(Line line) { trace_.mark(line); }
    void leave() {
        if (depth_ == 0) return;
        trace_.leave();
        --depth_;
    }
    void leaveAll() {
        while (depth_ > 0) leave();
    }
    int depth() const { return depth_; }

private:
    AlgorithmTrace& trace_;
    int depth_ = 0;
};
