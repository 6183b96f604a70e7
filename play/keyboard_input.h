#pragma once
// The human plays with the keys as with the pointer: the arrow keys move the selection along
// the hand as pointing does, Return or Space plays the selected card as a click does, and
// with two matches the keys choose between the marked desk cards and take one as a click on
// it does. The window only passes the keys in.

namespace vm {

struct Session;

enum class Key {
    Left,      // the previous card, wrapping; with nothing selected the last
    Right,     // the next card, wrapping; with nothing selected the first
    Home,      // the first card
    End,       // the last card
    Activate,  // Return or Space: play the selected card, or take the chosen desk card
    Back,      // Escape: leave the choice between two desk cards for the hand again
};

// Does nothing unless a game is in progress and the human may act.
void KeyPressed(Session& session, Key key);

}  // namespace vm
