#include "ui/qt/pile_dialog.h"

#include <QDialog>

#include "ui/qt/card_widget.h"
#include "ui/qt/dialog_parts.h"
#include "ui/qt/twips.h"

namespace vm {

void showPileDialog(QWidget* parent, CardPixmaps& pixmaps, const PileView& view) {
    QDialog dialog(parent);
    setUpDialog(dialog, "Pile", QStringLiteral("Pile"), 4485, 5220);
    for (int k = 1; k <= 24; ++k) {
        constexpr int rowTops[] = {120, 1260, 2400, 3540};
        auto* picPile = new CardWidget(
            pixmaps, CardRect(120 + 720 * ((k - 1) % 6), rowTops[(k - 1) / 6]), &dialog);
        picPile->setObjectName(QStringLiteral("picPile_%1").arg(k));
        picPile->setPicture(view.Pictures[k]);
        picPile->setVisible(!view.Pictures[k].empty());
    }
    addDialogLabel(&dialog, TwipRect(120, 4740, 2400, 300), QStringLiteral("lblNumber"),
                   coreText(view.lblNumber));
    addOkButton(dialog, TwipRect(3720, 4740, 675, 375), QStringLiteral("Ok"));
    dialog.exec();
}

}  // namespace vm
