#include "ui/qt/music_dialog.h"

#include <QFileInfo>
#include <QIcon>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include "ui/qt/dialog_parts.h"
#include "ui/qt/twips.h"

namespace vm {

namespace {

constexpr int GlyphPixels = 16;
constexpr int ButtonTwips = 390;
constexpr int ButtonY = 2940;

// The glyph of a presentation button: rows and columns of icon squares, each followed by a
// line of text when `withText`.
QIcon presentationGlyph(int columns, int rows, int square, bool withText) {
    QPixmap glyph(GlyphPixels, GlyphPixels);
    glyph.fill(Qt::transparent);
    QPainter painter(&glyph);
    const int cellWidth = GlyphPixels / columns;
    const int cellHeight = GlyphPixels / rows;
    for (int column = 0; column < columns; ++column) {
        for (int row = 0; row < rows; ++row) {
            const int x = column * cellWidth + 1;
            const int y = row * cellHeight + (cellHeight - square) / 2;
            painter.fillRect(x, y, square, square, QColor(40, 70, 140));
            if (withText) {
                painter.fillRect(x + square + 1, y + square / 2, cellWidth - square - 3, 1,
                                 Qt::black);
            }
        }
    }
    return QIcon(glyph);
}

}  // namespace

MusicDialog::MusicDialog(Session& session, QWidget* parent)
    : QDialog(parent), m_model(session), m_list(new QListWidget(this)) {
    setUpDialog(*this, "Music", QStringLiteral("Background Music"), 4800, 3450);

    m_list->setObjectName(QStringLiteral("lvwTrack"));
    m_list->setGeometry(TwipRect(120, 120, 4560, 2700));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setAccessibleName(tr("Music tracks"));
    fillList(QString::fromLocal8Bit(session.ProgramFolder.c_str()));
    present(Presentation::LargeIcons);

    addPresentationButton("cmdIcon", tr("Large Icons"), Presentation::LargeIcons, 120)
        ->setIcon(presentationGlyph(2, 2, 6, false));
    addPresentationButton("cmdIconList", tr("Small Icons"), Presentation::SmallIcons, 570)
        ->setIcon(presentationGlyph(2, 3, 3, true));
    addPresentationButton("cmdList", tr("List"), Presentation::List, 1020)
        ->setIcon(presentationGlyph(1, 4, 3, true));

    auto* ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setGeometry(TwipRect(3585, ButtonY, 1095, ButtonTwips));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] {
        m_model.cmdOK_Click();
        accept();
    });

    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            m_model.Select(static_cast<std::size_t>(row));
    });
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] {
        m_model.lvwTrack_DblClick();
        accept();
    });
}

void MusicDialog::fillList(const QString& programFolder) {
    // One picture serves both sizes: the view scales it to the presentation's icon size.
    const QString iconFile = programFolder + QStringLiteral("midi.ico");
    const QIcon midi = QFileInfo::exists(iconFile) ? QIcon(iconFile) : QIcon();
    for (const std::string& track : m_model.Entries()) {
        m_list->addItem(new QListWidgetItem(midi, QString::fromLocal8Bit(track.c_str())));
    }
    // Becoming current also scrolls the entry into view.
    if (const auto selected = m_model.Selected()) {
        m_list->setCurrentRow(static_cast<int>(*selected));
    }
}

QPushButton* MusicDialog::addPresentationButton(const char* name, const QString& tip,
                                                Presentation shown, int x) {
    auto* button = new QPushButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(tip);
    button->setAccessibleName(tip);
    button->setAutoDefault(false);
    button->setGeometry(TwipRect(x, ButtonY, ButtonTwips, ButtonTwips));
    button->setIconSize(QSize(GlyphPixels, GlyphPixels));
    connect(button, &QPushButton::clicked, this, [this, shown] { present(shown); });
    return button;
}

void MusicDialog::present(Presentation shown) {
    // The view mode resets flow, wrapping and movement, so it goes first.
    const bool large = shown == Presentation::LargeIcons;
    m_list->setViewMode(large ? QListView::IconMode : QListView::ListMode);
    m_list->setIconSize(large ? QSize(32, 32) : QSize(16, 16));
    m_list->setFlow(shown == Presentation::List ? QListView::TopToBottom : QListView::LeftToRight);
    m_list->setWrapping(true);
    m_list->setWordWrap(large);
    m_list->setMovement(QListView::Static);
    m_list->setResizeMode(QListView::Adjust);
    switch (shown) {
        case Presentation::LargeIcons:
            m_list->setGridSize(QSize(88, 60));
            break;
        case Presentation::SmallIcons:
            m_list->setGridSize(QSize(136, 20));
            break;
        case Presentation::List:
            m_list->setGridSize(QSize());
            break;
    }
    m_list->doItemsLayout();
    m_list->viewport()->update();
}

void ShowMusicDialog(QWidget* parent, Session& session) {
    MusicDialog dialog(session, parent);
    dialog.exec();
}

}  // namespace vm
