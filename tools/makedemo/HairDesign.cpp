#include "HairPainter.h"

#include "DemoRandom.h"

#include <array>

namespace morvane::demo {

namespace {

// Hair colours of the demo catalogue.
const std::array<QColor, 9> kLightShades{
    QColor(226, 200, 146), // platinum blonde
    QColor(204, 160, 92),  // golden blonde
    QColor(184, 132, 72),  // honey
    QColor(196, 126, 78),  // strawberry blonde
    QColor(150, 104, 64),  // light brown
    QColor(146, 68, 38),   // auburn
    QColor(176, 92, 46),   // copper
    QColor(188, 168, 134), // ash blonde
    QColor(168, 120, 80),  // caramel
};
const std::array<QColor, 6> kDarkShades{
    QColor(30, 24, 22),  // black
    QColor(42, 32, 28),  // soft black
    QColor(64, 42, 28),  // dark brown
    QColor(52, 34, 25),  // espresso
    QColor(80, 48, 30),  // dark chestnut
    QColor(28, 27, 34),  // blue black
};
const std::array<QColor, 6> kMenShades{
    QColor(40, 30, 26), QColor(70, 48, 32), QColor(120, 86, 56),
    QColor(176, 138, 88), QColor(28, 26, 30), QColor(122, 116, 110), // the last one grey
};

// What each style group leans towards: waves, curls, fringes, volume.
struct GroupFlavour {
    double wave, curl, fringeChance, volume, layering;
};
const std::array<GroupFlavour, 8> kFlavours{{
    {0.1, 0.0, 0.3, 0.3, 0.15},  // Styles1: classic, smooth
    {0.7, 0.0, 0.25, 0.35, 0.2}, // Styles2: waves
    {0.3, 0.8, 0.15, 0.5, 0.25}, // Styles3: curls
    {0.0, 0.0, 0.7, 0.2, 0.08},  // Styles4: sleek, with fringes
    {0.3, 0.1, 0.35, 0.55, 0.45}, // Styles5: layered, full
    {0.35, 0.25, 0.4, 0.35, 0.25}, // Styles6: a mix (these have side pictures)
    {0.35, 0.25, 0.4, 0.35, 0.25}, // Styles7: a mix
    {0.25, 0.15, 0.35, 0.3, 0.2},  // User: a few to start with
}};

} // namespace

HairDesign designHairstyle(int groupIndex, int typeIndex, int number)
{
    const std::uint64_t seed =
        DemoRandom::mix(DemoRandom::mix(std::uint64_t(groupIndex) + 1, std::uint64_t(typeIndex) + 11),
                        std::uint64_t(number) + 101);
    DemoRandom rng(seed);
    const GroupFlavour& flavour = kFlavours[std::size_t(groupIndex) % kFlavours.size()];

    HairDesign d;
    d.seed = rng.next();
    d.headRadius = rng.range(116, 124);
    const bool styles7 = groupIndex == 6;

    if (typeIndex == 6) {
        d.cut = HairCut::Men;
        d.colour = kMenShades[std::size_t(rng.below(int(kMenShades.size())))];
        d.dark = d.colour.lightness() < 80;
        d.volume = rng.range(0.06, 0.3);
        d.quiff = rng.chance(0.35) ? rng.range(0.5, 1.0) : rng.range(0.0, 0.3);
        d.parting = rng.chance(0.5) ? rng.range(-0.9, -0.4) : rng.range(0.4, 0.9);
        d.length = 0.5;
        return d;
    }

    d.dark = typeIndex % 2 == 1;
    if (d.dark)
        d.colour = kDarkShades[std::size_t(rng.below(int(kDarkShades.size())))];
    else
        d.colour = kLightShades[std::size_t(rng.below(int(kLightShades.size())))];
    // Small shifts so two hairstyles of one shade still differ.
    const double lift = rng.range(0.92, 1.08);
    d.colour = QColor(std::min(255, int(d.colour.red() * lift)),
                      std::min(255, int(d.colour.green() * lift)),
                      std::min(255, int(d.colour.blue() * lift)));

    const int lengthClass = typeIndex / 2; // 0 short, 1 medium, 2 long
    d.cut = lengthClass == 0 ? HairCut::Short : lengthClass == 1 ? HairCut::Medium : HairCut::Long;
    switch (d.cut) {
    case HairCut::Short:
        d.length = rng.range(0.55, 1.25);
        break;
    case HairCut::Medium:
        d.length = rng.range(2.2, 2.8);
        break;
    default:
        d.length = rng.range(3.5, 4.4);
        break;
    }

    // Styles7 runs through every flavour in turn, the others keep theirs.
    const GroupFlavour& f = styles7 ? kFlavours[std::size_t(number - 1) % 6] : flavour;
    d.wave = std::clamp(f.wave + rng.range(-0.15, 0.2), 0.0, 1.0);
    d.curl = f.curl > 0.3 ? std::clamp(f.curl + rng.range(-0.3, 0.2), 0.0, 1.0)
                          : (rng.chance(0.1) ? rng.range(0.4, 0.7) : 0.0);
    if (d.curl > 0.3)
        d.wave *= 0.5;
    d.volume = std::clamp(f.volume + rng.range(-0.1, 0.15) + d.curl * 0.15, 0.12, 0.75);
    d.layering = std::clamp(f.layering + rng.range(-0.05, 0.1), 0.0, 0.6);
    d.flare = rng.range(0.3, 0.8) + d.curl * 0.3;
    d.parting = rng.chance(0.4) ? rng.range(-0.1, 0.1)
                                : (rng.chance(0.5) ? rng.range(-0.9, -0.35) : rng.range(0.35, 0.9));
    if (rng.chance(f.fringeChance)) {
        const int kind = rng.below(3);
        d.fringe = kind == 0 ? Fringe::Blunt : kind == 1 ? Fringe::Swept : Fringe::Curtain;
    }
    return d;
}

} // namespace morvane::demo
