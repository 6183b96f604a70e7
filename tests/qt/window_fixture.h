#pragma once
// A real main window, offscreen, in a scratch program folder of its own, with every modal
// dialog answered as it opens.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <memory>

#include "play/music.h"
#include "ui/qt/card_widget.h"
#include "ui/qt/form1.h"

namespace vm::test {

// The tests need a QApplication before any widget; made once for the whole run.
inline void EnsureApplication() {
    static int argc = 1;
    static char name[] = "test_qt";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance())
        new QApplication(argc, argv);  // lives for the whole test run
}

// Keys go where a player's would: to the focus, once the window system has put it into `at`.
inline void Press(QWidget* at, QKeyCombination key) {
    ASSERT_TRUE(QTest::qWaitFor([at] { return at->isAncestorOf(QApplication::focusWidget()); }));
    QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
}

// A named child of a dialog or window; a test fails when it is missing.
template <typename T = QWidget>
T* Child(QWidget* parent, const QString& name) {
    T* widget = parent->findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
}

// Answers every modal dialog that opens while it lives, polling activeModalWidget, and keeps
// their captions in order. The default answer is a message box's default button, or Ok.
class DialogAnswerer {
  public:
    DialogAnswerer() {
        EnsureApplication();
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || !modal->isVisible() || modal == m_last)
                return;
            m_last = modal;
            m_seen << modal->windowTitle();
            m_answer(modal);
        });
        m_timer.start(5);
    }
    void answerWith(std::function<void(QWidget*)> answer) { m_answer = std::move(answer); }
    const QStringList& seen() const { return m_seen; }
    void clearSeen() { m_seen.clear(); }

    static void pressDefault(QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        if (!box)
            return Child<QPushButton>(dialog, "cmdOK")->click();
        QAbstractButton* button = box->defaultButton() ? box->defaultButton() : box->escapeButton();
        button ? button->click() : box->accept();  // a notice names neither; Ok accepts it
    }
    // The button captioned `text`, or the default one where there is none, as in a notice.
    static void pressButton(QWidget* dialog, const QString& text) {
        for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
            if (button->text().remove(QLatin1Char('&')) == text)
                return button->click();
        pressDefault(dialog);
    }

  private:
    std::function<void(QWidget*)> m_answer = &pressDefault;
    QTimer m_timer;
    QStringList m_seen;
    QPointer<QWidget> m_last;
};

inline QString LabelText(QWidget* parent, const QString& name) {
    QLabel* label = Child<QLabel>(parent, name);
    return label ? label->text() : QString();
}
// How many of the card places prefix_1 .. prefix_count show a card.
inline int VisibleCards(QWidget* parent, const char* prefix, int count) {
    int visible = 0;
    for (int k = 1; k <= count; ++k)
        visible += Child<CardWidget>(parent, QStringLiteral("%1_%2").arg(prefix).arg(k))
                       ->isVisibleTo(parent);
    return visible;
}

struct SilentMusic : MusicDevice {
    std::string Send(const std::string&) override { return {}; }
};

// Answers the window's dialogs for as long as it lives.
class WindowFixture : public DialogAnswerer {
  public:
    WindowFixture() {
        // The pictures and the rules, where the build has put them beside the program.
        const QDir bin(QCoreApplication::applicationDirPath());
        for (const QString& file :
             bin.entryList({"*.bmp", "*.jpg", "*.png", "VELMORIA.HLP"}, QDir::Files))
            QFile::copy(bin.filePath(file), folder() + file);
        m_folders = PortableFolders(folder().toStdString());
        build();
    }
    // The window over the folders an installed game found for itself.
    explicit WindowFixture(DataFolders folders) : m_folders(std::move(folders)) { build(); }
    ~WindowFixture() {
        if (m_form)
            m_form->close();
    }

    Form1& form() { return *m_form; }
    Session& session() { return m_form->session(); }
    QString folder() const { return m_folder.path() + QStringLiteral("/"); }
    // Rebuilds the window over the same folder, as a second run of the program would.
    void restart() {
        m_form->close();
        m_form.reset();
        build();
    }

    // From here on `inside` acts at each turn of a pause's event loop, before the clock moves.
    void duringPauses(std::function<void()> inside) { m_inside = std::move(inside); }

    QAction* action(const char* name) { return m_form->findChild<QAction*>(name); }
    CardWidget* place(const QString& name) { return m_form->findChild<CardWidget*>(name); }
    CardWidget* hand(int k) { return place(QStringLiteral("picHand_%1").arg(k)); }
    CardWidget* desk(int k) { return place(QStringLiteral("picDesk_%1").arg(k)); }
    CardWidget* comp(int k) { return place(QStringLiteral("picComp_%1").arg(k)); }
    QString label(const char* name) { return LabelText(m_form.get(), name); }
    // No card shown anywhere on the table, and no game to abort.
    bool tableIsIdle() {
        return std::ranges::none_of(
                   m_form->centralWidget()->findChildren<CardWidget*>(),
                   [](CardWidget* place) { return place->isVisibleTo(place->parentWidget()); }) &&
               !action("mnuAbort")->isEnabled();
    }

    static void hover(QWidget* widget) {
        const QPointF centre(widget->rect().center());
        QMouseEvent move(QEvent::MouseMove, centre, widget->mapToGlobal(centre), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }
    static void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

    // Points at and clicks a card of the human's hand, and a marked desk card if the play
    // waits for one. False when the human cannot act.
    bool playOneCard(int preferredSlot = 1) {
        for (int k = 0; k < 10 && session().game.PlayerMayAct; ++k) {
            CardWidget* card = hand((preferredSlot - 1 + k) % 10 + 1);
            if (card->isVisible() && card->acceptsClicks()) {
                hover(card);
                click(card);
                for (int d = 1; d <= 16 && session().game.MatchPending; ++d) {
                    if (desk(d)->isVisible() && desk(d)->acceptsClicks())
                        click(desk(d));
                }
                return true;
            }
        }
        return false;
    }

  private:
    void build() {
        m_form = std::make_unique<Form1>(m_folders, m_music);
        session().options.DealSpeed = 0;
        session().options.SoundEffectsOn = false;
        // The pauses go by a clock that moves 100 ms at each turn of their event loop while no
        // dialog is open: no test waits on the wall clock.
        PauseLoops& pauses = m_form->pauses();
        pauses.setClock([this] { return m_now; });
        QObject::connect(&m_tick, &QTimer::timeout, m_form.get(), [this, &pauses] {
            if (!pauses.pausing() || QApplication::activeModalWidget())
                return;
            if (m_inside)
                m_inside();
            m_now += 100;
            pauses.clockMoved();
        });
        m_tick.start(0);
        m_form->show();
    }

    QTemporaryDir m_folder;
    DataFolders m_folders;
    SilentMusic m_music;
    qint64 m_now = 0;
    QTimer m_tick;
    std::function<void()> m_inside;
    std::unique_ptr<Form1> m_form;
};

}  // namespace vm::test
