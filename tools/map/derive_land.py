#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Derives the travel map's land mask from the GSHHG coastlines.

Run once by hand, on a machine with the Debian packages gmt-gshhg-low (the
binned coastlines) and netcdf-bin (ncdump, to read them):

    tools/map/derive_land.py /usr/share/gmt-gshhg/binned_GSHHS_l.nc data/map/land.rle

The result is committed; the build never needs either package. The mask is an
equirectangular raster, PX pixels a degree, rows from 90 N down, columns from
180 W eastwards; each line of the file is one row: the starting column and the
length of each run of land, as decimal pairs separated by spaces.

How the binned file is read: the world is cut into square bins; each bin
stores the levels of its four corners (odd = land, even = water) and the
coastline segments crossing it, as points relative to its south-west corner.
The segments are drawn as lines into the raster; every region they enclose
takes the level of the bin corners inside it, or, when it holds none (an
island, a lake), the lowest level of the segments around it.
"""
import re
import subprocess
import sys

PX = 6  # pixels a degree


def read_variables(path, names):
    out = subprocess.run(["ncdump", "-v", ",".join(names), path], check=True, capture_output=True, text=True).stdout
    data = out.split("data:", 1)[1]
    values = {}
    for name in names:
        m = re.search(r"\b" + name + r"\s*=\s*(.*?);", data, re.S)
        values[name] = [0 if v == "_" else int(v) for v in re.findall(r"-?\d+|_", m.group(1))]
    return values


def main():
    src, dst = sys.argv[1], sys.argv[2]
    v = read_variables(src, [
        "Bin_size_in_minutes", "N_bins_in_360_longitude_range", "Id_of_first_segment_in_a_bin",
        "Embedded_node_levels_in_a_bin", "N_segments_in_a_bin",
        "Embedded_npts_levels_exit_entry_for_a_segment", "Id_of_first_point_in_a_segment",
        "Relative_longitude_from_SW_corner_of_bin", "Relative_latitude_from_SW_corner_of_bin"])
    size = v["Bin_size_in_minutes"][0] / 60.0
    nx = v["N_bins_in_360_longitude_range"][0]
    W, H = 360 * PX, 180 * PX
    grid = bytearray(W * H)  # 0 between the lines, else 1 + the level of the segment drawn
    dxs = [d & 0xFFFF for d in v["Relative_longitude_from_SW_corner_of_bin"]]
    dys = [d & 0xFFFF for d in v["Relative_latitude_from_SW_corner_of_bin"]]

    def pixel(lon, lat):
        x = int((lon + 180.0) * PX) % W
        y = min(H - 1, max(0, int((90.0 - lat) * PX)))
        return x, y

    def line(x0, y0, x1, y1, mark):
        # A step across the date line is drawn unwrapped, then folded back.
        if x1 - x0 > W // 2:
            x1 -= W
        elif x0 - x1 > W // 2:
            x1 += W
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err = dx + dy
        while True:
            grid[y0 * W + x0 % W] = mark
            if x0 == x1 and y0 == y1:
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    corners = []  # (x, y, level)
    nbins = len(v["N_segments_in_a_bin"])
    for b in range(nbins):
        lon_sw = (b % nx) * size
        lat_sw = 90.0 - (b // nx + 1) * size
        info = v["Embedded_node_levels_in_a_bin"][b] & 0xFFFF
        levels = [(info >> 9) & 7, (info >> 6) & 7, (info >> 3) & 7, info & 7]
        # corners counter-clockwise from the south-west
        for (cx, cy), level in zip([(0, 0), (1, 0), (1, 1), (0, 1)], levels):
            corners.append((lon_sw + cx * size, lat_sw + cy * size, level))
        first = v["Id_of_first_segment_in_a_bin"][b]
        for s in range(first, first + v["N_segments_in_a_bin"][b]):
            seg = v["Embedded_npts_levels_exit_entry_for_a_segment"][s]
            n, level, entry, exit_ = seg >> 9, (seg >> 6) & 7, (seg >> 3) & 7, seg & 7
            p0 = v["Id_of_first_point_in_a_segment"][s]
            pts = [pixel(lon_sw + dxs[i] * size / 65535.0, lat_sw + dys[i] * size / 65535.0)
                   for i in range(p0, p0 + n)]
            for a, c in zip(pts, pts[1:]):
                line(a[0], a[1], c[0], c[1], 1 + level)
    # Regions between the coastlines (4-connected, so 8-connected lines hold),
    # with the lowest level of the segments around each.
    label = [0] * (W * H)
    around = [9]
    count = 0
    for start in range(W * H):
        if grid[start] or label[start]:
            continue
        count += 1
        around.append(9)
        label[start] = count
        stack = [start]
        while stack:
            i = stack.pop()
            y, x = divmod(i, W)
            for j in ((y * W + (x + 1) % W), (y * W + (x - 1) % W), i - W if y > 0 else -1, i + W if y < H - 1 else -1):
                if j < 0:
                    continue
                if grid[j]:
                    around[count] = min(around[count], grid[j] - 1)
                elif not label[j]:
                    label[j] = count
                    stack.append(j)
    # A region takes the level most of the bin corners in it have; one without
    # a corner (an island, a lake) lies inside the segments around it.
    votes = {}
    for lon, lat, level in corners:
        x, y = pixel(lon, lat)
        for yy in range(max(0, y - 1), min(H, y + 2)):
            for xx in (x - 1, x, (x + 1) % W):
                r = label[yy * W + xx % W]
                if r:
                    votes.setdefault(r, {}).setdefault(level, 0)
                    votes[r][level] += 1
    region_level = [around[r] if around[r] < 9 else 0 for r in range(count + 1)]
    for r, v2 in votes.items():
        region_level[r] = max(v2, key=v2.get)
    with open(dst, "w") as out:
        out.write("# land mask %d x %d, %d px a degree, from GSHHG 2.3.7 (low resolution)\n" % (W, H, PX))
        for y in range(H):
            runs = []
            x = 0
            while x < W:
                i = y * W + x
                land = grid[i] or region_level[label[i]] % 2 == 1
                if land:
                    s = x
                    while x < W and (grid[y * W + x] or region_level[label[y * W + x]] % 2 == 1):
                        x += 1
                    runs.append("%d %d" % (s, x - s))
                else:
                    x += 1
            out.write(" ".join(runs) + "\n")


if __name__ == "__main__":
    main()
