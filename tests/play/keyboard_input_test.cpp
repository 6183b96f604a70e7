#include "play/keyboard_input.h"

#include <gtest/gtest.h>

#include "play/player_input.h"
#include "tests/support/fixed_table.h"

namespace vm {
namespace {

// Hand 1 jan_20 (matches desk 1), 2 mar_1, 3 apr_10 (matches desk 2 and 3), 4 jul_5, 5 nov_0.
// One session is played by keys, its twin by the pointer: they must end alike.
class KeyboardTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (auto [session, host] : {std::pair{&keys, &keysHost}, {&pointer, &pointerHost}}) {
            test::PrepareSession(*session, *host, 1);
            test::SetUpTable(*session, {.player = test::Split("jan_20 mar_1 apr_10 jul_5 nov_0"),
                                        .cpu = test::Split("feb_0 jun_0 sep_0"),
                                        .desk = test::Split("jan_1 apr_5 apr_0 aug_20 oct_10"),
                                        .pile = test::Split("may_0 dec_0")});
            NextTurn(*session);
        }
    }
    void Press(std::initializer_list<Key> presses) {
        for (Key key : presses) KeyPressed(keys, key);
    }
    void ExpectLikePointer() {
        EXPECT_EQ(keys.view, pointer.view);
        EXPECT_EQ(test::PlayState(keys.game), test::PlayState(pointer.game));
        EXPECT_EQ(keysHost.Calls, pointerHost.Calls);
    }

    test::ScriptedHost keysHost, pointerHost;
    Session keys{keysHost}, pointer{pointerHost};
};

// Keys pressed during the pauses of the turn (the human's draw, the computer's reveal and its
// draw) or with no game change nothing.
TEST_F(KeyboardTest, ArrowsHomeEndAndReturnPlayAsThePointerDoesAndDoNothingWhenItCannot) {
    const std::pair<Key, int> moves[] = {{Key::Left, 5}, {Key::Right, 1}, {Key::End, 5},
                                         {Key::Left, 4}, {Key::Home, 1},  {Key::Left, 5}};
    for (auto [key, slot] : moves) {
        KeyPressed(keys, key);
        EXPECT_EQ(keys.game.SelectedHandSlot, slot);
    }
    picHand_MouseMove(keys, 2);  // the pointer selects, a key moves on from there
    Press({Key::Right});
    picHand_MouseMove(pointer, 3);
    ExpectLikePointer();  // framed and marked as pointing frames and marks

    Press({Key::Activate});
    EXPECT_EQ(keys.view.ChosenDeskSlot, 2);
    Press({Key::Back, Key::Right, Key::Left});  // Escape goes back to the hand
    EXPECT_EQ(keys.game.SelectedHandSlot, 3);
    const auto pressEveryKey = [&] {
        Press({Key::Left, Key::Right, Key::Home, Key::End, Key::Activate, Key::Back});
    };
    keysHost.OnPause = pressEveryKey;
    Press({Key::Activate, Key::Right, Key::Left, Key::End, Key::Activate});
    picDesk_Click(pointer, 3);
    EXPECT_EQ(keysHost.Count("Pause"), 3);
    ExpectLikePointer();  // the whole turn, sounds and the computer's reply included

    AbortGame(keys);
    AbortGame(pointer);
    pressEveryKey();
    ExpectLikePointer();
}

}  // namespace
}  // namespace vm
