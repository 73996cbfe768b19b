#pragma once
// The polygon of the given vertices, without computed properties: the
// starting point of most geometry tests.

#include "geometry/Poligono.h"

#include <vector>

namespace tavo {

inline Poligono Da(const std::vector<double>& x, const std::vector<double>& y) {
    Poligono p;
    p.Coordinate(x, y, static_cast<int>(x.size()));
    return p;
}

}  // namespace tavo
