#include "tools/sim/silent_host.h"

#include "play/session.h"
#include "rules/melds.h"

namespace vm {

void SilentHost::StartGame(int number) {
    gameNumber_ = number;
    headerWritten_ = false;
    deckWritten_ = false;
    pendingMelds_.clear();
    tally_ = GameTally{};
}

void SilentHost::WriteGameHeader() {
    if (headerWritten_) return;
    headerWritten_ = true;
    tally_.FirstMover = session_->game.TurnSide;
    if (trace_) *trace_ << "game " << gameNumber_ << " first " << tally_.FirstMover << '\n';
}

void SilentHost::DealAccepted() {
    if (deckWritten_) return;  // the header was written before the deck
    WriteGameHeader();
    deckWritten_ = true;
    if (!trace_) return;
    *trace_ << "deck";
    for (const CardRecord& record : session_->game.CardTable) *trace_ << ' ' << record.CardName;
    *trace_ << '\n';
}

void SilentHost::ShowMessage(const std::string& text) {
    WriteGameHeader();
    if (trace_ && text.size() > 1 &&
        text.compare(1, std::string::npos, " Cards from same suit dealt, re-deal") == 0) {
        *trace_ << "redeal " << text[0] << '\n';
    }
}

void SilentHost::ShowMeld(const MeldInfo& info) {
    tally_.Melds[static_cast<std::size_t>(info.Completer - 1)]
                [static_cast<std::size_t>(info.Meld - 1)] = true;
    if (trace_) {
        pendingMelds_.push_back("meld " + std::to_string(info.Completer) + " " +
                                std::to_string(info.Meld) + " " + info.PointsText);
    }
}

void SilentHost::PlayCompleted(const PlayEvent& event) {
    DealAccepted();
    if (!IsConsistent(session_->game)) ++tally_.Violations;
    if (!trace_) return;
    *trace_ << (event.FromPile ? "draw " : "play ") << event.Side << ' ' << event.Card << ' '
            << event.TakenText() << '\n';
    for (const std::string& line : pendingMelds_) *trace_ << line << '\n';
    pendingMelds_.clear();
}

void SilentHost::ShowScoreboard(const ScoreboardView& view) {
    const Game& game = session_->game;
    tally_.PlayerScore = game.PlayerScore;
    tally_.CPUScore = game.CPUScore;
    tally_.GameResult = view.GameResult;
    tally_.Ended = true;
    int meldPoints = 0;
    for (int side = 1; side <= 2; ++side) {
        for (int meld = 1; meld <= MeldCount; ++meld) {
            if (game.MeldFlags[side][meld] != 0) meldPoints += MeldPoints(meld);
        }
    }
    if (game.PlayerScore + game.CPUScore != 250 + meldPoints) ++tally_.Violations;
    if (view.Player.GrandTotal != game.PlayerScore || view.CPU.GrandTotal != game.CPUScore) {
        ++tally_.Violations;
    }
    if (trace_) {
        *trace_ << "end " << game.PlayerScore << ' ' << game.CPUScore << ' '
                << static_cast<int>(view.GameResult) << '\n';
    }
}

}  // namespace vm
