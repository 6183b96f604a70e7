#include "ui/qt/pause_loops.h"

#include <QEventLoop>
#include <QTimer>
#include <chrono>
#include <cmath>
#include <utility>

#include "view/host.h"

namespace vm {

namespace {

qint64 steadyMilliseconds() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

void PauseLoops::pause(double seconds) {
    throwIfRequested();
    if (!(seconds > 0))
        return;
    const auto total = static_cast<qint64>(std::ceil(seconds * 1000.0));
    const Clock now = m_clock ? m_clock : Clock(&steadyMilliseconds);
    const qint64 start = now();
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    m_loops.push_back(&loop);
    // A timer may fire a little early; the clock decides when the pause is over.
    for (qint64 left = total; m_pending == Request::None && left > 0;
         left = total - (now() - start)) {
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

void PauseLoops::clockMoved() {
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
