// SPDX-License-Identifier: GPL-3.0-or-later
// How a page looks to a player with a colour-vision deficiency (Machado,
// Oliveira and Fernandes 2009, severity 1, applied in linear RGB), the
// CIEDE2000 colour difference and the WCAG contrast ratio.
#pragma once
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

using Rgb = std::array<double, 3>;  // linear, 0 ... 1

// 0: none, 1: protanopia, 2: deuteranopia, 3: tritanopia.
inline constexpr double kMachado[4][3][3] = {
    {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}},
    {{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}},
    {{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}},
    {{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}}};

inline Rgb SeenAs(uint32_t windowsColour, int deficiency) {
  auto lin = [](uint32_t c) {
    const double v = c / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  const Rgb c = {lin(windowsColour & 0xFF), lin((windowsColour >> 8) & 0xFF), lin((windowsColour >> 16) & 0xFF)};
  Rgb out{};
  for (int i = 0; i < 3; ++i)
    out[i] = std::clamp(kMachado[deficiency][i][0] * c[0] + kMachado[deficiency][i][1] * c[1] + kMachado[deficiency][i][2] * c[2], 0.0, 1.0);
  return out;
}

inline double Luminance(const Rgb& c) { return 0.2126 * c[0] + 0.7152 * c[1] + 0.0722 * c[2]; }
inline double ContrastRatio(double l1, double l2) { return (std::max(l1, l2) + 0.05) / (std::min(l1, l2) + 0.05); }

inline Rgb Lab(const Rgb& c) {  // CIE L*a*b*, D65
  auto f = [](double t) { return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116; };
  const double x = (0.4124 * c[0] + 0.3576 * c[1] + 0.1805 * c[2]) / 0.95047, y = Luminance(c),
               z = (0.0193 * c[0] + 0.1192 * c[1] + 0.9505 * c[2]) / 1.08883;
  return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

inline double DeltaE2000(const Rgb& lab1, const Rgb& lab2) {
  constexpr double kDeg = 3.14159265358979323846 / 180;
  const double c7 = std::pow((std::hypot(lab1[1], lab1[2]) + std::hypot(lab2[1], lab2[2])) / 2, 7);
  const double g = 0.5 * (1 - std::sqrt(c7 / (c7 + std::pow(25.0, 7))));
  const double a1 = (1 + g) * lab1[1], a2 = (1 + g) * lab2[1];
  const double c1 = std::hypot(a1, lab1[2]), c2 = std::hypot(a2, lab2[2]);
  auto hue = [](double b, double a) { return a == 0 && b == 0 ? 0.0 : std::fmod(std::atan2(b, a) / kDeg + 360, 360); };
  const double h1 = hue(lab1[2], a1), h2 = hue(lab2[2], a2);
  double dh = c1 * c2 == 0 ? 0 : h2 - h1;
  dh += dh > 180 ? -360 : dh < -180 ? 360 : 0;
  const double dL = lab2[0] - lab1[0], dC = c2 - c1, dH = 2 * std::sqrt(c1 * c2) * std::sin(dh / 2 * kDeg);
  const double L = (lab1[0] + lab2[0]) / 2, C = (c1 + c2) / 2;
  double h = h1 + h2;
  if (c1 * c2 != 0) h = std::abs(h1 - h2) <= 180 ? h / 2 : h < 360 ? (h + 360) / 2 : (h - 360) / 2;
  const double t = 1 - 0.17 * std::cos((h - 30) * kDeg) + 0.24 * std::cos(2 * h * kDeg) +
                   0.32 * std::cos((3 * h + 6) * kDeg) - 0.20 * std::cos((4 * h - 63) * kDeg);
  const double sL = 1 + 0.015 * (L - 50) * (L - 50) / std::sqrt(20 + (L - 50) * (L - 50));
  const double sC = 1 + 0.045 * C, sH = 1 + 0.015 * C * t, C7 = std::pow(C, 7);
  const double rT = -std::sin(60 * std::exp(-std::pow((h - 275) / 25, 2)) * kDeg) * 2 * std::sqrt(C7 / (C7 + std::pow(25.0, 7)));
  return std::sqrt(std::pow(dL / sL, 2) + std::pow(dC / sC, 2) + std::pow(dH / sH, 2) + rT * (dC / sC) * (dH / sH));
}
