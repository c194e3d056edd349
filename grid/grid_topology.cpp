#include "grid/grid_topology.h"

namespace geoweave::detail {

namespace {
// The six neighbours of the triangulated square grid whose triangles share
// the (+1, +1) diagonal, in the order every stored neighbour list keeps.
constexpr int kOffsets[6][2] = {{0, 1}, {1, 1}, {1, 0}, {0, -1}, {-1, -1}, {-1, 0}};
}  // namespace

int aliases(const DiamondGrid& grid, const TileCoord& t, TileCoord out[5]) {
  const int L = grid.lastIndex();
  const int d = t.diamond;
  const int x = t.x;
  const int y = t.y;
  if ((x & grid.edgeMask()) != 0 && (y & grid.edgeMask()) != 0) {
    out[0] = t;
    return 1;
  }
  const bool xEdge = x == 0 || x == L;
  const bool yEdge = y == 0 || y == L;
  if (xEdge && yEdge) {
    if (grid.isPole(t)) {
      for (int k = 0; k < 5; ++k) {
        out[k] = d < 5 ? TileCoord{k, 0, L} : TileCoord{k + 5, L, 0};
      }
      return 5;
    }
    // A ring vertex: find its reference diamond, then list its three copies.
    int h;
    if (d < 5) {
      h = y != 0 ? d : (x != 0 ? (d + 4) % 5 + 5 : (d + 4) % 5);
    } else {
      h = y == 0 ? (d + 4) % 5 + 5 : (x != 0 ? d : d % 5);
    }
    out[0] = TileCoord{h, L, L};
    if (h < 5) {
      out[1] = TileCoord{(h + 1) % 5, 0, 0};
      out[2] = TileCoord{h + 5, 0, L};
    } else {
      out[1] = TileCoord{(h + 1) % 5 + 5, 0, 0};
      out[2] = TileCoord{(h + 1) % 5, L, 0};
    }
    return 3;
  }
  TileCoord other;
  if (d < 5) {
    if (x == 0) {
      other = TileCoord{(d + 4) % 5, L - y, L};
    } else if (y == 0) {
      other = TileCoord{(d + 4) % 5 + 5, x, L};
    } else if (x == L) {
      other = TileCoord{d + 5, 0, y};
    } else {
      other = TileCoord{(d + 1) % 5, 0, L - x};
    }
  } else {
    if (x == 0) {
      other = TileCoord{d % 5, L, y};
    } else if (y == 0) {
      other = TileCoord{(d + 4) % 5 + 5, L, L - x};
    } else if (x == L) {
      other = TileCoord{(d + 1) % 5 + 5, L - y, 0};
    } else {
      other = TileCoord{(d + 1) % 5, x, 0};
    }
  }
  out[0] = other;
  out[1] = t;
  return 2;
}

int neighbors(const DiamondGrid& grid, const TileCoord& t, TileCoord out[6]) {
  if ((t.x & grid.edgeMask()) != 0 && (t.y & grid.edgeMask()) != 0) {
    for (int k = 0; k < 6; ++k) {
      out[k] = TileCoord{t.diamond, t.x + kOffsets[k][0], t.y + kOffsets[k][1]};
    }
    return 6;
  }
  TileCoord copies[5];
  const int copyCount = aliases(grid, t, copies);
  int count = 0;
  for (int a = 0; a < copyCount; ++a) {
    for (const auto& offset : kOffsets) {
      const TileCoord c{copies[a].diamond, copies[a].x + offset[0], copies[a].y + offset[1]};
      if (c.x < 0 || c.x > grid.lastIndex() || c.y < 0 || c.y > grid.lastIndex()) continue;
      bool duplicate = false;
      const bool cOnEdge = grid.isOnDiamondEdge(c);
      TileCoord cCopies[5];
      int cCopyCount = -1;  // listed only when a comparison needs it
      for (int r = 0; r < count && !duplicate; ++r) {
        if (sameCoord(out[r], c)) {
          duplicate = true;
        } else if (out[r].diamond != c.diamond && cOnEdge && grid.isOnDiamondEdge(out[r])) {
          if (cCopyCount < 0) cCopyCount = aliases(grid, c, cCopies);
          for (int k = 0; k < cCopyCount; ++k) {
            if (sameCoord(cCopies[k], out[r])) duplicate = true;
          }
        }
      }
      if (!duplicate) out[count++] = c;
    }
  }
  return count;
}

}  // namespace geoweave::detail
