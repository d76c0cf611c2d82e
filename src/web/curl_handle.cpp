#include "web/curl_handle.h"

#include <mutex>

namespace dq::web {

CurlEasy NewCurlEasy() {
    static std::once_flag initialised;
    std::call_once(initialised, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    return CurlEasy(curl_easy_init());
}

CurlList ToCurlList(const std::vector<std::string>& lines) {
    CurlList list;
    for (const std::string& line : lines) {
        curl_slist* longer = curl_slist_append(list.get(), line.c_str());
        if (longer == nullptr) return nullptr;
        (void)list.release();
        list.reset(longer);
    }
    return list;
}

}  // namespace dq::web
