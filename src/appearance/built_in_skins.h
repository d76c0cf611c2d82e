// The 33 skin files the program carries (data/skins, embedded as Qt resources), numbered 1 to
// 33. Only the file asked for is read, so starting the program costs one small read.
#pragma once

#include <string>

namespace dq {

inline constexpr int kBuiltInSkinCount = 33;

// The bytes of built-in skin number (1 to 33); empty for any other number.
std::string BuiltInSkin(int number);

}  // namespace dq
