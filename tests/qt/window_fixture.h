#pragma once
// A real main window, offscreen, in a scratch program folder of its own, with dialogs
// answered as they open.

#include <QAction>
#include <QPointer>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "ui/music.h"
#include "ui/qt/card_widget.h"
#include "ui/qt/form1.h"

namespace vm::test {

// The tests need a QApplication before any widget; made once for the whole run.
void EnsureApplication();

class SilentMusic : public MusicDevice {
  public:
    std::string Send(const std::string&) override { return {}; }
};

// Answers every modal dialog that opens while it lives, polling activeModalWidget. The
// default answer presses a dialog's Ok button, or a message box's default button.
class DialogAnswerer {
  public:
    using Answer = std::function<void(QWidget*)>;
    explicit DialogAnswerer(Answer answer = {});
    ~DialogAnswerer();

    void answerWith(Answer answer) { m_answer = answer ? std::move(answer) : &pressDefault; }
    // The window captions of the dialogs answered so far, in order.
    const QStringList& seen() const { return m_seen; }
    void clearSeen() { m_seen.clear(); }
    static void pressDefault(QWidget* dialog);
    static void pressButton(QWidget* dialog, const QString& text);

  private:
    void poll();
    Answer m_answer;
    QTimer m_timer;
    QStringList m_seen;
    QPointer<QWidget> m_last;
};

class WindowFixture {
  public:
    WindowFixture();
    ~WindowFixture();

    Form1& form() { return *m_form; }
    // Every dialog is answered, by default with its default button, so no test can hang.
    DialogAnswerer& dialogs() { return *m_dialogs; }
    Session& session() { return m_form->session(); }
    const QString& folder() const { return m_folderPath; }
    // Rebuilds the window over the same folder, as a second run of the program would.
    void restart();

    QAction* action(const char* name);
    CardWidget* place(const QString& name);
    CardWidget* hand(int k) { return place(QStringLiteral("picHand_%1").arg(k)); }
    CardWidget* desk(int k) { return place(QStringLiteral("picDesk_%1").arg(k)); }
    CardWidget* comp(int k) { return place(QStringLiteral("picComp_%1").arg(k)); }
    int visibleCount(const char* prefix, int count);

    static void hover(QWidget* widget);
    static void click(QWidget* widget);

    // Points at and clicks a card of the human's hand, and a marked desk card if the play
    // waits for one. False when the human cannot act.
    bool playOneCard(int preferredSlot = 1);

  private:
    void build();
    QTemporaryDir m_folder;
    QString m_folderPath;
    SilentMusic m_music;
    std::unique_ptr<DialogAnswerer> m_dialogs;
    std::unique_ptr<Form1> m_form;
};

}  // namespace vm::test
