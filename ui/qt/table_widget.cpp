#include "ui/qt/table_widget.h"

#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <optional>

#include "ui/qt/card_widget.h"
#include "ui/qt/twips.h"

namespace vm {

namespace {

// Top-left corners in twips of the places, as the table was designed.
QPoint handSlot(int k, int firstRowY, int secondRowY) {
    return {120 + 720 * ((k - 1) % 5), k <= 5 ? firstRowY : secondRowY};
}
QPoint compCorner(int k) {
    return handSlot(k, 120, 1380);
}
QPoint handCorner(int k) {
    return handSlot(k, 5760, 7020);
}
QPoint deskCorner(int k) {
    return {120 + 720 * ((k - 1) % 8), k <= 8 ? 2940 : 4200};
}
QPoint pileCorner(int side) {
    return {5160, side == 1 ? 5760 : 1380};
}
QPoint monthCorner(int month) {
    constexpr int rows[] = {240, 1560, 2880, 4200, 5520, 6840};
    return {month <= 6 ? 6060 : 9000, rows[(month - 1) % 6]};
}

QRect cardAt(QPoint twips) {
    return CardRect(twips.x(), twips.y());
}
// A marker frames its card with 120 twips to spare on every side.
QRect markerAt(QPoint twips) {
    return TwipRect(twips.x() - 120, twips.y() - 120, 885, 1335);
}

const QColor Ink(58, 36, 16);
const QColor MarkerColour(176, 24, 24);

QFont labelFont(int pixelSize, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

}  // namespace

TableWidget::TableWidget(CardPixmaps& pixmaps, const QString& programFolder, QWidget* parent)
    : QWidget(parent), m_pixmaps(pixmaps) {
    setObjectName(QStringLiteral("table"));
    setFixedSize(Width, Height);
    setFocusPolicy(Qt::StrongFocus);
    // Decoded straight to the window's size: the full picture is never held in memory.
    QImageReader background(programFolder + QStringLiteral("background.jpg"));
    background.setScaledSize(size() * devicePixelRatioF());
    m_background = QPixmap::fromImage(background.read());
    m_background.setDevicePixelRatio(devicePixelRatioF());

    for (int k = 1; k <= 10; ++k) {
        m_comp[k] = addPlace(cardAt(compCorner(k)), QStringLiteral("picComp_%1").arg(k));
        m_hand[k] = addPlace(cardAt(handCorner(k)), QStringLiteral("picHand_%1").arg(k));
        connect(m_hand[k], &CardWidget::pointerMoved, this,
                [this, k] { emit handPointerMoved(k); });
        connect(m_hand[k], &CardWidget::clicked, this, [this, k] { emit handClicked(k); });
    }
    for (int k = 1; k <= 16; ++k) {
        m_desk[k] = addPlace(cardAt(deskCorner(k)), QStringLiteral("picDesk_%1").arg(k));
        connect(m_desk[k], &CardWidget::clicked, this, [this, k] { emit deskClicked(k); });
    }
    for (int side = 1; side <= 2; ++side)
        m_pile[side] = addPlace(cardAt(pileCorner(side)), QStringLiteral("picPile_%1").arg(side));

    // The designed 480 twips hold two digits in the bold font; a score such as " 110" or
    // "-999" needs 38 pixels, and 600 twips still end short of the counters at 4500.
    constexpr int ScoreWidth = 600;
    m_lblPlayer = addLabel(TwipRect(3840, 5700, ScoreWidth, 300), QStringLiteral("lblPlayer"), {});
    m_lblCards[1] = addLabel(TwipRect(4500, 5700, 480, 300), QStringLiteral("lblCards_1"), {});
    m_lblCPU = addLabel(TwipRect(3840, 2220, ScoreWidth, 300), QStringLiteral("lblCPU"), {});
    m_lblCards[2] = addLabel(TwipRect(4500, 2220, 480, 300), QStringLiteral("lblCards_2"), {});
    for (QLabel* value : {m_lblPlayer, m_lblCPU, m_lblCards[1], m_lblCards[2]})
        value->setFont(labelFont(15, true));
    addLabel(TwipRect(3840, 6060, 480, 300), QStringLiteral("lblScoreCaption_1"), tr("Score"));
    addLabel(TwipRect(4500, 6060, 660, 300), QStringLiteral("lblDealCaption_1"), tr("to deal"));
    addLabel(TwipRect(3840, 1980, 480, 300), QStringLiteral("lblScoreCaption_2"), tr("Score"));
    addLabel(TwipRect(4500, 1980, 660, 300), QStringLiteral("lblDealCaption_2"), tr("to deal"));

    buildMonthPiles();
}

CardWidget* TableWidget::addPlace(const QRect& geometry, const QString& name) {
    auto* place = new CardWidget(m_pixmaps, geometry, this);
    place->setObjectName(name);
    return place;
}

QLabel* TableWidget::addLabel(const QRect& geometry, const QString& name, const QString& text) {
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setFont(labelFont(11, false));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Ink);
    label->setPalette(palette);
    return label;
}

void TableWidget::buildMonthPiles() {
    static const char* const captions[] = {"lblJan", "lblFeb",  "lblMar", "lblApr",
                                           "lblMay", "lblJune", "lblJul", "lblAug",
                                           "lblSep", "lblOct",  "lblNov", "lblDec"};
    static const char* const piles[] = {"picJan", "picFeb", "picMar", "picApr", "picMay", "picJun",
                                        "picJul", "picAug", "picSep", "picOct", "picNov", "picDec"};
    for (int month = 1; month <= 12; ++month) {
        const QPoint corner = monthCorner(month);
        QLabel* title = addLabel(TwipRect(corner.x(), corner.y() - 180, 2835, 180),
                                 QString::fromLatin1(captions[month - 1]), QString());
        m_lblMonths[month] = title;
        title->setFont(labelFont(10, false));
        title->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        for (int place = 1; place <= 4; ++place)
            m_months[month][place] = addPlace(
                cardAt(corner + QPoint(720 * (place - 1), 0)),
                QStringLiteral("%1_%2").arg(QString::fromLatin1(piles[month - 1])).arg(place));
    }
}

namespace {

void showPlace(CardWidget* widget, const CardPlace& place) {
    widget->setPicture(place.Picture);
    widget->setAcceptsClicks(place.Enabled);
    if (widget->isVisibleTo(widget->parentWidget()) != place.Visible)
        widget->setVisible(place.Visible);
}

bool sameMarkers(const TableView& a, const TableView& b) {
    return a.picHandShape == b.picHandShape && a.picCompShape == b.picCompShape &&
           a.picShape == b.picShape && a.picPileShape == b.picPileShape &&
           a.ChosenDeskSlot == b.ChosenDeskSlot;
}

QString text(const std::string& value) {
    return QString::fromLatin1(value.data(), qsizetype(value.size()));
}

void nameLabel(QLabel* label, const std::string& name) {
    const QString spoken = QString::fromStdString(name);
    if (label->accessibleName() != spoken)
        label->setAccessibleName(spoken);
}

std::optional<Key> keyOf(const QKeyEvent& event) {
    if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return std::nullopt;
    switch (event.key()) {
        case Qt::Key_Left:
            return Key::Left;
        case Qt::Key_Right:
            return Key::Right;
        case Qt::Key_Home:
            return Key::Home;
        case Qt::Key_End:
            return Key::End;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            return Key::Activate;
        case Qt::Key_Escape:
            return Key::Back;
        default:
            return std::nullopt;
    }
}

}  // namespace

void TableWidget::render(const TableView& view) {
    for (int k = 1; k <= 10; ++k) {
        showPlace(m_hand[k], view.picHand[k]);
        showPlace(m_comp[k], view.picComp[k]);
    }
    for (int k = 1; k <= 16; ++k)
        showPlace(m_desk[k], view.picDesk[k]);
    for (int side = 1; side <= 2; ++side) {
        showPlace(m_pile[side], view.picPile[side]);
        m_lblCards[side]->setText(text(view.lblCards[side]));
    }
    for (int month = 1; month <= 12; ++month) {
        m_lblMonths[month]->setText(text(view.lblMonth[month]));
        for (int place = 1; place <= 4; ++place)
            showPlace(m_months[month][place], view.MonthPiles[month][place]);
    }
    m_lblPlayer->setText(text(view.lblPlayer));
    m_lblCPU->setText(text(view.lblCPU));
    speak(view);
    if (!sameMarkers(view, m_shown))
        update();
    m_shown = view;
}

void TableWidget::speak(const TableView& view) {
    for (int k = 1; k <= 10; ++k) {
        m_hand[k]->setSpeech(SpeakHandPlace(view, k));
        m_comp[k]->setSpeech(SpeakComputerPlace(view, k));
    }
    for (int k = 1; k <= 16; ++k)
        m_desk[k]->setSpeech(SpeakDeskPlace(view, k));
    for (int side = 1; side <= 2; ++side) {
        m_pile[side]->setSpeech(SpeakPilePlace(view, side));
        nameLabel(m_lblCards[side], SpeakTurnsLeft(view, side));
    }
    for (int month = 1; month <= 12; ++month)
        for (int place = 1; place <= 4; ++place)
            m_months[month][place]->setSpeech(SpeakMonthPlace(view, month, place));
    nameLabel(m_lblPlayer, SpeakScore(view, 1));
    nameLabel(m_lblCPU, SpeakScore(view, 2));
}

// A held key repeats; a repeated Return must not play the next turn's card unasked.
void TableWidget::keyPressEvent(QKeyEvent* event) {
    const std::optional<Key> key = keyOf(*event);
    if (!key) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (!(event->isAutoRepeat() && (*key == Key::Activate || *key == Key::Back)))
        emit keyPressed(*key);
}

void TableWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_background.isNull())
        painter.fillRect(rect(), QColor(232, 218, 188));
    else
        painter.drawPixmap(0, 0, m_background);

    painter.setPen(QPen(Ink, 1));
    for (int month = 1; month <= 12; ++month) {
        const QPoint corner = monthCorner(month);
        painter.drawRect(
            TwipRect(corner.x() - 60, corner.y() - 225, 2940, 1335).adjusted(0, 0, -1, -1));
    }
    paintMarkers(painter);
    if (!m_painted) {
        m_painted = true;
        emit firstPainted();
    }
}

void TableWidget::paintMarkers(QPainter& painter) const {
    painter.setPen(QPen(MarkerColour, 2));
    painter.setBrush(Qt::NoBrush);
    const auto frame = [&painter](QPoint corner) {
        painter.drawRect(QRectF(markerAt(corner)).adjusted(1, 1, -1, -1));
    };
    for (int k = 1; k <= 10; ++k) {
        if (m_shown.picHandShape[k])
            frame(handCorner(k));
        if (m_shown.picCompShape[k])
            frame(compCorner(k));
    }
    for (int k = 1; k <= 16; ++k)
        if (m_shown.picShape[k])
            frame(deskCorner(k));
    // The desk card the keys have chosen is framed twice.
    if (m_shown.ChosenDeskSlot > 0) {
        painter.setPen(QPen(MarkerColour, 3));
        painter.drawRect(
            QRectF(markerAt(deskCorner(m_shown.ChosenDeskSlot))).adjusted(5, 5, -5, -5));
    }
    for (int side = 1; side <= 2; ++side)
        if (m_shown.picPileShape[side])
            frame(pileCorner(side));
}

}  // namespace vm
