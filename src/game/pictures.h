#pragma once

#include <QString>

// The pictures compiled into the game, by the names the windows load them by.
namespace Pictures {

inline const QString kTopBar = QStringLiteral(":/pictures/topbar.bmp");
inline const QString kColumn = QStringLiteral(":/pictures/column.bmp");
inline const QString kGround = QStringLiteral(":/pictures/ground.bmp");
inline const QString kSky = QStringLiteral(":/pictures/sky.bmp");
inline const QString kBottomBar = QStringLiteral(":/pictures/bottombar.bmp");
inline const QString kIcon = QStringLiteral(":/pictures/icon.png");
constexpr int kSwingCount = 5;

inline QString Swing(int index)
{
    return QStringLiteral(":/pictures/putter%1.png").arg(index);
}

} // namespace Pictures
