// Every test program runs without a display or a sound card however it is started: the
// window offscreen and the sounds on SDL's dummy driver, unless the caller chose otherwise.

#include <cstdlib>

namespace {

const bool headless = [] {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    return true;
}();

}  // namespace
