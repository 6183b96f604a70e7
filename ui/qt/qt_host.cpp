#include "ui/qt/qt_host.h"

#include "ui/qt/debugger_dialog.h"
#include "ui/qt/dialog_parts.h"
#include "ui/qt/form1.h"
#include "ui/qt/high_score_name_dialog.h"
#include "ui/qt/high_scores_dialog.h"
#include "ui/qt/meld_dialog.h"
#include "ui/qt/message_boxes.h"
#include "ui/qt/score_dialog.h"
#include "ui/sound/audio.h"

namespace vm {

void QtHost::Pause(double seconds) {
    m_form.renderView();
    m_form.pauses().pause(seconds);
}

void QtHost::PlaySoundEffect(const std::string& path) {
    // The sound blocks the event loop, so the card it belongs to is painted first.
    m_form.renderView(true);
    vm::PlaySoundEffect(path);
}

void QtHost::ShowMessage(const std::string& text) {
    m_form.renderView();
    showNotice(&m_form, coreText(text));
}

bool QtHost::AskAbort() {
    m_form.renderView();
    return askAbort(&m_form);
}

void QtHost::ShowMeld(const MeldInfo& info) {
    m_form.renderView();
    showMeldDialog(&m_form, m_form.pixmaps(), info);
}

void QtHost::ShowCandidateDump(const std::string& text) {
    m_form.renderView();
    showDebuggerDialog(&m_form, text);
}

void QtHost::ShowScoreboard(const ScoreboardView& view) {
    m_form.renderView();
    showScoreDialog(&m_form, m_form.pixmaps(), view);
}

std::string QtHost::AskHighScoreName(const std::string& name) {
    m_form.renderView();
    return vm::AskHighScoreName(&m_form, name);
}

void QtHost::ShowHighScores(const HighScoreTable& table) {
    m_form.renderView();
    vm::ShowHighScores(&m_form, table);
}

}  // namespace vm
