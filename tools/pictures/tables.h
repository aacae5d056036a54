// What the pictures show: the seven crystal systems, the 32 crystal classes
// and the twenty wooden models. Text is UTF-8.
//
// Symbols use a small notation that the drawing code typesets: "-3" is a 3
// with a bar over it, "_2h" sets "2h" as a subscript.
#pragma once

#include "geometry.h"

#include <array>

namespace pictures {

struct Rgb {
    int r = 0, g = 0, b = 0;
};

struct CrystalSystem {
    int code;
    const char *name;
    // Axial relations. A system described in two settings has a second pair
    // and a note telling which axes each pair belongs to.
    const char *lengths;
    const char *angles;
    const char *note = nullptr;
    const char *otherLengths = nullptr;
    const char *otherAngles = nullptr;
    const char *otherNote = nullptr;
    // Cell drawn on the card: edge lengths and angles (degrees) alpha, beta, gamma.
    std::array<double, 6> cell{};
    Rgb colour;
};

inline constexpr std::array<CrystalSystem, 7> kSystems{{
    {1, "Τρικλινές", "a ≠ b ≠ c", "α ≠ β ≠ γ ≠ 90°", nullptr, nullptr, nullptr, nullptr,
     {0.82, 1.0, 1.22, 78, 104, 97}, {122, 74, 52}},
    {2, "Μονοκλινές", "a ≠ b ≠ c", "α = γ = 90°,  β ≠ 90°", nullptr, nullptr, nullptr, nullptr,
     {0.85, 1.05, 1.25, 90, 114, 90}, {146, 104, 36}},
    {3, "Ορθορομβικό", "a ≠ b ≠ c", "α = β = γ = 90°", nullptr, nullptr, nullptr, nullptr,
     {0.72, 1.0, 1.3, 90, 90, 90}, {84, 110, 50}},
    {4, "Τριγωνικό", "a = b = c", "α = β = γ ≠ 90°", "ρομβοεδρικοί άξονες", "a = b ≠ c", "α = β = 90°,  γ = 120°",
     "εξαγωνικοί άξονες", {1.0, 1.0, 1.0, 70, 70, 70}, {34, 108, 110}},
    {5, "Εξαγωνικό", "a = b ≠ c", "α = β = 90°,  γ = 120°", nullptr, nullptr, nullptr, nullptr,
     {0.95, 0.95, 1.35, 90, 90, 120}, {44, 82, 140}},
    {6, "Τετραγωνικό", "a = b ≠ c", "α = β = γ = 90°", nullptr, nullptr, nullptr, nullptr,
     {0.85, 0.85, 1.35, 90, 90, 90}, {96, 68, 128}},
    {7, "Κυβικό", "a = b = c", "α = β = γ = 90°", nullptr, nullptr, nullptr, nullptr,
     {1.0, 1.0, 1.0, 90, 90, 90}, {142, 46, 58}},
}};

struct CrystalClass {
    int number;
    int system; // CrystalSystem::code
    const char *international;
    const char *schoenflies;
    // Generators of the point group (see PointGroup::fromGenerators), with c
    // along z; hexagonal and trigonal classes have a1 along x, monoclinic
    // ones have b (y) as the unique axis.
    const char *generators;
};

// Classes -6 and -6m2 are filed under the trigonal system, as the program does.
inline constexpr std::array<CrystalClass, 32> kClasses{{
    {1, 1, "1", "C_1", ""},
    {2, 1, "-1", "C_i", "-1"},
    {3, 2, "2", "C_2", "2y"},
    {4, 2, "m", "C_s", "my"},
    {5, 2, "2/m", "C_2h", "2y -1"},
    {6, 3, "222", "D_2", "2x 2y"},
    {7, 3, "mm2", "C_2v", "mx my"},
    {8, 3, "mmm", "D_2h", "2x 2y -1"},
    {9, 4, "3", "C_3", "3z"},
    {10, 4, "-3", "C_3i", "3z -1"},
    {11, 4, "32", "D_3", "3z 2x"},
    {12, 4, "3m", "C_3v", "3z mx"},
    {13, 4, "-3m", "D_3d", "3z 2x -1"},
    {14, 4, "-6", "C_3h", "3z mz"},
    {15, 4, "-6m2", "D_3h", "3z mz mx"},
    {16, 5, "6", "C_6", "6z"},
    {17, 5, "6/m", "C_6h", "6z -1"},
    {18, 5, "622", "D_6", "6z 2x"},
    {19, 5, "6mm", "C_6v", "6z mx"},
    {20, 5, "6/mmm", "D_6h", "6z 2x -1"},
    {21, 6, "4", "C_4", "4z"},
    {22, 6, "-4", "S_4", "-4z"},
    {23, 6, "4/m", "C_4h", "4z -1"},
    {24, 6, "422", "D_4", "4z 2x"},
    {25, 6, "4mm", "C_4v", "4z mx"},
    {26, 6, "-42m", "D_2d", "-4z 2x"},
    {27, 6, "4/mmm", "D_4h", "4z 2x -1"},
    {28, 7, "23", "T", "2z 2x 3d"},
    {29, 7, "m-3", "T_h", "2z 2x 3d -1"},
    {30, 7, "432", "O", "4z 3d"},
    {31, 7, "-43m", "T_d", "-4z 3d"},
    {32, 7, "m-3m", "O_h", "4z 3d -1"},
}};

// One face plane dot(normal, p) = distance (normal need not be unit length);
// the model gets this face and all its images under the point group of its class.
struct FaceForm {
    Vec3 normal;
    double distance = 0.0;
};

struct CrystalModel {
    int number;
    int crystalClass; // CrystalClass::number: the symmetry the model really has
    const char *description;
    std::array<FaceForm, 3> forms; // entries with distance 0 are unused
    // Viewing direction: azimuth from +x (toward +y) and elevation, degrees.
    double azimuth = 24.0;
    double elevation = 22.0;
};

inline constexpr std::array<CrystalModel, 20> kModels{{
    {1, 20, "hexagonal prism with pinacoid", {{{{1, 0, 0}, 1.0}, {{0, 0, 1}, 1.15}}}, 8.0},
    {2, 32, "cube", {{{{1, 0, 0}, 1.0}}}, 28.0},
    {3, 32, "octahedron", {{{{1, 1, 1}, 1.0}}}, 18.0, 18.0},
    {4, 13, "rhombohedron", {{{{0, 1, 0.55}, 1.0}}}, 10.0, 24.0},
    {5, 15, "trigonal prism with pinacoid", {{{{0, 1, 0}, 0.55}, {{0, 0, 1}, 0.75}}}, 12.0},
    {6, 20, "hexagonal bipyramid", {{{{1, 0, 0.62}, 1.0}}}, 15.0, 14.0},
    {7, 27, "tetragonal bipyramid", {{{{1, 0, 0.55}, 1.0}}}, 24.0, 14.0},
    {8, 8, "orthorhombic prism with pinacoids", {{{{1, 0, 0}, 0.55}, {{0, 1, 0}, 0.95}, {{0, 0, 1}, 1.3}}}, 30.0},
    {9, 8, "rhombic dipyramid", {{{{1 / 0.75, 1 / 1.15, 1 / 1.7}, 1.0}}}, 24.0, 16.0},
    {10, 5, "monoclinic prism with pinacoids",
     {{{{1, 0, -0.5}, 0.62}, {{0, 1, 0}, 0.9}, {{0, 0, 1}, 1.2}}}, 32.0},
    {11, 2, "triclinic parallelepiped",
     {{{{1, 0.15, -0.3}, 0.7}, {{0.2, 1, 0.1}, 0.95}, {{-0.2, 0.15, 1}, 1.15}}}, 30.0, 30.0},
    {12, 31, "tetrahedron", {{{{1, 1, 1}, 1.0}}}, -12.0, 24.0},
    {13, 32, "rhombic dodecahedron", {{{{1, 1, 0}, 1.0}}}, 16.0, 20.0},
    {14, 29, "pyritohedron", {{{{2, 1, 0}, 2.0}}}, 14.0, 20.0},
    {15, 32, "trapezohedron", {{{{2, 1, 1}, 2.0}}}, 18.0, 20.0},
    {16, 19, "hexagonal pyramid with pedion", {{{{1, 0, 0.42}, 1.0}, {{0, 0, -1}, 0.85}}}, 15.0, 16.0},
    {17, 27, "tetragonal prism with bipyramids", {{{{1, 0, 0}, 1.0}, {{1, 0, 1}, 2.3}}}, 24.0, 18.0},
    {18, 13, "ditrigonal scalenohedron", {{{{0.18, 1, 0.5}, 1.0}}}, 10.0, 16.0},
    {19, 15, "trigonal bipyramid", {{{{0, 1, 0.75}, 1.0}}}, 12.0, 16.0},
    {20, 26, "tetragonal disphenoid", {{{{1, 1, 0.62}, 1.0}}}, -14.0, 22.0},
}};

} // namespace pictures
