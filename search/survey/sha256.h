// SHA-256, for the hash by which the survey page's Content-Security-Policy
// allows its one inline script.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace search::survey {

std::array<std::uint8_t, 32> Sha256(std::string_view bytes);

// The bytes in base64, padded with '=', as CSP hash sources write them.
std::string Base64(const std::array<std::uint8_t, 32>& bytes);

}  // namespace search::survey
