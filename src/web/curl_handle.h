// Owning wrappers for libcurl easy handles and string lists, shared by the request code.
#pragma once

#include <curl/curl.h>

#include <memory>
#include <string>
#include <vector>

namespace dq::web {

struct CurlEasyCleanup {
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};
struct CurlListCleanup {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

using CurlEasy = std::unique_ptr<CURL, CurlEasyCleanup>;
using CurlList = std::unique_ptr<curl_slist, CurlListCleanup>;

// A fresh easy handle (libcurl initialised once per process first); null when libcurl cannot
// make one.
CurlEasy NewCurlEasy();

// The lines as a libcurl string list, in order; null for no lines or when allocation fails.
CurlList ToCurlList(const std::vector<std::string>& lines);

}  // namespace dq::web
