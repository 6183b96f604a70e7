#include "ui/qt/pause_loops.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cmath>
#include <utility>

#include "view/host.h"

namespace vm {

void PauseLoops::pause(double seconds) {
    throwIfRequested();
    if (!(seconds > 0))
        return;
    const auto total = static_cast<qint64>(std::ceil(seconds * 1000.0));
    QElapsedTimer clock;
    clock.start();
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    m_loops.push_back(&loop);
    // A timer may fire a little early; the clock decides when the pause is over.
    for (qint64 left = total; m_pending == Request::None && left > 0;
         left = total - clock.elapsed()) {
        timer.start(static_cast<int>(left));
        loop.exec();
    }
    m_loops.pop_back();
    throwIfRequested();
}

void PauseLoops::request(Request request) {
    if (m_pending != Request::Close)
        m_pending = request;
    for (QEventLoop* loop : m_loops)
        loop->quit();
}

Request PauseLoops::take() {
    return std::exchange(m_pending, Request::None);
}

void PauseLoops::throwIfRequested() const {
    if (m_pending != Request::None)
        throw TurnAbandoned{};
}

}  // namespace vm
