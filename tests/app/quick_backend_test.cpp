#include "movie/quick_backend.h"

#include <gtest/gtest.h>

#include <optional>

namespace hifz {
namespace {

struct Case {
  const char* what;
  const char* flags;
  const char* userChoice;
  std::optional<OpenGlReport> gl;  // what Qt reports; none: it must not be asked
  const char* backend;
};

const OpenGlReport kGpu{true, "Mesa Intel(R) UHD Graphics 620 (KBL GT2)"};
const OpenGlReport kLlvmpipe{true, "llvmpipe (LLVM 15.0.6, 256 bits)"};

const Case kCases[] = {
    {"a GPU draws", "", "", kGpu, ""},
    {"a GPU beside other flags", "--js-flags=--wasm-lazy-compilation", "", kGpu, ""},
    {"no OpenGL at all", "", "", OpenGlReport{}, "software"},
    {"a context without a renderer name", "", "", OpenGlReport{true, ""}, ""},
    {"llvmpipe", "", "", kLlvmpipe, "software"},
    {"softpipe", "", "", OpenGlReport{true, "softpipe"}, "software"},
    {"swrast, in capitals", "", "", OpenGlReport{true, "Mesa SWRAST"}, "software"},
    {"--disable-gpu with a GPU", "--js-flags=x --disable-gpu", "", std::nullopt, "software"},
    {"the learner's rhi without a GPU", "", "rhi", std::nullopt, "rhi"},
    {"the learner's rhi with --disable-gpu", "--disable-gpu", "rhi", std::nullopt, "rhi"},
    {"the learner's software with a GPU", "", "software", std::nullopt, "software"},
};

TEST(QuickBackendTest, FollowsWhatQtReportsTheFlagsAndTheLearner) {
  for (const Case& c : kCases) {
    bool asked = false;
    const std::string backend = quickBackend(c.flags, c.userChoice, [&] {
      asked = true;
      return c.gl.value_or(OpenGlReport{});
    });
    EXPECT_EQ(backend, c.backend) << c.what;
    EXPECT_EQ(asked, c.gl.has_value()) << c.what;
  }
}

}  // namespace
}  // namespace hifz
