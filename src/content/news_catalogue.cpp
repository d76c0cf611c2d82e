#include "content/news_catalogue.h"

#include <array>

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

// "#引号", written in stored patterns wherever a double quote is meant.
#define DQ_Q "#\xD2\xFD\xBA\xC5"

constexpr std::array<std::string_view, 16> kPatterns = {
    // 1: portal home page
    "<p class=" DQ_Q "listp" DQ_Q "><a href=" DQ_Q "(.*?)" DQ_Q " target=" DQ_Q "_blank" DQ_Q
    ">(.*?)</a></p>",
    // 2
    "<a href=" DQ_Q "(.*?)" DQ_Q " class=" DQ_Q "title" DQ_Q " target=" DQ_Q "_blank" DQ_Q
    " mon=" DQ_Q "col=18&pn=\\d" DQ_Q ">(.*?)</a></li>",
    // 3
    "<a href=" DQ_Q "(.*?)" DQ_Q " mon=" DQ_Q "col=3&amp;a=2&pn=\\d\\d" DQ_Q " target=" DQ_Q
    "_blank" DQ_Q ">(.*?)</a></li>",
    // 4
    "<a href=" DQ_Q "(.*?)" DQ_Q " mon=" DQ_Q "col=1&amp;a=2&pn=\\d" DQ_Q " target=" DQ_Q
    "_blank" DQ_Q ">(.*?)</a></li>",
    // 5
    "<a href=" DQ_Q "(.*?)" DQ_Q " mon=" DQ_Q "col=focusnews&pn=\\d" DQ_Q " target=" DQ_Q
    "_blank" DQ_Q ">(.*?)</a></li>",
    // 6
    "<a href=" DQ_Q "(.*?)" DQ_Q " mon=" DQ_Q "col=3&amp;a=2&amp;z=techfocus&pn=\\d" DQ_Q
    " target=" DQ_Q "_blank" DQ_Q ">(.*?)</a></li>",
    // 7
    "<a href=" DQ_Q "(.*?)" DQ_Q " target=" DQ_Q "_blank" DQ_Q " mon=" DQ_Q
    "col=1&amp;a=2&pn=\\d" DQ_Q ">(.*?)</a></li>",
    // 8: unquoted target
    "<a href=" DQ_Q "(.*?)" DQ_Q " target=_blank class=" DQ_Q "u" DQ_Q ">(.*?)</a></p>",
    // 9: two blanks before mon
    "<a href=" DQ_Q "(.*?)" DQ_Q " target=" DQ_Q "_blank" DQ_Q "  mon=" DQ_Q
    "a=1&amp;p=1&amp;z=autobuy&pn=\\d" DQ_Q ">(.*?)</a></li>",
    // 10
    "<h2><a href=" DQ_Q "(.*?)" DQ_Q ">(.*?)</a></h2>",
    // 11: the braces are literal text of the page
    "<a href=" DQ_Q "(.*?)" DQ_Q " target=" DQ_Q "_blank" DQ_Q " mon=" DQ_Q
    "a=1&amp;p=1&amp;z={Array.m_sub_name}&pn=\\d" DQ_Q ">(.*?)</a></li>",
    // 12
    "<li><a href=" DQ_Q "(.*?)" DQ_Q " target=" DQ_Q "_blank" DQ_Q ">(.*?)</a></li>",
    // 13
    "<h3><a href=" DQ_Q "(.*?)" DQ_Q " target=" DQ_Q "_blank" DQ_Q ">(.*?)</a></h3>",
    // 14: one group, the item text; ends in three blanks
    "target=" DQ_Q "_blank" DQ_Q ">(.*?)</a>   ",
    // 15: heading text first, address second
    "<h1>(.*?)</h1>[\\s|\\S]*?<a href=" DQ_Q "(.*?)" DQ_Q "><h1>",
    // 16: hot-list table cells
    "<td class=" DQ_Q "al" DQ_Q "><a href=" DQ_Q "(.*?)" DQ_Q " target=" DQ_Q "_blank" DQ_Q
    " rel=" DQ_Q "nofollow" DQ_Q " itemid=" DQ_Q "\\d{1,8}" DQ_Q ">(.*?)</a></td>",
};

#undef DQ_Q

constexpr NewsGroups kLinkThenTitle{1, 2};
// Pattern 14 captures only the item text; pattern 15 the heading before the address.
constexpr NewsGroups kTitleOnly{0, 1};
constexpr NewsGroups kTitleThenLink{2, 1};

