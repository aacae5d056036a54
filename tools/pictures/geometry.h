// Small 3D toolkit for the picture generator: vectors, orthogonal matrices,
// point groups built from generators, convex solids cut out by crystal
// faces, and the symmetry elements of a set of operations.
#pragma once

#include <array>
#include <cmath>
#include <string_view>
#include <vector>

namespace pictures {

struct Vec3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;

    constexpr Vec3 operator+(Vec3 o) const { return {x + o.x, y + o.y, z + o.z}; }
    constexpr Vec3 operator-(Vec3 o) const { return {x - o.x, y - o.y, z - o.z}; }
    constexpr Vec3 operator-() const { return {-x, -y, -z}; }
    constexpr Vec3 operator*(double s) const { return {x * s, y * s, z * s}; }
};

constexpr double dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
constexpr Vec3 cross(Vec3 a, Vec3 b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double length(Vec3 v) { return std::sqrt(dot(v, v)); }
inline Vec3 normalized(Vec3 v) { return v * (1.0 / length(v)); }

// Row-major 3x3 matrix.
struct Mat3 {
    std::array<double, 9> m{};

    static constexpr Mat3 identity() { return {{1, 0, 0, 0, 1, 0, 0, 0, 1}}; }
    static Mat3 rotationZ(double radians);
    static constexpr Mat3 fromRows(Vec3 a, Vec3 b, Vec3 c) { return {{a.x, a.y, a.z, b.x, b.y, b.z, c.x, c.y, c.z}}; }
    static constexpr Mat3 fromColumns(Vec3 a, Vec3 b, Vec3 c)
    {
        return {{a.x, b.x, c.x, a.y, b.y, c.y, a.z, b.z, c.z}};
    }

    constexpr double at(int row, int col) const { return m[static_cast<std::size_t>(row * 3 + col)]; }
    constexpr Vec3 operator*(Vec3 v) const
    {
        return {m[0] * v.x + m[1] * v.y + m[2] * v.z, m[3] * v.x + m[4] * v.y + m[5] * v.z,
                m[6] * v.x + m[7] * v.y + m[8] * v.z};
    }
    Mat3 operator*(const Mat3 &o) const;
    Mat3 operator-() const;
    double determinant() const;
    double trace() const { return m[0] + m[4] + m[8]; }
    bool isNear(const Mat3 &o, double tolerance = 1e-6) const;
};

// All operations of a crystallographic point group, closed under products.
class PointGroup
{
public:
    // Generators are space-separated tokens: "-1" (inversion), "2x" "2y" "2z"
    // (two-fold rotations), "mx" "my" "mz" (mirror normal to the axis), "3z"
    // "4z" "6z" (rotations about z), "-4z" (four-fold rotoinversion) and "3d"
    // (three-fold rotation about the body diagonal [111]). Unknown tokens throw.
    static PointGroup fromGenerators(std::string_view generators);

    const std::vector<Mat3> &operations() const { return m_operations; }
    // Distinct images of v under the group.
    std::vector<Vec3> orbit(Vec3 v) const;

private:
    std::vector<Mat3> m_operations;
};

// A crystal face plane: points p of the solid satisfy dot(normal, p) <= distance.
struct Plane {
    Vec3 normal; // unit length
    double distance = 0.0;
};

struct Face {
    std::vector<int> vertices; // counter-clockwise seen from outside
    Vec3 normal;
    double distance = 0.0;
};

// A convex polyhedron.
struct Solid {
    std::vector<Vec3> vertices;
    std::vector<Face> faces;

    // Intersection of half-spaces; planes that only touch an edge or a corner
    // give no face. The planes must bound a solid around the origin.
    static Solid fromPlanes(const std::vector<Plane> &planes);

    // Moves the centroid of the vertices to the origin and scales the solid
    // so that its farthest vertex lies at distance 1.
    void normalize();
    std::vector<std::pair<int, int>> edges() const;
};

// Orthogonal operations about the origin that map the vertex set onto itself
// (for a convex solid centred at the origin: its point symmetry).
std::vector<Mat3> symmetryOperations(const Solid &solid, double tolerance = 1e-6);

struct SymmetryAxis {
    Vec3 direction; // unit, pointing into the upper hemisphere (z >= 0)
    int order = 1;  // highest proper rotation order about this line
    bool rotoinversionFour = false; // a 4-bar axis that is not a proper 4-fold axis
};

struct SymmetryElements {
    std::vector<SymmetryAxis> axes;
    std::vector<Vec3> mirrorNormals; // unit, upper hemisphere
    bool centre = false;

    int axesOfOrder(int order) const;
    int fourBarAxes() const;
    bool hasMirrorNormalTo(Vec3 direction) const;
};

SymmetryElements symmetryElements(const std::vector<Mat3> &operations);

} // namespace pictures
