#pragma once
// What a screen reader says of the table: for every card place its role, what it shows, where
// it is and whether it is selected or marked; for the score and turns-left labels whose they
// are. All of it is read from the TableView, so it always tells what the window shows.

#include <string>

#include "model/card_name.h"
#include "view/table_view.h"

namespace vm {

enum class SpokenRole {
    ListItem,  // a place of the hand or the desk: the player moves along them and plays them
    Graphic,   // any other card place: it only shows
};

struct PlaceSpeech {
    SpokenRole Role = SpokenRole::Graphic;
    std::string Name;         // what it shows; "" for a place not shown
    std::string Description;  // where it is: "your hand, card 3 of 9"
    bool Shown = false;
    bool Selected = false;  // the selected hand card, or the desk card the keys have chosen
    bool Marked = false;    // a desk card the selected card would take; the card a side plays
    friend bool operator==(const PlaceSpeech&, const PlaceSpeech&) = default;
};

PlaceSpeech SpeakHandPlace(const TableView& view, int slot);
PlaceSpeech SpeakComputerPlace(const TableView& view, int slot);
PlaceSpeech SpeakDeskPlace(const TableView& view, int slot);
PlaceSpeech SpeakPilePlace(const TableView& view, int side);
PlaceSpeech SpeakMonthPlace(const TableView& view, int month, int place);

// A picture as the dialogs show it: a card by its spoken name, any other picture as
// "face-down card", no picture as "".
std::string SpeakPicture(const CardName& picture);

// "your score, 35", "computer's score, 120".
std::string SpeakScore(const TableView& view, int side);
// "your turns left, 10", "computer's turns left, 9".
std::string SpeakTurnsLeft(const TableView& view, int side);

}  // namespace vm
