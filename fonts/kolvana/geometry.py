# SPDX-License-Identifier: OFL-1.1
"""Stroke primitives for the Kolvana+ outlines.

Every shape is produced as TrueType contours: lists of (x, y, on_curve)
points in font units.  A shape is either ink ("fill", drawn clockwise as
TrueType wants outer contours) or a counter ("hole", counter-clockwise).
Shapes of one glyph may overlap each other: renderers fill TrueType glyphs
with the non-zero winding rule, so overlapping clockwise contours simply
merge.  The build sets the OVERLAP_SIMPLE flag on such glyphs as well.

Curves are quadratic: an arc is a run of off-curve points whose implied
on-curve midpoints lie exactly on the arc, and a smoothly stroked
centre line keeps its sampled offset points off-curve, which gives a
quadratic B-spline hugging the offset line.
"""

import math

# ---------------------------------------------------------------------------
# contour helpers


def signed_area(points):
    """Shoelace area of the control polygon; > 0 means counter-clockwise."""
    area = 0.0
    n = len(points)
    for i in range(n):
        x0, y0 = points[i][0], points[i][1]
        x1, y1 = points[(i + 1) % n][0], points[(i + 1) % n][1]
        area += x0 * y1 - x1 * y0
    return area / 2.0


def _rounded(points):
    out = []
    for x, y, on in points:
        p = (int(round(x)), int(round(y)), bool(on))
        # drop exact duplicates of on-curve neighbours: they make zero-length
        # segments that only confuse rasterisers
        if out and p[2] and out[-1][2] and p[:2] == out[-1][:2]:
            continue
        out.append(p)
    while len(out) > 1 and out[0][2] and out[-1][2] and out[0][:2] == out[-1][:2]:
        out.pop()
    return out


class Outline:
    """The contours of one glyph, in drawing order."""

    def __init__(self):
        self.contours = []

    def _add(self, points, clockwise):
        pts = _rounded(points)
        if len(pts) < 3:
            raise ValueError("degenerate contour")
        area = signed_area(pts)
        if area == 0:
            raise ValueError("contour without area")
        if (area < 0) != clockwise:
            pts.reverse()
        self.contours.append(pts)
        return self

    def fill(self, points):
        return self._add(points, clockwise=True)

    def hole(self, points):
        return self._add(points, clockwise=False)

    def add(self, shapes):
        """Add the (contour, is_hole) pairs returned by the shape functions."""
        for points, is_hole in shapes:
            if is_hole:
                self.hole(points)
            else:
                self.fill(points)
        return self

    def transformed(self, fn):
        """A copy with every point mapped through fn(x, y) -> (x, y)."""
        other = Outline()
        for c in self.contours:
            other.contours.append(_rounded([fn(x, y) + (on,) for x, y, on in c]))
        return other

    def draw_points(self, pen):
        """Replay the contours into a fontTools point pen."""
        for c in self.contours:
            pen.beginPath()
            # start on an on-curve point when there is one, so that every
            # point pen sees a conventional contour
            start = next((i for i, p in enumerate(c) if p[2]), 0)
            ordered = c[start:] + c[:start]
            # the segment type of a point names the segment that ends there;
            # for the first point that is the closing segment
            prev_on = ordered[-1][2]
            for x, y, on in ordered:
                if on:
                    pen.addPoint((x, y), "line" if prev_on else "qcurve")
                else:
                    pen.addPoint((x, y), None)
                prev_on = on
            pen.endPath()

    def bounds(self):
        xs = [p[0] for c in self.contours for p in c]
        ys = [p[1] for c in self.contours for p in c]
        if not xs:
            return None
        return min(xs), min(ys), max(xs), max(ys)


# ---------------------------------------------------------------------------
# closed shapes


def rect(x0, y0, x1, y1):
    x0, x1 = min(x0, x1), max(x0, x1)
    y0, y1 = min(y0, y1), max(y0, y1)
    return [([(x0, y0, True), (x0, y1, True), (x1, y1, True), (x1, y0, True)], False)]


