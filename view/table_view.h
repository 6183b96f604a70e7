#pragma once
// What the main window shows, decided by the core: for every place the picture file it shows
// and whether it accepts clicks, every marker, every label and the state of the menu items.
// The window only draws this; it holds no game facts of its own.

#include <cstdint>
#include <string>

#include "model/card_name.h"
#include "model/one_based.h"

namespace vm {

struct CardPlace {
    CardName Picture;  // a picture file in the program's folder: a card or its back; "" none
    bool Visible = false;
    bool Enabled = false;  // accepts clicks
    friend bool operator==(const CardPlace&, const CardPlace&) = default;
};

struct MenuItemState {
    bool Checked = false;
    bool Enabled = true;
    bool Visible = true;
    friend bool operator==(const MenuItemState&, const MenuItemState&) = default;
};

// The menu items whose state can change; every other item is always enabled and visible.
struct MenuState {
    MenuItemState mnuAbort{false, false, true};
    MenuItemState mnuSuit;
    MenuItemState mnuDebug;
    MenuItemState mnuFast;
    MenuItemState mnuModerate;
    MenuItemState mnuSlow;
    MenuItemState mnuSound;
    MenuItemState mnuMusic;
    MenuItemState mnuSep6;
    MenuItemState mnuPlayMatch;
    MenuItemState mnuCPUMatch;
    MenuItemState mnuSep5;
    MenuItemState mnuDealPile;
    friend bool operator==(const MenuState&, const MenuState&) = default;
};

// The fixed captions of the twelve month piles, January first.
OneBased<std::string, 12> MonthCaptions();

struct TableView {
    OneBased<CardPlace, 10> picHand;
    OneBased<CardPlace, 10> picComp;
    OneBased<CardPlace, 16> picDesk;
    OneBased<CardPlace, 2> picPile;  // by side: 1 the human's draw, 2 the computer's

    OneBased<bool, 10> picHandShape;
    OneBased<bool, 10> picCompShape;
    OneBased<bool, 16> picShape;
    OneBased<bool, 2> picPileShape;
    // The one of two desk matches that the keys have chosen, framed a second time; 0 none.
    std::int16_t ChosenDeskSlot = 0;

    std::string lblPlayer;
    std::string lblCPU;
    OneBased<std::string, 2> lblCards;  // turns left, by side

    // picJan .. picDec: four places per month, indexed by MonthRank, under their captions.
    OneBased<OneBased<CardPlace, 4>, 12> MonthPiles;
    OneBased<std::string, 12> lblMonth = MonthCaptions();

    MenuState Menu;

    friend bool operator==(const TableView&, const TableView&) = default;
};

}  // namespace vm
