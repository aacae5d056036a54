#include "geometry.h"

#include <algorithm>
#include <numbers>
#include <set>
#include <stdexcept>
#include <string>

namespace pictures {

namespace {

bool near(Vec3 a, Vec3 b, double tolerance) { return length(a - b) < tolerance; }

Mat3 generatorMatrix(std::string_view token)
{
    if (token == "-1")
        return -Mat3::identity();
    if (token == "2x")
        return {{1, 0, 0, 0, -1, 0, 0, 0, -1}};
    if (token == "2y")
        return {{-1, 0, 0, 0, 1, 0, 0, 0, -1}};
    if (token == "2z")
        return {{-1, 0, 0, 0, -1, 0, 0, 0, 1}};
    if (token == "mx")
        return {{-1, 0, 0, 0, 1, 0, 0, 0, 1}};
    if (token == "my")
        return {{1, 0, 0, 0, -1, 0, 0, 0, 1}};
    if (token == "mz")
        return {{1, 0, 0, 0, 1, 0, 0, 0, -1}};
    if (token == "3z")
        return Mat3::rotationZ(2.0 * std::numbers::pi / 3.0);
    if (token == "4z")
        return Mat3::rotationZ(std::numbers::pi / 2.0);
    if (token == "-4z")
        return -Mat3::rotationZ(std::numbers::pi / 2.0);
    if (token == "6z")
        return Mat3::rotationZ(std::numbers::pi / 3.0);
    if (token == "3d") // (x, y, z) -> (z, x, y)
        return {{0, 0, 1, 1, 0, 0, 0, 1, 0}};
    throw std::invalid_argument("unknown point group generator: " + std::string(token));
}

// Flips a direction into the upper hemisphere so that a line has one name.
Vec3 upper(Vec3 v)
{
    constexpr double eps = 1e-9;
    if (v.z > eps)
        return v;
    if (v.z < -eps)
        return -v;
    if (v.y > eps)
        return v;
    if (v.y < -eps)
        return -v;
    return v.x >= 0 ? v : -v;
}

// Axis and angle (0..pi) of a proper rotation.
std::pair<Vec3, double> axisAngle(const Mat3 &r)
{
    const double cosine = std::clamp((r.trace() - 1.0) / 2.0, -1.0, 1.0);
    const double angle = std::acos(cosine);
    if (angle < 1e-6)
        return {{0, 0, 1}, 0.0};
    if (std::numbers::pi - angle > 1e-6) {
        const Vec3 axis{r.at(2, 1) - r.at(1, 2), r.at(0, 2) - r.at(2, 0), r.at(1, 0) - r.at(0, 1)};
        return {normalized(axis), angle};
    }
    // Half turn: (R + I) / 2 = u u^T; its largest column is along u.
    int best = 0;
    for (int i = 1; i < 3; ++i)
        if (r.at(i, i) > r.at(best, best))
            best = i;
    const Vec3 column{r.at(0, best) + (best == 0 ? 1.0 : 0.0), r.at(1, best) + (best == 1 ? 1.0 : 0.0),
                      r.at(2, best) + (best == 2 ? 1.0 : 0.0)};
    return {normalized(column), angle};
}

} // namespace

Mat3 Mat3::rotationZ(double radians)
{
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    return {{c, -s, 0, s, c, 0, 0, 0, 1}};
}

Mat3 Mat3::operator*(const Mat3 &o) const
{
    Mat3 r;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            double sum = 0.0;
            for (int k = 0; k < 3; ++k)
                sum += at(i, k) * o.at(k, j);
            r.m[static_cast<std::size_t>(i * 3 + j)] = sum;
        }
    return r;
}

Mat3 Mat3::operator-() const
{
    Mat3 r = *this;
    for (double &v : r.m)
        v = -v;
    return r;
}

double Mat3::determinant() const
{
    return at(0, 0) * (at(1, 1) * at(2, 2) - at(1, 2) * at(2, 1)) -
           at(0, 1) * (at(1, 0) * at(2, 2) - at(1, 2) * at(2, 0)) +
           at(0, 2) * (at(1, 0) * at(2, 1) - at(1, 1) * at(2, 0));
}

bool Mat3::isNear(const Mat3 &o, double tolerance) const
{
    for (std::size_t i = 0; i < m.size(); ++i)
        if (std::abs(m[i] - o.m[i]) > tolerance)
            return false;
    return true;
}

