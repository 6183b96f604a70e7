#include "window_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include "game/session.h"

namespace vm::test {

void EnsureApplication() {
    if (QApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "test_qt";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);  // lives for the whole test run
}

DialogAnswerer::DialogAnswerer(Answer answer) {
    answerWith(std::move(answer));
    m_timer.setInterval(5);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
    m_timer.start();
}

DialogAnswerer::~DialogAnswerer() = default;

void DialogAnswerer::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible() || modal == m_last)
        return;
    m_last = modal;
    m_seen << modal->windowTitle();
    m_answer(modal);
}

void DialogAnswerer::pressDefault(QWidget* dialog) {
    if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
        QAbstractButton* button = box->defaultButton();
        if (!button)
            button = box->escapeButton();
        if (button) {
            button->click();
            return;
        }
    }
    if (auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("cmdOK"))) {
        ok->click();
        return;
    }
    if (auto* plain = qobject_cast<QDialog*>(dialog))
        plain->accept();
}

void DialogAnswerer::pressButton(QWidget* dialog, const QString& text) {
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
        if (button->text().remove(QLatin1Char('&')) == text) {
            button->click();
            return;
        }
    }
}

WindowFixture::WindowFixture() {
    EnsureApplication();
    m_folderPath = m_folder.path() + QStringLiteral("/");
    // The pictures and the rules, where the build has put them beside the program.
    const QDir bin(QCoreApplication::applicationDirPath());
    const QStringList assets = {QStringLiteral("*.bmp"), QStringLiteral("*.jpg"),
                                QStringLiteral("*.png"), QStringLiteral("VELMORIA.HLP")};
    for (const QString& file : bin.entryList(assets, QDir::Files))
        QFile::copy(bin.filePath(file), m_folderPath + file);
    m_dialogs = std::make_unique<DialogAnswerer>();
    build();
}

WindowFixture::~WindowFixture() {
    if (m_form)
        m_form->close();
}

void WindowFixture::build() {
    m_form = std::make_unique<Form1>(m_folderPath, m_music);
    session().options.DealSpeed = 0;
    session().options.SoundEffectsOn = false;
    m_form->show();
}

void WindowFixture::restart() {
    m_form->close();
    m_form.reset();
    build();
}

QAction* WindowFixture::action(const char* name) {
    return m_form->findChild<QAction*>(QString::fromLatin1(name));
}

CardWidget* WindowFixture::place(const QString& name) {
    return m_form->findChild<CardWidget*>(name);
}

int WindowFixture::visibleCount(const char* prefix, int count) {
    int visible = 0;
    for (int k = 1; k <= count; ++k)
        if (place(QStringLiteral("%1_%2").arg(QString::fromLatin1(prefix)).arg(k))->isVisible())
            ++visible;
    return visible;
}

void WindowFixture::hover(QWidget* widget) {
    QMouseEvent move(QEvent::MouseMove, QPointF(widget->rect().center()),
                     widget->mapToGlobal(QPointF(widget->rect().center())), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

void WindowFixture::click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton);
}

bool WindowFixture::playOneCard(int preferredSlot) {
    if (!session().game.PlayerMayAct)
        return false;
    int slot = 0;
    for (int k = 0; k < 10 && slot == 0; ++k) {
        const int candidate = (preferredSlot - 1 + k) % 10 + 1;
        if (hand(candidate)->isVisible() && hand(candidate)->acceptsClicks())
            slot = candidate;
    }
    if (slot == 0)
        return false;
    hover(hand(slot));
    click(hand(slot));
    if (session().game.PlayerMayAct && session().game.MatchPending) {
        for (int d = 1; d <= 16; ++d) {
            if (desk(d)->isVisible() && desk(d)->acceptsClicks()) {
                click(desk(d));
                break;
            }
        }
    }
    return true;
}

}  // namespace vm::test
