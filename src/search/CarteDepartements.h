#pragma once
// The département map's buttons: each code with the top-left corner of its button, in twips from the
// top-left corner of the map. The data builder draws the map picture from the same table, so that each
// button covers the number printed under it.

#include <QString>

#include <array>

struct BoutonDepartement {
    const char* code;
    int gauche;
    int haut;
};

inline constexpr int LargeurBoutonDepartement = 285;
inline constexpr int HauteurBoutonDepartement = 260;

// The file of the program folder holding the map picture.
inline const QString FichierCarteDepartements = QStringLiteral("CarteDepartements.png");

// The map picture's size in pixels.
inline constexpr int LargeurCarte = 517;
inline constexpr int HauteurCarte = 491;

// Every code from 01 to 95, and 97 for the overseas départements as a whole.
inline constexpr std::array<BoutonDepartement, 96> BoutonsDepartements {{
    {"01", 5695, 3470}, {"02", 4850, 1125}, {"03", 4685, 3270}, {"04", 6115, 4830},
    {"05", 6115, 4460}, {"06", 6540, 4935}, {"07", 5255, 4390}, {"08", 5365, 1090},
    {"09", 3885, 5615}, {"10", 5130, 1975}, {"11", 4305, 5510}, {"12", 4425, 4695},
    {"13", 5575, 5205}, {"14", 3015, 1430}, {"15", 4425, 4185}, {"16", 3275, 3745},
    {"17", 2850, 3675}, {"18", 4355, 2825}, {"19", 4050, 3980}, {"20", 7335, 6660},
    {"21", 5410, 2590}, {"22", 1840, 1910}, {"23", 4120, 3470}, {"24", 3530, 4150},
    {"25", 6165, 2760}, {"26", 5600, 4425}, {"27", 3650, 1430}, {"28", 3815, 1910},
    {"29", 1250, 2010}, {"30", 5130, 4900}, {"31", 3720, 5340}, {"32", 3390, 5105},
    {"33", 2920, 4355}, {"34", 4775, 5170}, {"35", 2405, 2080}, {"36", 3910, 2995},
    {"37", 3510, 2690}, {"38", 5790, 4050}, {"39", 5860, 3030}, {"40", 2825, 4935},
    {"41", 3835, 2450}, {"42", 5095, 3710}, {"43", 4955, 4150}, {"44", 2380, 2620},
    {"45", 4260, 2215}, {"46", 3930, 4490}, {"47", 3390, 4660}, {"48", 4825, 4525},
    {"49", 2920, 2590}, {"50", 2570, 1465}, {"51", 5175, 1535}, {"52", 5625, 2110},
    {"53", 2875, 2080}, {"54", 6035, 1670}, {"55", 5715, 1535}, {"56", 1865, 2280},
    {"57", 6335, 1465}, {"58", 4825, 2790}, {"59", 4730, 580}, {"60", 4330, 1230},
    {"61", 3225, 1770}, {"62", 4260, 480}, {"63", 4660, 3745}, {"64", 2825, 5410},
    {"65", 3250, 5545}, {"66", 4355, 5850}, {"67", 6730, 1740}, {"68", 6655, 2280},
    {"69", 5395, 3610}, {"70", 6045, 2420}, {"71", 5320, 3100}, {"72", 3275, 2180},
    {"73", 6210, 3915}, {"74", 6185, 3540}, {"75", 850, 6120}, {"76", 3670, 1060},
    {"77", 1560, 6300}, {"78", 240, 6120}, {"79", 3040, 3165}, {"80", 4260, 855},
    {"81", 4190, 5035}, {"82", 3790, 4865}, {"83", 6095, 5275}, {"84", 5625, 4900},
    {"85", 2570, 3100}, {"86", 3390, 3165}, {"87", 3765, 3610}, {"88", 6185, 2045},
    {"89", 4850, 2280}, {"90", 6355, 2420}, {"91", 760, 6720}, {"92", 560, 6420},
    {"93", 1180, 6000}, {"94", 1100, 6440}, {"95", 700, 5760}, {"97", 780, 3840},
}};

// Where a place of metropolitan France (longitude and latitude in degrees) lies on the map, in twips:
// the projection the buttons of the mainland were placed with.
inline constexpr double CarteX(double longitude)
{
    return 4260 + (longitude - 2.30) * 470;
}
inline constexpr double CarteY(double latitude)
{
    return 480 + (50.5 - latitude) * 680;
}
