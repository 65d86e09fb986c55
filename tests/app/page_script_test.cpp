// What a movie's script can make of the page: nothing beyond fscommand().

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "movie/page_scheme.h"
#include "movie/page_view.h"
#include "movie/web_movie_slot.h"
#include "page_fixture.h"
#include "swf/actions.h"
#include "test_movies.h"

namespace hifz::testing {
namespace {

class PageScriptTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // `untouched` is gone should the page load afresh; `telltale` is set
    // should a movie's code run; `refused` lists what the page's policy
    // refused ("eval" for strings taken as code).
    ASSERT_TRUE(
        pageSays("window.untouched = true; delete window.telltale; window.refused = [];"
                 " document.addEventListener('securitypolicyviolation',"
                 " (e) => window.refused.push(e.blockedURI)); true"));
  }

  // Plays `movie` in a slot until it has gone round its frames twice, then
  // tells whether the page is still the one it was and ran none of its code.
  void expectPageUntouched(const std::vector<std::uint8_t>& movie, const std::string& what) {
    PageView& page = sharedPage();
    const QUrl home = page.url();
    MovieFolder folder;
    PageSlot slot("script", SlotSettings{});
    slot->setMovie(folder.add("script.swf", movie));
    // The page's first player takes a few seconds to start.
    ASSERT_TRUE(waitUntil([&] { return slot->frameNum() == 2; }, 30000)) << what;
    ASSERT_TRUE(waitUntil([&] { return slot->frameNum() == 0; })) << what;
    ASSERT_TRUE(waitUntil([&] { return slot->frameNum() == 2; })) << what;
    EXPECT_EQ(page.url(), home) << what;
    EXPECT_TRUE(pageSays("window.untouched === true")) << what << ": the page loaded afresh";
    EXPECT_TRUE(pageSays("window.telltale === undefined")) << what << ": the movie's code ran";
  }
};

TEST_F(PageScriptTest, ExternalInterfaceCallRunsNoCode) {
  expectPageUntouched(externalCallMovie(3, "function () { window.telltale = 'called'; }"),
                      "ExternalInterface.call");
  // The call was made, and refused.
  EXPECT_TRUE(pageSays("window.refused.includes('eval')")) << "the call was not even made";
}

TEST_F(PageScriptTest, AddressesThatWouldRunCodeOrLeaveThePageDoNothing) {
  const std::string home = pageUrl("page/index.html").toString().toStdString();
  const std::string code = "javascript:window.telltale='address'";
  struct Case {
    const char* what;
    std::string url;
    const char* target;
  };
  const Case cases[] = {
      {"a javascript: address in the page", code, "_self"},
      {"a javascript: address at the top", code, "_top"},
      {"a javascript: address in a new window", code, "_blank"},
      {"the page again", home, "_self"},
      {"another page", home + "?elsewhere", "_top"},
  };
  for (const Case& c : cases) {
    std::map<int, swf::ActionList> actions;
    actions[0].getUrl(c.url, c.target);
    expectPageUntouched(timelineMovie(3, actions), c.what);
  }
}

TEST_F(PageScriptTest, ThePageNeitherReloadsNorLeavesByItsOwnScript) {
  const std::string home = pageUrl("page/index.html").toString().toStdString();
  const std::string attempts[] = {"location.reload()", "location.href = location.href",
                                  "location.assign('" + home + "?elsewhere')", "history.go(0)"};
  for (const std::string& attempt : attempts) {
    ASSERT_TRUE(pageSays(attempt + "; true")) << attempt;
    runFor(500);
    EXPECT_TRUE(pageSays("window.untouched === true")) << attempt;
    EXPECT_EQ(sharedPage().url().toString().toStdString(), home) << attempt;
  }
}

TEST_F(PageScriptTest, ThePageCompilesWebAssemblyButNoStringsAndMakesNoPeerConnections) {
  struct Case {
    const char* what;
    const char* expression;
  };
  const Case cases[] = {
      {"new Function is refused",
       "(() => { try { new Function('return 1')(); return false; }"
       " catch (e) { return e instanceof EvalError; } })()"},
      {"eval is refused",
       "(() => { try { eval('1'); return false; } catch (e) { return e instanceof EvalError; } "
       "})()"},
      {"WebAssembly compiles",
       "(() => { try { new WebAssembly.Module(new Uint8Array([0, 97, 115, 109, 1, 0, 0, 0]));"
       " return true; } catch (e) { return false; } })()"},
      {"no peer connection", "window.RTCPeerConnection === undefined"},
      {"nor its old name", "window.webkitRTCPeerConnection === undefined"},
      {"and none put back",
       "(() => { try { window.RTCPeerConnection = function () {}; } catch (e) {}"
       " return window.RTCPeerConnection === undefined; })()"},
  };
  for (const Case& c : cases) EXPECT_TRUE(pageSays(c.expression)) << c.what;
}

}  // namespace
}  // namespace hifz::testing
