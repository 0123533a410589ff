#include <gtest/gtest.h>

#include "core/WebLink.h"

using namespace kd;

TEST(WebLink, OpensOnlyWebAndMailAddresses) {
  EXPECT_EQ(WebLinkTarget("http://example.org/skins")->toString(), "http://example.org/skins");
  EXPECT_EQ(WebLinkTarget(" https://example.org ")->host(), "example.org");
  EXPECT_EQ(WebLinkTarget("www.example.org")->toString(), "http://www.example.org");
  EXPECT_EQ(WebLinkTarget("WWW.example.org")->scheme(), "http");
  EXPECT_EQ(WebLinkTarget("mailto:someone@example.org")->scheme(), "mailto");
  EXPECT_TRUE(WebLinkTarget("ftp://example.org/x").has_value());
}

TEST(WebLink, NeverRunsCommandsOrOpensFiles) {
  for (const char* text : {"", "   ", "rm -rf ~", "calc.exe", "file:///etc/passwd", "/bin/sh",
                           "javascript:alert(1)", "http://", "mailto:", "start notepad"}) {
    EXPECT_FALSE(WebLinkTarget(QString::fromUtf8(text)).has_value()) << text;
  }
}
