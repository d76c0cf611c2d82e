// The reference the fetch benchmarks compare with: a plain libcurl GET of url, body kept in a
// string, nothing else set.
#pragma once

#include <curl/curl.h>

#include <string>

namespace dq::bench {

inline std::size_t AppendToString(char* data, std::size_t size, std::size_t count, void* user) {
    static_cast<std::string*>(user)->append(data, size * count);
    return size * count;
}

inline std::string BareCurlFetch(const std::string& url) {
    std::string body;
    CURL* handle = curl_easy_init();
    curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, AppendToString);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &body);
    curl_easy_perform(handle);
    curl_easy_cleanup(handle);
    return body;
}

}  // namespace dq::bench
