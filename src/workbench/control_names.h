// Control names (Qt objectNames, UTF-8, as in the .ui forms) that code addresses through the
// Form port. One place for every name that code spells out.
#pragma once

#include <string>
#include <string_view>

namespace dq::controls {

// Main window: the window itself (its text is the caption).
inline constexpr std::string_view kMainWindow = "MainWindow";

// Main window: briefing texts.
inline constexpr std::string_view kCity = "城镇";
inline constexpr std::string_view kWeatherBox = "编辑框_天气";
inline constexpr std::string_view kNewsBox = "编辑框_新闻";
inline constexpr std::string_view kQuoteBox = "编辑框_寄语";
inline constexpr std::string_view kDefaultHeader = "单选框_晨报默认头部";
inline constexpr std::string_view kCustomHeaderChoice = "单选框_晨报自定义头部";
inline constexpr std::string_view kCustomHeader = "自定义头部";
inline constexpr std::string_view kWeatherOn = "单选框_天气开";
inline constexpr std::string_view kWeatherOff = "单选框_天气关";
inline constexpr std::string_view kNewsTabs = "高级选择夹_新闻";
inline constexpr std::string_view kNewsCount = "组合框_新闻条数";
inline constexpr std::string_view kSkinChoice = "皮肤_组合框";

// Main window: links under the headlines.
inline constexpr std::string_view kLinksOn = "选择框_开启网址";
inline constexpr std::string_view kShortLinksOn = "选择框_开启短链";

// Main window: the quote.
inline constexpr std::string_view kQuoteDefaultHeader = "单选框_寄语默认头部";
inline constexpr std::string_view kQuoteCustomHeader = "单选框_寄语自定义头部";
inline constexpr std::string_view kQuoteHeaderBox = "编辑框_寄语头部";
inline constexpr std::string_view kMotivationalQuotes = "励志_单选";
inline constexpr std::string_view kDaodejingQuotes = "道德经_单选";
inline constexpr std::string_view kSayingsQuotes = "名言库_单选";

// Main window: the custom-source page of the news tabs.
inline constexpr std::string_view kCurrentSourceLabel = "透明标签_当前信息源";
inline constexpr std::string_view kLinkBase = "编辑框_拼接网址";
inline constexpr std::string_view kSourceIsUtf8 = "单选框_utf8";

// Main window: the menu of our tools beside 关于作者, and its items in their order.
inline constexpr std::string_view kToolsMenu = "工具";
inline constexpr std::string_view kSourceCheckItem = "信息源检测";
inline constexpr std::string_view kRobotMenuItem = "群机器人";

// Main window: short links.
inline constexpr std::string_view kInterfaceList = "超级列表框_接口列表";
inline constexpr std::string_view kInterfaceCount = "标签_接口数量";

// News tab page 0, channel news: one radio button per source.
inline constexpr std::string_view kNewsGeneral = "单选框_综合";
inline constexpr std::string_view kNewsDomestic = "单选框_国内";
inline constexpr std::string_view kNewsFinance = "单选框_财经";
inline constexpr std::string_view kNewsMilitary = "单选框_军事";
inline constexpr std::string_view kNewsEntertainment = "单选框_娱乐";
inline constexpr std::string_view kNewsWomen = "单选框_女人";
inline constexpr std::string_view kNewsSports = "单选框_体育";
inline constexpr std::string_view kNewsTech = "单选框_科技";
inline constexpr std::string_view kNewsInternational = "单选框_国际";
inline constexpr std::string_view kNewsProperty = "单选框_房产";
inline constexpr std::string_view kNewsPharma = "单选框_医药";
inline constexpr std::string_view kNewsAuto = "单选框_汽车";
inline constexpr std::string_view kNewsSafety = "单选框_安全";
inline constexpr std::string_view kNewsGames = "单选框_游戏";
inline constexpr std::string_view kNewsEnergy = "单选框_能源";
inline constexpr std::string_view kNewsFood = "单选框_食品";
inline constexpr std::string_view kNewsEducation = "单选框_教育";
inline constexpr std::string_view kNewsTravel = "单选框_旅游";

// News tab page 1, site hot lists.
inline constexpr std::string_view kHotZhihu = "单选框_知乎";
inline constexpr std::string_view kHotWeibo = "单选框_微博";
inline constexpr std::string_view kHotWeixin = "单选框_微信";
inline constexpr std::string_view kHotThePaper = "单选框_澎湃";
inline constexpr std::string_view kHotBilibili = "单选框_哔哩";
inline constexpr std::string_view kHotNetease = "单选框_网易";
inline constexpr std::string_view kHot36Kr = "单选框_36氪";
inline constexpr std::string_view kHotHuxiu = "单选框_虎嗅";
inline constexpr std::string_view kHotDouyin = "单选框_抖音";
inline constexpr std::string_view kHotTianya = "单选框_天涯";
inline constexpr std::string_view kHotToutiao = "单选框_今日头条";
inline constexpr std::string_view kHotDoubanMovies = "单选框_豆瓣电影";
inline constexpr std::string_view kHotXiaohongshu = "单选框_小红书";
inline constexpr std::string_view kHotAutohome = "单选框_汽车之家";
inline constexpr std::string_view kHotHupu = "单选框_虎扑社区";
inline constexpr std::string_view kHotCsdn = "单选框_CSDN论坛";
inline constexpr std::string_view kHotItHome = "单选框_IT之家";
inline constexpr std::string_view kHot52Pojie = "单选框_吾爱破解";

// News tab page 2, local news.
inline constexpr std::string_view kLocalXinghua = "单选框_兴华";
inline constexpr std::string_view kLocalDeyang = "单选框_德阳";
inline constexpr std::string_view kLocalChengdu = "单选框_成都";
inline constexpr std::string_view kLocalShijiazhuang = "单选框_石家庄";

// Main window: posting to the group robots.
inline constexpr std::string_view kPostToGroup = "按钮_发送到群";

// Window 群机器人. The controls of a robot slot are named by kind, role and the slot's number
// (1 to 3) in place of "#": "组合框_机器人1_类型".
inline constexpr std::string_view kRobotWindow = "群机器人窗口";
inline constexpr std::string_view kRobotSave = "按钮_机器人保存";
inline constexpr std::string_view kRobotCancel = "按钮_机器人取消";
inline constexpr std::string_view kRobotEnabledRole = "选择框_机器人#_启用";
inline constexpr std::string_view kRobotKindRole = "组合框_机器人#_类型";
inline constexpr std::string_view kRobotWebhookRole = "编辑框_机器人#_地址";
inline constexpr std::string_view kRobotSecretRole = "编辑框_机器人#_密钥";
inline constexpr std::string_view kRobotClearSecretRole = "选择框_机器人#_清除密钥";

// The name of role for the robot slot (0-based).
inline std::string RobotControl(std::string_view role, int slot) {
    std::string name(role);
    name.replace(name.find('#'), 1, std::to_string(slot + 1));
    return name;
}

// Main window: the custom-source page.
inline constexpr std::string_view kSourceManagerButton = "按钮_信息源管理";

// Source manager window.
inline constexpr std::string_view kSourceList = "超级列表框_自定义新闻源";
inline constexpr std::string_view kSourceQueryButton = "按钮_查询";
inline constexpr std::string_view kSourceAddButton = "按钮_添加";
inline constexpr std::string_view kSourceModifyButton = "按钮_修改";
inline constexpr std::string_view kSourceDeleteButton = "按钮_删除";
inline constexpr std::string_view kSourceMenu = "右键菜单";

// Source query window.
inline constexpr std::string_view kQueryByCategory = "单选框_新闻类别查询";
inline constexpr std::string_view kQueryAll = "单选框_查询所有";
inline constexpr std::string_view kQueryKeyword = "编辑框_查询关键词";
inline constexpr std::string_view kQueryConfirm = "按钮_确认查询";
inline constexpr std::string_view kQueryCancel = "按钮_取消查询";

// Source add window.
inline constexpr std::string_view kAddCategory = "编辑框_添加新闻类别";
inline constexpr std::string_view kAddAddress = "编辑框_添加频道";
inline constexpr std::string_view kAddPattern = "编辑框_添加正则";
inline constexpr std::string_view kAddConfirm = "按钮_添加确认";
inline constexpr std::string_view kAddCancel = "按钮_取消添加";

// Source modify window (its cancel button shares the add window's name).
inline constexpr std::string_view kModifyCategory = "编辑框_新闻类别";
inline constexpr std::string_view kModifyAddress = "编辑框_新闻频道";
inline constexpr std::string_view kModifyPattern = "编辑框_正则表达";
inline constexpr std::string_view kModifyDate = "编辑框_添加日期";
inline constexpr std::string_view kModifyConfirm = "按钮_确认添加";
inline constexpr std::string_view kModifyCancel = "按钮_取消添加";

// Add and modify windows: the pattern tester.
inline constexpr std::string_view kPatternTestButton = "按钮_测试";
inline constexpr std::string_view kPatternTestResult = "编辑框_测试结果";

// Picture window.
inline constexpr std::string_view kPictureWindow = "PictureWindow";
inline constexpr std::string_view kPicturePreview = "按钮2";
inline constexpr std::string_view kPictureExport = "按钮1";
inline constexpr std::string_view kPictureQrAdd = "按钮_二维码";
inline constexpr std::string_view kPictureClose = "按钮4";
inline constexpr std::string_view kPictureFolderLabel = "透明标签1";
inline constexpr std::string_view kPicturePostToGroup = "选择框_发到群";
inline constexpr std::string_view kPictureTabs = "高级选择夹_图片";
// Page 0 ("天气").
inline constexpr std::string_view kWeatherPageFrame = "外形框_图片";
inline constexpr std::string_view kWeatherPageHeader = "超级编辑框_头部";
inline constexpr std::string_view kWeatherPageNews = "超级编辑框_新闻";
inline constexpr std::string_view kLifePageWindow = "外形框1";
inline constexpr std::string_view kLifePageView = "超文本浏览框1";
inline constexpr std::string_view kWeatherPageQr = "图片框2";
// Page 1 ("标准天气").
inline constexpr std::string_view kStandardPageFrame = "外形框_图片1";
inline constexpr std::string_view kStandardPageHeader = "超级编辑框_头部1";
inline constexpr std::string_view kStandardPageWeather = "超级编辑框_天气1";
inline constexpr std::string_view kStandardPageNews = "超级编辑框_新闻1";
inline constexpr std::string_view kStandardPageQr = "图片框4";

}  // namespace dq::controls
