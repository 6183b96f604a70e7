#include "tools/assetgen/card_catalogue.h"

#include <array>

namespace vm {

namespace {

struct MonthCards {
    const char* abbreviation;
    std::array<int, 4> numbers;
    CardKind ribbon;
};

constexpr std::array<MonthCards, 12> Months = {{
    {"jan", {20, 5, 1, 0}, CardKind::PoetryRibbon},
    {"feb", {10, 5, 1, 0}, CardKind::PoetryRibbon},
    {"mar", {20, 5, 1, 0}, CardKind::PoetryRibbon},
    {"apr", {10, 5, 1, 0}, CardKind::RedRibbon},
    {"may", {10, 5, 1, 0}, CardKind::RedRibbon},
    {"jun", {10, 5, 1, 0}, CardKind::BlueRibbon},
    {"jul", {10, 5, 1, 0}, CardKind::RedRibbon},
    {"aug", {20, 10, 1, 0}, CardKind::RedRibbon},
    {"sep", {10, 5, 1, 0}, CardKind::BlueRibbon},
    {"oct", {10, 5, 1, 0}, CardKind::BlueRibbon},
    {"nov", {20, 10, 1, 0}, CardKind::RedRibbon},
    {"dec", {20, 10, 5, 0}, CardKind::RedRibbon},
}};

CardKind KindOf(int number, CardKind ribbon) {
    switch (number) {
        case 20:
            return CardKind::Bright;
        case 10:
            return CardKind::Animal;
        case 5:
            return ribbon;
        default:
            return CardKind::Plain;
    }
}

std::vector<CardDesign> BuildDesigns() {
    std::vector<CardDesign> designs;
    for (int m = 0; m < 12; ++m) {
        int plainCount = 0;
        for (int number : Months[m].numbers) {
            CardDesign design{m + 1, Months[m].abbreviation, number,
                              KindOf(number, Months[m].ribbon), 0};
            if (design.kind == CardKind::Plain) {
                design.plainVariant = plainCount++;
            }
            designs.push_back(design);
        }
    }
    return designs;
}

}  // namespace

const std::vector<CardDesign>& AllCardDesigns() {
    static const std::vector<CardDesign> designs = BuildDesigns();
    return designs;
}

std::string CardFileName(const CardDesign& design, bool marked) {
    return design.abbreviation + (marked ? "_" : "o_") + std::to_string(design.number) + ".bmp";
}

int CardPoints(const CardDesign& design) { return design.number == 1 ? 0 : design.number; }

}  // namespace vm
