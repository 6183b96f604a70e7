#include "view/table_view.h"

namespace vm {

OneBased<std::string, 12> MonthCaptions() {
    OneBased<std::string, 12> captions;
    int month = 0;
    for (const char* caption : {
             "January - Matsu (Pine)",
             "February - Ume (Plum)",
             "March - Sakura (Flowering Cherry)",
             "April -Fuji (Wisteria)",
             "May - Shoubu (Iris)",
             "June - Botan (Peony)",
             "July - Hagi (Bush Clover)",
             "August - Susuki (Pampass Grass)",
             "September - Kiku (Crysanthemum)",
             "October - Momiji (Maple)",
             "November - Yanagi (Willow)",
             "December - Paulownia (Kiri)",
         }) {
        captions[++month] = caption;
    }
    return captions;
}

}  // namespace vm
