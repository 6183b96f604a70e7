#pragma once
// The pauses of play, and the commands that cut a turn short. A pause keeps the window
// working in a nested event loop; New, an answered Abort or closing the window are not run
// inside it but recorded here, every running pause ends, and the turn unwinds by
// TurnAbandoned to the handler that started it, which carries out the request.

#include <QtGlobal>
#include <functional>
#include <utility>
#include <vector>

class QEventLoop;

namespace vm {

enum class Request { None, NewGame, AbortGame, Close };

class PauseLoops {
  public:
    // Waits on a monotonic clock without using the processor; throws TurnAbandoned when a
    // request is pending or arrives meanwhile.
    void pause(double seconds);
    bool pausing() const { return !m_loops.empty(); }

    // Milliseconds on a monotonic clock. Tests put in a clock that stands still until they
    // move it, and call clockMoved() so that running pauses look at it again.
    using Clock = std::function<qint64()>;
    void setClock(Clock clock) { m_clock = std::move(clock); }
    void clockMoved();

    // Closing outranks the others; otherwise the latest request wins.
    void request(Request request);
    Request pending() const { return m_pending; }
    Request take();

  private:
    void throwIfRequested() const;

    Clock m_clock;
    std::vector<QEventLoop*> m_loops;
    Request m_pending = Request::None;
};

}  // namespace vm
