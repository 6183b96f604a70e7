#include "ui/qt/meld_dialog.h"

#include <QDialog>
#include <QLabel>

#include "ui/qt/card_widget.h"
#include "ui/qt/dialog_parts.h"
#include "ui/qt/twips.h"

namespace vm {

void showMeldDialog(QWidget* parent, CardPixmaps& pixmaps, const MeldInfo& info) {
    QDialog dialog(parent);
    setUpDialog(dialog, "Meld", QStringLiteral("Velmoria Meld!"), 4440, 1515);
    QLabel* lblMeld = addDialogLabel(&dialog, TwipRect(60, 60, 4320, 285),
                                     QStringLiteral("lblMeld"), coreText(info.Announcement));
    fitToWidth(lblMeld);
    constexpr int lefts[] = {60, 780, 1500, 2220, 2940};
    for (int k = 1; k <= 5; ++k) {
        auto* picMeld = new CardWidget(pixmaps, CardRect(lefts[k - 1], 360), &dialog);
        picMeld->setObjectName(QStringLiteral("picMeld_%1").arg(k));
        picMeld->setPicture(info.Pictures[k]);
        picMeld->setVisible(!info.Pictures[k].empty());
    }
    addOkButton(dialog, TwipRect(3720, 360, 675, 375), QStringLiteral("Ok"));
    dialog.exec();
}

}  // namespace vm
