#pragma once
// The names a screen reader speaks for the cards. A card's file name says nothing to a
// listener; these say its month, what it shows and what it is worth.

#include <string>
#include <string_view>

#include "model/card_name.h"

namespace vm {

// "March, curtain, 20 points": the month, what the card shows and its points, the same for
// both picture sets; "" for anything that is not a card of the deck.
const std::string& SpokenCardName(const CardName& card);

// "January" to "December" for months 1 to 12.
std::string_view SpokenMonthName(int month);

}  // namespace vm
