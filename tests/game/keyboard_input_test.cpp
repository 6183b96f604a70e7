#include "game/keyboard_input.h"

#include <gtest/gtest.h>

#include "game/player_input.h"
#include "tests/support/fixed_table.h"
#include "ui/table_speech.h"

namespace vm {
namespace {

using test::Split;

// Hand: 1 jan_20 (matches desk 1), 2 mar_1, 3 apr_10 (matches desk 2 and 3), 4 jul_5, 5 nov_0.
const test::Layout Table = {.player = Split("jan_20 mar_1 apr_10 jul_5 nov_0"),
                            .cpu = Split("feb_0 jun_0 sep_0"),
                            .desk = Split("jan_1 apr_5 apr_0 aug_20 oct_10"),
                            .pile = Split("may_0 dec_0")};

// One session played by keys, its twin by the pointer: both must end alike.
class KeyboardTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (auto [session, host] : {std::pair{&keys, &keysHost}, {&pointer, &pointerHost}}) {
            test::PrepareSession(*session, *host, 1);
            test::SetUpTable(*session, Table);
            NextTurn(*session);
        }
    }
    void Press(std::initializer_list<Key> presses) {
        for (Key key : presses)
            KeyPressed(keys, key);
    }
    void ExpectLikePointer() {
        EXPECT_EQ(keys.view, pointer.view);
        EXPECT_EQ(test::PlayState(keys.game), test::PlayState(pointer.game));
        EXPECT_EQ(keysHost.Calls, pointerHost.Calls);
    }

    test::ScriptedHost keysHost, pointerHost;
    Session keys{keysHost}, pointer{pointerHost};
};

TEST_F(KeyboardTest, ArrowsMoveAlongTheHandWrappingAndShareTheSelectionWithThePointer) {
    const struct {
        std::initializer_list<Key> keys;
        int selected;
    } moves[] = {
        {{Key::Left}, 5}, {{Key::Right}, 1}, {{Key::Right, Key::Right}, 3},
        {{Key::End}, 5},  {{Key::Home}, 1},  {{Key::Left, Key::Left}, 4},
    };
    for (const auto& move : moves) {
        Press(move.keys);
        picHand_MouseMove(pointer, move.selected);
        ExpectLikePointer();
    }
    // The pointer moves the selection; a key moves on from there.
    picHand_MouseMove(keys, 2);
    Press({Key::Right});
    picHand_MouseMove(pointer, 3);
    ExpectLikePointer();
    const PlaceSpeech selected = SpeakHandPlace(keys.view, 3);
    EXPECT_EQ(selected.Name, "April, cuckoo, 10 points");
    EXPECT_EQ(selected.Description, "your hand, card 3 of 5");
    EXPECT_TRUE(selected.Selected && SpeakDeskPlace(keys.view, 2).Marked);
    EXPECT_FALSE(SpeakHandPlace(keys.view, 2).Selected || SpeakDeskPlace(keys.view, 1).Marked);
}

TEST_F(KeyboardTest, ActivatePlaysAsAClickAndWithTwoMatchesTheKeysChooseTheDeskCard) {
    Press({Key::Home, Key::Activate});
    picHand_MouseMove(pointer, 1);
    picHand_Click(pointer, 1);
    ExpectLikePointer();  // the whole turn, sounds and computer's reply included

    SetUp();
    keysHost.Clear();
    pointerHost.Clear();
    Press({Key::Home, Key::Right, Key::Right, Key::Activate});
    EXPECT_EQ(keys.view.ChosenDeskSlot, 2);
    EXPECT_TRUE(SpeakDeskPlace(keys.view, 2).Selected && SpeakDeskPlace(keys.view, 3).Marked);
    // Escape goes back to the hand; the arrows move along it again.
    Press({Key::Back, Key::Right});
    EXPECT_EQ(keys.view.ChosenDeskSlot, 0);
    EXPECT_EQ(keys.game.SelectedHandSlot, 4);
    Press({Key::Left, Key::Activate, Key::Right, Key::Left, Key::Right});
    EXPECT_EQ(keys.view.ChosenDeskSlot, 3);
    EXPECT_TRUE(keysHost.Calls.empty());
    Press({Key::Activate});
    picHand_MouseMove(pointer, 3);
    picDesk_Click(pointer, 3);
    ExpectLikePointer();
    EXPECT_EQ(keysHost.Calls.at(0), "Play 1 apr_10.bmp apr_0.bmp");
}

TEST_F(KeyboardTest, KeysDoNothingWhileTheHumanMayNotActOrWithNoGame) {
    const auto pressEveryKey = [&] {
        const auto state = test::PlayState(keys.game);
        const TableView view = keys.view;
        Press({Key::Left, Key::Right, Key::Home, Key::End, Key::Activate, Key::Back});
        EXPECT_TRUE(state == test::PlayState(keys.game) && view == keys.view);
    };
    int pauses = 0;
    keysHost.OnPause = [&] {
        ++pauses;
        pressEveryKey();
    };
    Press({Key::Home, Key::Right, Key::Activate});
    EXPECT_EQ(pauses, 3);  // the human's draw, the computer's reveal and its draw
    keysHost.OnPause = nullptr;
    AbortGame(keys);
    pressEveryKey();
}

}  // namespace
}  // namespace vm