def polygon(points, hole=False):
    return [([(x, y, True) for x, y in points], hole)]


def _ellipse_points(cx, cy, rx, ry, segments=16, phase=0.0):
    """Off-curve control points of a quadratic ellipse; the implied
    on-curve midpoints fall exactly on the ellipse."""
    step = 2 * math.pi / segments
    k = 1.0 / math.cos(step / 2)
    pts = []
    for i in range(segments):
        a = phase + i * step
        pts.append((cx + rx * k * math.cos(a), cy + ry * k * math.sin(a), False))
    return pts


def ellipse(cx, cy, rx, ry, segments=16, hole=False):
    return [(_ellipse_points(cx, cy, rx, ry, segments), hole)]


def dot(cx, cy, r, segments=12):
    return ellipse(cx, cy, r, r, segments)


def ring(cx, cy, rx, ry, width, segments=24):
    """An elliptical ring; rx, ry measure the middle of the stroke."""
    h = width / 2.0
    return (ellipse(cx, cy, rx + h, ry + h, segments)
            + ellipse(cx, cy, rx - h, ry - h, segments, hole=True))


# ---------------------------------------------------------------------------
# centre lines


def arc_path(cx, cy, rx, ry, a0, a1, steps=None):
    """Points along an elliptical arc from angle a0 to a1 (degrees,
    counter-clockwise positive, so a1 < a0 runs clockwise)."""
    if steps is None:
        steps = max(4, int(abs(a1 - a0) / 7.5))
    out = []
    for i in range(steps + 1):
        a = math.radians(a0 + (a1 - a0) * i / steps)
        out.append((cx + rx * math.cos(a), cy + ry * math.sin(a)))
    return out


def bezier_path(p0, p1, p2, p3, steps=16):
    """Points along a cubic Bezier curve."""
    out = []
    for i in range(steps + 1):
        t = i / steps
        u = 1 - t
        out.append((u * u * u * p0[0] + 3 * u * u * t * p1[0] + 3 * u * t * t * p2[0] + t * t * t * p3[0],
                    u * u * u * p0[1] + 3 * u * u * t * p1[1] + 3 * u * t * t * p2[1] + t * t * t * p3[1]))
    return out


def join_paths(*paths):
    """Concatenate centre-line pieces, dropping the repeated joint points."""
    out = []
    for p in paths:
        for q in p:
            if out and math.hypot(q[0] - out[-1][0], q[1] - out[-1][1]) < 1e-6:
                continue
            out.append(q)
    return out


# ---------------------------------------------------------------------------
# strokes


def _unit(dx, dy):
    d = math.hypot(dx, dy)
    if d == 0:
        raise ValueError("zero-length stroke segment")
    return dx / d, dy / d


def _cap(centre, normal, tangent, half, kind, at_end):
    """Points of a stroke end going clockwise from one side to the other.

    At the end of a stroke we go from the left side to the right side round
    the front; at the start from the right side round the back to the left.
    """
    cx, cy = centre
    nx, ny = normal
    tx, ty = tangent
    if not at_end:
        nx, ny, tx, ty = -nx, -ny, -tx, -ty
    if kind == "butt":
        return [(cx + nx * half, cy + ny * half, True), (cx - nx * half, cy - ny * half, True)]
    if kind == "square":
        return [(cx + (nx + tx) * half, cy + (ny + ty) * half, True),
                (cx + (tx - nx) * half, cy + (ty - ny) * half, True)]
    if kind == "round":
        pts = []
        base = math.atan2(ny, nx)
        k = 1.0 / math.cos(math.radians(22.5))
        for i in range(4):
            a_on = base - math.radians(45 * i)
            a_off = base - math.radians(45 * i + 22.5)
            pts.append((cx + half * math.cos(a_on), cy + half * math.sin(a_on), True))
            pts.append((cx + half * k * math.cos(a_off), cy + half * k * math.sin(a_off), False))
        a_last = base - math.pi
        pts.append((cx + half * math.cos(a_last), cy + half * math.sin(a_last), True))
        return pts
    raise ValueError(kind)


