// The request header block of the request engine, built from the caller's lines, the default
// lines it lacks, and the cookie line.
#pragma once

#include "web/web_request.h"

namespace dq::web {

// The block as sent: lines joined by CR LF. The defaults are found by plain substring searches
// over the whole block, ignoring case, and all but "Content-Type:" end with a space, so a
// caller's "user-agent:MyTool" does not keep the default User-Agent line out.
Text BuildRequestBlock(const RequestOptions& options, int method);

// Whether every line of the block is a header line the request can carry: a name, a colon,
// and no lone CR or LF that would start a line of its own.
bool IsSendableBlock(const Text& block);

}  // namespace dq::web