PointGroup PointGroup::fromGenerators(std::string_view generators)
{
    std::vector<Mat3> gens;
    std::size_t pos = 0;
    while (pos < generators.size()) {
        const std::size_t end = std::min(generators.find(' ', pos), generators.size());
        if (end > pos)
            gens.push_back(generatorMatrix(generators.substr(pos, end - pos)));
        pos = end + 1;
    }

    PointGroup group;
    group.m_operations.push_back(Mat3::identity());
    const auto contains = [&group](const Mat3 &op) {
        return std::any_of(group.m_operations.begin(), group.m_operations.end(),
                           [&op](const Mat3 &known) { return known.isNear(op); });
    };
    // Multiply every known operation by every generator until nothing new appears.
    for (std::size_t i = 0; i < group.m_operations.size(); ++i) {
        for (const Mat3 &g : gens) {
            const Mat3 product = g * group.m_operations[i];
            if (!contains(product))
                group.m_operations.push_back(product);
        }
        if (group.m_operations.size() > 48)
            throw std::logic_error("generators do not form a crystallographic point group");
    }
    return group;
}

std::vector<Vec3> PointGroup::orbit(Vec3 v) const
{
    std::vector<Vec3> images;
    for (const Mat3 &op : m_operations) {
        const Vec3 image = op * v;
        if (std::none_of(images.begin(), images.end(), [&](Vec3 known) { return near(known, image, 1e-6); }))
            images.push_back(image);
    }
    return images;
}

Solid Solid::fromPlanes(const std::vector<Plane> &planes)
{
    Solid solid;
    const std::size_t n = planes.size();
    const auto inside = [&planes](Vec3 p) {
        return std::all_of(planes.begin(), planes.end(),
                           [p](const Plane &pl) { return dot(pl.normal, p) <= pl.distance + 1e-6; });
    };
    // Corners are where three planes meet and no other plane cuts the point off.
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = i + 1; j < n; ++j)
            for (std::size_t k = j + 1; k < n; ++k) {
                const Vec3 a = planes[i].normal, b = planes[j].normal, c = planes[k].normal;
                const double det = dot(a, cross(b, c));
                if (std::abs(det) < 1e-9)
                    continue;
                const Vec3 p = (cross(b, c) * planes[i].distance + cross(c, a) * planes[j].distance +
                                cross(a, b) * planes[k].distance) *
                               (1.0 / det);
                if (!inside(p))
                    continue;
                if (std::none_of(solid.vertices.begin(), solid.vertices.end(),
                                 [p](Vec3 known) { return near(known, p, 1e-6); }))
                    solid.vertices.push_back(p);
            }

    for (const Plane &plane : planes) {
        Face face{{}, plane.normal, plane.distance};
        Vec3 centre;
        for (int v = 0; v < static_cast<int>(solid.vertices.size()); ++v)
            if (std::abs(dot(plane.normal, solid.vertices[v]) - plane.distance) < 1e-6) {
                face.vertices.push_back(v);
                centre = centre + solid.vertices[v];
            }
        if (face.vertices.size() < 3)
            continue;
        centre = centre * (1.0 / static_cast<double>(face.vertices.size()));
        const Vec3 u = normalized(solid.vertices[face.vertices.front()] - centre);
        const Vec3 w = cross(plane.normal, u);
        const auto angle = [&](int v) {
            const Vec3 d = solid.vertices[v] - centre;
            return std::atan2(dot(d, w), dot(d, u));
        };
        std::sort(face.vertices.begin(), face.vertices.end(), [&](int a, int b) { return angle(a) < angle(b); });
        solid.faces.push_back(std::move(face));
    }
    return solid;
}

void Solid::normalize()
{
    Vec3 centre;
    for (Vec3 v : vertices)
        centre = centre + v;
    centre = centre * (1.0 / static_cast<double>(vertices.size()));
    double radius = 0.0;
    for (Vec3 &v : vertices) {
        v = v - centre;
        radius = std::max(radius, length(v));
    }
    for (Vec3 &v : vertices)
        v = v * (1.0 / radius);
    for (Face &f : faces)
        f.distance = dot(f.normal, vertices[f.vertices.front()]);
}

std::vector<std::pair<int, int>> Solid::edges() const
{
    std::set<std::pair<int, int>> unique;
    for (const Face &f : faces)
        for (std::size_t i = 0; i < f.vertices.size(); ++i) {
            const int a = f.vertices[i];
            const int b = f.vertices[(i + 1) % f.vertices.size()];
            unique.insert({std::min(a, b), std::max(a, b)});
        }
    return {unique.begin(), unique.end()};
}

