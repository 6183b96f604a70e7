#include "play/keyboard_input.h"

#include <array>

#include "play/player_input.h"
#include "play/session.h"

namespace vm {
namespace {

// The slots a key moves along, in order: the hand's cards, or the desk matches of the
// selected card.
struct Stops {
    std::array<int, 10> slots{};
    int count = 0;

    void Add(int slot) { slots[static_cast<std::size_t>(count++)] = slot; }
    int IndexOf(int slot) const {
        for (int i = 0; i < count; ++i) {
            if (slots[static_cast<std::size_t>(i)] == slot) return i;
        }
        return -1;
    }
    // Where the key leads from `current` (an index, -1 for none); -1 for a key that moves
    // nowhere.
    int Target(Key key, int current) const {
        switch (key) {
            case Key::Left:
                return current < 0 ? count - 1 : (current + count - 1) % count;
            case Key::Right:
                return current < 0 ? 0 : (current + 1) % count;
            case Key::Home:
                return 0;
            case Key::End:
                return count - 1;
            default:
                return -1;
        }
    }
    int At(int index) const { return slots[static_cast<std::size_t>(index)]; }
};

Stops HandCards(const Game& game) {
    Stops stops;
    for (int slot = 1; slot <= 10; ++slot) {
        if (!game.PlayerHand[slot].empty()) stops.Add(slot);
    }
    return stops;
}

Stops DeskMatches(const Game& game) {
    Stops stops;
    for (std::int16_t slot : game.DeskMatchSlots) {
        if (slot > 0) stops.Add(slot);
    }
    return stops;
}

void KeyOnHand(Session& session, Key key) {
    Game& game = session.game;
    const Stops cards = HandCards(game);
    if (cards.count == 0) return;
    const int current = cards.IndexOf(game.SelectedHandSlot);
    if (key == Key::Activate) {
        if (current < 0) return;
        // A card with two matches waits for the choice of one; the keys then move there.
        const bool choiceFollows = game.MatchPending && DeskMatches(game).count == 2;
        picHand_Click(session, game.SelectedHandSlot);
        if (choiceFollows) session.view.ChosenDeskSlot = game.DeskMatchSlots[1];
        return;
    }
    const int target = cards.Target(key, current);
    if (target >= 0) picHand_MouseMove(session, cards.At(target));
}

void KeyOnDeskChoice(Session& session, Key key) {
    TableView& view = session.view;
    const Stops matches = DeskMatches(session.game);
    const int current = matches.IndexOf(view.ChosenDeskSlot);
    if (key == Key::Back || current < 0) {
        view.ChosenDeskSlot = 0;
    } else if (key == Key::Activate) {
        picDesk_Click(session, view.ChosenDeskSlot);
    } else {
        view.ChosenDeskSlot = static_cast<std::int16_t>(matches.At(matches.Target(key, current)));
    }
}

}  // namespace

void KeyPressed(Session& session, Key key) {
    if (!session.game.GameInProgress || !session.game.PlayerMayAct) return;
    if (session.view.ChosenDeskSlot > 0) {
        KeyOnDeskChoice(session, key);
    } else {
        KeyOnHand(session, key);
    }
}

}  // namespace vm
