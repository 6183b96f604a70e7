// The installed game in a player's fresh home: started by installed_game.sh, which installs it
// into a scratch folder and names the folder of its executable.
#include <gtest/gtest.h>

#include <QTextBrowser>
#include <cstdlib>

#include "tests/qt/window_fixture.h"

namespace vm {
namespace {

TEST(InstalledGame, PlaysAGameFromTheInstalledFilesAndFindsItsResultAtTheNextStart) {
    const char* games = std::getenv("VELMORIA_INSTALLED_GAMES");
    if (games == nullptr) GTEST_SKIP() << "run by installed_game.sh";
    test::EnsureApplication();
    const auto folders = FindDataFolders(games, ReadPlayerEnvironment()).Found;
    ASSERT_TRUE(folders);
    test::WindowFixture window(*folders);

    window.action("mnuNew")->trigger();
    for (int k = 1; k <= 10; ++k) {
        const std::string& picture = window.hand(k)->picture();
        EXPECT_FALSE(window.form().pixmaps().pixmap(picture, {45, 73}, 1).isNull()) << picture;
    }
    while (window.playOneCard()) {
    }
    const HighScoreEntry best = window.session().highScores[1];
    EXPECT_GT(best.Score, 0);
    window.action("mnuRules")->trigger();
    auto* rules = window.form().findChild<QTextBrowser*>(QStringLiteral("helpViewer"));
    ASSERT_NE(rules, nullptr);
    EXPECT_TRUE(rules->toPlainText().contains(QStringLiteral("Velmoria")));

    window.restart();
    EXPECT_EQ(window.session().highScores[1], best);
}

}  // namespace
}  // namespace vm
