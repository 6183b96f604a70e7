#pragma once
// One painter per month: the month's plant in its traditional colours, and the card's
// emblem, animal or ribbon. Each draws the whole 90 x 146 face.

#include <QPainter>

#include "tools/assetgen/card_catalogue.h"

namespace vm {

void PaintPineScene(QPainter& p, const CardDesign& design);           // January
void PaintPlumScene(QPainter& p, const CardDesign& design);           // February
void PaintCherryScene(QPainter& p, const CardDesign& design);         // March
void PaintWisteriaScene(QPainter& p, const CardDesign& design);       // April
void PaintIrisScene(QPainter& p, const CardDesign& design);           // May
void PaintPeonyScene(QPainter& p, const CardDesign& design);          // June
void PaintBushCloverScene(QPainter& p, const CardDesign& design);     // July
void PaintPampasScene(QPainter& p, const CardDesign& design);         // August
void PaintChrysanthemumScene(QPainter& p, const CardDesign& design);  // September
void PaintMapleScene(QPainter& p, const CardDesign& design);          // October
void PaintWillowScene(QPainter& p, const CardDesign& design);         // November
void PaintPaulowniaScene(QPainter& p, const CardDesign& design);      // December

void PaintMonthScene(QPainter& p, const CardDesign& design);

}  // namespace vm
