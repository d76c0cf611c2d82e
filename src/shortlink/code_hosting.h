// Where the short-link plug-ins are published: the list document and the folder of plug-in
// documents of the Pemmik/Short-Url repository on gitee.com, whose raw-file addresses have the
// form "/<owner>/<repository>/raw/<branch>/<path>".
#pragma once

#include <string_view>

namespace dq::shortlink {

inline constexpr std::string_view kCodeHostingHost = "gitee.com";
inline constexpr std::string_view kPluginListUrl =
    "https://gitee.com/Pemmik/Short-Url/raw/master/PlugList.json";
// A plug-in's address is this followed by its file name (lower-case "plug/", although the
// list writes "Plug/").
inline constexpr std::string_view kPluginFolderUrl =
    "https://gitee.com/Pemmik/Short-Url/raw/master/plug/";

}  // namespace dq::shortlink
