#pragma once

#include <QtGlobal>

// The system whose words and device names a message uses; a parameter, so that the Windows
// texts are tried on any machine.
enum class Platform { Unix, Windows };

#ifdef Q_OS_WIN
inline constexpr Platform kThisPlatform = Platform::Windows;
#else
inline constexpr Platform kThisPlatform = Platform::Unix;
#endif
