#include "support/layout_check.hpp"

#include <algorithm>

namespace glossamo::testing {

namespace {

bool meets(Rect a, Rect b) { return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h; }
bool within(Rect inner, Rect outer) {
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.w <= outer.x + outer.w &&
           inner.y + inner.h <= outer.y + outer.h;
}
bool readable(BoxKind k) { return k == BoxKind::Text || k == BoxKind::Banner; }

// The overlaps drawn on purpose, each with its reason.
struct Allowed {
    BoxKind a, b;
    const char* reason;
};
constexpr Allowed AllowList[] = {
    {BoxKind::Mark, BoxKind::Tile, "a code or sum number is printed in its cell's corner, on the tile"},
    {BoxKind::Tile, BoxKind::Tile, "pieces touch and a carried tile passes over others"},
};

bool allowed(const DrawnBox& x, const DrawnBox& y) {
    return std::any_of(std::begin(AllowList), std::end(AllowList), [&](const Allowed& a) {
        return (x.kind == a.a && y.kind == a.b) || (x.kind == a.b && y.kind == a.a);
    });
}

const char* kindName(BoxKind k) {
    switch (k) {
        case BoxKind::Text: return "text";
        case BoxKind::Tile: return "tile";
        case BoxKind::Banner: return "banner";
        case BoxKind::Mark: return "number";
    }
    return "?";
}

std::string describe(const DrawnBox& d) {
    return std::string(kindName(d.kind)) + " '" + d.what + "' at " + std::to_string(d.box.x) + "," +
           std::to_string(d.box.y) + " " + std::to_string(d.box.w) + "x" + std::to_string(d.box.h);
}

}  // namespace

std::vector<std::string> layoutFaults(const std::vector<DrawnBox>& boxes) {
    std::vector<std::string> faults;
    const Rect screen{0, 0, SurfaceWidth, SurfaceHeight};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const DrawnBox& x = boxes[i];
        if (x.box.w <= 0 || x.box.h <= 0) continue;
        if (!within(x.box, screen)) faults.push_back(describe(x) + " leaves the screen");
        for (std::size_t j = i + 1; j < boxes.size(); ++j) {
            const DrawnBox& y = boxes[j];
            if (y.box.w <= 0 || y.box.h <= 0 || !meets(x.box, y.box) || allowed(x, y)) continue;
            if (!readable(x.kind) && !readable(y.kind) && x.kind != BoxKind::Mark && y.kind != BoxKind::Mark)
                continue;
            // A banner and its own lines, or a message and its box.
            if (x.kind == BoxKind::Banner && y.kind == BoxKind::Banner && x.what == y.what) continue;
            faults.push_back(describe(x) + " meets " + describe(y));
        }
    }
    return faults;
}

}  // namespace glossamo::testing
