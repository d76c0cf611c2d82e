#include <gtest/gtest.h>

#include "content/weather.h"
#include "support/fake_form.h"
#include "web/encoding.h"

namespace dq {
namespace {

struct SlugCase {
    const char* cityUtf8;
    const char* slug;
};

class CitySlugTest : public ::testing::TestWithParam<SlugCase> {};

TEST_P(CitySlugTest, SpellsTheFirstReadingOfEachHanzi) {
    EXPECT_EQ(CitySlug(Utf8ToAnsi(GetParam().cityUtf8)), GetParam().slug);
}

INSTANTIATE_TEST_SUITE_P(
    Cities, CitySlugTest,
    ::testing::Values(SlugCase{"北京", "beijing"}, SlugCase{"石家庄", "shijiazhuang"},
                      SlugCase{"哈尔滨", "haerbin"}, SlugCase{"成都", "chengdou"},
                      SlugCase{"重庆", "zhongqing"}, SlugCase{"吕", "lu"}, SlugCase{"女", "nu"},
                      SlugCase{"北京市", "beijingshi"},
                      // Units stay at even offsets: the second unit is the tail of 北 and
                      // the head of 京, which is 本.
                      SlugCase{"a北京", "ben"}, SlugCase{"Beijing", ""},
                      // A last odd byte is never used.
                      SlugCase{"北京a", "beijing"},
                      // Full-width punctuation and GBK-only characters are no GB2312 hanzi.
                      SlugCase{"（北京）", "beijing"}, SlugCase{"丂北", "bei"},
                      SlugCase{"", ""}));

TEST(CitySlug, ReadsTheCityBox) {
    testing::FakeForm form;
    form.texts["城镇"] = Utf8ToAnsi("重庆");
    EXPECT_EQ(CitySlug(form), "zhongqing");
}

TEST(WeatherAddresses, AppendTheSlugToTheSiteBase) {
    EXPECT_EQ(WeatherPageAddress("beijing"), "https://www.tianqi.com/beijing/");
    EXPECT_EQ(WeatherLifePageAddress("beijing"), "https://www.tianqi.com/beijing/life.html");
    EXPECT_EQ(WeatherPageAddress(""), "https://www.tianqi.com//");
}

}  // namespace
}  // namespace dq
