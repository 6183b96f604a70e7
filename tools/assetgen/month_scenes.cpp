#include "tools/assetgen/month_scenes.h"

#include <array>

namespace vm {

void PaintMonthScene(QPainter& p, const CardDesign& design) {
    using Painter = void (*)(QPainter&, const CardDesign&);
    static constexpr std::array<Painter, 12> painters = {
        PaintPineScene,          PaintPlumScene,  PaintCherryScene,     PaintWisteriaScene,
        PaintIrisScene,          PaintPeonyScene, PaintBushCloverScene, PaintPampasScene,
        PaintChrysanthemumScene, PaintMapleScene, PaintWillowScene,     PaintPaulowniaScene};
    painters.at(static_cast<std::size_t>(design.month - 1))(p, design);
}

}  // namespace vm
