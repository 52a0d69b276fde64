#include "search/survey/sha256.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace search::survey {
namespace {

// Messages across the padding's edges: empty, short, 56 bytes (the length
// spills into a second block) and several blocks.
TEST(Sha256, KnownDigestsInBase64) {
  struct Case {
    std::string message;
    std::string base64;
  };
  const std::vector<Case> cases = {
      {"", "47DEQpj8HBSa+/TImW+5JCeuQeRkm5NMpJWZG3hSuFU="},
      {"abc", "ungWv48Bz+pBQUDeXa4iI7ADYaOWF3qctBD/YfIAFa0="},
      {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
       "JI1qYdIGOLjlwCaTDD5gOaM85Flk/yFn9uzt1BnbBsE="},
      {std::string(1000, 'a'), "Qe3s5C1j6Nm/UVqbppMuHCDLyfWl0TRkWttdsblzfqM="},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Base64(Sha256(c.message)), c.base64) << c.message.size() << " bytes";
  }
}

}  // namespace
}  // namespace search::survey
