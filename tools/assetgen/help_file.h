#pragma once
// The help page as it ships: its source with every card picture given the card's spoken name
// as its text, so a screen reader reading the rules hears the cards they show.

#include <QByteArray>

namespace vm {

// Throws std::runtime_error for a picture that is not a card, which would have no name.
QByteArray HelpWithSpokenPictures(const QByteArray& source);

}  // namespace vm
