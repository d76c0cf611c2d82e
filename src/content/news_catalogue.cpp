#include "content/news_catalogue.h"

#include <array>

#include "web/encoding.h"
#include "workbench/control_names.h"

namespace dq {
namespace {

// The eleven outside sites. Every entry of one site uses the same host.
constexpr std::string_view kPortalHost = "www.chinanews.com.cn";       // general news portal
constexpr std::string_view kChannelHost = "news.baidu.com";            // one page per channel
constexpr std::string_view kPharmaHost = "www.pharmnet.com.cn";        // pharmaceutical news
constexpr std::string_view kSafetyHost = "www.aqsc.cn";                // work-safety news
constexpr std::string_view kEnergyHost = "www.xinhuanet.com";          // energy channel
constexpr std::string_view kFoodTravelHost = "www.news.cn";            // food and travel
constexpr std::string_view kEducationHost = "www.jyb.cn";              // education news
constexpr std::string_view kHotListHost = "tophub.today";              // hot-list aggregator
constexpr std::string_view kXinghuaHost = "www.xinghua.gov.cn";        // city government
constexpr std::string_view kDeyangHost = "www.dyxw.com";               // Deyang local news
constexpr std::string_view kShijiazhuangHost = "www.sjzdaily.com.cn";  // Shijiazhuang news

// The patterns as stored, in UTF-8: "#引号" stands wherever a double quote is meant.
constexpr std::array<std::string_view, 16> kPatterns = {
    // 1: portal home page
    "<p class=#引号listp#引号><a href=#引号(.*?)#引号 target=#引号_blank#引号"
    ">(.*?)</a></p>",
    // 2
    "<a href=#引号(.*?)#引号 class=#引号title#引号 target=#引号_blank#引号"
    " mon=#引号col=18&pn=\\d#引号>(.*?)</a></li>",
    // 3
    "<a href=#引号(.*?)#引号 mon=#引号col=3&amp;a=2&pn=\\d\\d#引号 target=#引号"
    "_blank#引号>(.*?)</a></li>",
    // 4
    "<a href=#引号(.*?)#引号 mon=#引号col=1&amp;a=2&pn=\\d#引号 target=#引号"
    "_blank#引号>(.*?)</a></li>",
    // 5
    "<a href=#引号(.*?)#引号 mon=#引号col=focusnews&pn=\\d#引号 target=#引号"
    "_blank#引号>(.*?)</a></li>",
    // 6
    "<a href=#引号(.*?)#引号 mon=#引号col=3&amp;a=2&amp;z=techfocus&pn=\\d#引号"
    " target=#引号_blank#引号>(.*?)</a></li>",
    // 7
    "<a href=#引号(.*?)#引号 target=#引号_blank#引号 mon=#引号"
    "col=1&amp;a=2&pn=\\d#引号>(.*?)</a></li>",
    // 8: unquoted target
    "<a href=#引号(.*?)#引号 target=_blank class=#引号u#引号>(.*?)</a></p>",
    // 9: two blanks before mon
    "<a href=#引号(.*?)#引号 target=#引号_blank#引号  mon=#引号"
    "a=1&amp;p=1&amp;z=autobuy&pn=\\d#引号>(.*?)</a></li>",
    // 10
    "<h2><a href=#引号(.*?)#引号>(.*?)</a></h2>",
    // 11: the braces are literal text of the page
    "<a href=#引号(.*?)#引号 target=#引号_blank#引号 mon=#引号"
    "a=1&amp;p=1&amp;z={Array.m_sub_name}&pn=\\d#引号>(.*?)</a></li>",
    // 12
    "<li><a href=#引号(.*?)#引号 target=#引号_blank#引号>(.*?)</a></li>",
    // 13
    "<h3><a href=#引号(.*?)#引号 target=#引号_blank#引号>(.*?)</a></h3>",
    // 14: one group, the item text; ends in three blanks
    "target=#引号_blank#引号>(.*?)</a>   ",
    // 15: heading text first, address second
    "<h1>(.*?)</h1>[\\s|\\S]*?<a href=#引号(.*?)#引号><h1>",
    // 16: hot-list table cells
    "<td class=#引号al#引号><a href=#引号(.*?)#引号 target=#引号_blank#引号"
    " rel=#引号nofollow#引号 itemid=#引号\\d{1,8}#引号>(.*?)</a></td>",
};

constexpr NewsGroups kLinkThenTitle{1, 2};
// Pattern 14 captures only the item text; pattern 15 the heading before the address.
constexpr NewsGroups kTitleOnly{0, 1};
constexpr NewsGroups kTitleThenLink{2, 1};

constexpr std::array<NewsSource, 39> kCatalogue = {{
    // Page 0, channel news.
    {0, controls::kNewsGeneral, "https", kPortalHost, "", 1, true, kLinkThenTitle},
    {0, controls::kNewsDomestic, "http", kChannelHost, "/guonei", 2, true, kLinkThenTitle},
    {0, controls::kNewsFinance, "https", kChannelHost, "/finance", 3, true, kLinkThenTitle},
    {0, controls::kNewsMilitary, "http", kChannelHost, "/mil", 4, true, kLinkThenTitle},
    {0, controls::kNewsEntertainment, "http", kChannelHost, "/ent", 4, true, kLinkThenTitle},
    {0, controls::kNewsWomen, "http", kChannelHost, "/lady", 4, true, kLinkThenTitle},
    {0, controls::kNewsSports, "http", kChannelHost, "/sports", 5, true, kLinkThenTitle},
    {0, controls::kNewsTech, "http", kChannelHost, "/tech", 6, true, kLinkThenTitle},
    {0, controls::kNewsInternational, "http", kChannelHost, "/guoji", 4, true, kLinkThenTitle},
    {0, controls::kNewsProperty, "http", kChannelHost, "/house", 7, true, kLinkThenTitle},
    {0, controls::kNewsPharma, "http", kPharmaHost, "/news/hyyw/news/index0.html", 8, false,
     kLinkThenTitle},
    {0, controls::kNewsAuto, "http", kChannelHost, "/auto", 9, true, kLinkThenTitle},
    {0, controls::kNewsSafety, "http", kSafetyHost, "/news/index.html", 10, true, kLinkThenTitle},
    {0, controls::kNewsGames, "http", kChannelHost, "/game", 11, true, kLinkThenTitle},
    {0, controls::kNewsEnergy, "http", kEnergyHost, "/energy/index.htm", 12, true, kLinkThenTitle},
    {0, controls::kNewsFood, "http", kFoodTravelHost, "/food/index.htm", 12, true, kLinkThenTitle},
    {0, controls::kNewsEducation, "http", kEducationHost, "/", 13, true, kLinkThenTitle},
    {0, controls::kNewsTravel, "http", kFoodTravelHost, "/travel/", 12, true, kLinkThenTitle},
    // Page 1, site hot lists.
    {1, controls::kHotZhihu, "https", kHotListHost, "/n/mproPpoq6O", 16, true, kLinkThenTitle},
    {1, controls::kHotWeibo, "https", kHotListHost, "/n/KqndgxeLl9", 16, true, kLinkThenTitle},
    {1, controls::kHotWeixin, "https", kHotListHost, "/n/WnBe01o371", 16, true, kLinkThenTitle},
    {1, controls::kHotThePaper, "https", kHotListHost, "/n/wWmoO5Rd4E", 16, true, kLinkThenTitle},
    {1, controls::kHotBilibili, "https", kHotListHost, "/n/74KvxwokxM", 16, true, kLinkThenTitle},
    {1, controls::kHotNetease, "https", kHotListHost, "/n/ENeYa4DeY4", 16, true, kLinkThenTitle},
    {1, controls::kHot36Kr, "https", kHotListHost, "/n/Q1Vd5Ko85R", 16, true, kLinkThenTitle},
    {1, controls::kHotHuxiu, "https", kHotListHost, "/n/5VaobgvAj1", 16, true, kLinkThenTitle},
    {1, controls::kHotDouyin, "https", kHotListHost, "/n/DpQvNABoNE", 16, true, kLinkThenTitle},
    {1, controls::kHotTianya, "https", kHotListHost, "/n/Jb0vmmlvB1", 16, true, kLinkThenTitle},
    {1, controls::kHotToutiao, "https", kHotListHost, "/n/20MdKa2ow1", 16, true, kLinkThenTitle},
    {1, controls::kHotDoubanMovies, "https", kHotListHost, "/n/mDOvnyBoEB", 16, true,
     kLinkThenTitle},
    {1, controls::kHotXiaohongshu, "https", kHotListHost, "/n/L4MdA5ldxD", 16, true,
     kLinkThenTitle},
    {1, controls::kHotAutohome, "https", kHotListHost, "/n/YqoXQGXvOD", 16, true, kLinkThenTitle},
    {1, controls::kHotHupu, "https", kHotListHost, "/n/G47o8weMmN", 16, true, kLinkThenTitle},
    {1, controls::kHotCsdn, "https", kHotListHost, "/n/K7GdajgeQy", 16, true, kLinkThenTitle},
    {1, controls::kHotItHome, "https", kHotListHost, "/n/74Kvx59dkx", 16, true, kLinkThenTitle},
    {1, controls::kHot52Pojie, "https", kHotListHost, "/n/NKGoRAzel6", 16, true, kLinkThenTitle},
    // Page 2, local news.
    {2, controls::kLocalXinghua, "http", kXinghuaHost, "/col/col48705/index.html", 14, true,
     kTitleOnly},
    {2, controls::kLocalDeyang, "https", kDeyangHost, "/wssb", 15, true, kTitleThenLink},
    {2, controls::kLocalShijiazhuang, "http", kShijiazhuangHost, "/", 12, true, kLinkThenTitle},
}};

}  // namespace

std::span<const NewsSource> NewsCatalogue() { return kCatalogue; }

Text NewsPattern(int number) {
    if (number < 1 || number > static_cast<int>(kPatterns.size())) return {};
    return Utf8ToAnsi(kPatterns[static_cast<std::size_t>(number - 1)]);
}

Text NewsPageAddress(const NewsSource& source) {
    Text address(source.scheme);
    address += "://";
    address += source.host;
    address += source.path;
    return address;
}

Text DeyangLinkBase() { return "https://" + Text(kDeyangHost); }

std::optional<NewsRequest> ChosenNewsSource(const Form& form, const WorkbenchState& state) {
    const int page = form.currentIndex(controls::kNewsTabs);
    if (page == kCustomSourcePage) {
        return NewsRequest{state.sourceUrl, state.sourcePattern,
                           form.checked(controls::kSourceIsUtf8), kLinkThenTitle};
    }
    for (const NewsSource& source : kCatalogue) {
        if (source.tabPage == page && form.checked(source.control)) {
            return NewsRequest{NewsPageAddress(source), NewsPattern(source.pattern),
                               source.fromUtf8, source.groups};
        }
    }
    return std::nullopt;
}

}  // namespace dq