std::vector<Mat3> symmetryOperations(const Solid &solid, double tolerance)
{
    const std::vector<Vec3> &v = solid.vertices;
    // Three vertices that span space well serve as a frame; every symmetry
    // maps them onto three vertices with the same lengths and mutual dot products.
    int i0 = 0;
    for (int i = 1; i < static_cast<int>(v.size()); ++i)
        if (length(v[i]) > length(v[i0]))
            i0 = i;
    int i1 = i0 == 0 ? 1 : 0;
    for (int i = 0; i < static_cast<int>(v.size()); ++i)
        if (length(cross(v[i0], v[i])) > length(cross(v[i0], v[i1])))
            i1 = i;
    int i2 = 0;
    for (int i = 0; i < static_cast<int>(v.size()); ++i)
        if (std::abs(dot(v[i], cross(v[i0], v[i1]))) > std::abs(dot(v[i2], cross(v[i0], v[i1]))))
            i2 = i;
    const Vec3 a = v[i0], b = v[i1], c = v[i2];
    const double volume = dot(a, cross(b, c));
    if (std::abs(volume) < 1e-9)
        return {};
    // Rows of the inverse of the matrix with columns a, b, c.
    const Vec3 inv0 = cross(b, c) * (1.0 / volume);
    const Vec3 inv1 = cross(c, a) * (1.0 / volume);
    const Vec3 inv2 = cross(a, b) * (1.0 / volume);

    const auto sameShape = [tolerance](Vec3 p, Vec3 q) { return std::abs(length(p) - length(q)) < tolerance; };
    std::vector<Mat3> result;
    for (Vec3 ia : v) {
        if (!sameShape(a, ia))
            continue;
        for (Vec3 ib : v) {
            if (!sameShape(b, ib) || std::abs(dot(ia, ib) - dot(a, b)) > tolerance)
                continue;
            for (Vec3 ic : v) {
                if (!sameShape(c, ic) || std::abs(dot(ia, ic) - dot(a, c)) > tolerance ||
                    std::abs(dot(ib, ic) - dot(b, c)) > tolerance)
                    continue;
                // M = [ia ib ic] * [a b c]^-1
                const Mat3 m = Mat3::fromColumns(ia, ib, ic) * Mat3::fromRows(inv0, inv1, inv2);
                const bool mapsAll = std::all_of(v.begin(), v.end(), [&](Vec3 p) {
                    const Vec3 q = m * p;
                    return std::any_of(v.begin(), v.end(), [&](Vec3 r) { return near(q, r, 1e-5); });
                });
                if (mapsAll && std::none_of(result.begin(), result.end(),
                                            [&](const Mat3 &known) { return known.isNear(m, 1e-5); }))
                    result.push_back(m);
            }
        }
    }
    return result;
}

int SymmetryElements::axesOfOrder(int order) const
{
    return static_cast<int>(
        std::count_if(axes.begin(), axes.end(), [order](const SymmetryAxis &a) { return a.order == order; }));
}

int SymmetryElements::fourBarAxes() const
{
    return static_cast<int>(
        std::count_if(axes.begin(), axes.end(), [](const SymmetryAxis &a) { return a.rotoinversionFour; }));
}

bool SymmetryElements::hasMirrorNormalTo(Vec3 direction) const
{
    return std::any_of(mirrorNormals.begin(), mirrorNormals.end(),
                       [direction](Vec3 n) { return length(cross(n, direction)) < 1e-5; });
}

SymmetryElements symmetryElements(const std::vector<Mat3> &operations)
{
    SymmetryElements elements;
    const auto axisFor = [&elements](Vec3 direction) -> SymmetryAxis & {
        const Vec3 d = upper(direction);
        for (SymmetryAxis &axis : elements.axes)
            if (near(axis.direction, d, 1e-5))
                return axis;
        elements.axes.push_back({d, 1, false});
        return elements.axes.back();
    };
    std::vector<Vec3> fourBar;

    for (const Mat3 &op : operations) {
        const bool proper = op.determinant() > 0;
        if (!proper && op.isNear(-Mat3::identity())) {
            elements.centre = true;
            continue;
        }
        const auto [axis, angle] = axisAngle(proper ? op : -op);
        if (angle < 1e-6)
            continue;
        const int order = static_cast<int>(std::lround(2.0 * std::numbers::pi / angle));
        if (proper) {
            SymmetryAxis &a = axisFor(axis);
            a.order = std::max(a.order, order);
        } else if (order == 2) {
            // -op is a half turn, so op is a reflection in the plane normal to its axis.
            const Vec3 n = upper(axis);
            if (!elements.hasMirrorNormalTo(n))
                elements.mirrorNormals.push_back(n);
        } else if (order == 4) {
            fourBar.push_back(axis);
        }
    }
    for (Vec3 d : fourBar) {
        SymmetryAxis &a = axisFor(d);
        if (a.order != 4)
            a.rotoinversionFour = true;
    }
    return elements;
}

} // namespace pictures
