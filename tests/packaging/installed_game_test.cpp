// Run by installed_game.sh, which names the folder of the installed executable.
#include <gtest/gtest.h>

#include <QTextBrowser>
#include <cstdlib>

#include "tests/qt/window_fixture.h"

namespace vm {
namespace {

TEST(InstalledGame, PlaysAGameFromTheInstalledFilesAndFindsItsResultAtTheNextStart) {
    const char* games = std::getenv("VELMORIA_INSTALLED_GAMES");
    if (games == nullptr) GTEST_SKIP() << "run by installed_game.sh";
    test::WindowFixture window(FindDataFolders(games, ReadPlayerEnvironment()).Found.value());

    window.action("mnuNew")->trigger();
    for (int k = 1; k <= 10; ++k) {
        const std::string& card = window.hand(k)->picture();
        EXPECT_FALSE(window.form().pixmaps().pixmap(card, {45, 73}, 1).isNull()) << card;
    }
    while (window.playOneCard()) {
    }
    const HighScoreEntry best = window.session().highScores[1];
    EXPECT_GT(best.Score, 0);
    window.action("mnuRules")->trigger();
    EXPECT_TRUE(window.form().findChild<QTextBrowser*>()->toPlainText().contains("Velmoria"));

    window.restart();
    EXPECT_EQ(window.session().highScores[1], best);
}

}  // namespace
}  // namespace vm