def curve(path, width, start="butt", end="butt"):
    """Stroke a smooth centre line (dense points) with a constant width."""
    if len(path) < 2:
        raise ValueError("a stroke needs two points")
    half = width / 2.0
    n = len(path)
    tangents = []
    for i in range(n):
        a = path[max(i - 1, 0)]
        b = path[min(i + 1, n - 1)]
        tangents.append(_unit(b[0] - a[0], b[1] - a[1]))
    normals = [(-ty, tx) for tx, ty in tangents]
    left = [(p[0] + nx * half, p[1] + ny * half) for p, (nx, ny) in zip(path, normals)]
    right = [(p[0] - nx * half, p[1] - ny * half) for p, (nx, ny) in zip(path, normals)]
    pts = []
    end_cap = _cap(path[-1], normals[-1], tangents[-1], half, end, True)
    start_cap = _cap(path[0], normals[0], tangents[0], half, start, False)
    pts.extend(start_cap[-1:])                      # left side, first point
    pts.extend((x, y, False) for x, y in left[1:-1])
    pts.extend(end_cap)                             # left end .. right end
    pts.extend((x, y, False) for x, y in reversed(right[1:-1]))
    pts.extend(start_cap[:-1])                      # right start .. round the back
    return [(pts, False)]


def polyline(points, width, start="butt", end="butt", miter_limit=3.0):
    """Stroke straight segments with mitred corners (bevelled when a corner
    is so sharp that the mitre would run past miter_limit * width/2)."""
    if len(points) < 2:
        raise ValueError("a stroke needs two points")
    half = width / 2.0
    segs = [_unit(b[0] - a[0], b[1] - a[1]) for a, b in zip(points, points[1:])]
    normals = [(-ty, tx) for tx, ty in segs]
    left, right = [], []
    for i, p in enumerate(points):
        if i == 0 or i == len(points) - 1:
            nx, ny = normals[0] if i == 0 else normals[-1]
            left.append([(p[0] + nx * half, p[1] + ny * half)])
            right.append([(p[0] - nx * half, p[1] - ny * half)])
            continue
        n0, n1 = normals[i - 1], normals[i]
        mx, my = n0[0] + n1[0], n0[1] + n1[1]
        ml = math.hypot(mx, my)
        cos_half = ml / 2.0
        if ml < 1e-9 or 1.0 / cos_half > miter_limit:
            # bevel: both offset points on each side
            left.append([(p[0] + n0[0] * half, p[1] + n0[1] * half), (p[0] + n1[0] * half, p[1] + n1[1] * half)])
            right.append([(p[0] - n0[0] * half, p[1] - n0[1] * half), (p[0] - n1[0] * half, p[1] - n1[1] * half)])
        else:
            mx, my = mx / ml, my / ml
            d = half / cos_half
            left.append([(p[0] + mx * d, p[1] + my * d)])
            right.append([(p[0] - mx * d, p[1] - my * d)])
    pts = []
    end_cap = _cap(points[-1], normals[-1], segs[-1], half, end, True)
    start_cap = _cap(points[0], normals[0], segs[0], half, start, False)
    pts.extend(start_cap[-1:])
    for group in left[1:-1]:
        pts.extend((x, y, True) for x, y in group)
    pts.extend(end_cap)
    for group in reversed(right[1:-1]):
        pts.extend((x, y, True) for x, y in reversed(group))
    pts.extend(start_cap[:-1])
    return [(pts, False)]


def line(p0, p1, width, start="butt", end="butt"):
    return polyline([p0, p1], width, start, end)


def arc(cx, cy, rx, ry, a0, a1, width, start="butt", end="butt"):
    return curve(arc_path(cx, cy, rx, ry, a0, a1), width, start, end)
