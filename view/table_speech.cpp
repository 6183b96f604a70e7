#include "view/table_speech.h"

#include <string_view>

#include "model/spoken_names.h"

namespace vm {
namespace {

PlaceSpeech Speak(const CardPlace& place, SpokenRole role, std::string where) {
    PlaceSpeech speech;
    speech.Role = role;
    speech.Shown = place.Visible && !place.Picture.empty();
    if (speech.Shown) {
        speech.Name = SpeakPicture(place.Picture);
        speech.Description = std::move(where);
    }
    return speech;
}

// "card 3 of 9" among the places of a row that are shown; rows are compact, so a place's
// number is its slot.
template <int N>
std::string PlaceInRow(const OneBased<CardPlace, N>& row, int slot) {
    int shown = 0;
    for (const CardPlace& place : row) shown += place.Visible ? 1 : 0;
    return "card " + std::to_string(slot) + " of " + std::to_string(shown);
}

std::string WithValue(std::string_view whose, const std::string& label) {
    const std::size_t start = label.find_first_not_of(' ');
    std::string text(whose);
    if (start != std::string::npos) text += ", " + label.substr(start);
    return text;
}

}  // namespace

PlaceSpeech SpeakHandPlace(const TableView& view, int slot) {
    PlaceSpeech speech = Speak(view.picHand[slot], SpokenRole::ListItem,
                               "your hand, " + PlaceInRow(view.picHand, slot));
    speech.Selected = speech.Shown && view.picHandShape[slot];
    return speech;
}

PlaceSpeech SpeakComputerPlace(const TableView& view, int slot) {
    PlaceSpeech speech = Speak(view.picComp[slot], SpokenRole::Graphic,
                               "computer's hand, " + PlaceInRow(view.picComp, slot));
    speech.Marked = speech.Shown && view.picCompShape[slot];
    return speech;
}

PlaceSpeech SpeakDeskPlace(const TableView& view, int slot) {
    PlaceSpeech speech =
        Speak(view.picDesk[slot], SpokenRole::ListItem, "desk, " + PlaceInRow(view.picDesk, slot));
    speech.Selected = speech.Shown && view.ChosenDeskSlot == slot;
    speech.Marked = speech.Shown && view.picShape[slot];
    return speech;
}

PlaceSpeech SpeakPilePlace(const TableView& view, int side) {
    PlaceSpeech speech = Speak(view.picPile[side], SpokenRole::Graphic,
                               side == 1 ? "your pile card" : "computer's pile card");
    speech.Marked = speech.Shown && view.picPileShape[side];
    return speech;
}

PlaceSpeech SpeakMonthPlace(const TableView& view, int month, int place) {
    return Speak(view.MonthPiles[month][place], SpokenRole::Graphic,
                 "captured, " + std::string(SpokenMonthName(month)));
}

std::string SpeakPicture(const CardName& picture) {
    if (picture.empty()) return {};
    const std::string& name = SpokenCardName(picture);
    return name.empty() ? "face-down card" : name;
}

std::string SpeakScore(const TableView& view, int side) {
    return side == 1 ? WithValue("your score", view.lblPlayer)
                     : WithValue("computer's score", view.lblCPU);
}

std::string SpeakTurnsLeft(const TableView& view, int side) {
    return WithValue(side == 1 ? "your turns left" : "computer's turns left", view.lblCards[side]);
}

}  // namespace vm
