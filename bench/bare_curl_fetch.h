// The reference the fetch benchmarks compare with: a plain libcurl GET of url, body kept in a
// string, nothing else set. With connectTo entries ("host:port:127.0.0.1:loopbackPort") the
// request for a real host name goes to a loopback server instead, and a TLS certificate is
// not checked, as the program's page fetch does not check it either.
#pragma once

#include <curl/curl.h>

#include <string>
#include <vector>

namespace dq::bench {

inline std::size_t AppendToString(char* data, std::size_t size, std::size_t count, void* user) {
    static_cast<std::string*>(user)->append(data, size * count);
    return size * count;
}

inline std::string BareCurlFetch(const std::string& url,
                                 const std::vector<std::string>& connectTo = {}) {
    std::string body;
    CURL* handle = curl_easy_init();
    curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, AppendToString);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &body);
    curl_slist* entries = nullptr;
    for (const std::string& entry : connectTo) entries = curl_slist_append(entries, entry.c_str());
    if (entries != nullptr) {
        curl_easy_setopt(handle, CURLOPT_CONNECT_TO, entries);
        curl_easy_setopt(handle, CURLOPT_SSL_VERIFYPEER, 0L);
        curl_easy_setopt(handle, CURLOPT_SSL_VERIFYHOST, 0L);
    }
    curl_easy_perform(handle);
    curl_easy_cleanup(handle);
    curl_slist_free_all(entries);
    return body;
}

}  // namespace dq::bench