constexpr std::array<NewsSource, 39> kCatalogue = {{
    // Page 0, channel news.
    {0, "单选框_综合", "https", kPortalHost, "", 1, true, kLinkThenTitle},
    {0, "单选框_国内", "http", kChannelHost, "/guonei", 2, true, kLinkThenTitle},
    {0, "单选框_财经", "https", kChannelHost, "/finance", 3, true, kLinkThenTitle},
    {0, "单选框_军事", "http", kChannelHost, "/mil", 4, true, kLinkThenTitle},
    {0, "单选框_娱乐", "http", kChannelHost, "/ent", 4, true, kLinkThenTitle},
    {0, "单选框_女人", "http", kChannelHost, "/lady", 4, true, kLinkThenTitle},
    {0, "单选框_体育", "http", kChannelHost, "/sports", 5, true, kLinkThenTitle},
    {0, "单选框_科技", "http", kChannelHost, "/tech", 6, true, kLinkThenTitle},
    {0, "单选框_国际", "http", kChannelHost, "/guoji", 4, true, kLinkThenTitle},
    {0, "单选框_房产", "http", kChannelHost, "/house", 7, true, kLinkThenTitle},
    {0, "单选框_医药", "http", kPharmaHost, "/news/hyyw/news/index0.html", 8, false,
     kLinkThenTitle},
    {0, "单选框_汽车", "http", kChannelHost, "/auto", 9, true, kLinkThenTitle},
    {0, "单选框_安全", "http", kSafetyHost, "/news/index.html", 10, true, kLinkThenTitle},
    {0, "单选框_游戏", "http", kChannelHost, "/game", 11, true, kLinkThenTitle},
    {0, "单选框_能源", "http", kEnergyHost, "/energy/index.htm", 12, true, kLinkThenTitle},
    {0, "单选框_食品", "http", kFoodTravelHost, "/food/index.htm", 12, true, kLinkThenTitle},
    {0, "单选框_教育", "http", kEducationHost, "/", 13, true, kLinkThenTitle},
    {0, "单选框_旅游", "http", kFoodTravelHost, "/travel/", 12, true, kLinkThenTitle},
    // Page 1, site hot lists.
    {1, "单选框_知乎", "https", kHotListHost, "/n/mproPpoq6O", 16, true, kLinkThenTitle},
    {1, "单选框_微博", "https", kHotListHost, "/n/KqndgxeLl9", 16, true, kLinkThenTitle},
    {1, "单选框_微信", "https", kHotListHost, "/n/WnBe01o371", 16, true, kLinkThenTitle},
    {1, "单选框_澎湃", "https", kHotListHost, "/n/wWmoO5Rd4E", 16, true, kLinkThenTitle},
    {1, "单选框_哔哩", "https", kHotListHost, "/n/74KvxwokxM", 16, true, kLinkThenTitle},
    {1, "单选框_网易", "https", kHotListHost, "/n/ENeYa4DeY4", 16, true, kLinkThenTitle},
    {1, "单选框_36氪", "https", kHotListHost, "/n/Q1Vd5Ko85R", 16, true, kLinkThenTitle},
    {1, "单选框_虎嗅", "https", kHotListHost, "/n/5VaobgvAj1", 16, true, kLinkThenTitle},
    {1, "单选框_抖音", "https", kHotListHost, "/n/DpQvNABoNE", 16, true, kLinkThenTitle},
    {1, "单选框_天涯", "https", kHotListHost, "/n/Jb0vmmlvB1", 16, true, kLinkThenTitle},
    {1, "单选框_今日头条", "https", kHotListHost, "/n/20MdKa2ow1", 16, true, kLinkThenTitle},
    {1, "单选框_豆瓣电影", "https", kHotListHost, "/n/mDOvnyBoEB", 16, true, kLinkThenTitle},
    {1, "单选框_小红书", "https", kHotListHost, "/n/L4MdA5ldxD", 16, true, kLinkThenTitle},
    {1, "单选框_汽车之家", "https", kHotListHost, "/n/YqoXQGXvOD", 16, true, kLinkThenTitle},
    {1, "单选框_虎扑社区", "https", kHotListHost, "/n/G47o8weMmN", 16, true, kLinkThenTitle},
    {1, "单选框_CSDN论坛", "https", kHotListHost, "/n/K7GdajgeQy", 16, true, kLinkThenTitle},
    {1, "单选框_IT之家", "https", kHotListHost, "/n/74Kvx59dkx", 16, true, kLinkThenTitle},
    {1, "单选框_吾爱破解", "https", kHotListHost, "/n/NKGoRAzel6", 16, true, kLinkThenTitle},
    // Page 2, local news.
    {2, "单选框_兴华", "http", kXinghuaHost, "/col/col48705/index.html", 14, true, kTitleOnly},
    {2, "单选框_德阳", "https", kDeyangHost, "/wssb", 15, true, kTitleThenLink},
    {2, "单选框_石家庄", "http", kShijiazhuangHost, "/", 12, true, kLinkThenTitle},
}};

}  // namespace

std::span<const NewsSource> NewsCatalogue() { return kCatalogue; }

Text NewsPattern(int number) {
    if (number < 1 || number > static_cast<int>(kPatterns.size())) return {};
    return Text(kPatterns[static_cast<std::size_t>(number - 1)]);
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
    const int page = form.currentIndex(kNewsTabs);
    if (page == kCustomSourcePage) {
        return NewsRequest{state.sourceUrl, state.sourcePattern, form.checked("单选框_utf8"),
                           kLinkThenTitle};
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
