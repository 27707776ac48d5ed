#pragma once

#include <QRect>
#include <QString>
#include <string_view>

namespace candelor::qt {

// The layout is given in twips; 15 twips make a pixel at 96 dpi (Qt scales for larger screens).
constexpr int Px(int twips) {
  return (twips + 7) / 15;
}

inline QRect Twips(int left, int top, int width, int height) {
  return {Px(left), Px(top), Px(width), Px(height)};
}

inline QString FromUtf8(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace candelor::qt
