#pragma once
// The meld announcement as the player sees it: who completed which meld, its cards and texts.

#include <string>

#include "model/card_name.h"
#include "model/game_state.h"
#include "model/one_based.h"

namespace vm {

struct MeldInfo {
    Side Completer = NoSide;
    int Meld = 0;                    // 1..6, in the meld table's order; 0 for none
    OneBased<CardName, 5> Pictures;  // the meld's cards in display order; "" hidden
    std::string Announcement;        // "Player has ...", "Computer has ..."
    std::string PointsText;          // "30", "20", "50"
    friend bool operator==(const MeldInfo&, const MeldInfo&) = default;
};

}  // namespace vm
